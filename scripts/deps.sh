#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Ardenika; does nothing when all are present.
# Usage: deps.sh [desktop|all]: desktop (the default) is what the desktop program and its tests
# need; all adds what the whole test command needs: the browser build and its tests
# (emscripten, node, npm, chromium), the locale sources, and clang with its runtime libraries
# (libFuzzer and the sanitizers) for the fuzzing.
set -euo pipefail

scope="${1:-desktop}"
case "$scope" in
    desktop | all) ;;
    *)
        echo "usage: $0 [desktop|all]" >&2
        exit 2
        ;;
esac

packages=(
    qt6-base-dev
    qt6-svg-dev
    libgl-dev
    cmake
    g++
    libgtest-dev
    libbenchmark-dev
    fonts-liberation
    qt6-translations-l10n
    xvfb
    xdotool
    imagemagick
    clang-format
    desktop-file-utils
    appstream
    dpkg-dev
)
if [ "$scope" = all ]; then
    # locales: the readout is tested under a locale that writes a decimal comma.
    packages+=(emscripten chromium locales)
    # LibreOffice Calc: the measurement table is checked as a spreadsheet reads it.
    packages+=(libreoffice-calc-nogui python3)
    # clang++ and libclang_rt.fuzzer, which Debian 12 ships in libclang-rt-14-dev.
    packages+=(clang libclang-rt-14-dev)
    # A node and an npm already on the PATH (say, a newer one) are used as they are.
    command -v node >/dev/null 2>&1 || packages+=(nodejs)
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

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
