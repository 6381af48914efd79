#!/usr/bin/env bash
# Builds the core, the tools and their tests (no window) with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs the tests: a
# read of freed memory, an overflow or an undefined operation anywhere they
# reach fails the run. Optimised a little (-O1) so that it keeps to minutes.
#   outils/sanitizers.sh [DOSSIER]    build folder, build-sanitizers/ by default
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$racine/build-sanitizers}

drapeaux="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
cmake -S "$racine" -B "$build" --no-warn-unused-cli -DCMAKE_BUILD_TYPE= -DBUILD_TESTING=ON \
  -DLECTURIEL_FENETRE=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DLECTURIEL_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$drapeaux" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2
# The tests that replace operator new pair it with free on purpose.
ASAN_OPTIONS=detect_stack_use_after_return=1:alloc_dealloc_mismatch=0:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$build" --output-on-failure -j2
