-- Antenna families, polarisations and the shipped antenna catalogue.

-- Families: the English name is shown on the antenna page, the Dutch or
-- French name is written into the regulator's export. 48 is no family of its
-- own: the catalogue query reads it as "all families". 49 holds the user's
-- custom antennas.
INSERT INTO tblListAntFamily (IdAntFamily, AntFamilyNameE, AntFamilyNameN, AntFamilyNameF) VALUES
( 1, 'Dipoles',               'Dipolen',                   'Dipôles'),
( 2, 'Verticals',             'Verticale antennes',        'Antennes verticales'),
( 3, 'Collinears',            'Collineaire antennes',      'Antennes colinéaires'),
( 4, 'Yagis',                 'Yagi-antennes',             'Antennes Yagi'),
( 5, 'Quads',                 'Quad-antennes',             'Antennes quad'),
( 6, 'Loops',                 'Lusantennes',               'Antennes boucles'),
( 7, 'Dishes',                'Paraboolantennes',          'Antennes paraboliques'),
( 8, 'Log-periodic antennas', 'Log-periodieke antennes',   'Antennes log-périodiques'),
( 9, 'Wire antennas',         'Draadantennes',             'Antennes filaires'),
(48, 'All antennas',          'Alle antennes',             'Toutes les antennes'),
(49, 'Custom antennas',       'Eigen antennes',            'Antennes personnalisées');

INSERT INTO tblListAntPol (IdListAntPol, ListAntPolE, ListAntPolSh) VALUES
(1, 'Horizontal',  'H'),
(2, 'Vertical',    'V'),
(3, 'Circular',    'C'),
(4, 'Slant (45°)', 'S');

-- The catalogue. AntV00 ... AntV90 are the gain in dBi at 0°, 10°, ... 90°
-- from the main beam in the vertical plane (AntV00 is the antenna gain);
-- AntV100 repeats the 90° value, as custom antennas do. IdBandFreq 16: the
-- band is chosen per placement. AntExtra: dish diameter in wavelengths.
--
-- How the patterns were obtained (free space, lossless, rounded to 0,1 dB):
-- * Dipoles, verticals, collinears and full-wave loops: far field of thin
--   wires carrying the textbook sinusoidal standing-wave current, integrated
--   over the sphere for the gain (Kraus, Antennas, ch. 5 and 6; Balanis,
--   Antenna Theory, ch. 4 and 6). A half-wave dipole gives 2,15 dBi; in the
--   vertical plane through its broadside direction a horizontal dipole
--   radiates the same in every direction, so its pattern is flat. A
--   quarter-wave ground plane or whip with its radials or its image radiates
--   like a vertical half-wave dipole, a 5/8-wave ground plane like a 1,25-wave
--   dipole. Collinears are N in-phase half-wave elements 0,75 wavelength apart;
--   their deep nulls and side lobes are kept as computed.
-- * Small loops: magnetic dipole (1,76 dBi, efficiency not counted, which
--   errs on the safe side); a vertical loop is uniform in its own plane.
-- * Yagis, quads and log-periodics: the free-space main-beam gain typical of
--   designs of that size in the antenna handbooks (ARRL Antenna Book), rounded
--   down where makers quote more; the half-power beamwidths from Kraus'
--   rule 41253 / (E-plane x H-plane), the H-plane 15 % wider than the E-plane;
--   the vertical plane is the H-plane for horizontal, the E-plane for vertical
--   polarisation. Pattern cos^n of the angle with n matching the beamwidth,
--   limited below by the side-lobe level (12 dB under the main beam for two
--   elements up to 20 dB for long booms).
-- * Dishes: the reference pattern of ITU-R F.699 for D/lambda below 100, with
--   its gain 20 log(D/lambda) + 7,7 dBi; D/lambda from the diameter and the
--   band centre, rounded to a whole number in AntExtra.

-- 1 Dipoles
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
( 1, 1, 1, 16, 'Half-wave dipole', 'Horizontal, centre fed',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', ''),
( 2, 1, 2, 16, 'Half-wave dipole', 'Vertical, centre fed',
    2.15,     2,   1.4,   0.4,    -1,  -2.9,  -5.4,    -9, -15.1,   -30,   -30, '', ''),
( 3, 1, 1, 16, 'Inverted-V dipole', 'Apex angle 90°, centre fed',
     1.8,   1.7,   1.7,   1.7,   1.6,   1.6,   1.5,   1.5,   1.5,   1.4,   1.4, '', ''),
( 4, 1, 1, 16, 'Folded dipole', 'Horizontal, 300 ohm',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', ''),
( 5, 1, 1, 16, 'Trap dipole', 'Two bands 80/40 m, horizontal',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', ''),
( 6, 1, 1, 16, 'Fan dipole', 'Multiband, horizontal',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', ''),
( 7, 1, 1, 16, 'Rotary dipole', 'Aluminium tubing, horizontal',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', '');

-- 2 Verticals
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
( 8, 2, 2, 16, 'Quarter-wave ground plane', 'Four radials',
    2.15,     2,   1.4,   0.4,    -1,  -2.9,  -5.4,    -9, -15.1,   -30,   -30, '', ''),
( 9, 2, 2, 16, 'Trap vertical', 'Multiband HF, ground mounted',
    2.15,     2,   1.4,   0.4,    -1,  -2.9,  -5.4,    -9, -15.1,   -30,   -30, '', ''),
(10, 2, 2, 10, 'Half-wave vertical', 'End fed, 10 m band',
    2.15,     2,   1.4,   0.4,    -1,  -2.9,  -5.4,    -9, -15.1,   -30,   -30, '', ''),
(11, 2, 2, 11, '5/8-wave ground plane', '6 m band',
     5.2,   4.1,   0.5,    -8, -16.5,  -6.6,  -5.2,  -6.9,   -12,   -30,   -30, '', ''),
(12, 2, 2, 12, '5/8-wave ground plane', '2 m band',
     5.2,   4.1,   0.5,    -8, -16.5,  -6.6,  -5.2,  -6.9,   -12,   -30,   -30, '', ''),
(13, 2, 2, 12, 'Quarter-wave whip', 'Mobile, on the vehicle roof',
    2.15,     2,   1.4,   0.4,    -1,  -2.9,  -5.4,    -9, -15.1,   -30,   -30, '', '');

-- 3 Collinears
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(14, 3, 2, 12, 'Collinear 2 x 5/8 wave', '2 m band',
       5,   4.1,   1.1,  -5.1, -23.1, -12.7,  -9.4, -10.6, -15.5,   -30,   -30, '', ''),
(15, 3, 2, 13, 'Collinear 3 x 5/8 wave', '70 cm band',
     6.7,   4.4,  -4.4, -12.3,  -6.1,   -10, -25.3, -21.2, -21.4,   -30,   -30, '', ''),
(16, 3, 2, 13, 'Collinear 4 x 5/8 wave', '70 cm band',
     7.9,   3.6, -23.8,  -5.2, -20.3, -10.8, -11.2, -18.8,   -30,   -30,   -30, '', ''),
(17, 3, 2, 13, 'Collinear 6 elements', '70 cm band, repeater type',
     9.6,  -2.1,  -3.9,   -10, -18.7, -10.9, -22.5, -18.8, -20.7,   -30,   -30, '', ''),
(18, 3, 2, 14, 'Collinear 8 elements', '23 cm band',
    10.9,   -17, -20.9,   -30, -17.6, -12.4, -18.6, -17.3,   -30,   -30,   -30, '', '');

-- 4 Yagis
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(19, 4, 1,  4, '2-element Yagi', '40 m band',
     6.3,   6.2,   5.9,   5.4,   4.7,   3.6,   2.1,  -0.1,  -4.2,  -5.7,  -5.7, '', ''),
(20, 4, 1,  6, '3-element Yagi', '20 m band',
       8,   7.9,   7.4,   6.6,   5.5,   3.8,   1.5,  -2.1,    -7,    -7,    -7, '', ''),
(21, 4, 1, 16, '3-element triband Yagi', '20/15/10 m, trapped elements',
     7.5,   7.4,     7,   6.3,   5.3,   3.8,   1.8,  -1.4,    -7,  -7.5,  -7.5, '', ''),
(22, 4, 1, 11, '5-element Yagi', '6 m band',
    10.5,  10.2,   9.4,     8,   5.8,   2.7,  -1.7,  -7.5,  -7.5,  -7.5,  -7.5, '', ''),
(23, 4, 1, 12, '6-element Yagi', '2 m band',
    10.8,  10.5,   9.6,   8.1,   5.7,   2.4,  -2.4,  -7.2,  -7.2,  -7.2,  -7.2, '', ''),
(24, 4, 1, 12, '9-element Yagi', '2 m band, horizontal',
      13,  12.5,    11,   8.4,   4.4,  -1.2,    -7,    -7,    -7,    -7,    -7, '', ''),
(25, 4, 2, 12, '9-element Yagi', '2 m band, vertical',
      13,  12.3,  10.3,   6.8,   1.6,    -6,    -7,    -7,    -7,    -7,    -7, '', ''),
(26, 4, 3, 12, 'Crossed Yagi 2 x 9 elements', '2 m band, circular',
      13,  12.4,  10.7,   7.6,   3.1,  -3.4,    -7,    -7,    -7,    -7,    -7, '', ''),
(27, 4, 1, 12, '13-element Yagi', '2 m band, long boom',
    14.8,    14,  11.7,   7.7,   1.7,  -5.2,  -5.2,  -5.2,  -5.2,  -5.2,  -5.2, '', ''),
(28, 4, 1, 13, '10-element Yagi', '70 cm band',
    13.5,  12.9,  11.2,   8.3,   3.8,  -2.5,  -6.5,  -6.5,  -6.5,  -6.5,  -6.5, '', ''),
(29, 4, 1, 13, '19-element Yagi', '70 cm band, long boom',
      16,    15,  11.9,   6.6,  -1.4,    -4,    -4,    -4,    -4,    -4,    -4, '', ''),
(30, 4, 1, 14, '23-element Yagi', '23 cm band',
    17.5,  16.1,  11.7,   4.2,  -2.5,  -2.5,  -2.5,  -2.5,  -2.5,  -2.5,  -2.5, '', '');

-- 5 Quads
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(31, 5, 1,  6, '2-element quad', '20 m band',
     7.3,   7.2,   6.8,   6.2,   5.2,   3.8,   1.8,  -1.1,  -4.7,  -4.7,  -4.7, '', ''),
(32, 5, 1, 16, '2-element quad', 'Triband 20/15/10 m',
       7,   6.9,   6.5,     6,   5.1,   3.8,     2,  -0.8,    -5,    -5,    -5, '', ''),
(33, 5, 1, 11, '5-element quad', '6 m band',
      11,  10.7,   9.8,   8.1,   5.7,   2.2,  -2.8,    -7,    -7,    -7,    -7, '', ''),
(34, 5, 1, 12, '4-element quad', '2 m band',
      10,   9.8,     9,   7.8,   5.8,   3.1,  -0.8,  -6.8,    -8,    -8,    -8, '', '');

-- 6 Loops
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(35, 6, 2, 16, 'Magnetic loop', 'Small transmitting loop, vertical',
    1.76,  1.76,  1.76,  1.76,  1.76,  1.76,  1.76,  1.76,  1.76,  1.76,  1.76, '', ''),
(36, 6, 1, 16, 'Full-wave quad loop', 'Single square loop, fed at the bottom',
     3.1,   3.1,   2.8,   2.4,     2,   1.5,   0.9,   0.5,   0.2,   0.1,   0.1, '', ''),
(37, 6, 1, 16, 'Delta loop', 'Full wave, apex up, fed at the bottom',
     2.8,   2.8,   2.6,   2.3,     2,   1.6,   1.3,     1,   0.8,   0.7,   0.7, '', ''),
(38, 6, 1, 12, 'Halo', '2 m band, horizontal omni',
    1.76,   1.6,   1.2,   0.5,  -0.6,  -2.1,  -4.3,  -7.6, -13.4,   -30,   -30, '', '');

-- 7 Dishes
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(39, 7, 3, 14, 'Parabolic dish 3 m', '23 cm band, EME',
    29.8,    16,   8.4,     4,   0.9,    -1,    -1,    -1,    -1,    -1,    -1, '', '13'),
(40, 7, 3, 14, 'Parabolic dish 1,2 m', '23 cm band',
    21.8,  15.4,  12.4,     8,   4.9,   2.9,   2.9,   2.9,   2.9,   2.9,   2.9, '', '5'),
(41, 7, 3, 15, 'Parabolic dish 1 m', '13 cm band',
    25.7,  15.5,  10.5,   6.1,     3,     1,     1,     1,     1,     1,     1, '', '8'),
(42, 7, 1, 17, 'Parabolic dish 1,5 m', '9 cm band',
    32.3,  14.7,   7.2,   2.8,  -0.4,  -2.3,  -2.3,  -2.3,  -2.3,  -2.3,  -2.3, '', '17'),
(43, 7, 1, 18, 'Parabolic dish 0,6 m', '6 cm band',
    28.9,  16.4,   8.9,   4.5,   1.3,  -0.6,  -0.6,  -0.6,  -0.6,  -0.6,  -0.6, '', '12'),
(44, 7, 1, 19, 'Parabolic dish 0,6 m', '3 cm band',
    33.9,  13.9,   6.4,     2,  -1.2,  -3.1,  -3.1,  -3.1,  -3.1,  -3.1,  -3.1, '', '21'),
(45, 7, 1, 19, 'Parabolic dish 0,8 m', '3 cm band, offset feed',
    36.4,  12.6,   5.1,   0.7,  -2.4,  -4.4,  -4.4,  -4.4,  -4.4,  -4.4,  -4.4, '', '27'),
(46, 7, 1, 20, 'Parabolic dish 0,48 m', '1,2 cm band',
    39.4,  11.1,   3.6,  -0.8,  -3.9,  -5.9,  -5.9,  -5.9,  -5.9,  -5.9,  -5.9, '', '39');

-- 8 Log-periodic antennas
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(47, 8, 1, 16, 'Log-periodic', 'HF 13,5 - 30 MHz, 7 elements',
     6.5,   6.4,   6.1,   5.6,   4.8,   3.7,   2.1,  -0.3,  -4.6,  -8.5,  -8.5, '', ''),
(48, 8, 1, 16, 'Log-periodic', 'VHF/UHF 100 - 1300 MHz',
     6.5,   6.4,   6.1,   5.6,   4.8,   3.7,   2.1,  -0.3,  -4.6,  -8.5,  -8.5, '', '');

-- 9 Wire antennas
INSERT INTO tblListAnt (IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr,
  AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntDir, AntExtra) VALUES
(49, 9, 1, 16, 'End-fed half-wave', 'Multiband, horizontal wire',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', ''),
(50, 9, 1, 16, 'Off-centre-fed dipole', 'Multiband 80 - 10 m',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', ''),
(51, 9, 1, 16, 'Doublet', '2 x 20 m, ladder-line fed',
    2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15,  2.15, '', '');
