#!/usr/bin/env bash
# Builds the .alg reader's fuzz target with clang (libFuzzer, ASan, UBSan) in
# build/fuzz and fuzzes it for a short while, starting from a copy of the seed
# corpus so that the run never changes the repository. Inputs that fail are
# kept in build/fuzz/artifacts/.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build/fuzz"
seconds=15

cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$build" -- -j2 >"$build/build.log" 2>&1 || { cat "$build/build.log"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$build/artifacts"
cp "$root"/tests/fuzz/corpus/*.alg "$work/corpus/"

"$build/alg_reader_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/alg.dict" -artifact_prefix="$build/artifacts/" \
  -print_final_stats=1 "$work/corpus" >"$work/log" 2>&1
status=$?
if ((status != 0)); then
  tail -n 60 "$work/log"
  echo "fuzzing found a failure; the input is in $build/artifacts/"
  exit 1
fi
grep -E '^(stat::number_of_executed_units|stat::new_units_added)|^Done' "$work/log"
echo "fuzzed the .alg reader for ${seconds} s: no failure"
