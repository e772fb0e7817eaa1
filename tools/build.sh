#!/usr/bin/env bash
# Configures and builds Tarvik into build/ (executables and databases in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
