#!/usr/bin/env bash
# Builds every fuzz target with libFuzzer, AddressSanitizer and UBSan, and
# runs each for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"
OUT=build-fuzz
mkdir -p "$OUT"
QT_FLAGS=$(pkg-config --cflags --libs Qt6Core)
for target in tests/fuzz/fuzz_*.cpp; do
  name=$(basename "$target" .cpp)
  echo "== $name"
  clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Isrc "$target" src/shell/archivio.cpp src/shell/numeri.cpp \
    src/tierods/archivio.cpp src/tierods/calcolo.cpp \
    src/shoring/archivio.cpp src/shoring/dati.cpp src/shoring/calcolo.cpp src/shoring/coefficienti.cpp \
    src/columnhooping/archivio.cpp src/columnhooping/calcolo.cpp \
    src/stitching/archivio.cpp src/stitching/calcolo.cpp \
    src/pillarhooping/archivio.cpp src/pillarhooping/calcolo.cpp \
    $QT_FLAGS -o "$OUT/$name"
  mkdir -p "$OUT/corpus-$name"
  cp -n data/esempi/* "$OUT/corpus-$name/" 2>/dev/null || true
  "$OUT/$name" -artifact_prefix="$OUT/" -max_total_time="$SECONDS_EACH" -timeout=5 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 "$OUT/corpus-$name" 2>&1 | tail -n 12
done
