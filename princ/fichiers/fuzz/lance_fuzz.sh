#!/bin/sh
# Builds the fuzz targets of the window's file readers (RTF, configuration,
# notes, whole text files) with clang and runs each for a bounded time
# (FUZZ_SECONDES, default 40 s). An input that takes over 1 s is a finding
# like a crash. Exits non-zero on any crash, leak, undefined behaviour or
# slow input (the failing input is left in the build folder) and prints, per
# target, the executions and the slowest input of the corpus.
set -eu
source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
build_dir=${1:-${source_dir}/build-fuzz-rtf}
secondes=${FUZZ_SECONDES:-40}

# The fuzzing toolchain (clang, libFuzzer) is installed here, not for every build.
"$source_dir/outils/dependances.sh" --fuzz
cmake -S "$source_dir" -B "$build_dir" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLECTURIEL_FUZZ=ON -DLECTURIEL_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" -j2 --target fuzz_rtf fuzz_ini fuzz_notes fuzz_texte

for nom in rtf ini notes texte; do
  cible=fuzz_$nom
  work="$build_dir/$cible"
  mkdir -p "$work/corpus"
  cp "$source_dir/princ/fichiers/fuzz/corpus-$nom/"* "$work/corpus/"
  journal="$work/journal"
  if ! (cd "$work" && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build_dir/bin/$cible" -max_total_time="$secondes" -max_len=4096 -timeout=1 \
    -print_final_stats=1 corpus >"$journal" 2>&1); then
    tail -n 60 "$journal"
    echo "fuzz : anomalie trouvée par $cible (entrée dans $work)" >&2
    exit 1
  fi
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$journal" | grep -o '[0-9]*$')
  # libFuzzer times its slowest input in whole seconds only: the corpus it
  # kept is run again, one input at a time, for figures in milliseconds.
  lente=$(find "$work/corpus" -type f -print0 | xargs -0 -n 2000 "$build_dir/bin/$cible" 2>&1 |
    grep -o 'Executed .* in [0-9]* ms' | grep -o '[0-9]* ms$' | sort -n | tail -1)
  echo "fuzz : $cible, $executions exécutions en $secondes s, entrée la plus lente du corpus ${lente:-?}, aucune anomalie"
done
