#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Lecturiel builds with, only
# those missing (apt-get update first in that case). Runs as root, or
# through sudo otherwise. Without argument: what the program needs to build
# and run; each argument adds what one more task needs.
#   outils/dependances.sh [--tests] [--bench] [--fuzz] [--format] [--paquet]
set -euo pipefail

# The program: compiler, build tools, Qt Widgets, and Qt's
# own translations, which put its dialogs in French.
paquets=(cmake make pkg-config g++ qt6-base-dev qt6-translations-l10n)

for tache in "$@"; do
  case $tache in
    # verbiste is the French conjugation oracle of a test; unzip reads back
    # the OpenDocument files the window tests save; python3 runs the
    # generators of data/ that two tests compare with the files.
    --tests) paquets+=(libgtest-dev libgmock-dev verbiste unzip python3)
      # whitakers-words is the oracle of the Latin inflection tables.
      paquets+=(whitakers-words) ;;
    --bench) paquets+=(libbenchmark-dev) ;;
    # clang with its libFuzzer and sanitizer runtimes.
    --fuzz) paquets+=(clang libclang-rt-14-dev) ;;
    --format) paquets+=(clang-format) ;;
    # cpack -G DEB: dpkg-shlibdeps (dpkg-dev) and file find the dependencies;
    # lintian checks the package.
    --paquet) paquets+=(dpkg-dev file lintian) ;;
    # The browser edition (web/): Emscripten and the acorn its linker runs;
    # Chromium, its driver and Selenium for the tests in a real browser.
    --web) paquets+=(emscripten node-acorn nodejs chromium chromium-driver python3-selenium libgtest-dev) ;;
    *)
      echo "dependances.sh : option inconnue « $tache » (attendu : --tests, --bench, --fuzz, --format, --paquet)" >&2
      exit 2
      ;;
  esac
done

manquants=()
for paquet in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$paquet")
  fi
done

if ((${#manquants[@]} > 0)); then
  echo "Paquets à installer : ${manquants[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${manquants[@]}"
fi
