#!/usr/bin/env bash
# Builds the program and every test under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ and runs every test through CTest; any finding fails its test.
# Run by `./test.sh --sanitize`, which installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lightly optimised, with line tables only: quicker to build, and findings still name lines.
cmake -S . -B build-sanitize -G Ninja -DNUDGERY_SANITIZE=ON -DNUDGERY_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
cmake --build build-sanitize

export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-sanitize
ctest --output-on-failure --timeout 600 -j2
