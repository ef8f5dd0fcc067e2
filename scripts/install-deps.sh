#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need; skips apt when all are present.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev
  fonts-dejavu-core  # a fixed-pitch font for the auxiliary window (and its test)
  unixodbc-dev libsqliteodbc
  libjemalloc-dev  # the allocator of the program (see src/allocator_settings.cpp)
  locales-all  # a Polish locale: the tests show numbers never go through the locale
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
