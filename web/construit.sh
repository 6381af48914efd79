#!/usr/bin/env bash
# Builds the browser edition into a folder of static files:
#   web/construit.sh SORTIE
# SORTIE receives index.html, the page's modules and style, the WebAssembly
# core (lecturiel.js, lecturiel.wasm), quirandole.lex and rangs.txt. Any web
# server can serve the folder as it is. The build tree is build-web at the
# top of the sources (LECTURIEL_CONSTRUCTION_WEB names another), configured
# with the CMake options of LECTURIEL_OPTIONS_WEB besides these (the tests
# use it); it needs Debian's emscripten and node-acorn
# (outils/dependances.sh --web).
set -euo pipefail
if (($# != 1)); then
  echo "usage : web/construit.sh SORTIE" >&2
  exit 2
fi
sortie=$1
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${LECTURIEL_CONSTRUCTION_WEB:-$racine/build-web}
# Emscripten's linker runs acorn, which Debian installs outside Node's path.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi

# C++ exceptions carry the core's French messages: they must be caught.
# The tools and the tests of this build run under Node on the real file
# system (the lexicon is compiled by the tool at build time); the page's
# module turns that off for itself. Node's own fetch cannot load a .wasm
# from a path, which this Emscripten tries first: it is turned off. The
# tools and tests are linked with light optimisation (the slowest step of
# the build by far); the page's module asks for full optimisation itself.
emcmake cmake -S "$racine" -B "$construction" --no-warn-unused-cli \
  -DCMAKE_BUILD_TYPE=Release -DLECTURIEL_FENETRE=OFF -DBUILD_TESTING=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" -DCMAKE_CXX_FLAGS="-fexceptions" \
  -DCMAKE_EXE_LINKER_FLAGS="-fexceptions -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1" -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-O1 \
  ${LECTURIEL_OPTIONS_WEB:-} >/dev/null
cmake --build "$construction" -j2 --target lecturiel_web quirandole_lex

mkdir -p "$sortie"
cp "$racine"/web/page/* "$sortie"/
cp "$construction"/web/lecturiel.js "$construction"/web/lecturiel.wasm "$sortie"/
cp "$construction"/bin/quirandole.lex "$construction"/bin/rangs.txt "$sortie"/
echo "Édition web construite dans $sortie"
