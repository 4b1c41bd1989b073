-- Columns of "typed" Doubles receive the user's number as typed, in a quoted
-- literal with a decimal comma ('12,5', '1.234,5'). These triggers store such
-- a text as its number right after the row is written: "." (thousands) is
-- dropped and "," becomes the decimal point, then the REAL column turns the
-- text into a number. An empty text stores NULL. A text that is still not a
-- number fails the statement instead of leaving text in a number column.
-- Texts already written with a decimal point ('12.5') become numbers by the
-- column's own affinity and do not reach these triggers.
-- Both tables follow one pattern; keep them alike when a column is added.

CREATE TRIGGER trgStationTypedInsert AFTER INSERT ON tblStation
WHEN typeof(NEW.AntennasHeight) = 'text' OR typeof(NEW.AntennasTilt) = 'text'
BEGIN
  UPDATE tblStation SET
    AntennasHeight = CASE WHEN typeof(AntennasHeight) <> 'text' THEN AntennasHeight WHEN trim(AntennasHeight) = '' THEN NULL WHEN instr(AntennasHeight, ',') > 0 THEN replace(replace(trim(AntennasHeight), '.', ''), ',', '.') ELSE trim(AntennasHeight) END,
    AntennasTilt = CASE WHEN typeof(AntennasTilt) <> 'text' THEN AntennasTilt WHEN trim(AntennasTilt) = '' THEN NULL WHEN instr(AntennasTilt, ',') > 0 THEN replace(replace(trim(AntennasTilt), '.', ''), ',', '.') ELSE trim(AntennasTilt) END
  WHERE IdStation = NEW.IdStation;
  SELECT RAISE(ABORT, 'Data type mismatch: tblStation takes a number in AntennasHeight, AntennasTilt')
    FROM tblStation WHERE IdStation = NEW.IdStation AND (typeof(AntennasHeight) = 'text' OR typeof(AntennasTilt) = 'text');
END;

CREATE TRIGGER trgStationTypedUpdate AFTER UPDATE OF AntennasHeight, AntennasTilt ON tblStation
WHEN typeof(NEW.AntennasHeight) = 'text' OR typeof(NEW.AntennasTilt) = 'text'
BEGIN
  UPDATE tblStation SET
    AntennasHeight = CASE WHEN typeof(AntennasHeight) <> 'text' THEN AntennasHeight WHEN trim(AntennasHeight) = '' THEN NULL WHEN instr(AntennasHeight, ',') > 0 THEN replace(replace(trim(AntennasHeight), '.', ''), ',', '.') ELSE trim(AntennasHeight) END,
    AntennasTilt = CASE WHEN typeof(AntennasTilt) <> 'text' THEN AntennasTilt WHEN trim(AntennasTilt) = '' THEN NULL WHEN instr(AntennasTilt, ',') > 0 THEN replace(replace(trim(AntennasTilt), '.', ''), ',', '.') ELSE trim(AntennasTilt) END
  WHERE IdStation = NEW.IdStation;
  SELECT RAISE(ABORT, 'Data type mismatch: tblStation takes a number in AntennasHeight, AntennasTilt')
    FROM tblStation WHERE IdStation = NEW.IdStation AND (typeof(AntennasHeight) = 'text' OR typeof(AntennasTilt) = 'text');
END;

CREATE TRIGGER trgListAntTypedInsert AFTER INSERT ON tblListAnt
WHEN typeof(NEW.AntV00) = 'text' OR typeof(NEW.AntV10) = 'text' OR typeof(NEW.AntV20) = 'text' OR typeof(NEW.AntV30) = 'text' OR typeof(NEW.AntV40) = 'text' OR typeof(NEW.AntV50) = 'text' OR typeof(NEW.AntV60) = 'text' OR typeof(NEW.AntV70) = 'text' OR typeof(NEW.AntV80) = 'text' OR typeof(NEW.AntV90) = 'text' OR typeof(NEW.AntV100) = 'text'
BEGIN
  UPDATE tblListAnt SET
    AntV00 = CASE WHEN typeof(AntV00) <> 'text' THEN AntV00 WHEN trim(AntV00) = '' THEN NULL WHEN instr(AntV00, ',') > 0 THEN replace(replace(trim(AntV00), '.', ''), ',', '.') ELSE trim(AntV00) END,
    AntV10 = CASE WHEN typeof(AntV10) <> 'text' THEN AntV10 WHEN trim(AntV10) = '' THEN NULL WHEN instr(AntV10, ',') > 0 THEN replace(replace(trim(AntV10), '.', ''), ',', '.') ELSE trim(AntV10) END,
    AntV20 = CASE WHEN typeof(AntV20) <> 'text' THEN AntV20 WHEN trim(AntV20) = '' THEN NULL WHEN instr(AntV20, ',') > 0 THEN replace(replace(trim(AntV20), '.', ''), ',', '.') ELSE trim(AntV20) END,
    AntV30 = CASE WHEN typeof(AntV30) <> 'text' THEN AntV30 WHEN trim(AntV30) = '' THEN NULL WHEN instr(AntV30, ',') > 0 THEN replace(replace(trim(AntV30), '.', ''), ',', '.') ELSE trim(AntV30) END,
    AntV40 = CASE WHEN typeof(AntV40) <> 'text' THEN AntV40 WHEN trim(AntV40) = '' THEN NULL WHEN instr(AntV40, ',') > 0 THEN replace(replace(trim(AntV40), '.', ''), ',', '.') ELSE trim(AntV40) END,
    AntV50 = CASE WHEN typeof(AntV50) <> 'text' THEN AntV50 WHEN trim(AntV50) = '' THEN NULL WHEN instr(AntV50, ',') > 0 THEN replace(replace(trim(AntV50), '.', ''), ',', '.') ELSE trim(AntV50) END,
    AntV60 = CASE WHEN typeof(AntV60) <> 'text' THEN AntV60 WHEN trim(AntV60) = '' THEN NULL WHEN instr(AntV60, ',') > 0 THEN replace(replace(trim(AntV60), '.', ''), ',', '.') ELSE trim(AntV60) END,
    AntV70 = CASE WHEN typeof(AntV70) <> 'text' THEN AntV70 WHEN trim(AntV70) = '' THEN NULL WHEN instr(AntV70, ',') > 0 THEN replace(replace(trim(AntV70), '.', ''), ',', '.') ELSE trim(AntV70) END,
    AntV80 = CASE WHEN typeof(AntV80) <> 'text' THEN AntV80 WHEN trim(AntV80) = '' THEN NULL WHEN instr(AntV80, ',') > 0 THEN replace(replace(trim(AntV80), '.', ''), ',', '.') ELSE trim(AntV80) END,
    AntV90 = CASE WHEN typeof(AntV90) <> 'text' THEN AntV90 WHEN trim(AntV90) = '' THEN NULL WHEN instr(AntV90, ',') > 0 THEN replace(replace(trim(AntV90), '.', ''), ',', '.') ELSE trim(AntV90) END,
    AntV100 = CASE WHEN typeof(AntV100) <> 'text' THEN AntV100 WHEN trim(AntV100) = '' THEN NULL WHEN instr(AntV100, ',') > 0 THEN replace(replace(trim(AntV100), '.', ''), ',', '.') ELSE trim(AntV100) END
  WHERE IdListAnt = NEW.IdListAnt;
  SELECT RAISE(ABORT, 'Data type mismatch: tblListAnt takes a number in AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100')
    FROM tblListAnt WHERE IdListAnt = NEW.IdListAnt AND (typeof(AntV00) = 'text' OR typeof(AntV10) = 'text' OR typeof(AntV20) = 'text' OR typeof(AntV30) = 'text' OR typeof(AntV40) = 'text' OR typeof(AntV50) = 'text' OR typeof(AntV60) = 'text' OR typeof(AntV70) = 'text' OR typeof(AntV80) = 'text' OR typeof(AntV90) = 'text' OR typeof(AntV100) = 'text');
END;

CREATE TRIGGER trgListAntTypedUpdate AFTER UPDATE OF AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100 ON tblListAnt
WHEN typeof(NEW.AntV00) = 'text' OR typeof(NEW.AntV10) = 'text' OR typeof(NEW.AntV20) = 'text' OR typeof(NEW.AntV30) = 'text' OR typeof(NEW.AntV40) = 'text' OR typeof(NEW.AntV50) = 'text' OR typeof(NEW.AntV60) = 'text' OR typeof(NEW.AntV70) = 'text' OR typeof(NEW.AntV80) = 'text' OR typeof(NEW.AntV90) = 'text' OR typeof(NEW.AntV100) = 'text'
BEGIN
  UPDATE tblListAnt SET
    AntV00 = CASE WHEN typeof(AntV00) <> 'text' THEN AntV00 WHEN trim(AntV00) = '' THEN NULL WHEN instr(AntV00, ',') > 0 THEN replace(replace(trim(AntV00), '.', ''), ',', '.') ELSE trim(AntV00) END,
    AntV10 = CASE WHEN typeof(AntV10) <> 'text' THEN AntV10 WHEN trim(AntV10) = '' THEN NULL WHEN instr(AntV10, ',') > 0 THEN replace(replace(trim(AntV10), '.', ''), ',', '.') ELSE trim(AntV10) END,
    AntV20 = CASE WHEN typeof(AntV20) <> 'text' THEN AntV20 WHEN trim(AntV20) = '' THEN NULL WHEN instr(AntV20, ',') > 0 THEN replace(replace(trim(AntV20), '.', ''), ',', '.') ELSE trim(AntV20) END,
    AntV30 = CASE WHEN typeof(AntV30) <> 'text' THEN AntV30 WHEN trim(AntV30) = '' THEN NULL WHEN instr(AntV30, ',') > 0 THEN replace(replace(trim(AntV30), '.', ''), ',', '.') ELSE trim(AntV30) END,
    AntV40 = CASE WHEN typeof(AntV40) <> 'text' THEN AntV40 WHEN trim(AntV40) = '' THEN NULL WHEN instr(AntV40, ',') > 0 THEN replace(replace(trim(AntV40), '.', ''), ',', '.') ELSE trim(AntV40) END,
    AntV50 = CASE WHEN typeof(AntV50) <> 'text' THEN AntV50 WHEN trim(AntV50) = '' THEN NULL WHEN instr(AntV50, ',') > 0 THEN replace(replace(trim(AntV50), '.', ''), ',', '.') ELSE trim(AntV50) END,
    AntV60 = CASE WHEN typeof(AntV60) <> 'text' THEN AntV60 WHEN trim(AntV60) = '' THEN NULL WHEN instr(AntV60, ',') > 0 THEN replace(replace(trim(AntV60), '.', ''), ',', '.') ELSE trim(AntV60) END,
    AntV70 = CASE WHEN typeof(AntV70) <> 'text' THEN AntV70 WHEN trim(AntV70) = '' THEN NULL WHEN instr(AntV70, ',') > 0 THEN replace(replace(trim(AntV70), '.', ''), ',', '.') ELSE trim(AntV70) END,
    AntV80 = CASE WHEN typeof(AntV80) <> 'text' THEN AntV80 WHEN trim(AntV80) = '' THEN NULL WHEN instr(AntV80, ',') > 0 THEN replace(replace(trim(AntV80), '.', ''), ',', '.') ELSE trim(AntV80) END,
    AntV90 = CASE WHEN typeof(AntV90) <> 'text' THEN AntV90 WHEN trim(AntV90) = '' THEN NULL WHEN instr(AntV90, ',') > 0 THEN replace(replace(trim(AntV90), '.', ''), ',', '.') ELSE trim(AntV90) END,
    AntV100 = CASE WHEN typeof(AntV100) <> 'text' THEN AntV100 WHEN trim(AntV100) = '' THEN NULL WHEN instr(AntV100, ',') > 0 THEN replace(replace(trim(AntV100), '.', ''), ',', '.') ELSE trim(AntV100) END
  WHERE IdListAnt = NEW.IdListAnt;
  SELECT RAISE(ABORT, 'Data type mismatch: tblListAnt takes a number in AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100')
    FROM tblListAnt WHERE IdListAnt = NEW.IdListAnt AND (typeof(AntV00) = 'text' OR typeof(AntV10) = 'text' OR typeof(AntV20) = 'text' OR typeof(AntV30) = 'text' OR typeof(AntV40) = 'text' OR typeof(AntV50) = 'text' OR typeof(AntV60) = 'text' OR typeof(AntV70) = 'text' OR typeof(AntV80) = 'text' OR typeof(AntV90) = 'text' OR typeof(AntV100) = 'text');
END;
