#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
# With --sanitize: every test under AddressSanitizer and UBSan instead, in build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${NUDGERY_RUN_PACKAGES[@]}" "${NUDGERY_TEST_PACKAGES[@]}"

# A Qt test macro in a GoogleTest body would hide its own failure.
scripts/check_test_macros.sh tests

case "${1:-}" in
    "") ;;
    --sanitize) exec scripts/test_sanitize.sh ;;
    *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

# The fuzzers of the data-file loader, the settings-file codec and the calendar-file import are
# built with clang under AddressSanitizer and UBSan; CTest runs each for a bounded time beside
# the other tests.
fuzzer=()
if command -v clang++-14 >/dev/null; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DNUDGERY_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-fuzz
    fuzzer=(-DNUDGERY_DATA_FILE_FUZZER="$PWD/build-fuzz/fuzz/data_file_fuzzer"
            -DNUDGERY_SETTINGS_FILE_FUZZER="$PWD/build-fuzz/fuzz/settings_file_fuzzer"
            -DNUDGERY_CALENDAR_FILE_FUZZER="$PWD/build-fuzz/fuzz/calendar_file_fuzzer")
fi

# BUILD_TESTING is given every time: run.sh turns it off in the same build folder.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "${fuzzer[@]}"
cmake --build build
scripts/check_test_names.sh build

cd build
ctest --output-on-failure --timeout 300 -j2
