#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Ardenika; does nothing when all are present.
set -euo pipefail

packages=(
    qt6-base-dev
    libgl-dev
    cmake
    g++
    libgtest-dev
    libbenchmark-dev
    fonts-liberation
    xvfb
    xdotool
    imagemagick
    clang-format
    desktop-file-utils
    appstream
    dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg -s "$package" >/dev/null 2>&1; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Missing packages need root to install and sudo is not available: ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
