#!/usr/bin/env python3
"""Builds data/rangs.txt, the rank of each headword in classical Latin, from
the form counts of the classical corpus, through the analyser itself.

Each form of the count list is analysed by `lemmatise --tsv`; its count is
shared equally among the headwords (headword and model) it may belong to, so
that an ambiguous form does not make all its headwords frequent at once.
Headwords are then ranked by their share, most frequent first (equal shares
in alphabetical order).  Forms the analyser does not know count for nothing.

Run from the root of the repository once the lexicon is built:
    python3 outils/donnees/rangs_frequence.py [build/bin/lemmatise] [formes.tsv] [sortie]
Defaults: build/bin/lemmatise, ../shared/corpus/classique/formes.tsv,
data/rangs.txt.  Regenerate it whenever the lexicon changes much.
"""
import collections
import os
import subprocess
import sys

from modeles import INVARIABLE, MODELES

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.normpath(os.path.join(ICI, '..', '..'))


def lis_formes(chemin):
    formes = []
    with open(chemin, encoding='utf-8') as f:
        for numero, ligne in enumerate(f, 1):
            champs = ligne.rstrip('\r\n').split('\t')
            if numero == 1 and champs[0] == 'forme':
                continue
            if len(champs) != 2 or not champs[1].isdigit():
                sys.exit(f'{chemin}:{numero}: deux champs attendus (forme, occurrences)')
            formes.append((champs[0], int(champs[1])))
    return formes


def vedettes_des_formes(lemmatise, formes):
    """form -> set of (headword, model number), from one run of the analyser."""
    entree = ''.join(forme + '\n' for forme, _ in formes)
    sortie = subprocess.run([lemmatise, '--tsv'], input=entree, capture_output=True,
                            text=True, encoding='utf-8', check=True).stdout
    vedettes = collections.defaultdict(set)
    for ligne in sortie.splitlines():
        champs = ligne.split('\t')
        if len(champs) != 6 or champs[1] == '?':
            continue
        modele = int(champs[3]) if champs[3] else INVARIABLE
        vedettes[champs[0]].add((champs[1], modele))
    return vedettes


def main():
    lemmatise = sys.argv[1] if len(sys.argv) > 1 else os.path.join(RACINE, 'build', 'bin', 'lemmatise')
    chemin_formes = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        RACINE, '..', 'shared', 'corpus', 'classique', 'formes.tsv')
    chemin_sortie = sys.argv[3] if len(sys.argv) > 3 else os.path.join(RACINE, 'data', 'rangs.txt')

    formes = lis_formes(chemin_formes)
    vedettes = vedettes_des_formes(lemmatise, formes)
    parts = collections.Counter()
    analyses = 0
    for forme, nombre in formes:
        lesquelles = vedettes.get(forme)
        if not lesquelles:
            continue
        analyses += nombre
        for v in lesquelles:
            parts[v] += nombre / len(lesquelles)
    classees = sorted(parts.items(), key=lambda p: (-p[1], p[0][0], p[0][1]))
    total = sum(n for _, n in formes)
    with open(chemin_sortie, 'w', encoding='utf-8', newline='\n') as s:
        s.write('# Rang de chaque vedette en latin classique (la plus fréquente d\'abord) : rang, vedette, modèle.\n')
        s.write('# Fichier produit par outils/donnees/rangs_frequence.py ; ne pas modifier à la main.\n')
        s.write(f'# {len(formes)} formes, {total} occurrences, dont {analyses} analysées.\n')
        for rang, ((vedette, modele), _) in enumerate(classees, 1):
            s.write(f'{rang}\t{vedette}\t{MODELES[modele]}\n')
    print(f'{len(classees)} vedettes classées ; {analyses} occurrences analysées sur {total}',
          file=sys.stderr)


if __name__ == '__main__':
    main()
