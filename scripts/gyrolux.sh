#!/usr/bin/env bash
# Installs what Gyrolux needs on Debian 12, builds it, and then either starts the
# program (run) or runs the whole test suite (test).
#   scripts/gyrolux.sh run    install, build, start gyrolux
#   scripts/gyrolux.sh test   install, build, run every test (also under ASan/UBSan),
#                             then the fuzz targets for a fixed number of inputs each
set -euo pipefail
mode=${1:-run}
cd "$(dirname "$0")/.."

sudo=
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
# The packages of scripts/packages.txt before its first section, and in test mode as root
# those of the section "[test as root]" too.
packages() {  # packages <section or empty>
  awk -v extra="$1" '/^\[/ { section = $0; next } /^#/ || NF == 0 { next }
                     section == "" || section == extra' scripts/packages.txt
}
extra=
if [ "$mode" = test ] && [ "$(id -u)" -eq 0 ]; then extra="[test as root]"; fi
$sudo apt-get update -qq
# shellcheck disable=SC2046
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  $(packages "$extra")

jobs=$(nproc)
# A compiler cache, where the machine has one, makes the three builds of the test mode cheap
# after the first run.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
build() {  # build <dir> [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

case "$mode" in
  run)
    build build
    exec build/app/gyrolux
    ;;
  test)
    build build
    ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600
    # The same suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-sanitize -DGYROLUX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DGYROLUX_BUILD_BENCHMARKS=OFF
    # The search and event equivalences run on a smaller sample there: a sanitized chart is slow.
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
      GYROLUX_SEARCH_CASES=300 GYROLUX_SEARCH_CENTURY_LIMIT=150000 GYROLUX_EVENT_CASES=3 \
      GYROLUX_WATCH_CASES=120 GYROLUX_MODERN_SKY_YEARS=10 \
      ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 1200
    # The parsers of outside input under libFuzzer (clang, ASan, UBSan), each from its
    # committed seed corpus.
    build build-fuzz -DGYROLUX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
