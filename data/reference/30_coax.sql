-- Coax types and their attenuation in dB per 100 m at 100 MHz, the figure
-- the feed-line formula scales with the square root of the frequency.
-- Values are written as text with a decimal comma (the program converts them).
-- Source of each figure: the attenuation table of the maker's data sheet for
-- that cable, read at 100 MHz; where a sheet lists only neighbouring
-- frequencies (or dB per 100 ft) the value was interpolated with the square
-- root of the frequency (or converted with 1 ft = 0,3048 m) and rounded to
-- 0,1 dB. Row 1 is for a section that is not used.
INSERT INTO tblCableLoss (IdCableLoss, CableLossName, CableLossValue) VALUES
( 1, '(no cable)',                 '0'),
-- Belden data sheets (RG-58 C/U 9311, RG-8X 9258, RG-213/U 8267, RG-59 8241, RG-174 8216)
( 2, 'RG-58 C/U',                  '16,0'),
( 3, 'RG-8X (Mini-8)',             '12,1'),
( 4, 'RG-213/U',                   '7,0'),
( 5, 'RG-59 (75 ohm)',             '11,2'),
( 6, 'RG-174',                     '29,2'),
-- SSB-Electronic data sheets
( 7, 'Aircell 5',                  '9,8'),
( 8, 'Aircell 7',                  '6,6'),
( 9, 'Aircom Plus',                '3,9'),
(10, 'Ecoflex 10',                 '4,0'),
(11, 'Ecoflex 15',                 '2,9'),
-- Draka / Pope data sheets
(12, 'H155',                       '8,9'),
(13, 'H2000 Flex',                 '4,3'),
-- Times Microwave Systems data sheets
(14, 'LMR-240',                    '7,9'),
(15, 'LMR-400',                    '3,9'),
(16, 'LMR-600',                    '2,5'),
-- CommScope (Andrew) Heliax data sheets
(17, 'Heliax LDF4-50A (1/2")',     '2,2'),
(18, 'Heliax LDF5-50A (7/8")',     '1,2');
