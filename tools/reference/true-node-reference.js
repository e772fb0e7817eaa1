#!/usr/bin/env node
// The true (osculating) node of the Moon and the periodic series that the
// chart's true Rahu sums.
//
// The osculating node is the ascending node of the Keplerian orbit the Moon
// would keep if every perturbation stopped at the moment: the line where the
// plane normal to h = r x v (astronomy-engine's geocentric Moon state) cuts
// the ecliptic of date, referred to the mean equinox of date. Its excess over
// the mean node is fitted, by least squares over 1800-2199, with sines of
// the chart's own mean arguments: the elongation D, the Sun's mean anomaly
// M, the Moon's mean anomaly M' and the argument of latitude F. Terms are
// taken one at a time, each time the one that lowers the squared residual
// most, up to TERMS of them.
//
// Set-up, outside the repository (node_modules is never committed):
//   mkdir -p /tmp/astro-ref && cd /tmp/astro-ref && npm install astronomy-engine@2.1.19
// Run from the repository root:
//   NODE_PATH=/tmp/astro-ref/node_modules node tools/reference/true-node-reference.js \
//     > tests/calc/data/reference-true-node.csv
// The coefficient table for src/calc/Moon.cpp and the fit's residuals go to
// standard error.
//
// Columns of the reference file: the moment (UT) and the osculating node's
// tropical longitude of the mean equinox of date.

'use strict';
const Astronomy = require('astronomy-engine');

const TERMS = 20;
const FIT_SAMPLES = 40000;
const ROWS = 1200;
const FIRST = Date.UTC(1800, 0, 1);
const LAST = Date.UTC(2199, 11, 31, 23, 59, 59);
const DEG = Math.PI / 180;

let seed = 20260521;
function random() {
  seed = (Math.imul(seed, 1664525) + 1013904223) >>> 0;
  return seed / 4294967296;
}
function reduce(deg) {
  const r = deg % 360;
  return r < 0 ? r + 360 : r;
}
function signed(deg) {
  const r = reduce(deg);
  return r > 180 ? r - 360 : r;
}
function frac(x) { return x - Math.floor(x); }

// The chart's mean elements: sidereal (Lahiri) longitudes in degrees at T,
// Julian centuries of universal time from 1899 December 31, 12 h.
function elements(T) {
  const Ls = 360 * frac(0.71455 + 99.99826 * T);
  const Ps = 258.76 + 0.323 * T;
  const Lm = 360 * frac(0.68882 + 1336.851353 * T);
  const Pm = 360 * frac(0.8663 + 11.298994 * T - 0.00003 * T * T);
  const N = 360 * frac(0.65756 - 5.376495 * T);
  const lahiri = 22.45656009 + 1.396042 * T + 0.000308 * T * T + 0.00000467920600044636;
  return { D: Lm - Ls, M: Ls - Ps, Mm: Lm - Pm, F: Lm - N, meanNode: N + lahiri };
}

function centuriesOf(time) { return (time.ut + 36525) / 36525; }

// The osculating ascending node, tropical, mean equinox of date.
function osculatingNode(time) {
  const s = Astronomy.GeoMoonState(time);
  const h = [s.y * s.vz - s.z * s.vy, s.z * s.vx - s.x * s.vz, s.x * s.vy - s.y * s.vx];
  const rot = Astronomy.Rotation_EQJ_ECT(time);
  const e = Astronomy.RotateVector(rot, new Astronomy.Vector(h[0], h[1], h[2], time));
  // The node lies along the ecliptic pole crossed with h: (-h_y, h_x, 0).
  const node = Math.atan2(e.x, -e.y) / DEG;
  return reduce(node - Astronomy.e_tilt(time).dpsi / 3600);
}

function randomTime() {
  const ms = Math.floor((FIRST + random() * (LAST - FIRST)) / 1000) * 1000;
  return new Date(ms);
}

// Candidate arguments: small multiples, F in even multiples only (the node's
// excess is even in the Moon's latitude), the first non-zero multiple positive.
const candidates = [];
for (let d = -4; d <= 4; ++d)
  for (let m = -2; m <= 2; ++m)
    for (let mm = -3; mm <= 3; ++mm)
      for (let f = -4; f <= 4; f += 2) {
        const first = [d, m, mm, f].find((k) => k !== 0);
        if (first === undefined || first < 0) continue;
        candidates.push([d, m, mm, f]);
      }

const samples = [];
for (let i = 0; i < FIT_SAMPLES; ++i) {
  const time = Astronomy.MakeTime(randomTime());
  const el = elements(centuriesOf(time));
  const y = signed(osculatingNode(time) - el.meanNode) * 60;  // arc-minutes
  samples.push({ el, y });
}
function argumentOf(c, el) { return (c[0] * el.D + c[1] * el.M + c[2] * el.Mm + c[3] * el.F) * DEG; }
const basis = candidates.map((c) => Float64Array.from(samples, (s) => Math.sin(argumentOf(c, s.el))));
const target = Float64Array.from(samples, (s) => s.y);

// Least squares on the chosen columns by the normal equations (Gauss-Jordan).
function solve(columns) {
  const n = columns.length;
  const a = Array.from({ length: n }, () => new Float64Array(n + 1));
  for (let i = 0; i < n; ++i) {
    for (let j = 0; j < n; ++j) {
      let sum = 0;
      for (let k = 0; k < target.length; ++k) sum += columns[i][k] * columns[j][k];
      a[i][j] = sum;
    }
    let sum = 0;
    for (let k = 0; k < target.length; ++k) sum += columns[i][k] * target[k];
    a[i][n] = sum;
  }
  for (let i = 0; i < n; ++i) {
    let p = i;
    for (let r = i + 1; r < n; ++r) if (Math.abs(a[r][i]) > Math.abs(a[p][i])) p = r;
    [a[i], a[p]] = [a[p], a[i]];
    for (let r = 0; r < n; ++r) {
      if (r === i) continue;
      const f = a[r][i] / a[i][i];
      for (let c = i; c <= n; ++c) a[r][c] -= f * a[i][c];
    }
  }
  return a.map((row, i) => row[n] / row[i]);
}
function residualOf(columns, coeffs) {
  const r = Float64Array.from(target);
  columns.forEach((col, i) => { for (let k = 0; k < r.length; ++k) r[k] -= coeffs[i] * col[k]; });
  return r;
}

const chosen = [];
let residual = Float64Array.from(target);
while (chosen.length < TERMS) {
  // The candidate most aligned with what is left.
  let best = -1, bestGain = 0;
  candidates.forEach((c, j) => {
    if (chosen.includes(j)) return;
    let dot = 0, norm = 0;
    const col = basis[j];
    for (let k = 0; k < residual.length; ++k) { dot += col[k] * residual[k]; norm += col[k] * col[k]; }
    const gain = dot * dot / norm;
    if (gain > bestGain) { bestGain = gain; best = j; }
  });
  chosen.push(best);
  const coeffs = solve(chosen.map((j) => basis[j]));
  residual = residualOf(chosen.map((j) => basis[j]), coeffs);
}
const coeffs = solve(chosen.map((j) => basis[j]));
const order = chosen.map((j, i) => ({ c: candidates[j], a: coeffs[i] }))
  .sort((p, q) => Math.abs(q.a) - Math.abs(p.a));

let worst = 0, sumSq = 0;
for (const r of residual) { worst = Math.max(worst, Math.abs(r)); sumSq += r * r; }
const names = ['D', 'M', "M'", 'F'];
function label(c) {
  let s = '';
  c.forEach((k, i) => {
    if (k === 0) return;
    const mag = Math.abs(k) === 1 ? '' : String(Math.abs(k));
    s += (k < 0 ? ' - ' : (s ? ' + ' : '')) + mag + names[i];
  });
  return s;
}
const pad = (k) => String(k).padStart(2);
process.stderr.write(`// ${TERMS} terms; fit residual over ${FIT_SAMPLES} moments: rms ${Math.sqrt(sumSq / residual.length).toFixed(2)}', worst ${worst.toFixed(2)}'\n`);
process.stderr.write("    //   arcmin   D   M  M'   F\n");
for (const { c, a } of order) {
  const value = ((a >= 0 ? '+' : '') + a.toFixed(3)).padStart(8);
  process.stderr.write(`    {${value}, ${c.map(pad).join(', ')}},  // ${label(c)}\n`);
}

const lines = ['year,month,day,hour,minute,second,true_node'];
for (let i = 0; i < ROWS; ++i) {
  const date = randomTime();
  const time = Astronomy.MakeTime(date);
  lines.push([date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate(), date.getUTCHours(),
    date.getUTCMinutes(), date.getUTCSeconds(), osculatingNode(time).toFixed(7)].join(','));
}
process.stdout.write(lines.join('\n') + '\n');
