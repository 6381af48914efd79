#!/bin/sh
# Builds the RTF reader's fuzz target with clang and runs it for about a
# minute (FUZZ_SECONDES to change). Exits non-zero on any crash, leak or
# undefined behaviour found; the failing input is left in the build folder.
set -eu
source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
build_dir=${1:-${source_dir}/build-fuzz-rtf}
secondes=${FUZZ_SECONDES:-60}

# The fuzzing toolchain (clang, libFuzzer) is installed here, not for every build.
"$source_dir/outils/dependances.sh" --fuzz
cmake -S "$source_dir" -B "$build_dir" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLECTURIEL_FUZZ=ON -DLECTURIEL_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" -j2 --target fuzz_rtf

work="$build_dir/fuzz-rtf"
mkdir -p "$work/corpus"
cp "$source_dir/princ/fichiers/fuzz/corpus/"* "$work/corpus/"
cd "$work"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$build_dir/bin/fuzz_rtf" -max_total_time="$secondes" -max_len=4096 -timeout=10 \
  -print_final_stats=1 corpus
