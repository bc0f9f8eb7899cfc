#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the layer check, the
# unit tests under AddressSanitizer and UndefinedBehaviorSanitizer, the GL
# tests under Xvfb, the end-to-end tests against the real program under
# Xorg's dummy driver (among them the Debian package, built and started), and
# a short fuzzing run of the algorithm file reader, and the web page's stories
# in Chromium (headless), Firefox ESR and WebKitGTK (both under Xvfb). A tier
# that cannot run here is named as not run, and the run fails: a green run
# has run them all.
set -uo pipefail
source "$(dirname "$0")/common.sh"
set -e
ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt" "$QUOVADRIN_ROOT/scripts/packages-test.txt" \
  "$QUOVADRIN_ROOT/scripts/packages-package.txt" "$QUOVADRIN_ROOT/scripts/packages-web.txt"
command -v npm >/dev/null || ensure_packages "$QUOVADRIN_ROOT/scripts/packages-npm.txt"

echo "== Building (sanitizers: unit tests, the program for the random-input test)"
build_tree "$QUOVADRIN_ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DQUOVADRIN_SANITIZE=ON \
  -DQUOVADRIN_GL=ON -DQUOVADRIN_BENCH=OFF -- unit_tests quovadrin quovadrin_data quovadrin_alg_check
echo "== Building (program, GL tests, benchmarks)"
build_tree "$QUOVADRIN_ROOT/build/test" -DCMAKE_BUILD_TYPE=Release
set +e

failures=()
passed=0
not_run=()
run_step() { # run_step NAME COMMAND...
  echo "== $1"
  if "${@:2}"; then
    echo "-- $1: passed"
    passed=$((passed + 1))
  else
    echo "-- $1: FAILED"
    failures+=("$1")
  fi
}

# run_tier NAME NEEDED... -- COMMAND...: run_step, unless a program (or, given
# as a path, a file) the tier needs is missing; then the tier is reported as
# not run.
run_tier() {
  local name=$1 missing=()
  shift
  while (($#)) && [[ "$1" != "--" ]]; do
    if [[ "$1" == /* ]]; then
      [[ -x "$1" ]] || missing+=("$1")
    else
      command -v "$1" >/dev/null || missing+=("$1")
    fi
    shift
  done
  shift
  if ((${#missing[@]})); then
    echo "== $name"
    echo "-- $name: NOT RUN, missing: ${missing[*]}"
    not_run+=("$name")
    return
  fi
  run_step "$name" "$@"
}

export QUOVADRIN_BUILD="$QUOVADRIN_ROOT/build/test"
export QUOVADRIN_ASAN_BUILD="$QUOVADRIN_ROOT/build/sanitize"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

x_tools=(Xorg Xvfb xdotool import convert xdpyinfo "$QUOVADRIN_BUILD/quovadrin")
run_step "layer check" "$QUOVADRIN_ROOT/scripts/check-layers.sh"
for test in "$QUOVADRIN_ROOT"/tests/scripts/*_test.sh; do
  run_step "scripts: $(basename "$test" .sh)" bash "$test"
done
run_step "unit tests" "$QUOVADRIN_ROOT/build/sanitize/tests/unit/unit_tests" --gtest_brief=1
gl_tests="$QUOVADRIN_ROOT/tests/gl/run_gl_tests.sh"
run_tier "GL tests" Xvfb "$gl_tests" "$QUOVADRIN_BUILD/tests/gl/gl_tests" -- "$gl_tests"
for test in "$QUOVADRIN_ROOT"/tests/e2e/*_test.sh; do
  needs=("${x_tools[@]}")
  [[ "$test" == */package_test.sh ]] && needs+=(cpack dpkg-deb dpkg-shlibdeps desktop-file-validate lintian appstreamcli man)
  [[ "$test" == */vector_picture_test.sh || "$test" == */render_test.sh ]] &&
    needs+=(xmllint rsvg-convert)
  run_tier "end-to-end: $(basename "$test" .sh)" "${needs[@]}" -- bash "$test"
done
fuzz="$QUOVADRIN_ROOT/tests/fuzz/run_fuzz.sh"
run_tier "fuzzing" clang++ "$fuzz" -- "$fuzz"
web_tests="$QUOVADRIN_ROOT/tests/web/run_web_tests.sh"
run_tier "browser" emcc esbuild python3 chromium firefox-esr WebKitWebDriver Xvfb xdotool import faketime pdftotext zbarimg \
  node npm \
  "$QUOVADRIN_BUILD/tools/quovadrin_alg_check" "$QUOVADRIN_BUILD/quovadrin" -- "$web_tests"

echo "steps: $passed passed, ${#failures[@]} failed, ${#not_run[@]} skipped"
status=0
if ((${#failures[@]})); then
  echo "== FAILED: ${failures[*]}"
  status=1
fi
if ((${#not_run[@]})); then
  echo "== NOT RUN: ${not_run[*]}"
  status=1
fi
((status == 0)) && echo "== All tests passed"
exit $status
