#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
#   scripts/test.sh              the normal build (build-test/)
#   scripts/test.sh --sanitize   with AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
# The shared record's tests start a real PostgreSQL server of their own;
# sqlite3 holds a database file as another program would; LibreOffice and
# Chromium open the journal and the report as their users do.
kvx_install postgresql libqt6sql6-psql sqlite3 libreoffice-calc chromium

dir=build-test
opts=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  opts=(-DCMAKE_BUILD_TYPE=Debug -DKVX_SANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The toolkit's own one-time allocations are not ours to report.
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$dir" -G Ninja "${opts[@]}"
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
