#!/usr/bin/env python3
"""Builds data/irreguliers.txt: the Latin forms that no stem + ending of the
endings table produces, each with its lemma, the lemma's model and its features.

Regenerate the file (and check it against data/lexique-base.txt) with:

    python3 outils/donnees/genere_irreguliers.py > data/irreguliers.txt

Output lines: forme<TAB>lemme<TAB>modele<TAB>traits, traits being French terms
of the grammatical vocabulary separated by blanks.  Spelling is u/i (no v, no j).

Principles followed by the tables below:
- Pronouns (model "pronoms") have no stem rule: every form is listed, one line
  per form, case and number, the genders sharing the form on one line.
- Other lemmas keep their ordinary model; only what that model cannot build
  on the lemma's stems is listed (fero on model lego: ferebam, feram, ferens,
  tuli, latum are regular on the stems fer/tul/lat; fers, fert, ferre are not).
- A form equal to its lemma's key is found as a headword with default features
  (nominatif singulier masculin féminin for a pronoun), which the analysis
  gives only when this store does not read the form as the same lemma: every
  form of a pronoun is therefore listed, the nominative included (tu is a
  nominative and a vocative; se is none).
- Every lemma used here must exist with the same key and model in the lexicon,
  or its forms are silently ignored: the lemmas that are not in
  data/lexique-base.txt are declared in LEMMES_REGULIERS and checked at the end
  of the run against data/lexique*.txt when those files are present.
"""
import os
import sys

from modeles import MODELES

ICI = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(ICI, '..', '..', 'data')

CAS = ['nominatif', 'vocatif', 'accusatif', 'génitif', 'datif', 'ablatif']
GENRES = ['masculin', 'féminin', 'neutre']
NOMBRES = ['singulier', 'pluriel']
TERMES = set(CAS + GENRES + NOMBRES + [
    '1ère personne', '2ème personne', '3ème personne',
    'indicatif', 'subjonctif', 'impératif', 'infinitif', 'participe', 'gérondif', 'adjectif verbal',
    'présent', 'futur', 'imparfait', 'parfait', 'futur antérieur', 'plus-que-parfait',
    'actif', 'passif', 'positif', 'comparatif', 'superlatif'])

# Lemmas of the forms below that the main lexicon (data/lexique.txt) must hold
# with this model: ordinary adjectives whose comparative or superlative, or one
# form, is irregular.
LEMMES_REGULIERS = {
    'bonus': 'bonus', 'malus': 'bonus', 'magnus': 'bonus', 'paruus': 'bonus', 'multus': 'bonus',
    'superus': 'bonus', 'inferus': 'bonus', 'exterus': 'bonus', 'posterus': 'bonus',
    'magnificus': 'bonus', 'munificus': 'bonus', 'beneficus': 'bonus', 'maleficus': 'bonus',
    'beneuolus': 'bonus', 'maleuolus': 'bonus', 'meus': 'bonus',
    'facilis': 'fortis', 'difficilis': 'fortis', 'similis': 'fortis', 'dissimilis': 'fortis',
    'gracilis': 'fortis', 'humilis': 'fortis',
    'dico': 'lego', 'duco': 'lego', 'facio': 'capio', 'benedico': 'lego', 'maledico': 'lego',
    'abduco': 'lego', 'adduco': 'lego', 'deduco': 'lego', 'educo': 'lego', 'induco': 'lego',
    'perduco': 'lego', 'produco': 'lego', 'reduco': 'lego', 'seduco': 'lego', 'traduco': 'lego',
    'nosco': 'lego', 'cognosco': 'lego', 'filius': 'amicus', 'sum': 'sum', 'potior': 'potior',
}

# Lemmas of the nouns outside their model (below), held by the other lexicon
# files with their model.
LEMMES_HORS_BASE = {'cornu', 'genu', 'gelu', 'Aeneas', 'Anchises', 'Dido', 'Orpheus', 'aether',
                    'aer', 'heros', 'Tros', 'uir', 'liber', 'nummus', 'socius', 'modius',
                    'denarius'}

# The nouns with a dative and ablative plural in -abus (a feminine beside the
# masculine of its stem: deabus, filiabus) or in -ubus (lacubus, tribubus);
# the other nouns of their declensions have only -is and -ibus.
EN_ABUS = ('dea', 'filia', 'liberta', 'nata', 'equa', 'mula', 'asina', 'famula', 'anima')
EN_UBUS = ('arcus', 'artus', 'lacus', 'partus', 'portus', 'quercus', 'specus', 'tribus', 'ueru')
LEMMES_HORS_BASE |= set(EN_ABUS) | set(EN_UBUS)

lignes = []


def ajoute(forme, lemme, modele, *traits):
    """One output line; traits are words or blank-separated groups of words."""
    t = ' '.join(x for x in traits if x)
    lignes.append((forme, lemme, modele, t))


# ---------------------------------------------------------------- declensions
def tableau(lemme, modele, texte, suffixe_degre=''):
    """Declines from a table: one row per 'cas nombre: m | f | n' (or a single
    cell for all three genders); a cell may hold variants separated by '/'.
    Rows may name several cases ('datif ablatif pluriel: his')."""
    for rangee in texte.strip().splitlines():
        rangee = rangee.strip()
        if not rangee or rangee.startswith('#'):
            continue
        tete, corps = rangee.split(':')
        mots = tete.split()
        nombre = mots[-1]
        cas = mots[:-1]
        cellules = [c.strip() for c in corps.split('|')]
        if len(cellules) == 1:
            cellules = cellules * 3
        for c in cas:
            par_forme = {}
            for g, cellule in zip(GENRES, cellules):
                for f in cellule.split('/'):
                    f = f.strip()
                    if f and f != '-':
                        par_forme.setdefault(f, []).append(g)
            for f, genres in par_forme.items():
                ajoute(f, lemme, modele, c, ' '.join(genres), nombre, suffixe_degre)


def pronominal(lemme, b, nom_m, nom_n):
    """ille, iste, ipse: gen -ius, dat -i for the three genders."""
    tableau(lemme, 'pronoms', f"""
        nominatif singulier: {nom_m} | {b}a | {nom_n}
        accusatif singulier: {b}um | {b}am | {nom_n}
        génitif singulier: {b}ius
        datif singulier: {b}i
        ablatif singulier: {b}o | {b}a | {b}o
        nominatif pluriel: {b}i | {b}ae | {b}a
        accusatif pluriel: {b}os | {b}as | {b}a
        génitif pluriel: {b}orum | {b}arum | {b}orum
        datif ablatif pluriel: {b}is
    """)


def premiere_deuxieme(lemme, modele, b, degre, nom_m=None):
    """bonus-type declension on stem b (superlatives optimus, facillimus...)."""
    tableau(lemme, modele, f"""
        nominatif singulier: {nom_m or b + 'us'} | {b}a | {b}um
        vocatif singulier: {b}e | {b}a | {b}um
        accusatif singulier: {b}um | {b}am | {b}um
        génitif singulier: {b}i | {b}ae | {b}i
        datif singulier: {b}o | {b}ae | {b}o
        ablatif singulier: {b}o | {b}a | {b}o
        nominatif vocatif pluriel: {b}i | {b}ae | {b}a
        accusatif pluriel: {b}os | {b}as | {b}a
        génitif pluriel: {b}orum | {b}arum | {b}orum
        datif ablatif pluriel: {b}is
    """, degre)


def comparatif(lemme, modele, nom_mf, nom_n, obl):
    """Comparative declension: melior, melius, melioris..."""
    tableau(lemme, modele, f"""
        nominatif vocatif singulier: {nom_mf} | {nom_mf} | {nom_n}
        accusatif singulier: {obl}em | {obl}em | {nom_n}
        génitif singulier: {obl}is
        datif singulier: {obl}i
        ablatif singulier: {obl}e/{obl}i
        nominatif vocatif accusatif pluriel: {obl}es | {obl}es | {obl}a
        génitif pluriel: {obl}um
        datif ablatif pluriel: {obl}ibus
    """, 'comparatif')


def gen_dat_pronominaux(lemme, modele, gen, dat):
    """Pronominal adjectives (totus, nullus, alter...): genitive -ius and dative -i."""
    ajoute(gen, lemme, modele, 'génitif masculin féminin neutre singulier')
    ajoute(dat, lemme, modele, 'datif masculin féminin neutre singulier')


# ---------------------------------------------------------------- conjugation
PERS = [('1ère personne', 'singulier'), ('2ème personne', 'singulier'), ('3ème personne', 'singulier'),
        ('1ère personne', 'pluriel'), ('2ème personne', 'pluriel'), ('3ème personne', 'pluriel')]


def temps(lemme, modele, formes, mode, tps, voix='actif'):
    """Six persons of one tense; a cell '-' is skipped, 'a/b' gives two variants."""
    for (p, n), cellule in zip(PERS, formes.split()):
        for f in cellule.split('/'):
            if f != '-':
                ajoute(f, lemme, modele, p, n, mode, tps, voix)


def seule(forme, lemme, modele, *traits):
    ajoute(forme, lemme, modele, *traits)


# ================================================================ pronouns
# Personal pronouns.  The plurals nos and uos have entries of their own, as in
# the dictionaries and the treebank the coverage is measured on; with
# PLURIELS_SOUS_SINGULIER set they are filed under ego and tu instead (the
# entries nos and uos must then leave data/lexique-base.txt).
PLURIELS_SOUS_SINGULIER = False
NOUS, VOUS = ('ego', 'tu') if PLURIELS_SOUS_SINGULIER else ('nos', 'uos')
PERSONNELS = [
    ('ego', 'singulier', dict(nom='ego', acc='me', gen='mei', dat='mihi/mi', abl='me')),
    ('tu', 'singulier', dict(nom='tu', voc='tu', acc='te', gen='tui', dat='tibi', abl='te')),
    (NOUS, 'pluriel', dict(nom='nos', acc='nos', gen='nostri/nostrum', dat='nobis', abl='nobis')),
    (VOUS, 'pluriel', dict(nom='uos', voc='uos', acc='uos', gen='uestri/uestrum', dat='uobis', abl='uobis')),
]
for lemme, nombre, d in PERSONNELS:
    for cle, c in (('nom', 'nominatif'), ('voc', 'vocatif'), ('acc', 'accusatif'),
                   ('gen', 'génitif'), ('dat', 'datif'), ('abl', 'ablatif')):
        for f in d.get(cle, '').split('/'):
            if f:
                ajoute(f, lemme, 'pronoms', c, 'masculin féminin', nombre)
# Emphatic -met forms and the ablative with enclitic cum (mecum "avec moi").
for f, lemme, c, n in (('egomet', 'ego', 'nominatif', 'singulier'), ('memet', 'ego', 'accusatif', 'singulier'),
                       ('mihimet', 'ego', 'datif', 'singulier'), ('nosmet', NOUS, 'nominatif', 'pluriel'),
                       ('nosmet', NOUS, 'accusatif', 'pluriel'), ('tute', 'tu', 'nominatif', 'singulier'),
                       ('temet', 'tu', 'accusatif', 'singulier'), ('tibimet', 'tu', 'datif', 'singulier'),
                       ('uosmet', VOUS, 'nominatif', 'pluriel'), ('uosmet', VOUS, 'accusatif', 'pluriel'),
                       ('mecum', 'ego', 'ablatif', 'singulier'), ('tecum', 'tu', 'ablatif', 'singulier'),
                       ('nobiscum', NOUS, 'ablatif', 'pluriel'), ('uobiscum', VOUS, 'ablatif', 'pluriel')):
    ajoute(f, lemme, 'pronoms', c, 'masculin féminin', n)

# Reflexive, filed under se: the number is that of the subject, so both are given.
for f, cas in (('sui', 'génitif'), ('sibi', 'datif'), ('se', 'accusatif'), ('se', 'ablatif'),
               ('sese', 'accusatif'), ('sese', 'ablatif'), ('semet', 'accusatif'), ('semet', 'ablatif'),
               ('secum', 'ablatif'), ('sibimet', 'datif')):
    ajoute(f, 'se', 'pronoms', cas, 'masculin féminin neutre singulier pluriel')

# Demonstratives.
tableau('hic', 'pronoms', """
    nominatif singulier: hic | haec | hoc
    accusatif singulier: hunc | hanc | hoc
    génitif singulier: huius
    datif singulier: huic
    ablatif singulier: hoc | hac | hoc
    nominatif pluriel: hi/hii | hae | haec
    accusatif pluriel: hos | has | haec
    génitif pluriel: horum | harum | horum
    datif ablatif pluriel: his/hiis
""")
pronominal('iste', 'ist', 'iste', 'istud')
pronominal('ille', 'ill', 'ille', 'illud')
pronominal('ipse', 'ips', 'ipse', 'ipsum')
tableau('is', 'pronoms', """
    nominatif singulier: is | ea | id
    accusatif singulier: eum | eam | id
    génitif singulier: eius
    datif singulier: ei
    ablatif singulier: eo | ea | eo
    nominatif pluriel: ei/ii | eae | ea
    accusatif pluriel: eos | eas | ea
    génitif pluriel: eorum | earum | eorum
    datif ablatif pluriel: eis/iis
""")
tableau('idem', 'pronoms', """
    nominatif singulier: idem | eadem | idem
    accusatif singulier: eundem/eumdem | eandem/eamdem | idem
    génitif singulier: eiusdem
    datif singulier: eidem
    ablatif singulier: eodem | eadem | eodem
    nominatif pluriel: eidem/iidem/idem | eaedem | eadem
    accusatif pluriel: eosdem | easdem | eadem
    génitif pluriel: eorundem/eorumdem | earundem/earumdem | eorundem/eorumdem
    datif ablatif pluriel: eisdem/iisdem/isdem
""")

# Relative, interrogative and indefinite qui / quis.
QUI_PLURIEL = """
    nominatif pluriel: qui | quae | quae
    accusatif pluriel: quos | quas | quae
    génitif pluriel: quorum | quarum | quorum
    datif ablatif pluriel: quibus
"""
tableau('qui', 'pronoms', """
    nominatif singulier: qui | quae | quod
    accusatif singulier: quem | quam | quod
    génitif singulier: cuius
    datif singulier: cui
    ablatif singulier: quo | qua | quo
""" + QUI_PLURIEL)
for f, c, n in (('quocum', 'ablatif', 'masculin neutre singulier'), ('quacum', 'ablatif', 'féminin singulier'),
                ('quibuscum', 'ablatif', 'masculin féminin neutre pluriel')):
    ajoute(f, 'qui', 'pronoms', c, n)
# quis: pronoun quis/quid and the interrogative adjective qui/quae/quod.
tableau('quis', 'pronoms', """
    nominatif singulier: quis/qui | quis/quae | quid/quod
    accusatif singulier: quem | quem/quam | quid/quod
    génitif singulier: cuius
    datif singulier: cui
    ablatif singulier: quo | qua | quo
""" + QUI_PLURIEL)
tableau('aliquis', 'pronoms', """
    nominatif singulier: aliquis/aliqui | aliquis/aliqua | aliquid/aliquod
    accusatif singulier: aliquem | aliquem/aliquam | aliquid/aliquod
    génitif singulier: alicuius
    datif singulier: alicui
    ablatif singulier: aliquo | aliqua | aliquo
    nominatif pluriel: aliqui | aliquae | aliqua
    accusatif pluriel: aliquos | aliquas | aliqua
    génitif pluriel: aliquorum | aliquarum | aliquorum
    datif ablatif pluriel: aliquibus
""")
tableau('quidam', 'pronoms', """
    nominatif singulier: quidam | quaedam | quoddam/quiddam
    accusatif singulier: quendam/quemdam | quandam/quamdam | quoddam/quiddam
    génitif singulier: cuiusdam
    datif singulier: cuidam
    ablatif singulier: quodam | quadam | quodam
    nominatif pluriel: quidam | quaedam | quaedam
    accusatif pluriel: quosdam | quasdam | quaedam
    génitif pluriel: quorundam/quorumdam | quarundam/quarumdam | quorundam/quorumdam
    datif ablatif pluriel: quibusdam
""")
tableau('quisque', 'pronoms', """
    nominatif singulier: quisque | quisque/quaeque | quidque/quicque/quodque
    accusatif singulier: quemque | quamque | quidque/quicque/quodque
    génitif singulier: cuiusque
    datif singulier: cuique
    ablatif singulier: quoque | quaque | quoque
    nominatif pluriel: quique | quaeque | quaeque
    accusatif pluriel: quosque | quasque | quaeque
    génitif pluriel: quorumque | quarumque | quorumque
    datif ablatif pluriel: quibusque
""")
tableau('quisquam', 'pronoms', """
    nominatif singulier: quisquam | quisquam | quicquam/quidquam
    accusatif singulier: quemquam | quemquam | quicquam/quidquam
    génitif singulier: cuiusquam
    datif singulier: cuiquam
    ablatif singulier: quoquam | quaquam | quoquam
""")
tableau('quisquis', 'pronoms', """
    nominatif singulier: quisquis | quisquis | quidquid/quicquid
    accusatif singulier: quemquem | quemquem | quidquid/quicquid
    datif singulier: cuicui
    ablatif singulier: quoquo | quaqua | quoquo
""")
# qui + -uis, -libet, -cumque: the relative declined, the particle unchanged.
for lemme, particule, neutre in (('quiuis', 'uis', 'quid/quod'), ('quilibet', 'libet', 'quid/quod'),
                                 ('quicumque', 'cumque', 'quod'), ('quicumque', 'cunque', 'quod')):
    def x(cellule):
        return '/'.join(f + particule for f in cellule.split('/'))
    tableau(lemme, 'pronoms', f"""
        nominatif singulier: {x('qui')} | {x('quae')} | {x(neutre)}
        accusatif singulier: {x('quem')} | {x('quam')} | {x(neutre)}
        génitif singulier: {x('cuius')}
        datif singulier: {x('cui')}
        ablatif singulier: {x('quo')} | {x('qua')} | {x('quo')}
        nominatif pluriel: {x('qui')} | {x('quae')} | {x('quae')}
        accusatif pluriel: {x('quos')} | {x('quas')} | {x('quae')}
        génitif pluriel: {x('quorum')} | {x('quarum')} | {x('quorum')}
        datif ablatif pluriel: {x('quibus')}
    """)
# quis + -nam, -piam: the interrogative/indefinite declined, the particle unchanged.
for lemme, particule in (('quisnam', 'nam'), ('quispiam', 'piam')):
    def x(cellule):
        return '/'.join(f + particule for f in cellule.split('/'))
    tableau(lemme, 'pronoms', f"""
        nominatif singulier: {x('quis/qui')} | {x('quis/quae')} | {x('quid/quod')}
        accusatif singulier: {x('quem')} | {x('quem/quam')} | {x('quid/quod')}
        génitif singulier: {x('cuius')}
        datif singulier: {x('cui')}
        ablatif singulier: {x('quo')} | {x('qua')} | {x('quo')}
        nominatif pluriel: {x('qui')} | {x('quae')} | {x('quae')}
        accusatif pluriel: {x('quos')} | {x('quas')} | {x('quae')}
        génitif pluriel: {x('quorum')} | {x('quarum')} | {x('quorum')}
        datif ablatif pluriel: {x('quibus')}
    """)
tableau('unusquisque', 'pronoms', """
    nominatif singulier: unusquisque | unaquaeque | unumquodque/unumquidque
    accusatif singulier: unumquemque | unamquamque | unumquodque/unumquidque
    génitif singulier: uniuscuiusque
    datif singulier: unicuique
    ablatif singulier: unoquoque | unaquaque | unoquoque
""")
tableau('plerusque', 'pronoms', """
    nominatif singulier: plerusque | pleraque | plerumque
    accusatif singulier: plerumque | pleramque | plerumque
    génitif singulier: plerique | pleraeque | plerique
    ablatif singulier: pleroque | pleraque | pleroque
    nominatif pluriel: plerique | pleraeque | pleraque
    accusatif pluriel: plerosque | plerasque | pleraque
    génitif pluriel: plerorumque | plerarumque | plerorumque
    datif ablatif pluriel: plerisque
""")
tableau('uterque', 'pronoms', """
    nominatif singulier: uterque | utraque | utrumque
    accusatif singulier: utrumque | utramque | utrumque
    génitif singulier: utriusque
    datif singulier: utrique
    ablatif singulier: utroque | utraque | utroque
    nominatif pluriel: utrique | utraeque | utraque
    accusatif pluriel: utrosque | utrasque | utraque
    génitif pluriel: utrorumque | utrarumque | utrorumque
    datif ablatif pluriel: utrisque
""")
tableau('nemo', 'pronoms', """
    accusatif singulier: neminem | neminem | -
    génitif singulier: neminis | neminis | -
    datif singulier: nemini | nemini | -
    ablatif singulier: nemine | nemine | -
""")
tableau('nihil', 'pronoms', """
    nominatif accusatif singulier: - | - | nihil/nil
    génitif singulier: - | - | nihili
    ablatif singulier: - | - | nihilo
""")

# Numerals with a declension of their own.
tableau('duo', 'pronoms', """
    nominatif vocatif pluriel: duo | duae | duo
    accusatif pluriel: duos/duo | duas | duo
    génitif pluriel: duorum/duum | duarum/duum | duorum/duum
    datif ablatif pluriel: duobus | duabus | duobus
""")
tableau('ambo', 'pronoms', """
    nominatif vocatif pluriel: ambo | ambae | ambo
    accusatif pluriel: ambos/ambo | ambas | ambo
    génitif pluriel: amborum | ambarum | amborum
    datif ablatif pluriel: ambobus | ambabus | ambobus
""")
tableau('tres', 'pronoms', """
    nominatif vocatif pluriel: tres | tres | tria
    accusatif pluriel: tres/tris | tres/tris | tria
    génitif pluriel: trium
    datif ablatif pluriel: tribus
""")

# ================================================================ adjectives
# Pronominal adjectives: genitive -ius, dative -i.
for lemme, modele, gen, dat in (('unus', 'bonus', 'unius', 'uni'), ('totus', 'bonus', 'totius', 'toti'),
                                ('solus', 'bonus', 'solius', 'soli'), ('ullus', 'bonus', 'ullius', 'ulli'),
                                ('nullus', 'bonus', 'nullius', 'nulli'), ('alius', 'bonus', 'alterius', 'alii'),
                                ('alter', 'miser', 'alterius', 'alteri'), ('uter', 'pulcher', 'utrius', 'utri'),
                                ('neuter', 'pulcher', 'neutrius', 'neutri')):
    gen_dat_pronominaux(lemme, modele, gen, dat)
ajoute('aliud', 'alius', 'bonus', 'nominatif neutre singulier')
ajoute('aliud', 'alius', 'bonus', 'accusatif neutre singulier')
ajoute('aliud', 'alius', 'bonus', 'vocatif neutre singulier')
ajoute('mi', 'meus', 'bonus', 'vocatif masculin singulier')

# Comparatives and superlatives on another stem, filed under the positive.
comparatif('bonus', 'bonus', 'melior', 'melius', 'melior')
premiere_deuxieme('bonus', 'bonus', 'optim', 'superlatif')
comparatif('malus', 'bonus', 'peior', 'peius', 'peior')
premiere_deuxieme('malus', 'bonus', 'pessim', 'superlatif')
comparatif('magnus', 'bonus', 'maior', 'maius', 'maior')
premiere_deuxieme('magnus', 'bonus', 'maxim', 'superlatif')
comparatif('paruus', 'bonus', 'minor', 'minus', 'minor')
premiere_deuxieme('paruus', 'bonus', 'minim', 'superlatif')
premiere_deuxieme('multus', 'bonus', 'plurim', 'superlatif')
tableau('multus', 'bonus', """
    nominatif accusatif singulier: - | - | plus
    génitif singulier: - | - | pluris
    ablatif singulier: - | - | plure
    nominatif accusatif pluriel: plures | plures | plura
    génitif pluriel: plurium
    datif ablatif pluriel: pluribus
""", 'comparatif')
# The comparatives superior, inferior, exterior, posterior are regular on
# their positives (super-ior) and come from the endings: listed here too,
# every one of their readings would be shown twice.
# Comparatives without a positive: entries on model uetus (stem = the headword),
# whose only form the model cannot build is the neuter in -ius.
for lemme, neutre in (('prior', 'prius'), ('ulterior', 'ulterius'), ('interior', 'interius'),
                      ('citerior', 'citerius')):
    for c in ('nominatif', 'vocatif', 'accusatif'):
        ajoute(neutre, lemme, 'uetus', c, 'neutre singulier comparatif')
# Superlatives in -llimus and -errimus of third-declension adjectives.
for lemme in ('facilis', 'difficilis', 'similis', 'dissimilis', 'gracilis', 'humilis'):
    premiere_deuxieme(lemme, 'fortis', lemme[:-3] + 'llim', 'superlatif')
premiere_deuxieme('celer', 'fortis', 'celerrim', 'superlatif')
# Adjectives in -ficus and -uolus compare on a participle stem in -ent-.
for lemme, base in (('magnificus', 'magnificent'), ('munificus', 'munificent'), ('beneficus', 'beneficent'),
                    ('maleficus', 'maleficent'), ('beneuolus', 'beneuolent'), ('maleuolus', 'maleuolent')):
    comparatif(lemme, 'bonus', base + 'ior', base + 'ius', base + 'ior')
    premiere_deuxieme(lemme, 'bonus', base + 'issim', 'superlatif')

# ================================================================ nouns
# domus: second-declension forms beside the fourth (domi also the locative).
# Nouns take their gender from the lexicon entry, so none is given here.
# The regular forms domus, domuum are listed too, so that domi, domos,
# domorum stand beside them in the tables rather than in their place.
for f, c, n in (('domus', 'génitif', 'singulier'), ('domus', 'accusatif', 'pluriel'),
                ('domuum', 'génitif', 'pluriel'), ('domi', 'génitif', 'singulier'),
                ('domo', 'ablatif', 'singulier'),
                ('domos', 'accusatif', 'pluriel'), ('domorum', 'génitif', 'pluriel')):
    ajoute(f, 'domus', 'manus', c, n)
for f, c in (('di', 'nominatif'), ('di', 'vocatif'), ('dii', 'nominatif'), ('dii', 'vocatif'),
             ('dis', 'datif'), ('dis', 'ablatif'), ('diis', 'datif'), ('diis', 'ablatif'),
             ('deum', 'génitif')):
    ajoute(f, 'deus', 'amicus', c, 'pluriel')
ajoute('deus', 'deus', 'amicus', 'vocatif singulier')
ajoute('fili', 'filius', 'amicus', 'vocatif singulier')
for f, c in (('boum', 'génitif'), ('bobus', 'datif'), ('bobus', 'ablatif'), ('bubus', 'datif'),
             ('bubus', 'ablatif')):
    ajoute(f, 'bos', 'miles', c, 'pluriel')
for lemme in EN_ABUS:
    for c in ('datif', 'ablatif'):
        ajoute(lemme[:-1] + 'abus', lemme, 'uita', c, 'pluriel')
for lemme in EN_UBUS:
    for c in ('datif', 'ablatif'):
        ajoute(lemme.removesuffix('us').removesuffix('u') + 'ubus', lemme, 'manus', c, 'pluriel')
# uis has no usable stem (uir- would read uiri, uirum as forms of uis): all listed.
for f, c, n in (('uis', 'génitif', 'singulier'), ('uim', 'accusatif', 'singulier'), ('ui', 'datif', 'singulier'),
                ('ui', 'ablatif', 'singulier'), ('uires', 'nominatif', 'pluriel'), ('uires', 'vocatif', 'pluriel'),
                ('uires', 'accusatif', 'pluriel'), ('uiris', 'accusatif', 'pluriel'),
                ('uirium', 'génitif', 'pluriel'), ('uiribus', 'datif', 'pluriel'), ('uiribus', 'ablatif', 'pluriel')):
    ajoute(f, 'uis', 'ciuis', c, n)
# Iesus: Iesum is regular (model amicus), Iesu serves every other oblique case.
for c in ('vocatif', 'génitif', 'datif', 'ablatif'):
    ajoute('Iesu', 'Iesus', 'amicus', c, 'singulier')
for c in ('nominatif', 'vocatif'):
    ajoute('Iupiter', 'Iuppiter', 'miles', c, 'singulier')
ajoute('Iuppiter', 'Iuppiter', 'miles', 'vocatif singulier')

# ================================================================ verbs
IND, SUB, IMP, INF = 'indicatif', 'subjonctif', 'impératif', 'infinitif'

# possum and prosum: model sum on the stems pos- and pro-; pos+sum, pro+sunt,
# pos+sim are regular, the forms in pot- and prod- are not.
for lemme, p, v in (('possum', 'poss', 'pot'), ('prosum', 'pros', 'prod')):
    temps(lemme, 'sum', f'- {v}es {v}est - {v}estis -', IND, 'présent')
    temps(lemme, 'sum', f'{v}eram {v}eras {v}erat {v}eramus {v}eratis {v}erant', IND, 'imparfait')
    temps(lemme, 'sum', f'{v}ero {v}eris {v}erit {v}erimus {v}eritis {v}erunt', IND, 'futur')
    if lemme == 'possum':
        temps(lemme, 'sum', 'possem posses posset possemus possetis possent', SUB, 'imparfait')
        seule('posse', lemme, 'sum', INF, 'présent actif')
    else:
        temps(lemme, 'sum', 'prodessem prodesses prodesset prodessemus prodessetis prodessent', SUB, 'imparfait')
        seule('prodesse', lemme, 'sum', INF, 'présent actif')
        temps(lemme, 'sum', '- prodes - - prodeste -', IMP, 'présent')
        temps(lemme, 'sum', '- prodesto prodesto - prodestote -', IMP, 'futur')


def famille_fero(lemme, s):
    """What model lego cannot build on the present stem s (fer, affer, aufer...)."""
    temps(lemme, 'lego', f'- {s}s {s}t - {s}tis -', IND, 'présent')
    temps(lemme, 'lego', f'- {s}ris/{s}re {s}tur - - -', IND, 'présent', 'passif')
    temps(lemme, 'lego', f'{s}rem {s}res {s}ret {s}remus {s}retis {s}rent', SUB, 'imparfait')
    temps(lemme, 'lego', f'{s}rer {s}reris/{s}rere {s}retur {s}remur {s}remini {s}rentur', SUB, 'imparfait',
          'passif')
    temps(lemme, 'lego', f'- {s} - - {s}te -', IMP, 'présent')
    temps(lemme, 'lego', f'- {s}re - - - -', IMP, 'présent', 'passif')
    temps(lemme, 'lego', f'- {s}to {s}to - {s}tote -', IMP, 'futur')
    temps(lemme, 'lego', f'- {s}tor {s}tor - - -', IMP, 'futur', 'passif')
    seule(s + 're', lemme, 'lego', INF, 'présent actif')
    seule(s + 'ri', lemme, 'lego', INF, 'présent passif')


# fero and its compounds: key, present stem (for the lexicon: perfect, supine stems).
# The spelling adfer- is filed under affero (adfero is a cross-reference to it).
COMPOSES_FERO = [('fero', 'fer'), ('affero', 'affer'), ('affero', 'adfer'), ('aufero', 'aufer'),
                 ('confero', 'confer'), ('circumfero', 'circumfer'), ('defero', 'defer'), ('differo', 'differ'),
                 ('effero', 'effer'), ('infero', 'infer'), ('offero', 'offer'), ('perfero', 'perfer'),
                 ('praefero', 'praefer'), ('profero', 'profer'), ('refero', 'refer'), ('suffero', 'suffer'),
                 ('transfero', 'transfer')]
for lemme, s in COMPOSES_FERO:
    famille_fero(lemme, s)

# uolo, nolo, malo: model lego on uol-, nol-, mal- (uolebam, uolam, uolui regular).
temps('uolo', 'lego', '- uis uult/uolt uolumus uultis/uoltis -', IND, 'présent')
temps('uolo', 'lego', 'uelim uelis uelit uelimus uelitis uelint', SUB, 'présent')
temps('uolo', 'lego', 'uellem uelles uellet uellemus uelletis uellent', SUB, 'imparfait')
seule('uelle', 'uolo', 'lego', INF, 'présent actif')
temps('nolo', 'lego', '- - - nolumus - -', IND, 'présent')
temps('nolo', 'lego', 'nolim nolis nolit nolimus nolitis nolint', SUB, 'présent')
temps('nolo', 'lego', 'nollem nolles nollet nollemus nolletis nollent', SUB, 'imparfait')
temps('nolo', 'lego', '- noli - - - -', IMP, 'présent')
seule('nolle', 'nolo', 'lego', INF, 'présent actif')
temps('malo', 'lego', '- mauis mauult/mauolt malumus mauultis/mauoltis -', IND, 'présent')
temps('malo', 'lego', 'malim malis malit malimus malitis malint', SUB, 'présent')
temps('malo', 'lego', 'mallem malles mallet mallemus malletis mallent', SUB, 'imparfait')
seule('malle', 'malo', 'lego', INF, 'présent actif')

# fio: model audio on f- (fis, fit, fiunt, fiebam, fiam regular).
temps('fio', 'audio', 'fierem fieres fieret fieremus fieretis fierent', SUB, 'imparfait')
seule('fieri', 'fio', 'audio', INF, 'présent actif')

# edo "manger": the athematic forms beside the regular edis, edit, ederem.
# Those written like forms of sum (es, est, esse, essem...) are left out unless
# EDO_COMME_SUM is set: they would add "edo" to every est, esse and essent of a
# text, ahead of sum in the order of headings, for a reading met a few times in
# comedy; estur, essetur and the subjunctive edim are unambiguous and kept.
EDO_COMME_SUM = False
temps('edo', 'lego', '- - estur - - -', IND, 'présent', 'passif')
temps('edo', 'lego', 'edim edis edit edimus editis edint', SUB, 'présent')
temps('edo', 'lego', '- - essetur - - -', SUB, 'imparfait', 'passif')
if EDO_COMME_SUM:
    temps('edo', 'lego', '- es est - estis -', IND, 'présent')
    temps('edo', 'lego', 'essem esses esset essemus essetis essent', SUB, 'imparfait')
    temps('edo', 'lego', '- es - - este -', IMP, 'présent')
    temps('edo', 'lego', '- esto esto - estote -', IMP, 'futur')
    seule('esse', 'edo', 'lego', INF, 'présent actif')

# Short imperatives of dico, duco, facio and their compounds (compounds of
# facio in -ficio have the regular -fice).
for lemme, modele, f in (('dico', 'lego', 'dic'), ('duco', 'lego', 'duc'), ('facio', 'capio', 'fac'),
                         ('benedico', 'lego', 'benedic'), ('maledico', 'lego', 'maledic'),
                         ('abduco', 'lego', 'abduc'), ('adduco', 'lego', 'adduc'), ('deduco', 'lego', 'deduc'),
                         ('educo', 'lego', 'educ'), ('induco', 'lego', 'induc'), ('perduco', 'lego', 'perduc'),
                         ('produco', 'lego', 'produc'), ('reduco', 'lego', 'reduc'), ('seduco', 'lego', 'seduc'),
                         ('traduco', 'lego', 'traduc')):
    ajoute(f, lemme, modele, '2ème personne singulier impératif présent actif')

# nosco and cognosco: the contracted forms of the perfect nou- (nosti, norat, nosse).
for lemme, b in (('nosco', 'no'), ('cognosco', 'cogno')):
    temps(lemme, 'lego', f'- {b}sti - - {b}stis {b}runt', IND, 'parfait')
    temps(lemme, 'lego', f'{b}ram {b}ras {b}rat {b}ramus {b}ratis {b}rant', IND, 'plus-que-parfait')
    temps(lemme, 'lego', f'{b}rim {b}ris {b}rit {b}rimus {b}ritis {b}rint', SUB, 'parfait')
    temps(lemme, 'lego', f'{b}ssem {b}sses {b}sset {b}ssemus {b}ssetis {b}ssent', SUB, 'plus-que-parfait')
    seule(b + 'sse', lemme, 'lego', INF, 'parfait actif')

# potior also follows the third conjugation in the imperfect subjunctive
# (poteretur, poterentur, frequent in Caesar); the other verbs of its model do not.
temps('potior', 'potior', 'poterer potereris/poterere poteretur poteremur poteremini poterentur', SUB,
      'imparfait')

# aio has only these forms; its entry is on model sum, which builds nothing
# on a key that does not end in -sum, so no other form is made up (aiam).
temps('aio', 'sum', '- ais ait - - aiunt', IND, 'présent')
temps('aio', 'sum', 'aiebam aiebas aiebat aiebamus aiebatis aiebant', IND, 'imparfait')
temps('aio', 'sum', '- aias aiat - - aiant', SUB, 'présent')
temps('aio', 'sum', '- ai - - - -', IMP, 'présent')
seule('aiens', 'aio', 'sum', 'participe présent actif nominatif masculin féminin neutre singulier')

# Defective verbs.  odi and coepi are regular perfects on their stems 2 and 3;
# memini lacks only its imperative, inquam has no stem at all.
# odi: the late future odies, odiet (as from odio, odire) of the Gospels.
temps('odi', 'lego', '- odies odiet - - odient', IND, 'futur')
temps('memini', 'lego', '- memento - - mementote -', IMP, 'futur')
temps('inquam', 'lego', '- inquis inquit inquimus inquitis inquiunt', IND, 'présent')
temps('inquam', 'lego', '- - inquiebat - - inquiebant', IND, 'imparfait')
temps('inquam', 'lego', '- inquies inquiet - - -', IND, 'futur')
temps('inquam', 'lego', 'inquii inquisti inquit - - -', IND, 'parfait')
temps('inquam', 'lego', '- - inquiat - - -', SUB, 'présent')
temps('inquam', 'lego', '- inque - - - -', IMP, 'présent')
temps('inquam', 'lego', '- inquito - - - -', IMP, 'futur')


# ============================================ nouns outside their model
# Neuter nouns of the fourth declension (cornu, cornus) follow manus except in
# the nominative, vocative and accusative, -u and -ua.
NEUTRES_QUATRIEME = ['cornu', 'genu', 'gelu']
for lemme in NEUTRES_QUATRIEME:
    b = lemme[:-1]
    for cas in ('nominatif', 'vocatif', 'accusatif'):
        ajoute(b + 'u', lemme, 'manus', cas, 'singulier')
        ajoute(b + 'ua', lemme, 'manus', cas, 'pluriel')

# Genitive plural in -um of some second declension nouns (deum, uirum,
# liberum "des enfants", nummum, socium), beside -orum.
# (uirum is listed with the other forms of uir, data/irreguliers-uir.txt.)
GENITIFS_EN_UM = [('liber', 'puer', 'liberum'),
                  ('nummus', 'amicus', 'nummum'), ('socius', 'amicus', 'socium'),
                  ('modius', 'amicus', 'modium'), ('denarius', 'amicus', 'denarium')]
for lemme, modele, forme in GENITIFS_EN_UM:
    ajoute(forme, lemme, modele, 'génitif pluriel')

# Greek case forms of Greek names and nouns, beside the Latin ones that their
# model builds.
GRECS = [
    ('Aeneas', 'uita', 'Aenean', 'accusatif singulier'),
    ('Anchises', 'res', 'Anchisae', 'génitif singulier'),
    ('Anchises', 'res', 'Anchisae', 'datif singulier'),
    ('Anchises', 'res', 'Anchisen', 'accusatif singulier'),
    ('Anchises', 'res', 'Anchisa', 'vocatif singulier'),
    ('Anchises', 'res', 'Anchisa', 'ablatif singulier'),
    ('Dido', 'miles', 'Didus', 'génitif singulier'),
    ('Dido', 'miles', 'Dido', 'accusatif singulier'),
    ('Orpheus', 'amicus', 'Orphea', 'accusatif singulier'),
    ('Orpheus', 'amicus', 'Orpheos', 'génitif singulier'),
    ('Orpheus', 'amicus', 'Orpheu', 'vocatif singulier'),
    ('aether', 'miles', 'aethera', 'accusatif singulier'),
    ('aer', 'miles', 'aera', 'accusatif singulier'),
    ('heros', 'miles', 'heroa', 'accusatif singulier'),
    ('heros', 'miles', 'heroas', 'accusatif pluriel'),
    ('Tros', 'miles', 'Troas', 'accusatif pluriel'),
]
for lemme, modele, forme, traits in GRECS:
    ajoute(forme, lemme, modele, traits)


# ================================================================ checks
def verifie():
    """Every trait term known, every model known, every lemma present in the
    lexicon sources with that model (lexique-base.txt, or the main lexicon for
    LEMMES_REGULIERS).  Problems go to standard error; returns their number."""
    erreurs = 0
    multi = sorted((t for t in TERMES if ' ' in t), key=len, reverse=True)
    for forme, lemme, modele, traits in lignes:
        reste = ' ' + traits + ' '
        for t in multi:
            reste = reste.replace(' ' + t + ' ', ' ')
        for mot in reste.split():
            if mot not in TERMES:
                print(f'{forme}: terme inconnu « {mot} »', file=sys.stderr)
                erreurs += 1
        if modele not in MODELES:
            print(f'{forme}: modèle inconnu « {modele} »', file=sys.stderr)
            erreurs += 1
        if 'v' in forme or 'j' in forme:
            print(f'{forme}: graphie v/j', file=sys.stderr)
            erreurs += 1
    entrees = {}
    base = os.path.join(DATA, 'lexique-base.txt')
    if os.path.exists(base):
        for n, ligne in enumerate(open(base, encoding='utf-8'), 1):
            if ligne.strip() and not ligne.startswith('#'):
                champs = ligne.rstrip('\n').split('\t')
                if len(champs) != 6 or (' : ' not in champs[5] and not champs[5].startswith('cf.  ')):
                    print(f'lexique-base.txt:{n}: ligne mal formée', file=sys.stderr)
                    erreurs += 1
                    continue
                entrees.setdefault(champs[0], set()).add(champs[1])
    autres = {}
    for nom in sorted(os.listdir(DATA)) if os.path.isdir(DATA) else []:
        if not (nom.startswith('lexique') and nom.endswith('.txt')) or nom == 'lexique-base.txt':
            continue
        for ligne in open(os.path.join(DATA, nom), encoding='utf-8'):
            if ligne.strip() and not ligne.startswith('#'):
                champs = ligne.split('\t')
                if len(champs) > 1:
                    autres.setdefault(champs[0], set()).add(champs[1])
    for lemme, modele in sorted({(l, m) for _, l, m, _ in lignes}):
        if modele in entrees.get(lemme, ()):
            continue
        if LEMMES_REGULIERS.get(lemme) == modele:
            if autres and modele not in autres.get(lemme, ()):
                print(f'{lemme} ({modele}) absent de lexique.txt', file=sys.stderr)
            continue
        if modele in autres.get(lemme, ()) and lemme in LEMMES_HORS_BASE:
            continue
        print(f'{lemme} ({modele}): aucune entrée de ce modèle', file=sys.stderr)
        erreurs += 1
    return erreurs


if __name__ == '__main__':
    erreurs = verifie()
    print('# Formes irrégulières : forme, lemme, modèle, traits.')
    print('# Fichier produit par outils/donnees/genere_irreguliers.py ; ne pas modifier à la main.')
    vues = set()
    for l in lignes:
        if l not in vues:
            vues.add(l)
            print('\t'.join(l))
    print(f'{len(vues)} formes irrégulières', file=sys.stderr)
    sys.exit(1 if erreurs else 0)
