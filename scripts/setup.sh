#!/usr/bin/env bash
# Installs what building Tallyleaf needs on Debian 12 (only what is missing),
# then configures and builds it into ./build.
set -euo pipefail

cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential
    cmake
    ninja-build
    pkg-config
    libgl-dev
    libsqlite3-dev
    libzip-dev
    qt6-base-dev
    qt6-base-private-dev
    libqt6sql6-sqlite
    qt6-tools-dev
    qt6-tools-dev-tools
    qt6-l10n-tools
    qt6-translations-l10n
    fonts-material-design-icons-iconfont
    libsecret-1-dev
    gnome-keyring
    dbus
    zip
    unzip
)

bash scripts/install-packages.sh "${PACKAGES[@]}"

BUILD_DIR="${BUILD_DIR:-build}"
# ccache (when installed) hashes paths relative to the checkout, so another
# clone of the same sources reuses what one has compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
cmake --build "$BUILD_DIR" --parallel ${BUILD_TARGET:+--target "$BUILD_TARGET"}
