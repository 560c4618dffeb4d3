#!/usr/bin/env bash
# Installs what is missing, builds the program into build/ and starts it with the
# arguments given (--minimized starts it minimised).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${NUDGERY_RUN_PACKAGES[@]}"

# The program alone: the tests' libraries need not be installed.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build --target nudgery

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Nudgery! is built (build/nudgery) but cannot start: it needs a graphical desktop," >&2
    echo "and neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
exec build/nudgery "$@"
