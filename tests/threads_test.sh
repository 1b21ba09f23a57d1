#!/bin/sh
# Runs the unit tests that start threads, where threads run at all: a probe
# program first, under the same runner (Wine). If the probe cannot run its
# two threads, the test is skipped (77) and says why.
#   sh tests/threads_test.sh RUNNER PROBE UNIT_TESTS
runner=$1
probe=$2
unit_tests=$3
if ! "$runner" "$probe"; then
  echo "skipped: Windows programs cannot start threads on this machine (the probe failed)"
  exit 77
fi
exec "$runner" "$unit_tests" --gtest_filter='ConcurrencyTest.*'
