#!/usr/bin/env python3
"""Builds data/irreguliers-adverbes.txt: the comparative and the superlative
of the adverbs derived from a gradable adjective of the lexicon (diligentius,
diligentissime under diligenter), read under the adverb as its degrees.

    python3 outils/donnees/genere_adverbes.py [DOSSIER_DATA] > data/irreguliers-adverbes.txt

An adverb headword of data/lexique*.txt ("adv. : ...", model invaria) takes
degrees when an adjective of the lexicon builds it:
- alte from altus, misere from miser, pulchre from pulcher (stem + e);
- fortiter from fortis, acriter from acer, feliciter from felix, diligenter
  from diligens (stem + iter, stems in -nt + er).
Its comparative is the adjective's neuter comparative (altius, diligentius),
its superlative the superlative's stem + e (altissime, acerrime, pulcherrime,
facillime).  Adjectives marked "sans degrés", adjectives on a vowel stem
(idoneus: magis idoneus) and the adjectives whose degrees are irregular are
left out, except the ones of the table below; so are the adverbs of
ECARTES, whose forms no classical text or dictionary gives.  Forms already
listed by hand (data/irreguliers-lexique.txt: saepius, melius, facilius...)
are not repeated.
"""
import glob
import os
import sys

ICI = os.path.dirname(os.path.abspath(__file__))

# Adjectives whose degrees are not built on their stem (melior, maximus)
# or not at all: their adverbs are listed in SUPPLETIFS or by hand.
ADJECTIFS_IRREGULIERS = {
    'bonus', 'malus', 'magnus', 'paruus', 'multus', 'superus', 'inferus', 'exterus', 'posterus',
    'nouus', 'uetus', 'dexter', 'sinister', 'prope', 'propior', 'citer', 'ulter', 'prior',
}

# The adjectives in -ficus, -dicus, -uolus compare on -ent- (magnificentius,
# maledicentissime).
EN_ENT = ('ficus', 'dicus', 'uolus')

# Facilis and its like have their superlative in -illimus (facillime).
EN_ILLIME = {'facilis', 'difficilis', 'similis', 'dissimilis', 'gracilis', 'humilis'}

# Degrees of another stem, as a grammar gives them: adverb -> (comparative,
# superlative); an adverb absent from the lexicon is skipped, never invented.
SUPPLETIFS = {
    'multum': ('plus', 'plurimum'),
    'tuto': ('tutius', 'tutissime'),
    'crebro': ('crebrius', 'creberrime'),
    'parum': ('minus', 'minime'),
    'magnopere': ('magis', 'maxime'),
}

# Adverbs that look derived from an adjective but whose degrees neither the
# classical texts nor Whitaker's Words give (sane, publice, nouissime, a
# superlative already, longule, a diminutive): left out rather than invented.
SANS_DEGRES_ATTESTES = set('''
    Attice abstinenter absurde admirabiliter aequabiliter aequaliter aniliter apstinenter
    apsurde arroganter athletice barbare beneuole candide communiter condigne consequenter
    continenter conuenienter credibiliter cunctanter decore definite deformiter dialectice
    dolose exiliter fataliter fortunate gelide generaliter hospitaliter hostiliter iactanter
    illiberaliter immodeste impigre inaequaliter incommode incomposite incredibiliter
    indifferenter inferne infirme ingrate inhoneste insipienter iugiter iuuenaliter
    laboriose longule madide meliuscule memoriter mire multipliciter naturaliter nouissime
    numerose obstinate odiose opipare permoleste perridicule persuasibiliter physice
    pluraliter populariter principaliter publice pueriliter pulcre qualiter rabiose remote
    ridicule sane sententiose singulariter socorditer solemniter sollemniter stolide sublime
    superne taliter tenuiter uage ueraciter uerniliter uetuste unianimiter unice uniuerse
'''.split())

# Adverbs left out for another reason.
ECARTES = {
    'tute': 'le pronom tu renforcé, non un adverbe de tutus',
    'crebre': 'crebrius et creberrime se lisent sous crebro',
}


def lis_lexique(dossier):
    """The entries of the lexicon files: (key, model, stems A, information)."""
    entrees = []
    for chemin in sorted(glob.glob(os.path.join(dossier, 'lexique*.txt'))):
        with open(chemin, encoding='utf-8') as f:
            for ligne in f:
                if not ligne.strip() or ligne.startswith('#'):
                    continue
                c = ligne.rstrip('\n').split('\t')
                if len(c) < 6:
                    continue
                info = c[5].split(' : ')[0]
                entrees.append((c[0], c[1], c[3], info))
    return entrees


def deja_listees(dossier):
    """(form, lemma) of the other irregular sources, this file's excepted."""
    paires = set()
    for chemin in sorted(glob.glob(os.path.join(dossier, 'irreguliers*.txt'))):
        if os.path.basename(chemin) == 'irreguliers-adverbes.txt':
            continue
        with open(chemin, encoding='utf-8') as f:
            for ligne in f:
                c = ligne.rstrip('\n').split('\t')
                if len(c) >= 2 and not ligne.startswith('#'):
                    paires.add((c[0], c[1]))
    return paires


def degres_adjectif(cle, modele, radicaux):
    """(adverbs, comparative, superlative) built on one adjective, or None."""
    radical = radicaux.split(',')[0] if radicaux not in ('', '-') else ''
    if modele == 'bonus' and cle.endswith('us'):
        b = cle[:-2]
        if b[-1] in 'aeiou':
            return None
        if cle.endswith(EN_ENT):
            return [b + 'e'], b + 'entius', b + 'entissime'
        return [b + 'e'], b + 'ius', b + 'issime'
    if modele == 'miser' and cle.endswith('er'):
        return [cle + 'e'], cle + 'ius', cle + 'rime'
    if modele == 'pulcher' and cle.endswith('er'):
        b = cle[:-2] + 'r'
        return [b + 'e'], b + 'ius', cle + 'rime'
    if modele == 'acer' and cle.endswith('er'):
        b = cle[:-2] + 'r'
        return [b + 'iter'], b + 'ius', cle + 'rime'
    if modele in ('fortis', 'uetus') and radical:
        if radical.endswith('nt'):
            adverbes = [radical + 'er']
        else:
            adverbes = [radical + 'iter']
        if radical.endswith('er'):
            sup = radical + 'rime'
        elif cle in EN_ILLIME:
            sup = radical + 'lime'
        else:
            sup = radical + 'issime'
        return adverbes, radical + 'ius', sup
    return None


def genere(dossier):
    entrees = lis_lexique(dossier)
    adverbes = []
    for cle, modele, _, info in entrees:
        if modele == 'invaria' and info == 'adv.' and cle not in adverbes:
            adverbes.append(cle)
    derives = {}
    for cle, modele, radicaux, info in entrees:
        if 'sans degrés' in info or cle in ADJECTIFS_IRREGULIERS:
            continue
        d = degres_adjectif(cle, modele, radicaux)
        if d is None:
            continue
        for a in d[0]:
            derives.setdefault(a, (d[1], d[2], cle))
    listees = deja_listees(dossier)
    lignes = []
    for a in adverbes:
        if a in ECARTES or a in SANS_DEGRES_ATTESTES:
            continue
        if a in SUPPLETIFS:
            comp, sup = SUPPLETIFS[a]
        elif a in derives:
            comp, sup, _ = derives[a]
        else:
            continue
        for forme, degre in ((comp, 'comparatif'), (sup, 'superlatif')):
            if forme and (forme, a) not in listees:
                lignes.append(f'{forme}\t{a}\tinvaria\t{degre}')
    return lignes


def main():
    dossier = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ICI, '..', '..', 'data')
    print('# Le comparatif et le superlatif des adverbes tirés d\'un adjectif, lus sous')
    print('# l\'adverbe (diligentius sous diligenter : « comparatif ») ; écrit par')
    print('# outils/donnees/genere_adverbes.py, ne pas modifier à la main.')
    print('# forme\tlemme\tmodèle\ttraits')
    for ligne in genere(dossier):
        print(ligne)


if __name__ == '__main__':
    main()
