#!/usr/bin/env bash
# Configures and builds Tarvik into build/ (executables and databases in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
# TARVIK_CMAKE_ARGS adds options to the configuration (e.g. -DTARVIK_WERROR=ON).
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TARVIK_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"
