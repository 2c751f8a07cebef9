#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer), runs each for the given number of seconds from
# its seed corpus, then runs every saved regression input once. Fails on any
# crash or failed check; a crashing input is left in build/fuzz/artifacts/.
#
#   bash scripts/fuzz.sh [seconds]        (default 60 per target)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds=${1:-60}
build=build/fuzz
targets=(item_list tree_line text_lines)

CC=clang CXX=clang++ cmake -S . -B "$build" -DRUZOZIV_FUZZ=ON -DRUZOZIV_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  binary="$build/tests/fuzz/fuzz_$target"
  corpus="$build/corpus/$target"    # grows during the run; the seeds stay as they are
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    "$corpus" "tests/fuzz/corpus/$target" 2>"$build/$target.log" ||
    { tail -n 60 "$build/$target.log"; echo "fuzz_$target failed"; exit 1; }
  grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true

  regressions=(tests/fuzz/regressions/"$target"/*)
  if [ -e "${regressions[0]}" ]; then
    echo "== fuzz_$target: ${#regressions[@]} regression inputs"
    "$binary" "${regressions[@]}" 2>"$build/$target-regressions.log" ||
      { tail -n 60 "$build/$target-regressions.log"; echo "fuzz_$target regression failed"; exit 1; }
  fi
done
echo "fuzzing passed"
