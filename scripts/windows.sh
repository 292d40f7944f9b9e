#!/usr/bin/env bash
# `make windows`: the Windows programs and their 64-bit setup program, cross-
# built here with mingw-w64 and the Qt of scripts/qt-windows.sh.
#   scripts/windows.sh LINUX_BUILD WINDOWS_BUILD
# The Linux build lends its rinsal-icone, which draws the icon.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
linux=$(cd "${1:?cartella della versione Linux}" && pwd)
windows=${2:?cartella della versione Windows}
bash "$radice/scripts/install-deps-windows.sh"
inizio=$(date +%s)
qt=$(bash "$radice/scripts/qt-windows.sh" | tail -1)
echo "Qt per Windows: $qt ($(( $(date +%s) - inizio )) s)"
export CCACHE_BASEDIR=$radice CCACHE_SLOPPINESS=pch_defines,time_macros
cmake -S "$radice" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DRINSAL_ICONE_HOST="$linux/rinsal-icone" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$radice/tests/windows/wine-test.sh" >/dev/null
cmake --build "$windows" -j"$(nproc)"
(cd "$windows" && cpack -G NSIS >/dev/null)
ls -l "$windows"/Rinsal-*-setup.exe
