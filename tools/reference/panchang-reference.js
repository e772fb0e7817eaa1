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
//   (or "newyears 1804 1945 2143" for chosen years)
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/panchang-reference.js months
//     (prints the rows of the lunar-month table of tests/panchang/CalendarTest.cpp)
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/panchang-reference.js randommonths \
//     > tests/panchang/data/reference-months.csv
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/panchang-reference.js ayanamsas
//     (prints the rows of the Basic page's table of the three ayanamsas in
//     tests/pages/BasicPageTest.cpp)
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

// "months": the lunar month at noon (Indian Standard Time) of chosen days:
// the examples of a Gregorian-month table gone wrong, a lunation with two
// ingresses (kshaya: named from the first), and days in, before
// and after the added (adhika) months of 2012, 2015, 2020 and 2023. A
// lunation from new moon to new moon is named from the sidereal sign the
// Sun enters during it: Chaitra for Mesha and so on, which is the sign after
// the Sun's sign at the new moon that begins it. A lunation in which the Sun
// enters no sign is adhika and takes the next month's name. The reckoning is
// full-moon-ending: the dark half after a full moon belongs to the next
// (true) month, while an adhika lunation stays whole from new moon to new
// moon.

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
  // Years given after "newyears" instead of 1901 to 2049.
  const asked = process.argv.slice(3).map(Number);
  const years = asked.length ? asked : Array.from({ length: 149 }, (_, k) => 1901 + k);
  for (const year of years) {
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

const MONTHS = ['CHAITRA', 'VAISAKHA', 'JYAISTHA', 'ASADHA', 'SRAVANA', 'BHADRA', 'ASVINA', 'KARTIKA',
  'MARGSHIRSH', 'PAUSA', 'MAGHA', 'PHALGUNA'];

// The new moons before and after a moment: [previous, next, the one after].
function newMoonsAround(ms) {
  let nm = Astronomy.SearchMoonPhase(0, Astronomy.MakeTime(new Date(ms - 31 * DAY_MS)), 40);
  let next = Astronomy.SearchMoonPhase(0, nm.AddDays(1), 40);
  while (next.date.getTime() <= ms) {
    nm = next;
    next = Astronomy.SearchMoonPhase(0, nm.AddDays(1), 40);
  }
  const after = Astronomy.SearchMoonPhase(0, next.AddDays(1), 40);
  return [nm.date.getTime(), next.date.getTime(), after.date.getTime()];
}

const signAt = ms => Math.floor(siderealSun(ms) / 30);

function monthAt(ms) {
  const [n0, n1, n2] = newMoonsAround(ms);
  const adhika = signAt(n0) === signAt(n1);
  const name = MONTHS[(signAt(n0) + 1) % 12];
  if (adhika)
    return [name, 1];
  if (elongation(ms) < 180)
    return [name, 0];
  return [MONTHS[(signAt(n1) + 1) % 12], 0];
}

function months() {
  const lines = ['day,month,year,month_key,adhika'];
  const noonIst = (y, m, d) => Date.UTC(y, m - 1, d, 12) - IST_MS;
  const days = [[25, 10, 2020], [19, 9, 2012], [30, 8, 2023],
    // The lunation of 16 November to 16 December 1963, in which the Sun
    // enters two signs: its halves and the bright half after it.
    [25, 11, 1963], [10, 12, 1963], [20, 12, 1963]];
  // Around each adhika lunation of the years asked for: the dark half
  // before it, its two halves, and the true month's halves after it.
  for (const year of [2012, 2015, 2020, 2023]) {
    let nm = Astronomy.SearchMoonPhase(0, Astronomy.MakeTime(new Date(Date.UTC(year, 0, 1))), 40);
    for (;;) {
      const next = Astronomy.SearchMoonPhase(0, nm.AddDays(1), 40);
      if (signAt(nm.date.getTime()) === signAt(next.date.getTime())) {
        for (const offset of [-4, 6, 21, 36, 51]) {
          const d = new Date(nm.date.getTime() + IST_MS + offset * DAY_MS);
          days.push([d.getUTCDate(), d.getUTCMonth() + 1, d.getUTCFullYear()]);
        }
        break;
      }
      nm = next;
    }
  }
  for (const [d, m, y] of days) {
    const [key, adhika] = monthAt(noonIst(y, m, d));
    lines.push([d, m, y, key, adhika].join(','));
  }
  return lines;
}

// "randommonths": pseudo-random moments of Indian Standard Time from 1800
// to 2199 with their lunar month, and how near the answer lies to a change:
// the minutes to the nearest new or full moon, and the Sun's least distance
// in degrees from a sign's edge at the two new moons of the lunation.
function randomMonths() {
  const ROWS = 300;
  const FIRST = Date.UTC(1800, 0, 1);
  const LAST = Date.UTC(2199, 11, 31);
  let seed = 20261210;
  const random = () => {
    seed = (Math.imul(seed, 1664525) + 1013904223) >>> 0;
    return seed / 4294967296;
  };
  const lines = ['year,month,day,hour,minute,second,month_key,adhika,lunation_edge_min,sign_edge_deg'];
  for (let i = 0; i < ROWS; ++i) {
    const ms = Math.floor((FIRST + random() * (LAST - FIRST)) / 1000) * 1000;
    const [key, adhika] = monthAt(ms);
    const [n0, n1] = newMoonsAround(ms);
    const full = Astronomy.SearchMoonPhase(180, Astronomy.MakeTime(new Date(n0)), 40).date.getTime();
    const edgeMin = Math.min(...[n0, n1, full].map(t => Math.abs(t - ms) / 60000));
    const signEdge = Math.min(...[n0, n1].map(t => {
      const inSign = siderealSun(t) % 30;
      return Math.min(inSign, 30 - inSign);
    }));
    lines.push(ist(ms).concat([key, adhika, edgeMin.toFixed(0), signEdge.toFixed(4)]).join(','));
  }
  return lines;
}

// "ayanamsas": the nakshatra and the yoga of a birth under each of the
// program's three ayanamsas (0 N.C. Lahiri, 1 K.P., 2 B.V. Raman, their
// formulas as the program has them): the element running at a start moment
// before the sunrise, the Indian Standard Time at which it ends, and the
// element at the birth moment (12 March 1992, 08:50:29 IST; a start at
// 05:00 IST). Prints the rows of the table in tests/pages/BasicPageTest.cpp.
function ayanamsas() {
  const birth = [1992, 3, 12, 8, 50, 29];
  const start = [1992, 3, 12, 5, 0, 0];
  const istMs = ([y, mo, d, h, mi, s]) => Date.UTC(y, mo - 1, d, h, mi, s) - IST_MS;
  const offsets = [
    ms => 0,
    ms => {
      const kp = 22 + 21 / 60 + 50 / 3600 + (birth[0] - 1900) * 50 / 3600 + (50 / 12) * birth[1] / 3600
        - 0.00111778518519756;
      return lahiri(ms) - kp;
    },
    ms => {
      const T = centuries(ms);
      return lahiri(ms) - (21.013972 + 1.398191 * T + 0.00424343517569881);
    },
  ];
  const lines = ['ayanamsa,nakshatra_at_start,nakshatra_end,nakshatra_at_birth,yoga_at_start,yoga_end,yoga_at_birth'];
  const step = 40 / 3;
  const clock = ms => ist(ms).slice(3).map(n => String(n).padStart(2, '0')).join(':');
  for (let choice = 0; choice < 3; ++choice) {
    const moon = ms => reduce(siderealMoon(ms) + offsets[choice](ms));
    const yoga = ms => reduce(siderealMoon(ms) + siderealSun(ms) + 2 * offsets[choice](ms));
    const s = istMs(start), b = istMs(birth);
    lines.push([choice, Math.floor(moon(s) / step) + 1, clock(nextMultiple(moon, step, s)),
      Math.floor(moon(b) / step) + 1, Math.floor(yoga(s) / step) + 1, clock(nextMultiple(yoga, step, s)),
      Math.floor(yoga(b) / step) + 1].join(','));
  }
  return lines;
}

const what = process.argv[2];
const modes = { ends, newyears: newYears, months, randommonths: randomMonths, ayanamsas };
if (!modes[what]) {
  console.error('usage: panchang-reference.js ends|newyears|months|randommonths|ayanamsas');
  process.exit(2);
}
process.stdout.write(modes[what]().join('\n') + '\n');
