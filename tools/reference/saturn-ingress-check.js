#!/usr/bin/env node
// Compares data/reference/period.csv (Saturn's entries into the sidereal
// signs from our own ephemeris) with the entries found from astronomy-engine:
// Saturn's apparent longitude of date less the nutation, less the program's
// Lahiri ayanamsa, dated in Indian Standard Time.
//
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/saturn-ingress-check.js [FIRST LAST]
// (set-up as in ephemeris-reference.js). Prints every entry that differs and a summary.

'use strict';
const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const first = Number(process.argv[2] || 1790);
const last = Number(process.argv[3] || 2330);
const SIGNS = ['Aries', 'Taurus', 'Gemini', 'Cancer', 'Leo', 'Virgo', 'Libra', 'Scorpio',
  'Sagittarius', 'Capricorn', 'Aquarius', 'Pisces'];
const EPOCH_MS = Date.UTC(1899, 11, 31, 12);  // T = 0 of the ephemeris
const DAY_MS = 86400000;

function lahiri(T) {
  return 22.45656009 + 1.396042 * T + 0.000308 * T * T + 0.00000467920600044636;
}

function saturnSign(ms) {
  const time = Astronomy.MakeTime(new Date(ms));
  const ecl = Astronomy.Ecliptic(Astronomy.GeoVector(Astronomy.Body.Saturn, time, true));
  const T = (ms - EPOCH_MS) / DAY_MS / 36525;
  let lon = (ecl.elon - Astronomy.e_tilt(time).dpsi / 3600 - lahiri(T)) % 360;
  if (lon < 0) lon += 360;
  return Math.floor(lon / 30);
}

function istDate(ms) {
  return new Date(ms + 5.5 * 3600000).toISOString().slice(0, 10);
}

const reference = [];
let ms = Date.UTC(first, 0, 1) - DAY_MS;
let sign = saturnSign(ms);
for (; ms < Date.UTC(last, 11, 31) + DAY_MS; ms += DAY_MS) {
  const next = saturnSign(ms + DAY_MS);
  if (next === sign) continue;
  let lo = ms, hi = ms + DAY_MS;
  while (hi - lo > 1000) {
    const mid = (lo + hi) / 2;
    if (saturnSign(mid) === sign) lo = mid; else hi = mid;
  }
  const date = istDate(hi);
  const year = Number(date.slice(0, 4));
  if (year >= first && year <= last) reference.push({ date, sign: SIGNS[next] });
  sign = next;
}

const ours = fs.readFileSync(path.join(__dirname, '../../data/reference/period.csv'), 'utf8')
  .trim().split('\n').slice(1).map((l) => { const [date, s] = l.split(','); return { date, sign: s }; })
  .filter((e) => { const y = Number(e.date.slice(0, 4)); return y >= first && y <= last; });

const days = (a, b) => Math.round((Date.parse(a) - Date.parse(b)) / DAY_MS);
let same = 0, worst = 0;
const unmatched = [];
const diffs = [];
for (const e of ours) {
  let best = null;
  for (const r of reference) {
    if (r.sign !== e.sign) continue;
    if (!best || Math.abs(days(e.date, r.date)) < Math.abs(days(e.date, best.date))) best = r;
  }
  const d = best ? days(e.date, best.date) : Infinity;
  if (Math.abs(d) > 60) { unmatched.push(e); continue; }
  if (d === 0) same++;
  else diffs.push(`${e.date} ${e.sign}: reference ${best.date} (${d > 0 ? '+' : ''}${d} d)`);
  worst = Math.max(worst, Math.abs(d));
}
const extra = reference.filter((r) => !ours.some((e) => e.sign === r.sign && Math.abs(days(e.date, r.date)) <= 60));
diffs.forEach((l) => console.log(l));
unmatched.forEach((e) => console.log(`${e.date} ${e.sign}: no entry in the reference`));
extra.forEach((r) => console.log(`reference ${r.date} ${r.sign}: not in ours`));
console.log(`${first}-${last}: ours ${ours.length}, reference ${reference.length}; same date ${same}, ` +
  `worst difference ${worst} days, ours only ${unmatched.length}, reference only ${extra.length}`);
