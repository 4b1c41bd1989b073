-- The empty application: row 61 of the five file tables. The export only
-- updates these rows; it never inserts into the file tables.
INSERT INTO FileTable (FilePK, FileLanguage) VALUES (61, 'N');
INSERT INTO File1Table (File1PK, FileFK) VALUES (61, 61);
INSERT INTO File2Table (File2PK, FileFK) VALUES (61, 61);
INSERT INTO File3Table (File3PK, FileFK) VALUES (61, 61);
INSERT INTO File4Table (File4PK, FileFK) VALUES (61, 61);
