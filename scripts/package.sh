#!/usr/bin/env bash
# Checks the menu entry and the software-centre description, then builds a Debian package of
# Ardenika in build-package/ and prints its name.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/deps.sh
desktop-file-validate data/org.example.Ardenika.desktop
appstreamcli validate --no-net data/org.example.Ardenika.metainfo.xml
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DARDENIKA_TESTS=OFF -DARDENIKA_BENCH=OFF
cmake --build build-package --target ardenika -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/*.deb
