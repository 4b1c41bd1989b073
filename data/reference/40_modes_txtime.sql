-- Transmission modes and their correction (dB subtracted from the peak
-- power to get the average power). Source: the operating duty factors of
-- amateur modes published with the FCC's OET Bulletin 65, Supplement B
-- (conversational SSB 20 %, SSB with heavy speech processing 40 %,
-- conversational CW 40 %, voice AM at 50 % modulation 50 %, FM, RTTY and
-- other constant-envelope digital modes 100 %). ModeAtt = -10 log10(duty factor).
INSERT INTO tblMode (IdMode, ModeDescrE, ModeAtt, ModeProcs) VALUES
(1, 'No correction (carrier)',           0,    '100 %'),
(2, 'FM',                                0,    '100 %'),
(3, 'Digital, constant envelope (RTTY, FT8)', 0, '100 %'),
(4, 'CW',                                3.98, '40 %'),
(5, 'SSB',                               6.99, '20 %'),
(6, 'SSB with speech processor',         3.98, '40 %'),
(7, 'AM (50 % modulation)',              3.01, '50 %'),
(8, 'SSTV',                              0,    '100 %');

-- Transmit-time classes: the share of transmit time within the 6-minute
-- averaging time of the exposure guidelines (ICNIRP 1998).
-- TxTimeAtt = -10 log10(share).
INSERT INTO tblTxTime (IdTxTime, TxTimeValue, TxTimeAtt, TxTimeProc) VALUES
(1, 'Continuous (6 of 6 min)',           0,     '100 %'),
(2, '4 of 6 min',                        1.76,  '67 %'),
(3, '3 of 6 min (transmit = receive)',   3.01,  '50 %'),
(4, '2 of 6 min',                        4.77,  '33 %'),
(5, '1 of 6 min',                        7.78,  '17 %'),
(6, '30 s of 6 min',                     10.79, '8,3 %');
