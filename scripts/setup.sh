#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tool and the tests need,
# skipping what is already there. Sourced by the other scripts.

kvx_packages=(
  cmake ninja-build g++ pkg-config libgl-dev
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev libqt6svg6
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite
  fonts-wqy-microhei fonts-crosextra-carlito
  xvfb xauth x11-utils socat imagemagick openssl
  librsvg2-bin
  libqrencode-dev zbar-tools poppler-utils
  qt6-httpserver-dev qt6-websockets-dev
)

kvx_install() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

kvx_install "${kvx_packages[@]}"
