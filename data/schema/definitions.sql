-- Tarvik-Def.MDB: display texts in English and Hindi (UTF-8 Devanagari), by
-- key. Keys are upper case and blank-padded: 25 characters for Dictionary
-- and Match, 10 for Predictions and Varshphal; a longer key is kept whole.
-- Keys and texts compare without regard to letter case.

CREATE TABLE Dictionary (
    "ID"  TEXT COLLATE NOCASE NOT NULL,
    "ENG" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    "HIN" TEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "Dictionary.ID" ON Dictionary ("ID");

CREATE TABLE Match (
    "ID"  TEXT COLLATE NOCASE NOT NULL,
    "ENG" TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    "HIN" TEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "Match.ID" ON Match ("ID");

CREATE TABLE Predictions (
    "CODE"    TEXT COLLATE NOCASE NOT NULL,
    "English" TEXT NOT NULL DEFAULT '',
    "Hindi"   TEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "Predictions.CODE" ON Predictions ("CODE");

CREATE TABLE Varshphal (
    "CODE"    TEXT COLLATE NOCASE NOT NULL,
    "English" TEXT NOT NULL DEFAULT '',
    "Hindi"   TEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "Varshphal.PrimaryKey" ON Varshphal ("CODE");
