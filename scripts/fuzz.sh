#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-fuzz (installing what is missing,
# clang and its runtime included) and fuzzes:
#
#   scripts/fuzz.sh                        every harness for a few seconds,
#                                          as CTest tests (FUZZ_SECONDS, default 5)
#   scripts/fuzz.sh <name> <seconds> [..]  one harness, e.g. scripts/fuzz.sh csv 600;
#                                          further arguments go to libFuzzer
#                                          (e.g. -jobs=8 -workers=8)
#   scripts/fuzz.sh all <seconds>          every harness in turn
#
# Harnesses: the fuzz_<name>.cpp files of fuzz/. New inputs that reach new
# code collect in build-fuzz/fuzz/corpus/<name>; a finding is saved in
# build-fuzz/fuzz/artifacts/ and replays with build-fuzz/fuzz/fuzz_<name> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(clang libclang-rt-14-dev)
bash scripts/install-packages.sh "${PACKAGES[@]}"

BUILD_DIR="${FUZZ_BUILD_DIR:-build-fuzz}"
BUILD_DIR="$BUILD_DIR" BUILD_TARGET=tallyleaf_fuzzers BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    bash scripts/setup.sh -DCMAKE_CXX_COMPILER=clang++ -DTALLYLEAF_BUILD_FUZZ=ON \
    -DTALLYLEAF_BUILD_TESTS=OFF -DTALLYLEAF_BUILD_BENCH=OFF -DTALLYLEAF_FUZZ_SECONDS="${FUZZ_SECONDS:-5}"

if (($# == 0)); then
    exec ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)"
fi
name="$1"
seconds="${2:-60}"
shift $(($# >= 2 ? 2 : 1))
if [ "$name" = all ]; then
    for harness in fuzz/fuzz_*.cpp; do
        harness="$(basename "$harness" .cpp)"
        bash fuzz/run.sh "$BUILD_DIR" "${harness#fuzz_}" "$seconds" "$@"
    done
else
    exec bash fuzz/run.sh "$BUILD_DIR" "$name" "$seconds" "$@"
fi
