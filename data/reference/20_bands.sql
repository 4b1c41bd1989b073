-- Amateur frequency bands and their centre frequencies (MHz).
-- Source: the band edges of the amateur service in Belgium as listed in the
-- regulator's (BIPT) table of frequencies for radio amateurs, which follows
-- the IARU Region 1 band plan. The centre is the arithmetic middle of the
-- band edges; it is the frequency the field-strength computation uses.
--
-- tblBandFreq lists the bands of catalogue antennas. Key 16 is not a band: it
-- marks an antenna (a multiband dipole, a trap vertical ...) whose operating
-- band is chosen for each placement from tblBandFreqSt.
INSERT INTO tblBandFreq (IdBandFreq, BandFreqDescr, BandFreqCenter) VALUES
( 1, '160 m (1,810 - 2,000 MHz)',        1.905),
( 2, '80 m (3,500 - 3,800 MHz)',         3.65),
( 3, '60 m (5,3515 - 5,3665 MHz)',       5.359),
( 4, '40 m (7,000 - 7,200 MHz)',         7.1),
( 5, '30 m (10,100 - 10,150 MHz)',       10.125),
( 6, '20 m (14,000 - 14,350 MHz)',       14.175),
( 7, '17 m (18,068 - 18,168 MHz)',       18.118),
( 8, '15 m (21,000 - 21,450 MHz)',       21.225),
( 9, '12 m (24,890 - 24,990 MHz)',       24.94),
(10, '10 m (28,000 - 29,700 MHz)',       28.85),
(11, '6 m (50 - 52 MHz)',                51),
(12, '2 m (144 - 146 MHz)',              145),
(13, '70 cm (430 - 440 MHz)',            435),
(14, '23 cm (1240 - 1300 MHz)',          1270),
(15, '13 cm (2300 - 2450 MHz)',          2375),
(16, 'Multiband (band per placement)',   0),
(17, '9 cm (3400 - 3410 MHz)',           3405),
(18, '6 cm (5650 - 5850 MHz)',           5750),
(19, '3 cm (10000 - 10500 MHz)',         10250),
(20, '1,2 cm (24000 - 24250 MHz)',       24125),
(21, '6 mm (47000 - 47200 MHz)',         47100),
(22, '4 mm (76000 - 81000 MHz)',         78500);

-- Operating bands of placements: the same bands under the same keys. Key 16
-- is left out on purpose: it is no band and has no frequency, so a placement
-- can never be computed at 0 MHz.
INSERT INTO tblBandFreqSt (IdBandFreqSt, BandFreqDescr, BandFreqCenter)
  SELECT IdBandFreq, BandFreqDescr, BandFreqCenter FROM tblBandFreq WHERE IdBandFreq <> 16;

-- Bands of the low-power case: every band of the amateur service, same keys.
INSERT INTO tblBandFreqQrp (IdBandFreqQrp, BandFreqDescr, BandFreqCenter)
  SELECT IdBandFreq, BandFreqDescr, BandFreqCenter FROM tblBandFreq WHERE IdBandFreq <> 16;
