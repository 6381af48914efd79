#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and checks it: its
# control fields and contents, lintian, an install simulated by apt, and the
# tools run from a throw-away root where the package is unpacked. Fails at
# the first fault, saying which in French.
#   installation/verifie_paquet.sh [DOSSIER_DE_CONSTRUCTION]   (build/ par défaut)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$racine/build}" && pwd)

echec() {
  echo "paquet : $*" >&2
  exit 1
}

"$racine/outils/dependances.sh" --paquet
rm -f "$build"/lecturiel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
paquets=("$build"/lecturiel_*.deb)
[ -f "${paquets[0]}" ] || echec "cpack n'a écrit aucun lecturiel_*.deb dans $build"
paquet=${paquets[0]}
echo "paquet : $paquet"
dpkg-deb --info "$paquet"

contenu=$(dpkg-deb --contents "$paquet" | awk '{print $6}')
attendus=(usr/bin/lemmatise usr/bin/lexique usr/lib/lecturiel/lemmatise
          usr/lib/lecturiel/quirandole.lex usr/share/man/man1/lemmatise.1.gz
          usr/share/man/man1/lexique.1.gz usr/share/doc/lecturiel/copyright
          usr/share/doc/lecturiel/changelog.gz)
# The model of the likeliest reading, beside the lexicon.
attendus+=(usr/lib/lecturiel/contexte.txt)
# The window and its desktop files, unless the build left the window out.
if [ -x "$build/bin/lecturiel" ]; then
  attendus+=(usr/bin/lecturiel usr/lib/lecturiel/lecturiel usr/share/man/man1/lecturiel.1.gz
             usr/share/applications/lecturiel.desktop
             usr/share/icons/hicolor/scalable/apps/lecturiel.svg
             usr/share/metainfo/lecturiel.metainfo.xml)
  dpkg-deb --field "$paquet" Depends | grep -q libqt6widgets6 ||
    echec "les dépendances ne nomment pas Qt Widgets"
fi
for fichier in "${attendus[@]}"; do
  grep -qx "./$fichier" <<<"$contenu" || echec "$fichier manque"
done

# Every dependency is known to apt, so `apt install ./lecturiel_*.deb` can
# proceed (simulated: nothing is installed).
apt-get install -s "$paquet" >/dev/null || echec "apt ne pourrait pas l'installer"

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$paquet" 2>/dev/null || echec "lintian signale des fautes"
fi

jetable=$(mktemp -d)
trap 'rm -rf "$jetable"' EXIT
dpkg -x "$paquet" "$jetable"
"$jetable/usr/bin/lexique" verifie "$jetable/usr/lib/lecturiel/quirandole.lex" ||
  echec "le lexique installé ne se charge pas"
# Through the link in bin/, lemmatise finds the lexicon beside its real file.
analyse=$("$jetable/usr/bin/lemmatise" amo) || echec "lemmatise installé ne démarre pas"
if [ -z "$analyse" ] || grep -q ' : ?$' <<<"$analyse"; then
  echec "lemmatise installé n'analyse pas un verbe courant"
fi
if command -v appstreamcli >/dev/null && [ -f "$jetable/usr/share/metainfo/lecturiel.metainfo.xml" ]; then
  # No domain name of its own yet, hence an identifier that is not reverse-DNS.
  appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$jetable/usr/share/metainfo/lecturiel.metainfo.xml" >/dev/null ||
    echec "la fiche AppStream n'est pas valide"
fi
echo "paquet : contenu, dépendances et outils vérifiés"
