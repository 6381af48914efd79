#!/usr/bin/env bash
# The command-line tools given what is no ordinary file, or a damaged
# lexicon: each must end at once (a bound of 10 s where the aim is under
# 2 s, so that only a hang fails it), with its French message on standard
# error and nothing on standard output.
# Usage: fichiers_particuliers.sh LEXIQUE_OUTIL LEMMATISE QUIRANDOLE.LEX DOSSIER
set -u
lexique=$1 lemmatise=$2 lex=$3 dossier=$4
rm -rf "$dossier" && mkdir -p "$dossier" || exit 2
echecs=0

# attend NOM STATUT MOTIF COMMANDE... : runs the command under a bound and
# checks its exit status and that stderr holds the pattern.
attend() {
  local nom=$1 statut=$2 motif=$3
  shift 3
  timeout 10 "$@" >"$dossier/sortie" 2>"$dossier/erreurs" </dev/null
  local obtenu=$?
  if [ "$obtenu" -eq 124 ]; then
    echo "ÉCHEC $nom : ne finit pas"
    echecs=$((echecs + 1))
  elif [ "$obtenu" -ne "$statut" ] || { [ -n "$motif" ] && ! grep -q -- "$motif" "$dossier/erreurs"; }; then
    echo "ÉCHEC $nom : statut $obtenu (attendu $statut), erreurs :"
    cat "$dossier/erreurs"
    echecs=$((echecs + 1))
  fi
}

mkfifo "$dossier/tube"
mkdir "$dossier/dossier"
attend "lexique verifie sur un tube" 1 "pas un fichier ordinaire" "$lexique" verifie "$dossier/tube"
attend "lemmatise --lexique sur un tube" 3 "pas un fichier ordinaire" \
  "$lemmatise" --lexique "$dossier/tube" rosa
attend "couverture de /dev/zero" 1 "pas un fichier ordinaire" "$lemmatise" --couverture /dev/zero
attend "couverture d'un dossier" 1 "c'est un dossier" "$lemmatise" --couverture "$dossier/dossier"
attend "couverture d'un tube" 1 "pas un fichier ordinaire" \
  "$lemmatise" --couverture "$dossier/tube"
attend "vocabulaire d'un tube" 1 "pas un fichier ordinaire" \
  "$lemmatise" --vocabulaire "$dossier/tube"

# A lexicon cut short: the file, the byte offset and what was expected.
head -c 5000 "$lex" >"$dossier/coupe.lex"
attend "lexique coupé" 1 "coupe.lex endommagé à l'octet [0-9]* (attendu : " \
  "$lexique" verifie "$dossier/coupe.lex"
[ -s "$dossier/sortie" ] && { echo "ÉCHEC lexique coupé : message sur la sortie"; echecs=$((echecs + 1)); }

# One letter changed in a meaning (the first "aimer"): only the checksum
# tells it; verifie fails, lemmatise warns once and analyses all the same.
position=$(grep -boa aimer "$lex" | head -1 | cut -d: -f1)
cp "$lex" "$dossier/abime.lex"
printf 'e' | dd of="$dossier/abime.lex" bs=1 seek=$((position + 1)) conv=notrunc status=none
attend "lexique abîmé vérifié" 1 "empreinte" "$lexique" verifie "$dossier/abime.lex"
attend "lexique abîmé lu" 0 "empreinte" "$lemmatise" --lexique "$dossier/abime.lex" rosa
[ "$(grep -c empreinte "$dossier/erreurs")" -eq 1 ] || { echo "ÉCHEC : avertir une fois"; echecs=$((echecs + 1)); }
grep -q "^rosa" "$dossier/sortie" || { echo "ÉCHEC : l'analyse continue"; echecs=$((echecs + 1)); }
# The shipped file verifies.
attend "lexique livré" 0 "" "$lexique" verifie "$lex"

rm -rf "$dossier"
[ "$echecs" -eq 0 ]
