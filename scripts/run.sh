#!/usr/bin/env bash
# Builds Tallyleaf (installing missing packages) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${BUILD_DIR:-build}/src/tallyleaf" "$@"
