#!/usr/bin/env bash
# Builds Tarvik and runs every test.
#   tools/test.sh             the ordinary build in build/
#   tools/test.sh --sanitize  a build with AddressSanitizer and
#                             UndefinedBehaviorSanitizer in build-asan/; any
#                             finding fails the test that made it
set -euo pipefail
cd "$(dirname "$0")/.."
# In CI (CI=true) the build treats warnings as errors.
if [ "${CI:-}" = "true" ]; then
  export TARVIK_CMAKE_ARGS="${TARVIK_CMAKE_ARGS:-} -DTARVIK_WERROR=ON"
fi
export QT_QPA_PLATFORM=offscreen
jobs="${TARVIK_JOBS:-$(nproc)}"
if [[ "${1:-}" == "--sanitize" ]]; then
    bash tools/setup-debian.sh
    # Leaks are not findings here: Qt and fontconfig keep caches to the end.
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIK_SANITIZE=ON -DTARVIK_BUILD_BENCH=OFF
    cmake --build build-asan -j"$jobs"
    ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 1500
    exit
fi
bash tools/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
