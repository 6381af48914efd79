#!/usr/bin/env python3
"""Builds data/rangs.txt, the rank of each headword in classical Latin, from
the lemmatised and tagged classical text: each occurrence counts for its own
lemma (the headword and model of the readings entraine_contexte.py maps it
to), instead of sharing a form's count among all its homographs.  An
occurrence whose lemma the lexicon does not give counts for nothing.
Headwords are ranked by their count, most frequent first (equal counts in
alphabetical order); one line per headword: rank, headword, model (read by morpho/rangs_frequence.h).

Run from the root of the repository once the lexicon is built:
    python3 outils/contexte/rangs_contexte.py [build/bin/lemmatise] [sortie]
"""
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import entraine_contexte as ec  # noqa: E402

MODELES = ['uita', 'amicus', 'puer', 'ager', 'templum', 'miles', 'ciuis', 'corpus', 'mare',
           'manus', 'res', 'bonus', 'miser', 'pulcher', 'fortis', 'uetus', 'acer', 'amo',
           'moneo', 'lego', 'capio', 'audio', 'sum', 'eo', 'imitor', 'uereor', 'sequor',
           'patior', 'potior', 'pronoms', 'invaria']


def main():
    lemmatise = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ec.RACINE, 'build', 'bin', 'lemmatise')
    sortie = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ec.RACINE, 'data', 'rangs.txt')
    phrases = list(ec.phrases_classiques())
    lectures = ec.lectures_des_formes(lemmatise, sorted({m[0] for p in phrases for m in p}))
    comptes = collections.Counter()
    mots = rattaches = 0
    for phrase in phrases:
        for i, (forme, lemme, partie, traits) in enumerate(phrase):
            mots += 1
            ls = lectures.get(forme)
            if not ls:
                continue
            retenues, trouve = ec.choisit(ls, lemme, partie, traits, ec.cas_suivant(phrase, i))
            if not trouve:
                continue
            rattaches += 1
            vedettes = sorted({(l[0], l[2]) for l in retenues})
            for v in vedettes:
                comptes[v] += 1 / len(vedettes)
    classees = sorted(comptes.items(), key=lambda p: (-round(p[1], 6), p[0][0], p[0][1]))
    with open(sortie, 'w', encoding='utf-8', newline='\n') as s:
        s.write('# Rang de chaque vedette en latin classique (la plus fréquente d\'abord) : rang, vedette, modèle.\n')
        s.write('# Fichier produit par outils/contexte/rangs_contexte.py ; ne pas modifier à la main.\n')
        s.write(f'# {mots} mots du texte classique étiqueté, dont {rattaches} rattachés à leur lemme.\n')
        for rang, ((vedette, modele), _) in enumerate(classees, 1):
            s.write(f'{rang}\t{vedette}\t{MODELES[modele]}\n')
    print(f'{len(classees)} vedettes classées ; {rattaches} mots rattachés sur {mots}', file=sys.stderr)


if __name__ == '__main__':
    main()
