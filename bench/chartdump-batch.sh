#!/usr/bin/env bash
# chartdump --batch on many births: the time and the peak memory of the
# whole run, for one chartdump or several on the same births in the same
# run (the build's against one built from another commit, say), and whether
# their outputs are the same bytes.
#
#     bash bench/chartdump-batch.sh [-n BIRTHS] CHARTDUMP [CHARTDUMP ...]
#
# BIRTHS is 100000 unless given: dates from 1800 to 2199, every hour, both
# hemispheres, east and west, made the same every time. The output (some
# 4 KB a birth) goes to a checksum, not to the disk. The peak memory needs
# GNU time (/usr/bin/time, Debian package "time"); without it only the time
# is given.
set -euo pipefail

births=100000
if [ "${1:-}" = "-n" ]; then
  births=$2
  shift 2
fi
if [ $# -eq 0 ]; then
  sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n="$births" 'BEGIN {
  srand(31);
  for (i = 0; i < n; ++i) {
    lon = int(rand() * 180); ew = rand() < 0.7 ? "E" : "W";
    printf "--date %02d-%02d-%04d --time %02d:%02d:%02d --lat %d%s%02d --lon %d%s%02d --zone %d%s00\n",
      1 + int(rand() * 28), 1 + int(rand() * 12), 1800 + int(rand() * 400),
      int(rand() * 24), int(rand() * 60), int(rand() * 60),
      int(rand() * 60), rand() < 0.8 ? "N" : "S", int(rand() * 60),
      lon, ew, int(rand() * 60), int(lon / 15) * 15, ew
  }
}' > "$work/births.txt"

printf '%s births (%s bytes)\n' "$births" "$(wc -c < "$work/births.txt")"
printf '%-50s %9s %12s  %s\n' chartdump seconds "peak MB" "output"
first=""
for tool in "$@"; do
  if [ -x /usr/bin/time ]; then
    sum=$(/usr/bin/time -f '%e %M' -o "$work/time" "$tool" --batch "$work/births.txt" | sha1sum | cut -c1-12)
    read -r seconds kilobytes < "$work/time"
    peak=$(awk -v k="$kilobytes" 'BEGIN { printf "%.1f", k / 1024 }')
  else
    start=$(date +%s.%N)
    sum=$("$tool" --batch "$work/births.txt" | sha1sum | cut -c1-12)
    seconds=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
    peak="-"
  fi
  same=""
  if [ -z "$first" ]; then
    first=$sum
  elif [ "$sum" = "$first" ]; then
    same=" (the same bytes as the first)"
  else
    same=" (DIFFERS from the first)"
  fi
  printf '%-50s %9s %12s  %s%s\n' "$tool" "$seconds" "$peak" "$sum" "$same"
done
