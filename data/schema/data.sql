-- Tarvik-Dat.MDB: the places and zones the entry form picks from; the only
-- database the program writes (through the places and time-zones editors).
-- Ids are AUTOINCREMENT so that an id, once used, is never given again: a
-- horoscope file stores them. Text compares without regard to letter case.
-- An index N of table T is named "T.N".

CREATE TABLE Countries (
    "Country ID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "Country"    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    "Zone"       TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "Countries.PrimaryKey" ON Countries ("Country ID");
CREATE INDEX "Countries.Country" ON Countries ("Country");

CREATE TABLE Places (
    "Place ID"   INTEGER PRIMARY KEY AUTOINCREMENT,
    "Country ID" INTEGER NOT NULL DEFAULT 0,
    "PlaceName"  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    "Latitude"   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    "Longitude"  TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX "Places.PrimaryKey" ON Places ("Place ID");
CREATE INDEX "Places.Place" ON Places ("Country ID", "PlaceName");
