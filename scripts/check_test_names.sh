#!/usr/bin/env bash
# Fails when a CTest name holds the raw bytes or an address of a test's parameter: such a
# name changes with every build, so results cannot be compared between runs. Give the
# parameter type a PrintTo.
# Usage: check_test_names.sh build-folder
set -euo pipefail
if ctest --test-dir "$1" -N | grep -E -- '-byte object <|0x[0-9a-f]+ pointing to'; then
    echo "Test names above change from build to build: give their parameters a PrintTo." >&2
    exit 1
fi
