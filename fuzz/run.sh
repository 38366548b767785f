#!/usr/bin/env bash
# Builds fuzz_receive with clang (libFuzzer, ASan, UBSan) and fuzzes it for
# the given number of seconds (default 600) on a copy of the seed corpus, so
# the committed seeds stay as they are. Exits non-zero on a finding; the
# reproducer is left in build-fuzz/findings/.
set -euo pipefail

seconds="${1:-600}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$root/build-fuzz"

source "$root/scripts/setup.sh"
kvx_install clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DKVX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j1 --target fuzz_receive

corpus="$(mktemp -d "${TMPDIR:-/tmp}/kvx-fuzz-corpus.XXXXXX")"
trap 'rm -rf "$corpus"' EXIT
cp -R "$here/corpus/." "$corpus/"
mkdir -p "$build/findings"

# max_len leaves room for chunks that overflow the 4096-byte receive buffer.
"$build/fuzz_receive" \
  -max_total_time="$seconds" \
  -max_len=12000 \
  -timeout=10 \
  -print_final_stats=1 \
  -dict="$here/receive.dict" \
  -artifact_prefix="$build/findings/" \
  "$corpus"
