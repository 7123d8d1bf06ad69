#!/bin/sh
# Runs one fuzz target for a fixed number of inputs from its seed corpus, with a fixed
# seed, so that every run of the test suite does the same work.
#   run_fuzz_target.sh <fuzzer> <seed corpus> <work folder> <runs>
# New inputs found on the way go to <work folder>/new (the committed corpus stays as it
# is); an input that fails is kept there as crash-..., leak-... or timeout-....
set -eu
fuzzer=$1 corpus=$2 work=$3 runs=$4
rm -rf "$work"
mkdir -p "$work/new"
cd "$work"
exec "$fuzzer" -runs="$runs" -seed=1 -timeout=30 -rss_limit_mb=2048 -max_len=8192 \
  -print_final_stats=1 -artifact_prefix="$work/" "$work/new" "$corpus"
