-- Exposure limit classes of the amateur bands: the field-strength limit
-- (V/m) that applies across each band. Source: the Belgian limits for fixed
-- transmitters (Royal Decree of 10 August 2005: a quarter of the power
-- density of the ICNIRP 1998 reference levels for the general public), the
-- same limits the field-strength engine classifies with: 13,7 V/m from 10 to
-- 400 MHz, 0,686 x sqrt(f) V/m from 400 to 2000 MHz (written at the band's
-- lower edge, the strictest value in the band) and 30,7 V/m above 2000 MHz.
-- Bands below 10 MHz get no verdict and have no row.
INSERT INTO tblErpVal (IdErpVal, ErpValDescr, ErpValFreqLow, ErpValFreqHigh, ErpValLimit) VALUES
( 1, '30 m',     10.1,   10.15,  13.7),
( 2, '20 m',     14,     14.35,  13.7),
( 3, '17 m',     18.068, 18.168, 13.7),
( 4, '15 m',     21,     21.45,  13.7),
( 5, '12 m',     24.89,  24.99,  13.7),
( 6, '10 m',     28,     29.7,   13.7),
( 7, '6 m',      50,     52,     13.7),
( 8, '2 m',      144,    146,    13.7),
( 9, '70 cm',    430,    440,    14.22),
(10, '23 cm',    1240,   1300,   24.16),
(11, '13 cm',    2300,   2450,   30.7),
(12, '9 cm',     3400,   3410,   30.7),
(13, '6 cm',     5650,   5850,   30.7),
(14, '3 cm',     10000,  10500,  30.7),
(15, '1,2 cm',   24000,  24250,  30.7),
(16, '6 mm',     47000,  47200,  30.7),
(17, '4 mm',     76000,  81000,  30.7);
