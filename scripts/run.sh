#!/usr/bin/env bash
# Builds Tallyleaf (installing missing packages) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The Japanese interface needs a font with its characters.
bash scripts/install-packages.sh fonts-noto-cjk
exec "${BUILD_DIR:-build}/src/tallyleaf" "$@"
