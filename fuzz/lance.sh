#!/usr/bin/env bash
# Builds the libFuzzer target over the loader with clang and runs it for a
# bounded time (default 60 s) from the seed corpus. Exits non-zero on any
# finding (crash, leak, sanitizer report, timeout, oversized allocation).
#   fuzz/lance.sh [SECONDES]    build folder: $LECTURIEL_FUZZ_BUILD or build-fuzz/
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
duree=${1:-60}
build=${LECTURIEL_FUZZ_BUILD:-$racine/build-fuzz}

# The fuzzing toolchain (clang, libFuzzer) is installed here, not for every build.
"$racine/outils/dependances.sh" --fuzz
cmake -S "$racine" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLECTURIEL_FUZZ=ON -DLECTURIEL_FENETRE=OFF -DLECTURIEL_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_chargement

# New inputs go to a scratch corpus; the committed seeds stay as they are.
travail=$racine/fuzz/corpus-run
mkdir -p "$travail"
"$build/bin/fuzz_chargement" -max_total_time="$duree" -max_len=4096 -malloc_limit_mb=256 \
  -timeout=10 -print_final_stats=1 -artifact_prefix="$build/" "$travail" "$racine/fuzz/corpus"
echo "fuzz : aucune anomalie en $duree s"
