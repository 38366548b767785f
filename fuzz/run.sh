#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and fuzzes each
# in turn for the given number of seconds (default 600), on a copy of its
# seed corpus in fuzz/corpus/<target>/ so the committed seeds stay as they
# are. A seed that fails fails at once: the committed corpus is also the
# regression suite.
#   fuzz/run.sh [SECONDS] [TARGET...]    targets: receive profile journal answers location options
# Exits non-zero when any target finds something; each reproducer is left in
# build-fuzz/findings/<target>/, and a line per target sums up the run.
set -euo pipefail

seconds="${1:-600}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(receive profile journal answers location options)
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$root/build-fuzz"

source "$root/scripts/setup.sh"
kvx_install clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DKVX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

work="$(mktemp -d "${TMPDIR:-/tmp}/kvx-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
# The toolkit's own one-time allocations are not ours to report.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"

# The longest input each reader gets: room past the receive buffer's 4096
# bytes, files of many rows for the journal, a line of text for the rest.
max_len() {
  case "$1" in
    receive) echo 12000 ;;
    journal) echo 16384 ;;
    answers) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  corpus="$work/corpus-$target"
  mkdir -p "$corpus" "$build/findings/$target" "$work/tmp-$target"
  cp -R "$here/corpus/$target/." "$corpus/"
  log="$build/findings/$target.log"
  status=0
  # Files a target writes (the journal's) go to a folder removed afterwards.
  TMPDIR="$work/tmp-$target" "$build/fuzz_$target" \
    -max_total_time="$seconds" \
    -max_len="$(max_len "$target")" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -dict="$here/$target.dict" \
    -artifact_prefix="$build/findings/$target/" \
    "$corpus" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1 || true)"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)"
  if [ "$status" -eq 0 ]; then
    echo "fuzz_$target: ${runs:-?} runs, ${cov:-?} edges, no finding"
  else
    echo "fuzz_$target: FINDING after ${runs:-?} runs (${cov:-?} edges); log $log, input in $build/findings/$target/"
    grep -m3 -E 'property broken|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error' "$log" | sed 's/^/  /' || true
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "findings in: ${failed[*]}"; exit 1; }
