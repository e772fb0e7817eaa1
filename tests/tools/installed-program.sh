#!/bin/bash
# An installation into a fresh prefix: the program in bin/, its databases and
# ephemeris table in share/tarvik/, the desktop entry and its icon where a
# desktop looks; the installed program, started from any folder, opens the
# databases of share/tarvik/, and so does the tools' component installed
# beside it (chartdump casts its charts from the table there and reads the
# panchang texts from the databases, and names the table it misses once they
# are moved away).
#
#     tests/tools/installed-program.sh <build folder>
set -euo pipefail

build=$1
cmake=${CMAKE_COMMAND:-cmake}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "installed-program: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
for f in bin/tarvik share/tarvik/Tarvik-Dat.MDB share/tarvik/Tarvik-Def.MDB share/tarvik/Tarvik-Zyv.mdb \
         share/tarvik/Tarvik-Eph.dat \
         share/applications/tarvik.desktop share/icons/hicolor/scalable/apps/tarvik.svg; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/tarvik" ] || fail "bin/tarvik cannot be run"
[ ! -e "$prefix/bin/chartdump" ] || fail "the tools are installed without being asked for"
ls "$prefix/bin/"*.MDB "$prefix/bin/"*.mdb "$prefix/bin/"*.dat >/dev/null 2>&1 && fail "databases in bin/"

entry=$prefix/share/applications/tarvik.desktop
grep -qx 'Exec=tarvik' "$entry" || fail "the desktop entry does not start tarvik"
grep -qx 'Icon=tarvik' "$entry" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the desktop entry is not valid"
fi

# The installed program, started from another folder, opens the databases
# of share/tarvik (seen among its open files while its window is up).
opened_databases() {
  local pid=$1 tries=60
  while ((tries-- > 0)) && kill -0 "$pid" 2>/dev/null; do
    if ls -l "/proc/$pid/fd" 2>/dev/null | grep -q "$prefix/share/tarvik/Tarvik-Zyv.mdb"; then
      return 0
    fi
    sleep 0.5
  done
  return 1
}
mkdir "$prefix/home"
(cd / && HOME=$prefix/home XDG_CONFIG_HOME=$prefix/home/.config XDG_DATA_HOME=$prefix/home/.local/share \
   QT_QPA_PLATFORM=offscreen exec env -u TARVIK_BIN_DIR "$prefix/bin/tarvik") >/dev/null 2>&1 &
program=$!
found=0
opened_databases "$program" && found=1
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
((found)) || fail "the installed program did not open the databases of share/tarvik"

"$cmake" --install "$build" --prefix "$prefix" --component tools >/dev/null
birth=(--date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30 --panchang)
cd /
out=$(env -u TARVIK_BIN_DIR "$prefix/bin/chartdump" "${birth[@]}") ||
  fail "the installed chartdump did not find the databases in share/tarvik"
[[ $out == *'"Panchang"'* ]] || fail "no panchang from the installed databases: $out"

# The databases and the table, and nothing else, came from share/tarvik.
mv "$prefix/share/tarvik" "$prefix/share/elsewhere"
if env -u TARVIK_BIN_DIR "$prefix/bin/chartdump" "${birth[@]}" >/dev/null 2>"$prefix/err"; then
  fail "chartdump found files that are not installed"
fi
grep -q "Tarvik-Eph.dat" "$prefix/err" || fail "no message on the missing ephemeris table: $(cat "$prefix/err")"
echo "installed-program: the installation in $prefix holds"
