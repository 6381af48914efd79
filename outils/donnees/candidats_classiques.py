#!/usr/bin/env python3
"""Chooses the lemmes-faits rows that the lexicon still lacks: classical rows of
grades A-D, and the lemmas Whitaker's Words identifies for the unanalysed forms
of the classical form list written at least 5 times."""
import csv, os, re, subprocess, sys, collections
sys.path.insert(0, '/work/main/outils/donnees')
import genere_lexique as g

DATA = '/work/main/data'
FAITS = '/work/shared/data/lemmes-faits.tsv'
POS_MODELE = {}
for m in ['uita','amicus','puer','ager','templum','miles','ciuis','corpus','mare','manus','res']: POS_MODELE[m]='N'
for m in ['bonus','miser','pulcher','fortis','uetus','acer']: POS_MODELE[m]='ADJ'
for m in ['amo','moneo','lego','capio','audio','sum','eo','imitor','uereor','sequor','patior','potior']: POS_MODELE[m]='V'
POS_MODELE['invaria']='INV'; POS_MODELE['pronoms']='PRON'

presents = set()
for nom in os.listdir(DATA):
    if nom.startswith('lexique'):
        for l in open(os.path.join(DATA, nom), encoding='utf-8'):
            if l.strip() and not l.startswith('#'):
                c = l.rstrip('\n').split('\t')
                if len(c) >= 2:
                    presents.add((c[0], POS_MODELE.get(c[1], '?')))
                    presents.add((c[0], '*'))

def posgroupe(p):
    return p if p in ('N','ADJ','V','PRON') else 'INV'

rows = list(csv.DictReader(open(FAITS, encoding='utf-8'), delimiter='\t'))
def deja(r):
    return (r['lemme'], posgroupe(r['pos'])) in presents

choisis = {}
raison = {}
for r in rows:
    if r['freq'] in ('A','B','C','D') and r['age'] in ('X','C') and not deja(r):
        choisis[r['lignes_ww']] = r; raison[r['lignes_ww']] = 'grade'

# Unanalysed forms >= 5 occurrences, through Whitaker's Words (lemma and part of speech only).
inconnus = [l.split('\t') for l in open('/tmp/inconnus.tsv')]
inconnus = [(f, int(n)) for f, n in inconnus if int(n) >= 5]
entree = '\n'.join(f for f, n in inconnus) + '\n\n\n'
sortie = subprocess.run(['whitakers-words'], input=entree, capture_output=True, text=True).stdout
blocs = sortie.split('=>')[1:]
dico = re.compile(r'^(\S[^\[]*?)\s{2,}(N|V|ADJ|ADV|PREP|CONJ|INTERJ|PRON|NUM|VPAR|SUPINE)\b.*\[(\w{5})\]')
par_lemme = collections.defaultdict(list)
for r in rows:
    par_lemme[(r['lemme'].lower(), posgroupe(r['pos']))].append(r)
besoin = collections.Counter()
non_trouves = collections.Counter()
for (f, n), bloc in zip(inconnus, blocs):
    trouve = False
    for l in bloc.split('\n'):
        m = dico.match(l)
        if not m: continue
        tete = m.group(1).split(',')[0].strip()
        tete = re.sub(r'\d', '', tete).replace('v','u').replace('j','i').replace('V','U').replace('J','I')
        pos = m.group(2)
        for r in par_lemme.get((tete.lower(), posgroupe(pos)), []):
            trouve = True
            if not deja(r):
                besoin[r['lignes_ww']] += n
                if r['lignes_ww'] not in choisis:
                    choisis[r['lignes_ww']] = r; raison[r['lignes_ww']] = 'forme'
    if not trouve:
        non_trouves[f] += n

# Keep only rows the drafting script can turn into an entry.
gardes, rejetes = [], 0
for i, r in choisis.items():
    pos = r['pos']
    ok = True
    if pos == 'N': ok = r['decl'].startswith('9') or g.nom(r) is not None
    elif pos == 'ADJ': ok = r['decl'].startswith('9') or g.adjectif(r) is not None
    elif pos == 'V': ok = g.verbe(r) is not None
    elif pos in g.INVARIABLE: ok = True
    else: ok = False
    if ' ' in r['lemme'] or '.' in r['lemme'] or 'abrév.' in r['parties_principales']: ok = False
    if not ok: rejetes += 1; continue
    gardes.append(r)
print(len(choisis), 'choisis,', rejetes, 'rejetés,', len(gardes), 'gardés', file=sys.stderr)
print(sum(1 for r in gardes if raison[r['lignes_ww']]=='forme'), 'par les formes', file=sys.stderr)
propres = [r for r in gardes if r['lemme'][:1].isupper()]
communs = [r for r in gardes if not r['lemme'][:1].isupper()]
print(len(propres), 'noms propres', len(communs), 'communs', file=sys.stderr)
champs = ['lignes_ww','lemme','parties_principales','pos','classe','decl','genre','sorte','freq','age']
def ecrit(nom, lst):
    with open(nom, 'w', encoding='utf-8') as o:
        o.write('\t'.join(champs + ['besoin']) + '\n')
        for r in lst:
            o.write('\t'.join([r[c] for c in champs] + [str(besoin.get(r['lignes_ww'], 0))]) + '\n')
ecrit('candidats-communs.tsv', sorted(communs, key=lambda r: r['lemme'].lower()))
ecrit('candidats-propres.tsv', sorted(propres, key=lambda r: -besoin.get(r['lignes_ww'], 0)))
with open('formes-sans-lemme.tsv', 'w') as o:
    for f, n in non_trouves.most_common(): o.write(f'{f}\t{n}\n')
