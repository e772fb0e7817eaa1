#!/usr/bin/env bash
# Builds Tarvik and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# In CI (CI=true) the build treats warnings as errors.
if [ "${CI:-}" = "true" ]; then
  export TARVIK_CMAKE_ARGS="${TARVIK_CMAKE_ARGS:-} -DTARVIK_WERROR=ON"
fi
bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
