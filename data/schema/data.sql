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

-- Other names of places: current official names and well-known former
-- names, by which the place picker finds a place it lists by PlaceName.
-- PlaceName repeats the name the list shows, so that the source reads as
-- "Mumbai is also Bombay"; the program reads only the id and OtherName.
CREATE TABLE PlaceNames (
    "Place ID"   INTEGER NOT NULL,
    "PlaceName"  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    "OtherName"  TEXT COLLATE NOCASE NOT NULL
);
CREATE INDEX "PlaceNames.Place" ON PlaceNames ("Place ID");

-- Common names of countries ("USA", "England"), by which the zone picker
-- finds every zone of the country: Country is the name the zone list shows
-- before a bracketed zone, as "United States" of "United States (Chicago)".
CREATE TABLE CountryNames (
    "Country"    TEXT COLLATE NOCASE NOT NULL,
    "OtherName"  TEXT COLLATE NOCASE NOT NULL
);
CREATE INDEX "CountryNames.Country" ON CountryNames ("Country");
