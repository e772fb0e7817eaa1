#!/usr/bin/env node
// Writes the reference moments that tests/panchang checks the end-time search
// and the lunar new year against, from astronomy-engine (a full lunar theory
// and VSOP87 for the Sun).
//
// Set-up, outside the repository (node_modules is never committed):
//   mkdir -p /tmp/astro-ref && cd /tmp/astro-ref && npm install astronomy-engine@2.1.19
// Run from the repository root:
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/panchang-reference.js ends \
//     > tests/panchang/data/reference-ends.csv
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/panchang-reference.js newyears \
//     > tests/panchang/data/reference-new-years.csv
//
// "ends": pseudo-random start moments of Indian Standard Time (5 h 30 min
// east) from 1900 to 2050, with the seconds from the start to the end of the
// running tithi (the Moon's elongation from the Sun reaching the next
// multiple of 12 degrees) and of the running nakshatra (the Moon's sidereal
// longitude reaching the next multiple of 13 deg 20'). The sidereal Moon is
// the apparent longitude of date less the nutation (the mean equinox) less
// the program's own Lahiri ayanamsa, so that what is checked is the series,
// not the ayanamsa.
//
// "newyears": for each year, the new moon that begins the lunar month
// Chaitra (the first new moon with the sidereal Sun in Meena, Pisces) and
// the end of the first tithi after it, both in Indian Standard Time, with
// the number of new moons in Meena that year (2: an added month).

'use strict';
const Astronomy = require('astronomy-engine');

const DAY_MS = 86400000;
const IST_MS = 5.5 * 3600000;

// Julian centuries of universal time from 1900 January 0.5.
function centuries(ms) {
  return (ms / DAY_MS + 2440587.5 - 2415020.0) / 36525;
}

// The program's Lahiri ayanamsa (the chart's, not the panchang's epoch value).
function lahiri(ms) {
  const T = centuries(ms);
  return 22.45656009 + 1.396042 * T + 0.000308 * T * T + 0.00000467920600044636;
}

function reduce(deg) {
  const r = deg % 360;
  return r < 0 ? r + 360 : r;
}

function apparentMeanEquinox(body, ms) {
  const time = Astronomy.MakeTime(new Date(ms));
  const ecl = Astronomy.Ecliptic(Astronomy.GeoVector(body, time, true));
  return ecl.elon - Astronomy.e_tilt(time).dpsi / 3600;
}

const siderealMoon = ms => reduce(apparentMeanEquinox(Astronomy.Body.Moon, ms) - lahiri(ms));
const siderealSun = ms => reduce(apparentMeanEquinox(Astronomy.Body.Sun, ms) - lahiri(ms));

// The moment (ms) at which f, an angle growing with time, next reaches a
// multiple of step after startMs.
function nextMultiple(f, step, startMs) {
  const target = (Math.floor(f(startMs) / step) + 1) * step;
  const offset = ms => {
    let d = reduce(f(ms) - target);
    return d > 180 ? d - 360 : d;
  };
  const t = Astronomy.Search(time => offset(time.date.getTime()),
    Astronomy.MakeTime(new Date(startMs)), Astronomy.MakeTime(new Date(startMs + 1.5 * DAY_MS)),
    { dt_tolerance_seconds: 0.1 });
  return t.date.getTime();
}

const elongation = ms => Astronomy.MoonPhase(new Date(ms));

// Civil date and time of Indian Standard Time.
function ist(ms) {
  const d = new Date(ms + IST_MS);
  return [d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(), d.getUTCHours(), d.getUTCMinutes(),
    d.getUTCSeconds()];
}

function ends() {
  const ROWS = 400;
  const FIRST = Date.UTC(1900, 0, 1);
  const LAST = Date.UTC(2050, 11, 31);
  // A fixed linear congruential sequence, so that the file is reproducible.
  let seed = 20240917;
  const random = () => {
    seed = (Math.imul(seed, 1664525) + 1013904223) >>> 0;
    return seed / 4294967296;
  };
  const lines = ['year,month,day,hour,minute,second,tithi_end_s,nakshatra_end_s'];
  for (let i = 0; i < ROWS; ++i) {
    const startMs = Math.floor((FIRST + random() * (LAST - FIRST)) / 1000) * 1000;
    const tithi = nextMultiple(elongation, 12, startMs);
    const star = nextMultiple(siderealMoon, 40 / 3, startMs);
    lines.push(ist(startMs).concat([Math.round((tithi - startMs) / 1000), Math.round((star - startMs) / 1000)])
      .join(','));
  }
  return lines;
}

function newYears() {
  const lines = ['year,new_moon,first_tithi_end,meena_new_moons'];
  for (let year = 1901; year <= 2049; ++year) {
    // New moons from mid-February to the end of April; keep those with the Sun in Meena.
    const inMeena = [];
    let t = Astronomy.MakeTime(new Date(Date.UTC(year, 1, 10)));
    for (;;) {
      const nm = Astronomy.SearchMoonPhase(0, t, 40);
      if (nm.date.getTime() > Date.UTC(year, 4, 1))
        break;
      const sun = siderealSun(nm.date.getTime());
      if (sun >= 330)
        inMeena.push(nm.date.getTime());
      t = nm.AddDays(1);
    }
    const nmMs = inMeena[0];
    const firstEnd = nextMultiple(elongation, 12, nmMs + 60000);
    const text = ms => ist(ms).map((v, k) => (k === 0 ? String(v) : String(v).padStart(2, '0'))).join('-');
    lines.push([year, text(nmMs), text(firstEnd), inMeena.length].join(','));
  }
  return lines;
}

const what = process.argv[2];
if (what !== 'ends' && what !== 'newyears') {
  console.error('usage: panchang-reference.js ends|newyears');
  process.exit(2);
}
process.stdout.write((what === 'ends' ? ends() : newYears()).join('\n') + '\n');
