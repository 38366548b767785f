#!/usr/bin/env bash
# Installs what is missing, builds, and starts the modem simulator and the tool
# together (the simulator's port is offered in the port list).
# On a machine without a display the tool runs under Xvfb, a screenshot of the
# main window is saved to kvx-config-screenshot.png and the script stops.
#
#   scripts/run.sh [simulator options]   e.g. --product kv6 --module half-fjord
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build -j"$(nproc)" --target kvx-config kvx-cli kvx-modemsim

link="${TMPDIR:-/tmp}/kvx-modem-$$"
sim_args=("$@")
[ ${#sim_args[@]} -eq 0 ] && sim_args=(--product kv5 --module tarn)
./build/kvx-modemsim "${sim_args[@]}" --link "$link" --echo > "${link}.out" &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "${link}.out"' EXIT
for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.1; done
echo "Modem simulator (${sim_args[*]}) on $link"
export KVX_EXTRA_PORTS="$link${KVX_EXTRA_PORTS:+:$KVX_EXTRA_PORTS}"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  ./build/kvx-config --port "$link"
else
  shot="$PWD/kvx-config-screenshot.png"
  title="KVX_$(sed -n 's/^project(kvx-config VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
  xvfb-run -a -s "-noreset -screen 0 1024x768x24" bash -c '
    ./build/kvx-config --port "$3" & app=$!
    id=
    for _ in $(seq 150); do
      id=$(xwininfo -name "$2" 2>/dev/null | sed -n "s/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p")
      [ -n "$id" ] && break
      sleep 0.2
    done
    sleep 1   # let the first paint finish
    [ -n "$id" ] && timeout 20 import -window "$id" "$1"
    kill $app' _ "$shot" "$title" "$link"
  [ -f "$shot" ] || { echo "The main window did not come up; no screenshot." >&2; exit 1; }
  echo "No display: the main window was drawn under Xvfb and saved to $shot"
fi
