#!/usr/bin/env python3
"""Checks the lexicon sources (lexique*.txt of a folder) for the kinds of
fault a teacher finds in a dictionary: each check lists every entry at fault,
one line per case, and the script fails when any check finds one.

    python3 outils/donnees/verifie_lexique.py data            # the shipped data
    python3 outils/donnees/verifie_lexique.py DOSSIER --compte  # counts only
    python3 outils/donnees/verifie_lexique.py DOSSIER --chaque-sorte
        # succeeds only when every check finds a case (a folder of planted
        # faults: each check must see its own)

The checks, one per kind of fault:
  pluriel     a noun used only in the plural (PLURALIA below) missing, cited
              in the singular, or cited without "pl." (the analysis reads no
              singular of a noun cited "pl."); its singular key may only
              refer to the plural ("cf.  nuptiae"), so that the endings find it
  adjectif    a noun line that repeats the first meaning of an adjective of
              the same key (a true substantive is listed in SUBSTANTIFS)
  modeles     one key under two models of the same part of speech with a
              meaning in common (the same word declined two ways)
  double      one key and one model twice with a meaning in common (one
              entry, variants in its citation)
  oblique     a headword that is an oblique form of a word (OBLIQUES)
  jumeau      an active verb beside a deponent of the same stem (miro beside
              miror), unless classical texts use the active (ACTIFS_GARDES)
  traduction  a verb whose first meaning is not one French verb phrase (two
              verbs joined by "et" or "ou": the rendering conjugates one)
  graphie     a headword in an editor's spelling (adcedo, conloco, inpono,
              exequor, nunquam, extumus) beside the dictionary's (accedo, colloco,
              impono, exsequor, numquam, extimus) of the same model and meaning: the
              analysis reads the first under the second through its
              spelling rules, so one word is one headword
  declinaison a noun in -us given the third declension by a genitive made
              of the key with -is for -us (Tauromenitanus, Tauromenitanis:
              the word is of the second), unless a dictionary gives that
              genitive (TROISIEMES_EN_US); an adjective compound of -fer,
              -ger (fero, gero) or liber declined without its e (spinifer,
              ra, rum for era, erum)
  majuscule   a proper name keyed in lower case: a Roman surname ("surnom
              romain"), or a lower-case noun copying a capitalised headword with
              the same first meaning (baia beside Baiae, antias beside
              Antias), unless the lower-case word is a common noun a
              dictionary lists (NOMS_COMMUNS_DE_NOMS_PROPRES: bacchus "vin")
"""
import collections
import glob
import os
import sys

# Nouns Latin uses only in the plural, by the plural nominative the
# dictionary cites, and the singular key that may only refer to it.
PLURALIA = {
    'nuptiae': 'nuptia', 'thermae': 'therma', 'orgia': 'orgium', 'praecordia': 'praecordium',
    'exta': 'extum', 'exsequiae': 'exsequia', 'exuuiae': 'exuuia', 'cunae': 'cuna',
    'nugae': 'nuga', 'excubiae': 'excubia', 'primitiae': 'primitia', 'manubiae': 'manubia',
    'inferiae': 'inferia', 'tricae': 'trica', 'quisquiliae': 'quisquilia',
    'nundinae': 'nundina', 'lautia': 'lautium', 'manes': 'manis', 'lemures': 'lemur',
    'antes': 'antis', 'fasti': 'fastus', 'maiores': 'maior', 'feriae': 'feria',
    'clitellae': 'clitella', 'bracae': 'braca', 'Nonae': 'Nona', 'Kalendae': 'Kalenda',
    'Idus': '', 'sponsalia': 'sponsale', 'Floralia': 'Florale', 'magalia': 'magale',
    'insidiae': 'insidia', 'indutiae': 'indutia', 'tenebrae': 'tenebra', 'diuitiae': 'diuitia',
    'arma': 'armum', 'moenia': 'moene', 'liberi': '',
}

# Nouns a dictionary lists beside the adjective of the same key, with a
# meaning of their own as a person or thing.
SUBSTANTIFS = {'amicus', 'inimicus', 'fetialis'}

# Keys that are two words of the same part of speech with a meaning in
# common: different verbs (praedico, -are "proclamer" and praedico, -ere
# "prédire"), or a noun whose two declensions dictionaries give as two words.
HOMOGRAPHES = {'praedico', 'educo', 'adpello', 'adgero', 'aggero', 'adlego', 'allego', 'penus'}

# Headwords made from an oblique form, and the headword of the word.
OBLIQUES = {'Iouis': 'Iuppiter', 'Diiouis': 'Iuppiter', 'Murco': 'Murcus', 'Ion': 'Io',
            'itiner': 'iter', 'amos': 'amor', 'cuiatis': 'cuias', 'eris': 'er'}

# Active verbs kept beside a deponent of the same stem, and why: another
# word (labo "chanceler", labor "glisser"), or an active that the classical
# texts use (counted in the lemmatised classical corpus, at least twice).
ACTIFS_GARDES = {
    'labo': 'autre verbe', 'furo': 'autre verbe', 'liquo': 'autre verbe', 'meto': 'autre verbe',
    'uado': 'autre verbe', 'mino': 'autre verbe', 'liceo': 'autre verbe', 'odoro': 'autre verbe',
    'conuiuo': 'autre verbe', 'uideo': 'autre verbe', 'mereo': 'employé', 'misereo': 'employé',
    'affecto': 'employé', 'adfecto': 'graphie de affecto', 'albico': 'employé',
    'alieno': 'employé', 'antesto': 'employé', 'assentio': 'employé',
    'adsentio': 'graphie de assentio', 'aucupo': 'employé', 'auspico': 'employé',
    'bello': 'employé', 'careo': 'employé', 'clueo': 'employé', 'commereo': 'employé',
    'conmereo': 'graphie de commereo', 'communico': 'employé',
    'conmunico': 'graphie de communico', 'comperio': 'employé',
    'conperio': 'graphie de comperio', 'contemplo': 'employé', 'delecto': 'employé',
    'demereo': 'employé', 'depasco': 'employé', 'emereo': 'employé', 'fluctuo': 'employé',
    'grauo': 'employé', 'illacrimo': 'employé', 'inficio': 'employé', 'insecto': 'employé',
    'lacrimo': 'employé', 'ludifico': 'employé', 'lustro': 'employé', 'luxurio': 'employé',
    'medico': 'employé', 'mendico': 'employé', 'obsono': 'employé',
    'opsono': 'graphie de obsono', 'partio': 'employé', 'promereo': 'employé',
    'reuerto': 'employé', 'ructo': 'employé', 'rumino': 'employé', 'uerso': 'employé',
    'munero': 'employé', 'affundo': 'verbe actif, le déponent n\'était que son passif',
    'adfundo': 'graphie de affundo', 'prouoluo': 'verbe actif, prouoluor est son passif',
    'cooperio': 'verbe actif, cooperior est son passif',
    'comito': 'employé (Ovide : comitavit)',
}

INFINITIFS = ('er', 'ir', 're', 'oir')


def lis(dossier):
    """The entries of the folder's lexicon files: (file, line, fields)."""
    entrees = []
    for chemin in sorted(glob.glob(os.path.join(dossier, 'lexique*.txt'))):
        with open(chemin, encoding='utf-8') as f:
            for n, ligne in enumerate(f, 1):
                if not ligne.strip() or ligne.startswith('#'):
                    continue
                c = ligne.rstrip('\n').split('\t')
                if len(c) == 6:
                    entrees.append((os.path.basename(chemin), n, c))
    return entrees


NOMS = {'uita', 'amicus', 'puer', 'ager', 'templum', 'miles', 'ciuis', 'corpus', 'mare', 'manus',
        'res'}
ADJECTIFS = {'bonus', 'miser', 'pulcher', 'fortis', 'uetus', 'acer'}
VERBES = {'amo', 'moneo', 'lego', 'capio', 'audio', 'sum', 'eo', 'imitor', 'uereor', 'sequor',
          'patior', 'potior', 'fero', 'uolo', 'nolo', 'malo', 'fio', 'possum', 'prosum'}
DEPONENTS = {'imitor', 'uereor', 'sequor', 'patior', 'potior'}


def partie(modele):
    if modele in NOMS:
        return 'nom'
    if modele in ADJECTIFS:
        return 'adj'
    if modele in VERBES:
        return 'verbe'
    return modele


def renvoi(c):
    return 'cf. ' in c[5]


def info(c):
    return c[5].split(' : ', 1)[0]


def sens(c):
    """The meanings after " : ", each a comma-separated item."""
    s = c[5].split(' : ', 1)[1] if ' : ' in c[5] else ''
    s = s.split(' ; ')[0]
    return [x.strip() for x in s.split(',') if x.strip()]


def communs(a, b):
    return set(sens(a)) & set(sens(b))


def lieu(e):
    return '%s:%d %s' % (e[0], e[1], e[2][0])


def pluriel(entrees):
    cas = []
    par_cle = collections.defaultdict(list)
    for e in entrees:
        if partie(e[2][1]) == 'nom':
            par_cle[e[2][0]].append(e)
    for pl, sg in PLURALIA.items():
        pluriels = [e for e in par_cle.get(pl, []) if not renvoi(e[2])]
        if not pluriels:
            cas.append('%s : absent' % pl)
        for e in pluriels:
            if not info(e[2]).endswith(' pl.'):
                cas.append(lieu(e) + ' : cité sans « pl. »')
        for e in par_cle.get(sg, []):
            c = e[2]
            if renvoi(c) and c[5].split('cf. ', 1)[1].strip() == pl:
                continue
            if not pluriels or set(sens(c)) & set(sens(pluriels[0][2])):
                cas.append(lieu(e) + ' : cité au singulier (%s)' % pl)
    return cas


def adjectif(entrees):
    cas = []
    adjectifs = collections.defaultdict(list)
    for e in entrees:
        if partie(e[2][1]) == 'adj' and not renvoi(e[2]):
            adjectifs[e[2][0]].append(e)
    for e in entrees:
        c = e[2]
        if partie(c[1]) != 'nom' or renvoi(c) or c[0] in SUBSTANTIFS:
            continue
        for a in adjectifs.get(c[0], []):
            if sens(c) and sens(a[2]) and sens(c)[0] == sens(a[2])[0]:
                cas.append(lieu(e) + ' : répète l\'adjectif (%s)' % sens(c)[0])
                break
    return cas


def modeles(entrees):
    cas = []
    par_cle = collections.defaultdict(list)
    for e in entrees:
        if not renvoi(e[2]) and e[2][1] != 'invaria':
            par_cle[e[2][0]].append(e)
    for cle, es in par_cle.items():
        for i, a in enumerate(es):
            for b in es[i + 1:]:
                if a[2][1] != b[2][1] and partie(a[2][1]) == partie(b[2][1]) and \
                        communs(a[2], b[2]) and cle not in HOMOGRAPHES:
                    cas.append(lieu(a) + ' (%s) et %s (%s)' % (a[2][1], lieu(b), b[2][1]))
    return cas


def double(entrees):
    cas = []
    par_cle = collections.defaultdict(list)
    for e in entrees:
        if not renvoi(e[2]):
            par_cle[(e[2][0], e[2][1])].append(e)
    for cle, es in par_cle.items():
        for i, a in enumerate(es):
            for b in es[i + 1:]:
                if 'prép.' in info(a[2]) + info(b[2]):
                    continue
                if communs(a[2], b[2]) or (a[2][1] == 'invaria' and info(a[2]) == info(b[2])):
                    cas.append(lieu(a) + ' et ' + lieu(b))
    return cas


def oblique(entrees):
    return [lieu(e) + ' : vedette %s' % OBLIQUES[e[2][0]] for e in entrees
            if e[2][0] in OBLIQUES and partie(e[2][1]) in ('nom', 'adj', 'verbe')
            and not renvoi(e[2])]


def jumeau(entrees):
    cas = []
    deponents = {e[2][0] for e in entrees if e[2][1] in DEPONENTS}
    for e in entrees:
        c = e[2]
        if partie(c[1]) == 'verbe' and c[1] not in DEPONENTS and c[0] + 'r' in deponents \
                and c[0] not in ACTIFS_GARDES:
            cas.append(lieu(e) + ' : actif de ' + c[0] + 'r')
    return cas


def traduction(entrees):
    cas = []
    for e in entrees:
        c = e[2]
        if partie(c[1]) != 'verbe' or renvoi(c) or not sens(c):
            continue
        mots = sens(c)[0].split(' ')
        for i, m in enumerate(mots[1:-1], 1):
            if m in ('et', 'ou') and mots[i + 1].endswith(INFINITIFS):
                cas.append(lieu(e) + ' : ' + sens(c)[0])
                break
    return cas


# Prefixes as editors write them, and as the dictionary cites them.
PREFIXES = [('adf', 'aff'), ('adl', 'all'), ('adp', 'app'), ('adc', 'acc'), ('adg', 'agg'),
            ('adr', 'arr'), ('ads', 'ass'), ('adt', 'att'), ('conl', 'coll'), ('conm', 'comm'),
            ('conp', 'comp'), ('conr', 'corr'), ('inl', 'ill'), ('inm', 'imm'), ('inp', 'imp'),
            ('inr', 'irr'), ('subm', 'summ'), ('subf', 'suff'), ('subc', 'succ'),
            ('subp', 'supp'), ('obp', 'opp')]
# Headwords the dictionary cites in the editors' spelling (adsum), or whose
# other spelling is another word (existimatio: no exs-).
GRAPHIES_CITEES = {'adsum', 'existimatio'}


def graphies_du_dictionnaire(cle):
    """The dictionary's spellings of a key written as some editors write it."""
    autres = [b + cle[len(a):] for a, b in PREFIXES if cle.startswith(a)]
    if cle.startswith('ex') and not cle.startswith('exs'):
        autres.append('exs' + cle[2:])
    if 'nq' in cle:
        autres.append(cle.replace('nq', 'mq'))
    if 'nci' in cle:
        autres.append(cle.replace('nci', 'nti'))
    if 'cunque' in cle:
        autres.append(cle.replace('cunque', 'cumque'))
    if cle.endswith('inque'):
        autres.append(cle[:-5] + 'imque')
    # The old superlative in -umus (extumus, maxume) for -imus.
    for fin in ('umus', 'ume'):
        if cle.endswith(fin):
            autres.append(cle[:-len(fin)] + 'i' + fin[1:])
    return autres


def graphie(entrees):
    cas = []
    par_cle = collections.defaultdict(list)
    for e in entrees:
        if not renvoi(e[2]):
            par_cle[(e[2][0], e[2][1])].append(e)
    for (cle, modele), es in par_cle.items():
        if cle in GRAPHIES_CITEES:
            continue
        for autre in graphies_du_dictionnaire(cle):
            if any(communs(e[2], o[2]) for e in es for o in par_cle.get((autre, modele), [])):
                cas.extend(lieu(e) + ' : graphie de ' + autre for e in es)
                break
    return cas


# Nouns in -us whose genitive in -is a dictionary gives (trapetus beside
# trapes, trapetis; the Greek Achilleus).
TROISIEMES_EN_US = {'trapetus', 'Achilleus'}


def declinaison(entrees):
    cas = []
    for e in entrees:
        c = e[2]
        if partie(c[1]) != 'nom' or renvoi(c) or not c[0].endswith('us') \
                or c[0] in TROISIEMES_EN_US:
            continue
        genitif = info(c).split(',')[0].strip()
        if c[1] in ('ciuis', 'miles', 'corpus', 'mare') and genitif == c[0][:-2] + 'is':
            cas.append(lieu(e) + ' : ' + genitif + ', deuxième déclinaison')
    for e in entrees:
        c = e[2]
        if c[1] == 'pulcher' and c[0].endswith(('ifer', 'iger', 'liber')) \
                and not c[0].endswith(('piger', 'niger')):
            cas.append(lieu(e) + ' : ' + c[0][:-2] + 'era, comme liber et les composés de fero, gero')
    return cas


# Common nouns made from a proper name that a dictionary lists in lower case
# (bacchus "vin", uulcanus "feu").
NOMS_COMMUNS_DE_NOMS_PROPRES = {'bacchus', 'pallas', 'uenetus', 'uulcanus', 'penates'}


def majuscule(entrees):
    cas = []
    premiers = collections.defaultdict(set)
    for e in entrees:
        if e[2][0][:1].isupper() and sens(e[2]):
            premiers[sens(e[2])[0]].add(e[2][0])
    for e in entrees:
        c = e[2]
        if not c[0][:1].islower() or renvoi(c) or c[0] in NOMS_COMMUNS_DE_NOMS_PROPRES:
            continue
        if 'surnom romain' in sens(c):
            cas.append(lieu(e) + ' : surnom en minuscule')
        elif partie(c[1]) == 'nom' and sens(c) and premiers.get(sens(c)[0]):
            cas.append(lieu(e) + ' : copie de ' + ', '.join(sorted(premiers[sens(c)[0]])))
    return cas


VERIFICATIONS = [('pluriel', pluriel), ('adjectif', adjectif), ('modeles', modeles),
                 ('double', double), ('oblique', oblique), ('jumeau', jumeau),
                 ('traduction', traduction), ('graphie', graphie), ('declinaison', declinaison),
                 ('majuscule', majuscule)]


def main(arguments):
    dossiers = [a for a in arguments if not a.startswith('--')]
    dossier = dossiers[0] if dossiers else 'data'
    compte = '--compte' in arguments or '--chaque-sorte' in arguments
    chaque = '--chaque-sorte' in arguments
    entrees = lis(dossier)
    if not entrees:
        print('aucune entrée dans %s' % dossier, file=sys.stderr)
        return 2
    fautes = 0
    muettes = 0
    for nom, verification in VERIFICATIONS:
        cas = verification(entrees)
        fautes += len(cas)
        muettes += not cas
        print('%s : %d' % (nom, len(cas)))
        if not compte:
            for c in cas:
                print('  ' + c)
    if chaque:
        return 1 if muettes else 0
    return 1 if fautes else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
