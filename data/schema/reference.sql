-- Tarvik-Zyv.mdb: the protected reference tables, read only.

-- The nine lords in the cyclic order of the subs within a nakshatra, with
-- each sub's span in arc-seconds (Vimshottari years x 400; 48000 in all).
CREATE TABLE sublord (
    nakshlord TEXT COLLATE NOCASE NOT NULL,
    nlgvm     INTEGER NOT NULL
);

-- The lord of each nakshatra, 0 = Ashvini .. 26 = Revati.
CREATE TABLE Nakshatr (
    non   INTEGER PRIMARY KEY,
    nameh TEXT COLLATE NOCASE NOT NULL
);

-- Saturn's sidereal sign changes in date order (retrograde re-entries
-- included): the day it enters a sign (YYYY-MM-DD, so that dates compare as
-- text) and that sign's English name.
CREATE TABLE period (
    "Date" TEXT NOT NULL,
    lvm    TEXT COLLATE NOCASE NOT NULL
);

-- Prediction paragraphs: a body in a sign, a sign in a house, topic texts.
CREATE TABLE P_Planet (
    planet  INTEGER NOT NULL,
    rashi   INTEGER NOT NULL,
    English TEXT NOT NULL DEFAULT '',
    Hindi   TEXT NOT NULL DEFAULT ''
);
CREATE TABLE P_Rashi (
    rashi   INTEGER NOT NULL,
    house   INTEGER NOT NULL,
    English TEXT NOT NULL DEFAULT '',
    Hindi   TEXT NOT NULL DEFAULT ''
);
CREATE TABLE P_Phal (
    rasi INTEGER NOT NULL,
    plnt INTEGER NOT NULL,
    div  INTEGER,
    Eng  TEXT NOT NULL DEFAULT '',
    Hin  TEXT NOT NULL DEFAULT ''
);

-- The equation of time (apparent minus mean solar time) for each day of each
-- month: column 2m holds the minutes and 2m + 1 the seconds of month m
-- (counted from 0 in this column order), both carrying the sign of the value
-- ("-3" and "-14" for -3 min 14 s; "-0" minutes when it is less than a minute
-- behind). Days a month does not have are empty.
CREATE TABLE velantar (
    id   INTEGER PRIMARY KEY,
    date TEXT NOT NULL,
    JanMin TEXT, JanSec TEXT, FebMin TEXT, FebSec TEXT, MarMin TEXT, MarSec TEXT,
    AprMin TEXT, AprSec TEXT, MayMin TEXT, MaySec TEXT, JunMin TEXT, JunSec TEXT,
    JulMin TEXT, JulSec TEXT, AugMin TEXT, AugSec TEXT, SepMin TEXT, SepSec TEXT,
    OctMin TEXT, OctSec TEXT, NovMin TEXT, NovSec TEXT, DecMin TEXT, DecSec TEXT
);

-- The ghat chakra of each Moon sign (id 1..12), seventeen items in this
-- order; ghat holds the Hindi texts, ghateng the English ones.
CREATE TABLE ghat (
    id INTEGER PRIMARY KEY,
    Month TEXT, Tithi TEXT, TithiNumbers TEXT, Weekday TEXT, Nakshatra TEXT,
    NakshatraNumber TEXT, Yoga TEXT, Karana TEXT, Prahar TEXT, MoonSign TEXT,
    LagnaMale TEXT, LagnaFemale TEXT, NakshatraLord TEXT, MoonSignLord TEXT,
    WeekdayLord TEXT, LagnaMaleLord TEXT, LagnaFemaleLord TEXT
);
CREATE TABLE ghateng (
    id INTEGER PRIMARY KEY,
    Month TEXT, Tithi TEXT, TithiNumbers TEXT, Weekday TEXT, Nakshatra TEXT,
    NakshatraNumber TEXT, Yoga TEXT, Karana TEXT, Prahar TEXT, MoonSign TEXT,
    LagnaMale TEXT, LagnaFemale TEXT, NakshatraLord TEXT, MoonSignLord TEXT,
    WeekdayLord TEXT, LagnaMaleLord TEXT, LagnaFemaleLord TEXT
);
