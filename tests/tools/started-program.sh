# Sourced by the tests of an installed program: whether the program, started
# from another folder with a home of its own and no display, opens the
# databases of the installed data folder (seen among its open files while
# its window is up).
#
#     opens_installed_databases <program> <data folder> <home>

opens_installed_databases() {
  local program=$1 data=$2 home=$3 pid tries=60 found=1
  mkdir -p "$home"
  (cd / && HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
     QT_QPA_PLATFORM=offscreen exec env -u TARVIK_BIN_DIR "$program") >/dev/null 2>&1 &
  pid=$!
  while ((tries-- > 0)) && kill -0 "$pid" 2>/dev/null; do
    if ls -l "/proc/$pid/fd" 2>/dev/null | grep -q "$data/Tarvik-Zyv.mdb"; then
      found=0
      break
    fi
    sleep 0.5
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return $found
}
