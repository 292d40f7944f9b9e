#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: does nothing when all packages are already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ccache
  qt6-base-dev libgl-dev qt6-translations-l10n
  libfluidsynth-dev libasound2-dev timgm6mb-soundfont
  fonts-urw-base35 fonts-dejavu-core
  xvfb xauth imagemagick poppler-utils sox openbox xdotool
  clang libclang-rt-14-dev
  locales
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installazione dei pacchetti mancanti: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
