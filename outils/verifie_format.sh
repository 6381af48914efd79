#!/usr/bin/env bash
# Checks, without changing anything, that C++ files follow the project's
# .clang-format: every tracked .cpp/.h file, or only the files named.
# Lists the files that clang-format would change and fails if there is one.
#   outils/verifie_format.sh [FICHIER...]
# To format them: clang-format -i FICHIER...
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"

"$racine/outils/dependances.sh" --format

if (($# > 0)); then
  fichiers=("$@")
else
  mapfile -d '' fichiers < <(git ls-files -z -- '*.cpp' '*.h' '*.hpp' '*.cc')
fi

a_formater=()
for fichier in "${fichiers[@]}"; do
  if [ ! -f "$fichier" ]; then
    echo "verifie_format.sh : fichier introuvable : $fichier" >&2
    exit 2
  fi
  if ! clang-format --style=file --dry-run --Werror "$fichier" >/dev/null 2>&1; then
    a_formater+=("$fichier")
  fi
done

if ((${#a_formater[@]} > 0)); then
  echo "Fichiers C++ hors du format du projet (.clang-format) : ${#a_formater[@]} sur ${#fichiers[@]}" >&2
  printf '  %s\n' "${a_formater[@]}" >&2
  echo "Pour les formater : clang-format -i FICHIER..." >&2
  exit 1
fi
echo "format : ${#fichiers[@]} fichiers C++ conformes à .clang-format"
