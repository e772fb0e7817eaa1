#!/usr/bin/env bash
# Builds Tarvik and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec build/bin/tarvik "$@"
