#!/usr/bin/env node
// Writes the velantar source: the equation of time (apparent minus mean solar
// time) for every day of every month, by Smart's series in the Sun's mean
// longitude, mean anomaly, the orbit's eccentricity and the obliquity, taken
// at noon Indian Standard Time (06:30 UT) and averaged over one leap cycle
// (2024-2027; the 29th of February from 2024). Minutes and seconds both carry
// the sign of the value.
//   node tools/velantar/velantar.js data/reference/velantar.csv

'use strict';
const fs = require('fs');

const out = process.argv[2];
if (!out) {
    console.error('usage: velantar.js <output.csv>');
    process.exit(2);
}

const rad = Math.PI / 180;

function julianDay(y, m, d, hourUt) {
    if (m <= 2) { y -= 1; m += 12; }
    const a = Math.floor(y / 100);
    const b = 2 - a + Math.floor(a / 4);
    return Math.floor(365.25 * (y + 4716)) + Math.floor(30.6001 * (m + 1)) + d + b - 1524.5 + hourUt / 24;
}

// Equation of time in minutes of time.
function equationOfTime(jd) {
    const t = (jd - 2451545.0) / 36525;
    const l0 = (280.46646 + 36000.76983 * t + 0.0003032 * t * t) * rad;
    const m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * rad;
    const e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const eps = (23.439291 - 0.0130042 * t) * rad;
    const y = Math.tan(eps / 2) ** 2;
    const eq = y * Math.sin(2 * l0) - 2 * e * Math.sin(m) + 4 * e * y * Math.sin(m) * Math.cos(2 * l0)
             - 0.5 * y * y * Math.sin(4 * l0) - 1.25 * e * e * Math.sin(2 * m);
    return eq / rad * 4;
}

const daysIn = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];
const months = ['Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec'];

function cell(month, day) {
    if (day > daysIn[month - 1])
        return ['', ''];
    const years = month === 2 && day === 29 ? [2024] : [2024, 2025, 2026, 2027];
    const mean = years.reduce((s, y) => s + equationOfTime(julianDay(y, month, day, 6.5)), 0) / years.length;
    const seconds = Math.round(Math.abs(mean) * 60);
    const sign = mean < 0 && seconds > 0 ? '-' : '';
    return [sign + Math.floor(seconds / 60), sign + (seconds % 60)];
}

const lines = [['id', 'date'].concat(months.flatMap(m => [m + 'Min', m + 'Sec'])).join(',')];
for (let day = 1; day <= 31; ++day) {
    const row = [day, String(day)];
    for (let month = 1; month <= 12; ++month)
        row.push(...cell(month, day));
    lines.push(row.join(','));
}
fs.writeFileSync(out + '.tmp', lines.join('\n') + '\n');
fs.renameSync(out + '.tmp', out);
