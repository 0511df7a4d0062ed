#!/usr/bin/env bash
# Builds Tallyleaf with its tests (installing missing packages) and runs
# every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"
