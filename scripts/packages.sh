#!/usr/bin/env bash
# Installs the Debian packages hoshi needs to build, test and play.
# Only missing packages are installed; apt-get update runs only when needed.
set -euo pipefail

HOSHI_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6opengl6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-charts-dev qt6-multimedia-dev
  appstream desktop-file-utils lintian
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  gnugo fonts-liberation locales
  xvfb xauth xdotool imagemagick x11-utils
  clang libclang-rt-14-dev
)

missing=()
for pkg in "${HOSHI_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "hoshi: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
