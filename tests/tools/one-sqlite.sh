#!/bin/bash
# Every program reads its databases through Debian's SQLite and through it
# alone: a second library with the sqlite3 API in the same program
# (SQLCipher, or Qt's SQL module with its own SQLite) would take over some
# of its symbols, and an engine that is not the distribution's misses its
# security fixes.
#
#     tests/tools/one-sqlite.sh <program>...
set -euo pipefail

status=0
for program in "$@"; do
  libraries=$(ldd "$program")
  if ! grep -q 'libsqlite3\.so' <<<"$libraries"; then
    echo "one-sqlite: $program does not link Debian's libsqlite3" >&2
    status=1
  fi
  if others=$(grep -E 'libsqlcipher|libQt6Sql' <<<"$libraries"); then
    echo "one-sqlite: $program links another sqlite3 engine: $others" >&2
    status=1
  fi
done
exit $status
