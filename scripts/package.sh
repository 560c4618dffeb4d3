#!/usr/bin/env bash
# Builds the program's Debian package: a Release build without the tests in build-package/,
# packed there with `cpack -G DEB`; its dependencies come from dpkg-shlibdeps. Install it with
#   sudo apt-get install ./build-package/nudgery_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${NUDGERY_RUN_PACKAGES[@]}" "${NUDGERY_PACKAGE_PACKAGES[@]}"

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-package
rm -f build-package/nudgery_*.deb
(cd build-package && cpack -G DEB)
ls build-package/nudgery_*.deb
