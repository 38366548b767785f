#!/usr/bin/env bash
# Builds a Release tree (build-pkg/) and the Debian package
# dist/kvx-config_<version>-1_<arch>.deb, then runs lintian on it.
#   scripts/package.sh
# Install it with: sudo apt install ./dist/kvx-config_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
# dpkg-shlibdeps computes the package's dependencies; the rest check the result.
kvx_install dpkg-dev file lintian desktop-file-utils appstream

dir=build-pkg
# Hardened the way Debian builds its own packages: fortified calls, read-only
# relocations, immediate binding.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# cpack installs without building "all" first: the tests are not packaged.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build "$dir" -j"$(nproc)" --target kvx_install_payload

rm -rf "$dir/cpack"
cpack --config "$dir/CPackConfig.cmake" -B "$dir/cpack"
deb=$(ls "$dir"/cpack/kvx-config_*.deb)
mkdir -p dist
rm -f dist/kvx-config_*.deb
cp "$deb" dist/
deb="dist/$(basename "$deb")"

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "lintian:"
lintian --fail-on error "$deb"
echo "Built $deb"
