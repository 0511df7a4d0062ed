#!/usr/bin/env bash
# Builds Tallyleaf and runs every benchmark; each prints its own figures.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_TYPE="${BUILD_TYPE:-Release}" BUILD_DIR="${BUILD_DIR:-build-bench}" bash scripts/setup.sh
for bench in "${BUILD_DIR:-build-bench}"/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" "$@"
done
