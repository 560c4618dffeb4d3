#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

(cd build && ctest --output-on-failure --timeout 300 -j2)

# Fuzz the data-file loader for a bounded time under AddressSanitizer and UBSan. New
# inputs go to a scratch folder; the seed corpus in the repository stays as it is.
if command -v clang++-14 >/dev/null; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DNUDGERY_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-fuzz
    mkdir -p build-fuzz/corpus
    build-fuzz/fuzz/data_file_fuzzer build-fuzz/corpus fuzz/corpus/data_file \
        -max_total_time=30 -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=256 \
        -artifact_prefix=build-fuzz/ -print_final_stats=1
fi
