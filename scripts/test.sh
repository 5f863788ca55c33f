#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"

if [[ "${1:-}" == "--sanitize" ]]; then
  build="$root/build-sanitize"
  bash "$root/scripts/build.sh" "$build" -DNORVALT_SANITIZE=ON
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  build="$root/build"
  bash "$root/scripts/build.sh" "$build"
fi

cd "$build"
ctest --output-on-failure --parallel "$(nproc)"
