#!/bin/bash
# The Debian packages of the build (cpack -G DEB), as a distribution gets
# them: tarvik_<version>_<arch>.deb with the program and tarvik-tools with
# chartdump and renderpages, both stripped, with the dependencies of their
# shared libraries, resolvable from the system's package sources; unpacked
# into a temporary root, the program starts and opens the databases there,
# chartdump computes a panchang from them, the AppStream file validates and
# carries the project's version, the manual pages read without a warning,
# and the documents name the licence and the data's sources. Nothing is
# installed on the system.
#
#     tests/tools/debian-package.sh <build folder> <project version> <source folder>
set -euo pipefail

build=$1
version=$2
source=$3
cpack=${CPACK_COMMAND:-cpack}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() { echo "debian-package: $*" >&2; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps appstreamcli readelf groff; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup-debian.sh installs it)"
done

(cd "$build" && "$cpack" -G DEB -B "$out") >"$out/cpack.log" 2>&1 || fail "cpack failed: $(cat "$out/cpack.log")"
arch=$(dpkg --print-architecture)
program=$out/tarvik_${version}_${arch}.deb
tools=$out/tarvik-tools_${version}_${arch}.deb
[ -f "$program" ] || fail "no $(basename "$program"): $(ls "$out")"
[ -f "$tools" ] || fail "no $(basename "$tools"): $(ls "$out")"

field() { dpkg-deb -f "$1" "$2"; }
[ "$(field "$program" Package)" = tarvik ] || fail "the program's package is called $(field "$program" Package)"
[ "$(field "$tools" Package)" = tarvik-tools ] || fail "the tools' package is called $(field "$tools" Package)"
for deb in "$program" "$tools"; do
  [ "$(field "$deb" Version)" = "$version" ] || fail "$(basename "$deb") has the version $(field "$deb" Version)"
done
# Dependencies found from the shared libraries, and the fonts of the pages.
for dep in 'libc6 (>=' 'libqt6widgets6 (>=' 'libqt6printsupport6 (>=' 'libcairo2 (>=' 'fonts-noto-core'; do
  [[ $(field "$program" Depends) == *"$dep"* ]] || fail "the program does not depend on $dep: $(field "$program" Depends)"
done
[[ $(field "$tools" Depends) == *"tarvik (= $version)"* ]] ||
  fail "the tools do not depend on the program's databases: $(field "$tools" Depends)"

# Resolvable from the system's package sources (a simulation: nothing is installed).
if command -v apt-get >/dev/null && compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
  apt-get install --simulate --no-install-recommends "$program" "$tools" >"$out/apt.log" 2>&1 ||
    fail "apt cannot install the packages: $(tail -5 "$out/apt.log")"
fi

root=$out/root
dpkg -x "$program" "$root"
dpkg-deb -c "$program" | grep -q 'usr/bin/chartdump' && fail "the tools are in the program's package"
for f in usr/bin/tarvik usr/share/tarvik/Tarvik-Dat.MDB usr/share/tarvik/Tarvik-Def.MDB usr/share/tarvik/Tarvik-Zyv.mdb \
         usr/share/applications/tarvik.desktop usr/share/icons/hicolor/scalable/apps/tarvik.svg \
         usr/share/metainfo/io.github.tarvik.Tarvik.metainfo.xml usr/share/man/man1/tarvik.1.gz \
         usr/share/doc/tarvik/README.md usr/share/doc/tarvik/LICENSE usr/share/doc/tarvik/copyright; do
  [ -f "$root/$f" ] || fail "$f is not in the program's package"
done
dpkg -x "$tools" "$root"
for f in usr/bin/chartdump usr/bin/renderpages usr/share/man/man1/chartdump.1.gz \
         usr/share/man/man1/renderpages.1.gz usr/share/doc/tarvik-tools/copyright; do
  [ -f "$root/$f" ] || fail "$f is not in the tools' package"
done

for exe in tarvik chartdump renderpages; do
  if readelf -S "$root/usr/bin/$exe" | grep -q '\.debug_'; then
    fail "usr/bin/$exe carries debug information"
  fi
done

metainfo=$root/usr/share/metainfo/io.github.tarvik.Tarvik.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$out/appstream.log" 2>&1 ||
  fail "the AppStream file is not valid: $(cat "$out/appstream.log")"
appstreamcli validate-tree --no-net "$root" >"$out/appstream.log" 2>&1 ||
  fail "the AppStream file and the desktop entry do not agree: $(cat "$out/appstream.log")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream release is not $version"

for page in tarvik chartdump renderpages; do
  warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1) ||
    fail "the manual page $page.1 cannot be read"
  [ -z "$warnings" ] || fail "the manual page $page.1: $warnings"
done

cmp -s "$root/usr/share/doc/tarvik/LICENSE" "$source/LICENSE" || fail "the packaged LICENSE is not the project's"
for credit in 'GeoNames' 'CC-BY-4.0' 'AGPL-3.0-or-later' 'Swiss Ephemeris'; do
  grep -q "$credit" "$root/usr/share/doc/tarvik/copyright" || fail "the copyright file does not name $credit"
done

source "$(dirname "$0")/started-program.sh"
opens_installed_databases "$root/usr/bin/tarvik" "$root/usr/share/tarvik" "$out/home" ||
  fail "the packaged program did not open the databases of usr/share/tarvik"
panchang=$(cd / && env -u TARVIK_BIN_DIR "$root/usr/bin/chartdump" --date 15-08-1980 --time 10:30:00 \
             --lat 28N39 --lon 77E13 --zone 82E30 --panchang) || fail "the packaged chartdump failed"
[[ $panchang == *'"Panchang"'* ]] || fail "no panchang from the packaged databases: $panchang"
echo "debian-package: $(basename "$program") and $(basename "$tools") hold"
