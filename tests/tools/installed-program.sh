#!/bin/bash
# An installation into a fresh prefix: the program in bin/, its databases and
# ephemeris table in share/tarvik/, the desktop entry, its icon and the
# AppStream file where a desktop looks, the manual page and the documents
# (README, LICENSE and the data sources with their licences) in
# share/doc/tarvik/; the installed program, started from any folder, opens the
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
         share/applications/tarvik.desktop share/icons/hicolor/scalable/apps/tarvik.svg \
         share/metainfo/io.github.tarvik.Tarvik.metainfo.xml share/man/man1/tarvik.1.gz \
         share/doc/tarvik/README.md share/doc/tarvik/LICENSE share/doc/tarvik/copyright; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/tarvik" ] || fail "bin/tarvik cannot be run"
[ ! -e "$prefix/bin/chartdump" ] || fail "the tools are installed without being asked for"
[ ! -e "$prefix/share/man/man1/chartdump.1.gz" ] || fail "the tools' manual pages are installed without the tools"
cmp -s "$prefix/share/doc/tarvik/LICENSE" "$(dirname "$0")/../../LICENSE" || fail "the installed LICENSE is not the project's"
ls "$prefix/bin/"*.MDB "$prefix/bin/"*.mdb "$prefix/bin/"*.dat >/dev/null 2>&1 && fail "databases in bin/"

entry=$prefix/share/applications/tarvik.desktop
grep -qx 'Exec=tarvik' "$entry" || fail "the desktop entry does not start tarvik"
grep -qx 'Icon=tarvik' "$entry" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the desktop entry is not valid"
fi

# The installed program, started from another folder, opens the databases
# of share/tarvik.
source "$(dirname "$0")/started-program.sh"
opens_installed_databases "$prefix/bin/tarvik" "$prefix/share/tarvik" "$prefix/home" ||
  fail "the installed program did not open the databases of share/tarvik"

"$cmake" --install "$build" --prefix "$prefix" --component tools >/dev/null
for f in share/man/man1/chartdump.1.gz share/man/man1/renderpages.1.gz; do
  [ -f "$prefix/$f" ] || fail "$f is not installed with the tools"
done
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
