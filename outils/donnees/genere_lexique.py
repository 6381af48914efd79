#!/usr/bin/env python3
"""Drafting aid for data/lexique.txt.

The grammatical facts of each headword (class, gender, principal parts, stems)
come from the fact table shipped beside the project (lemmes-faits.tsv); the
French meanings were written for this project, one line per chosen headword,
in meaning files `id<TAB>meanings`.  This script joins the two into lexicon
lines in the source format that `lexique compile` reads:

    cle  modele  genre  radicauxA  radicauxB  sens

Once drafted, data/lexique.txt is the source of truth and is edited by hand;
the script is kept to document how the draft was made and to redraft it:

    python3 outils/donnees/genere_lexique.py CHOISIS.tsv SENS.tsv... > data/lexique.txt

Headwords that another source file already defines (data/lexique-base.txt,
data/lexique-noms-propres.txt) are left out, so that every key has one owner.
"""
import csv
import os
import sys

# The citation ending that the analyser appends to stem 1, by model.
from modeles import FINALE

ICI = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(ICI, '..', '..', 'data')

GENRES = {'M': 'masculin', 'F': 'féminin', 'N': 'neutre'}
ABREV_GENRE = {'M': 'm.', 'F': 'f.', 'N': 'n.', 'C': 'm. et f.'}


def cles_reservees():
    cles = set()
    for nom in os.listdir(DATA):
        if nom.startswith('lexique') and nom.endswith('.txt') and nom != 'lexique.txt':
            for ligne in open(os.path.join(DATA, nom), encoding='utf-8'):
                if ligne.strip() and not ligne.startswith('#'):
                    cles.add(ligne.split('\t')[0])
    return cles


def radicaux(r):
    return [x for x in r['radicaux'].split('|')]


def net(x):
    return '' if x in ('-', '') else x


def suffixe(forme, base):
    """The part of `forme` after `base` when the dictionaries would shorten it so
    (amaui after am- gives aui), else the whole form (dixi, dictum, uidi, dedi)."""
    reste = forme[len(base):]
    if len(base) >= 2 and forme.startswith(base) and len(reste) >= 2 and reste[0] in 'aeiou':
        return reste
    return forme


def parties(r):
    return [p.strip() for p in r['parties_principales'].split(',')]


def nom(r):
    """(model, gender, radicauxA, stem1 or None, dictionary info)"""
    cl, var = (r['decl'].split() + ['0', '0'])[:2]
    g = r['genre']
    genre = GENRES.get(g, '-')
    rad = radicaux(r)
    obl = rad[1] if len(rad) > 1 else rad[0]
    pp = parties(r)
    gen = pp[1] if len(pp) > 1 else ''
    ab = ABREV_GENRE.get(g, '')
    lemme = r['lemme']
    if cl == '1':
        return 'uita', genre, '', obl, f'ae, {ab}'
    if cl == '2':
        if var == '2' or (g == 'N' and lemme.endswith('um')):
            return 'templum', genre, '', obl, f'i, {ab}'
        if var == '3':
            if lemme.endswith('er'):
                if rad[0] == obl:
                    return 'puer', genre, '', lemme[:-2], f'{suffixe(gen, lemme[:-2])}, {ab}'
                return 'ager', genre, '', lemme[:-2], f'{suffixe(gen, lemme[:-2])}, {ab}'
            return 'amicus', genre, '', obl, f'i, {ab}'
        if var == '8' or lemme.endswith('on'):
            return 'templum', genre, '', obl, f'i, {ab}'
        return 'amicus', genre, '', obl, f'i, {ab}'
    if cl == '3':
        info = f'{gen}, {ab}' if gen else ab
        if g == 'N':
            if var == '4':
                return 'mare', genre, obl, None, info
            return 'corpus', genre, obl, None, info
        if var == '3':
            return 'ciuis', genre, obl, None, info
        return 'miles', genre, obl, None, info
    if cl == '4':
        return 'manus', genre, '', obl, f'us, {ab}' if g != 'N' else f'us, {ab}'
    if cl == '5':
        return 'res', genre, '', obl, f'ei, {ab}'
    return None


def adjectif(r):
    cl, var = (r['decl'].split() + ['0', '0'])[:2]
    rad = radicaux(r)
    lemme = r['lemme']
    obl = rad[1] if len(rad) > 1 else rad[0]
    sorte = r['sorte']
    if cl == '0':
        if sorte == 'SUPER' or lemme.endswith('us'):
            return 'bonus', '', lemme[:-2], 'a, um'
        if sorte == 'COMP':
            return 'uetus', lemme, None, 'ior, ius'
        return None
    if cl == '1' or cl == '2':
        if lemme.endswith('er'):
            if rad[0] == obl:
                return 'miser', '', lemme[:-2], 'era, erum'
            return 'pulcher', '', lemme[:-2], 'ra, rum'
        if lemme.endswith('us'):
            return 'bonus', '', lemme[:-2], 'a, um'
        return 'bonus', '', obl, 'a, um'
    if cl == '3':
        if var == '1':
            return 'uetus', obl, None, f'gén. {obl}is'
        if var == '3' and lemme.endswith('er') and obl == lemme[:-2] + 'r':
            return 'acer', '', lemme[:-2], f'{lemme[:-2]}ris, {lemme[:-2]}re'
        if var == '3':
            return 'fortis', obl, None, f'{obl}is, {obl}e'
        return 'fortis', obl, None, 'is, e'
    return None


def verbe(r):
    cl, var = (r['decl'].split() + ['0', '0'])[:2]
    rad = radicaux(r) + ['-'] * 4
    lemme = r['lemme']
    sorte = r['sorte']
    parf, sup = net(rad[2]), net(rad[3])
    if parf.endswith('iu') and cl in ('3', '1'):
        # Perfects in -iui also have the contracted stem: audii, petiit, audierunt.
        parf = parf + ',' + parf[:-1]
    dep = sorte == 'DEP'

    def info(deux, inf, base):
        morceaux = [deux, inf]
        if dep:
            if sup:
                morceaux.append(suffixe(sup + 'us', base) + ' sum')
        else:
            morceaux.append(suffixe(parf.split(',')[0] + 'i', base) if parf else '-')
            if sup:
                morceaux.append(suffixe(sup + 'um', base))
        return ', '.join(morceaux)

    if cl == '1' and var == '1':
        if dep and lemme.endswith('or'):
            b = lemme[:-2]
            return 'imitor', b, '', sup, info('aris', 'ari', b)
        if lemme.endswith('o'):
            b = lemme[:-1]
            return 'amo', b, parf, sup, info('as', 'are', b)
    if cl == '2' and var == '1':
        if dep and lemme.endswith('eor'):
            b = lemme[:-3]
            return 'uereor', b, '', sup, info('eris', 'eri', b)
        if lemme.endswith('eo'):
            b = lemme[:-2]
            return 'moneo', b, parf, sup, info('es', 'ere', b)
        if lemme.endswith('et') and sorte == 'IMPERS':
            b = lemme[:-2]
            return 'moneo*', b, parf, sup, f'{suffixe(lemme[:-2] + "ere", b)}, {suffixe(parf + "it", b) if parf else "-"}, impers.'
    if cl == '3' and var in ('1', '2'):
        if dep and lemme.endswith('ior'):
            b = lemme[:-3]
            return 'patior', b, '', sup, info('eris', 'i', b)
        if dep and lemme.endswith('or'):
            b = lemme[:-2]
            return 'sequor', b, '', sup, info('eris', 'i', b)
        if lemme.endswith('io'):
            b = lemme[:-2]
            return 'capio', b, parf, sup, info('is', 'ere', b)
        if lemme.endswith('o'):
            b = lemme[:-1]
            return 'lego', b, parf, sup, info('is', 'ere' if var == '1' else 're', b)
        if lemme.endswith('it') and sorte == 'IMPERS':
            b = lemme[:-2]
            return 'lego*', b, parf, sup, f'{suffixe(b + "ere", b)}, {suffixe(parf + "it", b) if parf else "-"}, impers.'
    if cl == '3' and var == '4':
        if dep and lemme.endswith('ior'):
            b = lemme[:-3]
            return 'potior', b, '', sup, info('iris', 'iri', b)
        if lemme.endswith('io'):
            b = lemme[:-2]
            return 'audio', b, parf, sup, info('is', 'ire', b)
    if cl == '5' and var == '1' and lemme.endswith('sum') and sorte in ('ESSE', 'COMPOSE_ESSE'):
        b = lemme[:-3]
        return 'sum', b, parf, sup, f'{b}es, {b}esse, {parf + "i" if parf else "-"}'
    if cl == '6' and var == '1' and lemme.endswith('eo') and rad[0].endswith('e'):
        b = lemme[:-2]
        # Perfect stems: the short one (redi-: redii, rediit) and the long one (rediu-: rediui).
        stems = ','.join(x for x in (net(rad[1]), parf) if x)
        return 'eo', b, stems, sup, f'{b}is, {b}ire, {b}ii, {b}itum'
    return None


# Spellings that data/irreguliers-complements.txt files under their dictionary
# form (a and abs under ab, e under ex...), so that they get no entry of their own.
VARIANTES_IRREGULIERES = {'a', 'abs', 'e', 'ac', 'nec'}

# Headwords whose forms data/irreguliers.txt already files under another entry
# (coepi, the irregular superlatives and comparatives, nihil).
DEJA_IRREGULIERS = {'coepio', 'pessimus', 'maximus', 'plurimus', 'plus', 'nil'}

INVARIABLE = {'ADV': 'adv.', 'PREP': 'prép.', 'CONJ': 'conj.', 'INTERJ': 'interj.', 'NUM': 'num.',
              'TACKON': 'encl.'}


def ligne(cle, modele, genre, ra, rb, sens):
    return '\t'.join([cle, modele, genre or '-', ra or '-', rb or '-', sens])


def lignes_de(r, s):
    """The source lines of one fact row with its meanings (an entry, and the
    cross-reference that rebuilds it from its stem when they differ)."""
    lemme, pos = r['lemme'], r['pos']
    lignes = []

    def avec_renvoi(modele, genre, ra, rb, info, stem):
        lignes.append(ligne(lemme, modele, genre, ra, rb, f'{info} : {s}'))
        if stem is not None and stem + FINALE[modele] != lemme:
            lignes.append(ligne(stem + FINALE[modele], modele, genre, '', '', f'cf.  {lemme}'))

    if pos == 'N':
        if r['decl'].startswith('9'):
            lignes.append(ligne(lemme, 'invaria', GENRES.get(r['genre']), '', '',
                                  f'indécl., {ABREV_GENRE.get(r["genre"], "n.")} : {s}'))
        elif (n := nom(r)):
            modele, genre, ra, stem, info = n
            avec_renvoi(modele, genre, ra, '', info, stem)
    elif pos == 'ADJ':
        if r['decl'].startswith('9'):
            lignes.append(ligne(lemme, 'invaria', '', '', '', f'indécl. : {s}'))
        elif (a := adjectif(r)):
            modele, ra, stem, info = a
            avec_renvoi(modele, '', ra, '', info, stem)
    elif pos == 'V':
        if (v := verbe(r)):
            modele, stem, ra, rb, info = v
            if modele.endswith('*'):
                # Impersonal verbs keep the 3rd singular as headword.
                modele = modele[:-1]
                lignes.append(ligne(lemme, modele, '', ra, rb, f'{info} : {s}'))
                # The endings rebuild the 1st singular, which refers to it.
                lignes.append(ligne(stem + FINALE[modele], modele, '', '', '', f'cf.  {lemme}'))
            else:
                avec_renvoi(modele, '', ra, rb, info, stem)
    elif pos in INVARIABLE:
        extra = ''
        if pos == 'PREP' and r['sorte'] in ('ACC', 'ABL'):
            extra = ' (+ acc.)' if r['sorte'] == 'ACC' else ' (+ abl.)'
        lignes.append(ligne(lemme, 'invaria', '', '', '', f'{INVARIABLE[pos]}{extra} : {s}'))
    return lignes


def main():
    choisis = list(csv.DictReader(open(sys.argv[1], encoding='utf-8'), delimiter='\t'))
    sens = {}
    for f in sys.argv[2:]:
        for l in open(f, encoding='utf-8'):
            l = l.rstrip('\n')
            if '\t' in l:
                i, s = l.split('\t', 1)
                sens[i.strip()] = s.strip()
    reservees = cles_reservees()
    sortie, vus, manquants, rejetes = [], set(), 0, []
    for r in choisis:
        lemme = r['lemme']
        s = sens.get(r['lignes_ww'].strip())
        if not s:
            manquants += 1
            continue
        if lemme in reservees or lemme in VARIANTES_IRREGULIERES or lemme in DEJA_IRREGULIERS or 'abrév.' in r['parties_principales'] or ' ' in lemme or '.' in lemme:
            continue
        pos = r['pos']
        lignes = lignes_de(r, s)
        if not lignes:
            rejetes.append(f"{lemme} {pos} {r['decl']} {r['sorte']}")
            continue
        for l in lignes:
            champs = l.split('\t')
            # One entry per key, model, gender and dictionary information: the
            # fact table repeats some headwords with the same facts.
            cle = (champs[0], champs[1], champs[2], champs[5].split(' : ')[0])
            if cle in vus:
                continue
            vus.add(cle)
            sortie.append(l)
    print('# Lexique : une entrée par ligne, champs séparés par des tabulations :')
    print('# clé, modèle, genre, radicaux A, radicaux B, sens (« informations : sens français »).')
    for l in sortie:
        print(l)
    print(f'{len(sortie)} lignes, {manquants} sans sens, {len(rejetes)} rejetées', file=sys.stderr)
    for x in rejetes[:200]:
        print('  rejeté :', x, file=sys.stderr)


if __name__ == '__main__':
    main()
