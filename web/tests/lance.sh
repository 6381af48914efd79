#!/usr/bin/env bash
# The browser edition's tests, as CI runs them:
#   web/tests/lance.sh [SORTIE]
# 1. the core's tests that concern the browser, built to WebAssembly and run
#    by CTest under Node (GoogleTest itself is first built for WebAssembly
#    from Debian's sources, once per build tree);
# 2. the edition built into SORTIE (a scratch folder by default) and tested
#    in headless Chromium (navigateur.py), the bubble compared with the
#    lemmatise tool of the same build.
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
construction=${LECTURIEL_CONSTRUCTION_WEB:-$racine/build-web}
sortie=${1:-$construction/site}
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi

gtest=$construction/googletest-wasm
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  emcmake cmake -S /usr/src/googletest -B "$construction/googletest" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest" -DCMAKE_CXX_FLAGS=-fexceptions -Dgtest_disable_pthreads=ON >/dev/null
  cmake --build "$construction/googletest" -j2 >/dev/null
  cmake --install "$construction/googletest" >/dev/null
fi

LECTURIEL_CONSTRUCTION_WEB=$construction \
  LECTURIEL_OPTIONS_WEB="-DBUILD_TESTING=ON -DCMAKE_FIND_ROOT_PATH=$gtest -DGTest_DIR=$gtest/lib/cmake/GTest" \
  "$racine/web/construit.sh" "$sortie"

# The core's tests that make sense in a browser: word cut, analysis, links,
# French generation, the lexicon checked, and the edition's own questions to
# the core (TEdition, the reading of picked files included). Only these are
# built; CTest runs what was built (the
# other executables stand as *_NOT_BUILT), without the tests that run the
# build's native tools or compilers (donnees.*, bornes_fichiers_particuliers, the round trip through the
# sources, the missing-lexicon and compile-failure checks). The unit tests
# of lexical/ and fichiers/ do not compile with Emscripten's clang 14
# and stay native.
tests=(pointeur_tests morpho_tests syntaxe_tests syntaxe_lexique_tests flexion_tests
  traduction_tests rendus_tests edition_tests lemmatise)
cmake --build "$construction" -j2 --target "${tests[@]}"
# One at a time: under Emscripten every process has the same id, which the
# tests' scratch folders are named after.
ctest --test-dir "$construction" --output-on-failure \
  -E '_NOT_BUILT$|^donnees\.|^donnees_aller_retour|^morpho\.lexique_absent|^Litteral1252|^bornes_fichiers_particuliers$'

/usr/bin/python3 "$racine/web/tests/navigateur.py" "$sortie" \
  node --no-experimental-fetch "$construction/bin/lemmatise.js" --lexique "$construction/bin/quirandole.lex"
