#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the layer check, the
# unit tests under AddressSanitizer and UndefinedBehaviorSanitizer, the GL
# tests under Xvfb, the end-to-end tests against the real program under
# Xorg's dummy driver, and a short fuzzing run of the algorithm file reader.
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e
ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt" "$QUOVADRIN_ROOT/scripts/packages-test.txt"

echo "== Building (sanitizers: unit tests, the program for the random-input test)"
build_tree "$QUOVADRIN_ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DQUOVADRIN_SANITIZE=ON \
  -DQUOVADRIN_GL=ON -DQUOVADRIN_BENCH=OFF -- unit_tests quovadrin quovadrin_data quovadrin_alg_check
echo "== Building (program, GL tests, benchmarks)"
build_tree "$QUOVADRIN_ROOT/build/test" -DCMAKE_BUILD_TYPE=Release
set +e

failures=()
run_step() { # run_step NAME COMMAND...
  echo "== $1"
  if "${@:2}"; then
    echo "-- $1: passed"
  else
    echo "-- $1: FAILED"
    failures+=("$1")
  fi
}

export QUOVADRIN_BUILD="$QUOVADRIN_ROOT/build/test"
export QUOVADRIN_ASAN_BUILD="$QUOVADRIN_ROOT/build/sanitize"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_step "layer check" "$QUOVADRIN_ROOT/scripts/check-layers.sh"
for test in "$QUOVADRIN_ROOT"/tests/scripts/*_test.sh; do
  run_step "scripts: $(basename "$test" .sh)" bash "$test"
done
run_step "unit tests" "$QUOVADRIN_ROOT/build/sanitize/tests/unit/unit_tests" --gtest_brief=1
if [[ -x "$QUOVADRIN_ROOT/tests/gl/run_gl_tests.sh" ]]; then
  run_step "GL tests" "$QUOVADRIN_ROOT/tests/gl/run_gl_tests.sh"
fi
for test in "$QUOVADRIN_ROOT"/tests/e2e/*_test.sh; do
  run_step "end-to-end: $(basename "$test" .sh)" bash "$test"
done
if [[ -x "$QUOVADRIN_ROOT/tests/fuzz/run_fuzz.sh" ]]; then
  run_step "fuzzing" "$QUOVADRIN_ROOT/tests/fuzz/run_fuzz.sh"
fi

if ((${#failures[@]})); then
  echo "== FAILED: ${failures[*]}"
  exit 1
fi
echo "== All tests passed"
