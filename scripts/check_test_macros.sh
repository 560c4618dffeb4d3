#!/usr/bin/env bash
# Fails when a GoogleTest file uses Qt's test macros. Inside a GoogleTest body a failing
# QVERIFY/QCOMPARE/QTRY_* only writes to Qt's log and returns, and GoogleTest counts a pass;
# use GoogleTest's assertions with QTest::qWaitFor instead.
# Usage: check_test_macros.sh [folder]   (default: tests/ of this repository)
set -euo pipefail
folder="${1:-$(dirname "$0")/../tests}"
pattern='\bQ(VERIFY|COMPARE|TRY_[A-Z_]+|FAIL|SKIP|EXPECT_FAIL)\b'
if grep -rnE --include='*.cpp' --include='*.h' "$pattern" "$folder"; then
    echo "Qt test macros found in GoogleTest files (above): use GoogleTest assertions." >&2
    exit 1
fi
