#!/usr/bin/env node
// Writes the reference sunrises and sunsets that tests/calc checks the
// program's against: the moments the Sun's centre stands 34' below the
// horizon (the refraction at the horizon), rising and setting, from
// astronomy-engine's Sun and its altitude search, at latitudes 0, 30, 50,
// 60 and 64 degrees on both sides of the equator at the solstices,
// equinoxes and between them over 1800-2199, and at Tromso under the
// midnight sun and the polar night.
//
// Set-up, outside the repository (node_modules is never committed):
//   mkdir -p /tmp/astro-ref && cd /tmp/astro-ref && npm install astronomy-engine@2.1.19
// Run from the repository root:
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/sunrise-reference.js \
//     > tests/calc/data/reference-sunrise.csv
//
// Columns: the civil date; the place in arc-minutes (north and east
// positive) and the zone meridian in degrees (east positive); sunrise and
// sunset in hours of zone time from the date's midnight (a sunset after
// the next midnight is over 24), or "none" where the Sun stays up (sunrise
// and sunset both "up") or down ("down") the whole day.

'use strict';
const Astronomy = require('astronomy-engine');

const CENTRE_ALTITUDE = -34 / 60;

// Places: latitude in degrees, longitude in arc-minutes, zone meridian.
const longitudes = [
  [77 * 60 + 13, 82.5],    // Delhi's meridian, zone 82.5 E
  [-(0 * 60 + 8), 0],      // Greenwich's, zone 0
  [-(74 * 60 + 0), -75],   // zone 75 W
  [151 * 60 + 12, 150],    // zone 150 E
];
const latitudes = [0, 30, 50, 60, 64, -30, -50, -60, -64];
const days = [[20, 3], [5, 5], [21, 6], [7, 8], [23, 9], [6, 11], [22, 12], [4, 2]];
const years = [1805, 1900, 1990, 2024, 2110, 2195];

function hoursFromMidnight(time, y, m, d, zone) {
  const midnight = Date.UTC(y, m - 1, d) - zone / 15 * 3600000;
  return (time.date.getTime() - midnight) / 3600000;
}

function row(d, m, y, latArcmin, lonArcmin, zone) {
  const observer = new Astronomy.Observer(latArcmin / 60, lonArcmin / 60, 0);
  // From an hour before the zone's midnight, so that a place a little off
  // its zone meridian still finds the date's own sunrise first.
  const start = Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d) - (zone / 15 + 1) * 3600000));
  const rise = Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, +1, start, 1, CENTRE_ALTITUDE);
  const fields = [y, m, d, latArcmin, lonArcmin, zone];
  if (!rise || hoursFromMidnight(rise, y, m, d, zone) >= 24) {
    // No rising that day: the Sun is up or down at the local noon.
    const noon = Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d, 12) - lonArcmin / 60 / 15 * 3600000));
    const eq = Astronomy.Equator(Astronomy.Body.Sun, noon, observer, true, true);
    const hor = Astronomy.Horizon(noon, observer, eq.ra, eq.dec);
    const kind = hor.altitude > CENTRE_ALTITUDE ? 'up' : 'down';
    return fields.concat([kind, kind]);
  }
  const set = Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, -1, rise, 1, CENTRE_ALTITUDE);
  return fields.concat([hoursFromMidnight(rise, y, m, d, zone).toFixed(5),
    hoursFromMidnight(set, y, m, d, zone).toFixed(5)]);
}

const lines = ['year,month,day,lat_arcmin,lon_arcmin,zone_meridian,sunrise,sunset'];
for (const y of years)
  for (const [d, m] of days)
    for (const lat of latitudes)
      for (const [lon, zone] of longitudes)
        lines.push(row(d, m, y, lat * 60, lon, zone).join(','));
// Tromso, 69 39 N 18 57 E, zone 15 E: the midnight sun and the polar night.
for (const [d, m] of [[15, 6], [15, 12]])
  lines.push(row(d, m, 1990, 69 * 60 + 39, 18 * 60 + 57, 15).join(','));
process.stdout.write(lines.join('\n') + '\n');
