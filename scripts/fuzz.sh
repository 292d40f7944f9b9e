#!/usr/bin/env bash
# Builds every fuzz target (tests/fuzz/fuzz_*.cpp) with clang, libFuzzer,
# AddressSanitizer and UBSan over the program's own library, and runs each
# for the given number of seconds (default 60) on one core.
#   fuzz_archivio  the record reader and the number conversions
#   fuzz_moduli    every file layout, then every calculation
#   fuzz_finestre  a window's real Open, then all its printouts as text
# Coverage of a corpus: FUZZ_ARGS="-runs=0 -print_coverage=1", then
# scripts/copertura-fuzz.py on the target's log.
# Seeds: the sample files and the damaged ones in tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
# Environment: FUZZ_TARGETS (names, default all), FUZZ_ARGS (more libFuzzer
# options, e.g. "-fork=2 -max_len=2048"), FUZZ_LEGGERO=1 (the leak checker
# and trapping UBSan instead of AddressSanitizer: several times faster, for
# long runs; memory errors other than leaks then show only as crashes).
SECONDS_EACH="${1:-60}"
if [ "${FUZZ_LEGGERO:-0}" = 1 ]; then
  OUT=build-fuzz-lsan
  SANITIZERS=leak,undefined
  FLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize-trap=undefined"
else
  OUT=build-fuzz
  SANITIZERS=address,undefined
  FLAGS="-O1 -g -fno-omit-frame-pointer"
fi
export CCACHE_SLOPPINESS=pch_defines,time_macros
cmake -S . -B "$OUT" -DRINSAL_FUZZ=ON -DRINSAL_FUZZ_SANITIZERS="$SANITIZERS" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
targets=()
if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"$FUZZ_TARGETS"
else
  for src in tests/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
  done
fi
cmake --build "$OUT" -j"${JOBS:-$(nproc)}" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
mkdir -p "$OUT/xdg" && chmod 700 "$OUT/xdg"
export XDG_RUNTIME_DIR="$PWD/$OUT/xdg"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp"
# The windows allocate a great deal: a smaller quarantine, no fill of fresh
# blocks and shorter allocation stacks more than double the executions of
# fuzz_finestre; overflows are still caught, a use after free of a block
# freed long before may be missed.
export ASAN_OPTIONS="quarantine_size_mb=16:max_malloc_fill_size=0:malloc_context_size=4"
for name in "${targets[@]}"; do
  echo "== $name"
  corpus="$OUT/corpus-$name"
  mkdir -p "$corpus"
  for seed in data/esempi/* tests/fuzz/corpus/*; do
    base=$(basename "$seed")
    if [ "$name" = fuzz_finestre ]; then
      # The first byte picks the window, after the file name's prefix.
      case "$base" in
        Puntelli-*) sel=p ;; Tiranti-*) sel=t ;; Cercol-*) sel=c ;; Cerpil-*) sel=l ;; Cuciture-*) sel=u ;; *) continue ;;
      esac
      # A hundred hot rows take seconds through a window (every field change
      # recomputes every row): they would starve the run; fuzz_moduli has them.
      case "$base" in Cercol-dati-cento|Cuciture-dati-cento) continue ;; esac
      [ -e "$corpus/$base" ] || { printf '%s' "$sel"; cat "$seed"; } > "$corpus/$base"
    else
      cp -n "$seed" "$corpus/" 2>/dev/null || true
    fi
  done
  "$OUT/$name" -artifact_prefix="$OUT/" -max_total_time="$SECONDS_EACH" -timeout=60 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 ${FUZZ_ARGS:-} "$corpus" 2>&1 | tee "$OUT/$name.log" | tail -n 12
  # A crash, leak or hang stops the script with libFuzzer's status (set -e, pipefail).
done
