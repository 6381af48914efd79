#!/usr/bin/env python3
"""Drafting aid for data/lexique-classique.txt, the headwords of classical
literature added on top of data/lexique.txt.

The candidates are rows of the fact table (lemmes-faits.tsv) that the other
source files lack: classical headwords of frequency grades A to D, and the
lemmas of the classical form list's unanalysed forms.  Their French meanings
were written for this project in meaning files `id<TAB>meanings`; this script
joins facts and meanings with the rules of genere_lexique.py, and leaves out
every line whose key and model another source file already defines, so that
no entry hides another:

    python3 outils/donnees/genere_classique.py CANDIDATS.tsv SENS.tsv... > data/lexique-classique.txt

Like data/lexique.txt, the output is then the source of truth, corrected by hand.
"""
import csv
import os
import sys

import genere_lexique as g

SORTIE = 'lexique-classique.txt'


def cles_modeles_existants():
    """(key, model) of every entry of the other source files."""
    vus = set()
    for nom in os.listdir(g.DATA):
        if nom.startswith('lexique') and nom.endswith('.txt') and nom != SORTIE:
            for ligne in open(os.path.join(g.DATA, nom), encoding='utf-8'):
                champs = ligne.rstrip('\n').split('\t')
                if ligne.strip() and not ligne.startswith('#') and len(champs) >= 2:
                    vus.add((champs[0], champs[1]))
    return vus


def corrige(faits):
    """Applies corrections-classique.tsv: facts of the table found wrong while
    the meanings were written, and rows to leave out."""
    for l in open(os.path.join(g.ICI, 'corrections-classique.tsv'), encoding='utf-8'):
        if l.startswith('#') or not l.strip():
            continue
        id_, *changes = l.rstrip('\n').split('\t')
        if changes == ['supprime']:
            faits.pop(id_, None)
            continue
        for c in changes:
            champ, valeur = c.split('=', 1)
            faits[id_][champ] = valeur


def main():
    faits = {r['lignes_ww']: r for r in csv.DictReader(
        open(os.path.join(g.ICI, '..', '..', '..', 'shared', 'data', 'lemmes-faits.tsv'), encoding='utf-8'),
        delimiter='\t')}
    corrige(faits)
    candidats = [faits[r['lignes_ww']] for r in
                 csv.DictReader(open(sys.argv[1], encoding='utf-8'), delimiter='\t')
                 if r['lignes_ww'] in faits]
    sens = {}
    for f in sys.argv[2:]:
        for l in open(f, encoding='utf-8'):
            l = l.rstrip('\n')
            if '\t' in l and not l.startswith('#'):
                i, s = l.split('\t', 1)
                if s.strip():
                    sens[i.strip()] = s.strip()
    existants = cles_modeles_existants()
    brutes, sans_sens = [], 0
    for r in candidats:
        s = sens.get(r['lignes_ww'].strip())
        if not s:
            sans_sens += 1
            continue
        if r['lemme'] in g.VARIANTES_IRREGULIERES or r['lemme'] in g.DEJA_IRREGULIERS:
            continue
        brutes += [l.split('\t') for l in g.lignes_de(r, s)]
    # An entry wins over a cross-reference of the same key and model; entries
    # of the same key and model are homographs only when their dictionary
    # information differs (os, oris and os, ossis); nothing another source file
    # already defines is repeated.
    entrees = {(c[0], c[1]) for c in brutes if not c[5].startswith('cf. ')}
    sortie, vus = [], set()
    for c in brutes:
        renvoi = c[5].startswith('cf. ')
        if (c[0], c[1]) in existants or (renvoi and (c[0], c[1]) in entrees):
            continue
        cle = (c[0], c[1]) if renvoi else (c[0], c[1], c[5].split(' : ')[0])
        # The fact table repeats some headwords with slightly different facts;
        # the same meaning under the same key and model is kept once.
        meme_sens = None if renvoi else (c[0], c[1], c[5].split(' : ', 1)[-1])
        if cle in vus or (meme_sens is not None and meme_sens in vus):
            continue
        vus.add(cle)
        if meme_sens is not None:
            vus.add(meme_sens)
        sortie.append('\t'.join(c))
    print('# Lexique classique : mots des auteurs scolaires ajoutés au lexique principal.')
    print('# clé, modèle, genre, radicaux A, radicaux B, sens (« informations : sens français »).')
    for l in sortie:
        print(l)
    print(f'{len(sortie)} lignes, {sans_sens} candidats sans sens', file=sys.stderr)


if __name__ == '__main__':
    main()
