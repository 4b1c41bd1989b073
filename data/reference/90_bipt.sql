-- The regulator's postal address, one row per document language. Source:
-- the contact page of the Belgian Institute for Postal Services and
-- Telecommunications (BIPT), head office in the Ellipse building.
-- The letter head prints BiptName - BiptService, BiptAddr2, BiptAddr1,
-- BiptZip and BiptCity, in that order.
INSERT INTO tblBipt (IdLanguage, BiptName, BiptService, BiptAddr1, BiptAddr2, BiptZip, BiptCity) VALUES
(1, 'BIPT', 'Radio Amateurs Service',  'Boulevard du Roi Albert II 35', 'Ellipse Building - Building C', '1030', 'Brussels'),
(2, 'BIPT', 'Dienst Radioamateurs',    'Koning Albert II-laan 35',      'Ellipse Building - Gebouw C',   '1030', 'Brussel'),
(3, 'IBPT', 'Service Radioamateurs',   'Boulevard du Roi Albert II 35', 'Ellipse Building - Bâtiment C', '1030', 'Bruxelles'),
(4, 'BIPT', 'Dienst Funkamateure',     'Boulevard du Roi Albert II 35', 'Ellipse Building - Gebäude C',  '1030', 'Brüssel');
