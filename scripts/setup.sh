#!/usr/bin/env bash
# Installs what is missing on Debian 12, then configures and builds into build/.
# Safe to run again: installed packages are skipped and the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake ninja-build pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-webengine-dev qt6-webengine-dev-tools
    libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libpng-dev libjpeg-dev zlib1g-dev
    libgtest-dev
    xvfb xauth fonts-liberation2
)

missing=()
for package in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
