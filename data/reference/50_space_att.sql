-- Space-attenuation classes of critical test points: the loss between the
-- antenna and the point through the building shell (dB). SpaceAttLow applies
-- to bands centred below 1000 MHz, SpaceAttHigh from 1000 MHz up.
-- Source: the building-material losses of ITU-R P.2040 (glass, wood, brick,
-- concrete) and the building entry loss of ITU-R P.2109 (traditional
-- buildings), rounded down to whole dB so that the computed field strength
-- errs on the high (safe) side.
INSERT INTO tblSpaceAtt (IdSpaceAtt, SpaceAttDescrE, SpaceAttLow, SpaceAttHigh) VALUES
(1, 'Free field (outdoors, no obstacle)',     0,  0),
(2, 'Behind window glass',                    1,  2),
(3, 'Behind a wooden wall or tiled roof',     2,  4),
(4, 'Behind a brick wall',                    4,  8),
(5, 'Behind a cavity wall (two brick leaves)', 8, 14),
(6, 'Behind reinforced concrete',            10, 18);
