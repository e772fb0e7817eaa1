#!/usr/bin/env node
// Writes the reference positions that tests/calc checks the chart ephemeris
// against: tropical longitudes of date from astronomy-engine (VSOP87 planets,
// a full lunar theory, Pluto by integration), for pseudo-random moments of
// universal time from 1900 to 2050 and places between 60 deg south and north.
//
// Set-up, outside the repository (node_modules is never committed):
//   mkdir -p /tmp/astro-ref && cd /tmp/astro-ref && npm install astronomy-engine@2.1.19
// Run from the repository root:
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/ephemeris-reference.js \
//     > tests/calc/data/reference-ephemeris.csv
//
// Columns: the moment (UT) and the place in whole arc-minutes (east and north
// positive); the apparent geocentric longitude of date (true equinox) of each
// body; dpsi, the nutation in longitude in arc-seconds (apparent - dpsi is
// referred to the mean equinox, the frame of a mean ayanamsa); the mean
// ascending node of the Moon and the ascendant, both of the mean equinox.

'use strict';
const Astronomy = require('astronomy-engine');

// An optional first and last year on the command line widen the range
// (1800 2199: the whole range the program accepts) for a measurement; the
// committed file is of the default.
const ROWS = 1500;
const FIRST_YEAR = Number(process.argv[2] || 1900);
const LAST_YEAR = Number(process.argv[3] || 2050);
const FIRST = Date.UTC(FIRST_YEAR, 0, 1);
const LAST = Date.UTC(LAST_YEAR, 11, 31, 23, 59, 59);

// A fixed linear congruential sequence, so that the file is reproducible.
let seed = 20240601;
function random() {
  seed = (Math.imul(seed, 1664525) + 1013904223) >>> 0;
  return seed / 4294967296;
}

const bodies = [
  ['Sun', Astronomy.Body.Sun], ['Moon', Astronomy.Body.Moon],
  ['Mercury', Astronomy.Body.Mercury], ['Venus', Astronomy.Body.Venus],
  ['Mars', Astronomy.Body.Mars], ['Jupiter', Astronomy.Body.Jupiter],
  ['Saturn', Astronomy.Body.Saturn], ['Uranus', Astronomy.Body.Uranus],
  ['Neptune', Astronomy.Body.Neptune], ['Pluto', Astronomy.Body.Pluto],
];

const DEG = Math.PI / 180;
function reduce(deg) {
  const r = deg % 360;
  return r < 0 ? r + 360 : r;
}

// Mean longitude of the Moon's ascending node, mean equinox of date (Meeus).
function meanNode(time) {
  const T = time.tt / 36525;
  return reduce(125.0445479 - 1934.1362891 * T + 0.0020754 * T * T
    + T * T * T / 467441 - T * T * T * T / 60616000);
}

// Ascendant of the mean equinox: mean sidereal time and mean obliquity.
function ascendant(time, latDeg, lonDeg) {
  const tilt = Astronomy.e_tilt(time);
  const gmst = Astronomy.SiderealTime(time) - tilt.ee / 3600;
  const ramc = reduce((gmst + lonDeg / 15) * 15) * DEG;
  const eps = tilt.mobl * DEG;
  const phi = latDeg * DEG;
  const asc = Math.atan2(Math.cos(ramc),
    -(Math.sin(eps) * Math.tan(phi) + Math.cos(eps) * Math.sin(ramc)));
  return reduce(asc / DEG);
}

const header = ['year', 'month', 'day', 'hour', 'minute', 'second', 'lat_arcmin', 'lon_arcmin']
  .concat(bodies.map(([name]) => name.toLowerCase()))
  .concat(['dpsi_arcsec', 'mean_node', 'ascendant']);
const lines = [header.join(',')];

for (let i = 0; i < ROWS; ++i) {
  const ms = Math.floor((FIRST + random() * (LAST - FIRST)) / 1000) * 1000;
  const date = new Date(ms);
  const latArcmin = Math.round((random() * 2 - 1) * 60 * 60);
  const lonArcmin = Math.round((random() * 2 - 1) * 180 * 60);
  const time = Astronomy.MakeTime(date);
  const row = [date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate(),
    date.getUTCHours(), date.getUTCMinutes(), date.getUTCSeconds(), latArcmin, lonArcmin];
  for (const [, body] of bodies) {
    const ecl = Astronomy.Ecliptic(Astronomy.GeoVector(body, time, true));
    row.push(ecl.elon.toFixed(7));
  }
  row.push(Astronomy.e_tilt(time).dpsi.toFixed(4));
  row.push(meanNode(time).toFixed(7));
  row.push(ascendant(time, latArcmin / 60, lonArcmin / 60).toFixed(7));
  lines.push(row.join(','));
}
process.stdout.write(lines.join('\n') + '\n');
