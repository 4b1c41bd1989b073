-- Application values. "DBVer" is the database version: a table-update file
-- from the maker's server raises it with a statement of its own, and the
-- program asks for update file DBVer + 1.
INSERT INTO tblApplData (ApplDataName, ApplDataValue) VALUES
('DBVer', '1');
