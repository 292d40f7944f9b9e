#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its tests under wine need:
# the mingw-w64 cross compilers, wine, NSIS, and the fonts the test prefix maps
# to the Windows families.  Idempotent, like install-deps.sh.
set -euo pipefail

PACKAGES=(
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  binutils-mingw-w64-x86-64
  wine64 wine nsis ninja-build cmake dpkg-dev patch xz-utils groff
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool imagemagick poppler-utils openbox
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installazione dei pacchetti mancanti: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
