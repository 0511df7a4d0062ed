#!/usr/bin/env bash
# Builds Tallyleaf and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-asan (installing missing packages)
# and runs every test there. Any sanitizer report fails its test.
# Extra arguments go to ctest (e.g. -R tst_csvparser).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${SANITIZE_BUILD_DIR:-build-asan}"
BUILD_DIR="$BUILD_DIR" BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    bash scripts/setup.sh -DTALLYLEAF_SANITIZE=ON -DTALLYLEAF_BUILD_BENCH=OFF
source scripts/sanitizer-env.sh
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)" "$@"
