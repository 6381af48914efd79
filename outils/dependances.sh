#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Lecturiel builds with, only
# those missing (apt-get update first in that case). Runs as root, or
# through sudo otherwise. qt6-translations-l10n puts Qt's own dialogs in
# French.
set -euo pipefail

paquets=(cmake make pkg-config g++ libgtest-dev libgmock-dev libbenchmark-dev
         clang libclang-rt-14-dev qt6-base-dev libinih-dev
         qt6-translations-l10n unzip verbiste)

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
