#!/usr/bin/env bash
# Builds the libFuzzer targets of the core with clang and runs each for a
# bounded time (default 40 s) from its seed corpus: the loader of
# quirandole.lex, the analysis, the French conjugator, the vocabulary of a
# text. An input that takes
# over 1 s is a finding like a crash. Exits non-zero on any finding (crash,
# leak, sanitizer report, timeout, oversized allocation) and prints, per
# target, the executions and the slowest input.
#   fuzz/lance.sh [SECONDES]    build folder: $LECTURIEL_FUZZ_BUILD or build-fuzz/
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
duree=${1:-40}
build=${LECTURIEL_FUZZ_BUILD:-$racine/build-fuzz}

# The fuzzing toolchain (clang, libFuzzer) is installed here, not for every build.
"$racine/outils/dependances.sh" --fuzz
cmake -S "$racine" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLECTURIEL_FUZZ=ON -DLECTURIEL_FENETRE=OFF -DLECTURIEL_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_chargement fuzz_analyse fuzz_conjugue fuzz_vocabulaire

# cible, seed corpus, longest input
for ligne in "fuzz_chargement corpus 4096" "fuzz_analyse corpus-analyse 1024" "fuzz_conjugue corpus-conjugue 128" \
  "fuzz_vocabulaire corpus-vocabulaire 8192"; do
  read -r cible graines longueur <<<"$ligne"
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  travail=$racine/fuzz/corpus-run/$cible
  mkdir -p "$travail"
  journal=$build/$cible.journal
  if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$build/bin/$cible" -max_total_time="$duree" \
    -max_len="$longueur" -malloc_limit_mb=256 -timeout=1 -report_slow_units=0 -print_final_stats=1 \
    -artifact_prefix="$build/$cible-" "$travail" "$racine/fuzz/$graines" >"$journal" 2>&1; then
    tail -n 60 "$journal"
    echo "fuzz : anomalie trouvée par $cible" >&2
    exit 1
  fi
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$journal" | grep -o '[0-9]*$')
  # libFuzzer times its slowest input in whole seconds only: the corpus it
  # kept is run again, one input at a time, for figures in milliseconds.
  lente=$(find "$travail" "$racine/fuzz/$graines" -type f -print0 |
    xargs -0 -n 2000 "$build/bin/$cible" 2>&1 | grep -o 'Executed .* in [0-9]* ms' |
    grep -o '[0-9]* ms$' | sort -n | tail -1)
  echo "fuzz : $cible, $executions exécutions en $duree s, entrée la plus lente du corpus ${lente:-?}, aucune anomalie"
done
