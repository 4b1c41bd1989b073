-- Document languages. The keys are fixed: the program maps its document
-- language id 1..4 to English, Dutch, French and German in that order.
INSERT INTO tblLanguage (IdLanguage, LanguageFullE) VALUES
(1, 'English'),
(2, 'Dutch'),
(3, 'French'),
(4, 'German');
