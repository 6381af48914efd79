#!/usr/bin/env python3
"""Chooses the rows of the fact table (lemmes-faits.tsv) that the lexicon
still lacks, as candidates for new headwords whose French meanings are then
written by hand (genere_classique.py joins the two):

- classical headwords (age X or C) of frequency grades A to D;
- the lemmas of the forms of the classical form list that the analyser does
  not recognise, as Whitaker's Words identifies them (only the lemma and the
  part of speech are read from its output, never its English meanings).

    python3 outils/donnees/candidats_classiques.py build/bin/lemmatise \\
        ../shared/corpus/classique/formes.tsv CANDIDATS.tsv [OCCURRENCES_MIN]

Needs the Debian package whitakers-words.  Rows are written most needed
first (by the occurrences of the forms that need them), in the columns of
the fact table plus `besoin`.
"""
import collections
import csv
import os
import re
import subprocess
import sys

import genere_lexique as g
import modeles

FAITS = os.path.join(g.ICI, '..', '..', '..', 'shared', 'data', 'lemmes-faits.tsv')
# Whitaker's Words' part of speech for the models of each part.
POS_DU_MODELE = {m: {'nom': 'N', 'adjectif': 'ADJ', 'verbe': 'V', 'pronom': 'PRON',
                     'invariable': 'INV'}[p] for m, p in modeles.PARTIE.items()}
# A headword line of Whitaker's Words: the dictionary form, two blanks, the
# part of speech, and the five-letter code in brackets.
LIGNE_DICTIONNAIRE = re.compile(
    r'^(\S[^\[]*?)\s{2,}(N|V|ADJ|ADV|PREP|CONJ|INTERJ|PRON|NUM)\b.*\[(\w{5})\]')


def groupe(pos):
    return pos if pos in ('N', 'ADJ', 'V', 'PRON') else 'INV'


def presents():
    """(key, part of speech group) of every entry of the lexicon sources."""
    vus = set()
    for nom in os.listdir(g.DATA):
        if nom.startswith('lexique') and nom.endswith('.txt'):
            for ligne in open(os.path.join(g.DATA, nom), encoding='utf-8'):
                c = ligne.rstrip('\n').split('\t')
                if ligne.strip() and not ligne.startswith('#') and len(c) >= 2:
                    vus.add((c[0], POS_DU_MODELE.get(c[1], 'INV')))
    return vus


def inconnues(lemmatise, formes, minimum):
    """The forms written at least `minimum` times that the analyser misses."""
    sortie = subprocess.run([lemmatise, '--couverture', formes, '--manques', '999999'],
                            capture_output=True, text=True, check=True).stdout
    resultat = []
    for ligne in sortie.splitlines()[3:]:
        n, _, forme = ligne.partition('\t')
        if n.isdigit() and int(n) >= minimum and re.fullmatch(r'[A-Za-z]+', forme):
            resultat.append((forme, int(n)))
    return resultat


def lemmes_de(formes):
    """(form, [(lemma, part of speech)]) as Whitaker's Words reads each form."""
    entree = '\n'.join(f for f, _ in formes) + '\n\n\n'
    sortie = subprocess.run(['whitakers-words'], input=entree, capture_output=True,
                            text=True).stdout
    # Its prompt "=>" opens the answer to each line read.
    for (forme, n), bloc in zip(formes, sortie.split('=>')[1:]):
        lemmes = []
        for ligne in bloc.split('\n'):
            m = LIGNE_DICTIONNAIRE.match(ligne)
            if m:
                tete = re.sub(r'\d', '', m.group(1).split(',')[0].strip())
                tete = tete.replace('v', 'u').replace('j', 'i').replace('V', 'U').replace('J', 'I')
                lemmes.append((tete.lower(), groupe(m.group(2))))
        yield forme, n, lemmes


def faisable(r):
    """Whether genere_lexique.py can turn the row into an entry."""
    pos = r['pos']
    if ' ' in r['lemme'] or '.' in r['lemme'] or 'abrév.' in r['parties_principales']:
        return False
    if pos == 'N':
        return r['decl'].startswith('9') or g.nom(r) is not None
    if pos == 'ADJ':
        return r['decl'].startswith('9') or g.adjectif(r) is not None
    if pos == 'V':
        return g.verbe(r) is not None
    return pos in g.INVARIABLE


def main():
    lemmatise, formes, sortie = sys.argv[1:4]
    minimum = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    lignes = list(csv.DictReader(open(FAITS, encoding='utf-8'), delimiter='\t'))
    deja = presents()
    manque = lambda r: (r['lemme'], groupe(r['pos'])) not in deja
    choisis = {r['lignes_ww']: r for r in lignes
               if r['freq'] in 'ABCD' and r['age'] in ('X', 'C') and manque(r)}
    par_lemme = collections.defaultdict(list)
    for r in lignes:
        par_lemme[(r['lemme'].lower(), groupe(r['pos']))].append(r)
    besoin = collections.Counter()
    for forme, n, lemmes in lemmes_de(inconnues(lemmatise, formes, minimum)):
        for cle in lemmes:
            for r in par_lemme.get(cle, []):
                if manque(r):
                    besoin[r['lignes_ww']] += n
                    choisis[r['lignes_ww']] = r
    gardes = sorted((r for r in choisis.values() if faisable(r)),
                    key=lambda r: (-besoin[r['lignes_ww']], r['freq'], r['lemme'].lower()))
    champs = ['lignes_ww', 'lemme', 'parties_principales', 'pos', 'classe', 'decl', 'genre',
              'sorte', 'freq', 'age']
    with open(sortie, 'w', encoding='utf-8') as f:
        f.write('\t'.join(champs + ['besoin']) + '\n')
        for r in gardes:
            f.write('\t'.join([r[c] for c in champs] + [str(besoin[r['lignes_ww']])]) + '\n')
    print(f'{len(gardes)} candidats', file=sys.stderr)


if __name__ == '__main__':
    main()
