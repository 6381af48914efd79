#!/usr/bin/env python3
"""Builds data/desinences.txt, the endings table of the analyser, from the
paradigm tables below.  Regenerate it (the output is the same on every run)
from the root of the repository with:
    python3 outils/donnees/genere_desinences.py
(an optional argument names another output file; --verifie only checks the
tables and prints the counts).

Output lines: terminaison<TAB>modele<TAB>radical<TAB>traits, grouped by model
with comment lines.  The ending is written forwards and is never empty; traits
are French terms of the grammatical vocabulary separated by blanks.  Spelling
is u/i (no v, no j).  Several lines may share an ending: the analyser keeps
their readings in file order.

How the stems are meant (the analyser rebuilds the headword from stem 1):
- stem 1 + citation ending = headword (uit+a, amic+us, am+o, mon+eo, ab+sum,
  red+eo, imit+or...), except for miles, ciuis, corpus, mare, fortis and
  uetus whose stem 1 is the oblique stem listed in the entry (milit-, ciu-,
  corpor-, mar-, fort-, ueter-).  For those the nominative singular (and the
  vocative, and the neuter accusative equal to it) is the headword itself and
  is found as such; it is generated only where the ending is the same for the
  whole type (mare: -e, fortis: -is/-e).  The ciuis model also serves the
  mixed i-stems (urbs, urbis; mons, montis), so -is is never its nominative.
- stem 2: the perfect stem(s) of a verb (amau-, monu-, leg-, cep-, audiu-,
  fu-, i-/redi-); stem 3: the supine stem (amat-, imitat-, fut-, it-).
- sum and eo: stem 1 is the prefix of the compound ("" for sum and eo
  themselves, ab- for absum, red- for redeo).
- The perfect of eo is built on the short stem i-/redi- (redi+i, redi+it,
  redi+erunt) and, for the contracted forms, on the same stem with the
  endings -sti, -stis, -ssem, -sse (redi+sti = redisti, i+sse = isse).  The
  same contracted endings serve every -iui perfect of lego, capio and audio
  whose entry lists the short stem beside the long one (audi- beside
  audiu-: audii, audiit, audierunt, audisti, audisset; peti- beside petiu-).
  Built this way they never repeat the true perfect of a verb whose perfect
  stem is its present stem (uenio, ueni: uenisset).
- The syncopated perfects of amo (amasti, amarunt, amassem, amasse) are
  built on stem 1, so no extra stem is needed in the entries; so are the
  contracted -eui perfects of moneo (delesti, complesset, flesse), except the
  forms in -erunt/-eram, which would repeat the true perfect of uideo,
  sedeo, moueo.  Which entries take them the program decides
  (morpho/lectures_admises.cpp): the stem-1 syncopes only where the perfect
  stem is stem 1 + au/eu (amau-, deleu-: no dasti, no audessem), the endings
  in -s- of the contracted perfects only on a short stem in -i (audi-sti,
  not diuis-sti), the -ti of dixti only on a stem in -s or -x.
- Deponents (imitor, uereor, sequor, patior, potior) carry the voice "actif"
  (their meaning is active), except the gerundive, which stays "passif";
  their perfect participle (stem 3) is a "participe parfait actif".
- The datives and ablatives plural in -abus (deabus) and -ubus (lacubus)
  belong to a few nouns only: data/irreguliers.txt lists them.
- The supines (stem 3) are verb readings with a case and no mood: the
  supine in -um an accusative (cubitum ire), the supine in -u an ablative
  (mirabile dictu). The program describes a verb reading of that shape as
  "supin en -um" or "supin en -u" (lexical/definition.cpp). sum has none:
  its stem 3 (fut-) makes only the future participle.
"""
import os
import sys

from modeles import FLECHIS, MODELES

ICI = os.path.dirname(os.path.abspath(__file__))
SORTIE = os.path.join(ICI, '..', '..', 'data', 'desinences.txt')

# The French terms of the grammatical vocabulary, as the analyser reads them.
CAS = ['nominatif', 'vocatif', 'accusatif', 'génitif', 'datif', 'ablatif']
GENRES = ['masculin', 'féminin', 'neutre']
NOMBRES = ['singulier', 'pluriel']
PERSONNES = ['1ère personne', '2ème personne', '3ème personne']
MODES = ['indicatif', 'subjonctif', 'impératif', 'infinitif', 'participe', 'gérondif',
         'adjectif verbal']
TEMPS = ['présent', 'futur', 'imparfait', 'parfait', 'futur antérieur', 'plus-que-parfait']
VOIX = ['actif', 'passif']
DEGRES = ['positif', 'comparatif', 'superlatif']
TERMES = set(CAS + GENRES + NOMBRES + PERSONNES + MODES + TEMPS + VOIX + DEGRES)

# ---------------------------------------------------------------------------
# Paradigm tables.  A cell holds the ending, "a|b" for variants, "-" for none.
# ---------------------------------------------------------------------------

# Nouns: one row per case, singular then plural.
NOMS = {
    #            nom     voc     acc     gén      dat         abl
    'uita':    (('a',    'a',    'am',   'ae',    'ae',       'a'),
                ('ae',   'ae',   'as',   'arum',  'is',       'is')),
    'amicus':  (('us',   'e',    'um',   'i',     'o',        'o'),
                ('i',    'i',    'os',   'orum',  'is',       'is')),
    'puer':    (('er',   'er',   'erum', 'eri',   'ero',      'ero'),
                ('eri',  'eri',  'eros', 'erorum', 'eris',    'eris')),
    'ager':    (('er',   'er',   'rum',  'ri',    'ro',       'ro'),
                ('ri',   'ri',   'ros',  'rorum', 'ris',      'ris')),
    'templum': (('um',   'um',   'um',   'i',     'o',        'o'),
                ('a',    'a',    'a',    'orum',  'is',       'is')),
    'miles':   (('-',    '-',    'em',   'is',    'i',        'e'),
                ('es',   'es',   'es',   'um',    'ibus',     'ibus')),
    'ciuis':   (('-',    '-',    'em|im', 'is',   'i',        'e|i'),
                ('es',   'es',   'es|is', 'ium',  'ibus',     'ibus')),
    'corpus':  (('-',    '-',    '-',    'is',    'i',        'e'),
                ('a',    'a',    'a',    'um',    'ibus',     'ibus')),
    'mare':    (('e',    'e',    'e',    'is',    'i',        'i'),
                ('ia',   'ia',   'ia',   'ium',   'ibus',     'ibus')),
    'manus':   (('us',   'us',   'um',   'us',    'ui|u',     'u'),
                ('us',   'us',   'us',   'uum',   'ibus',     'ibus')),
    'res':     (('es',   'es',   'em',   'ei',    'ei',       'e'),
                ('es',   'es',   'es',   'erum',  'ebus',     'ebus')),
}

# First and second declension adjectives: per number, per case, the endings
# (masculine, feminine, neuter).
BONUS = (
    {'nominatif': ('us', 'a', 'um'), 'vocatif': ('e', 'a', 'um'), 'accusatif': ('um', 'am', 'um'),
     'génitif': ('i', 'ae', 'i'), 'datif': ('o', 'ae', 'o'), 'ablatif': ('o', 'a', 'o')},
    {'nominatif': ('i', 'ae', 'a'), 'vocatif': ('i', 'ae', 'a'), 'accusatif': ('os', 'as', 'a'),
     'génitif': ('orum', 'arum', 'orum'), 'datif': ('is', 'is', 'is'),
     'ablatif': ('is', 'is', 'is')},
)

# Third declension i-stem adjectives (fortis, forte), on the oblique stem.
FORTIS = (
    {'nominatif': ('is', 'is', 'e'), 'vocatif': ('is', 'is', 'e'), 'accusatif': ('em', 'em', 'e'),
     'génitif': ('is', 'is', 'is'), 'datif': ('i', 'i', 'i'), 'ablatif': ('i', 'i', 'i')},
    {'nominatif': ('es', 'es', 'ia'), 'vocatif': ('es', 'es', 'ia'),
     'accusatif': ('es|is', 'es|is', 'ia'), 'génitif': ('ium', 'ium', 'ium'),
     'datif': ('ibus', 'ibus', 'ibus'), 'ablatif': ('ibus', 'ibus', 'ibus')},
)

# acer, acris, acre: the nominative singular has three forms, the rest is
# the fortis type on ac-r-.
ACER = (
    {'nominatif': ('er', 'ris', 're'), 'vocatif': ('er', 'ris', 're'),
     'accusatif': ('rem', 'rem', 're'), 'génitif': ('ris', 'ris', 'ris'),
     'datif': ('ri', 'ri', 'ri'), 'ablatif': ('ri', 'ri', 'ri')},
    {'nominatif': ('res', 'res', 'ria'), 'vocatif': ('res', 'res', 'ria'),
     'accusatif': ('res|ris', 'res|ris', 'ria'), 'génitif': ('rium', 'rium', 'rium'),
     'datif': ('ribus', 'ribus', 'ribus'), 'ablatif': ('ribus', 'ribus', 'ribus')},
)

# One-termination adjectives on the oblique stem: uetus, ueteris (consonant
# stem) and felix, felicis / ingens, ingentis (i-stem), in one table.  The
# nominative (and neuter accusative) singular is the headword.
UETUS = (
    {'nominatif': ('-', '-', '-'), 'vocatif': ('-', '-', '-'), 'accusatif': ('em', 'em', '-'),
     'génitif': ('is', 'is', 'is'), 'datif': ('i', 'i', 'i'), 'ablatif': ('e|i', 'e|i', 'e|i')},
    {'nominatif': ('es', 'es', 'a|ia'), 'vocatif': ('es', 'es', 'a|ia'),
     'accusatif': ('es', 'es', 'a|ia'), 'génitif': ('um|ium', 'um|ium', 'um|ium'),
     'datif': ('ibus', 'ibus', 'ibus'), 'ablatif': ('ibus', 'ibus', 'ibus')},
)

# Comparative (-ior, -ius), on the suffix given by the model.
def comparatif(suffixe):
    neutre = suffixe[:-2] + 'us'          # ior -> ius, erior -> erius
    return (
        {'nominatif': (suffixe, suffixe, neutre), 'vocatif': (suffixe, suffixe, neutre),
         'accusatif': (suffixe + 'em', suffixe + 'em', neutre),
         'génitif': (suffixe + 'is',) * 3, 'datif': (suffixe + 'i',) * 3,
         'ablatif': (suffixe + 'e',) * 3},
        {'nominatif': (suffixe + 'es', suffixe + 'es', suffixe + 'a'),
         'vocatif': (suffixe + 'es', suffixe + 'es', suffixe + 'a'),
         'accusatif': (suffixe + 'es', suffixe + 'es', suffixe + 'a'),
         'génitif': (suffixe + 'um',) * 3, 'datif': (suffixe + 'ibus',) * 3,
         'ablatif': (suffixe + 'ibus',) * 3},
    )


def prefixe(table, debut):
    """The table with debut put before every ending ("issim" + bonus...)."""
    return tuple({cas: tuple('|'.join(debut + v for v in cellule.split('|'))
                             if cellule != '-' else '-' for cellule in genres)
                  for cas, genres in nombre.items()} for nombre in table)


def remplace(table, nombre, cas, genres):
    """A copy of the table with one row replaced."""
    copie = tuple(dict(n) for n in table)
    copie[nombre][cas] = genres
    return copie


# miser, misera, miserum (stem mis-) and pulcher, pulchra, pulchrum (stem
# pulch-): bonus endings after -er- / -r-, masculine nominative in -er.
MISER = remplace(remplace(prefixe(BONUS, 'er'), 0, 'nominatif', ('er', 'era', 'erum')),
                 0, 'vocatif', ('er', 'era', 'erum'))
PULCHER = remplace(remplace(prefixe(BONUS, 'r'), 0, 'nominatif', ('er', 'ra', 'rum')),
                   0, 'vocatif', ('er', 'ra', 'rum'))

# Adjective models: (positive, comparative suffix, superlative prefixes).
ADJECTIFS = {
    'bonus':   (BONUS,   'ior',   ['issim']),
    'miser':   (MISER,   'erior', ['errim']),
    'pulcher': (PULCHER, 'rior',  ['errim']),
    'fortis':  (FORTIS,  'ior',   ['issim']),
    'uetus':   (UETUS,   'ior',   ['issim', 'rim']),   # felicissimus, ueterrimus, pauperrimus
    'acer':    (ACER,    'rior',  ['errim']),
}

# Verbs.  Six cells per tense: 1st, 2nd, 3rd singular, 1st, 2nd, 3rd plural.
AMO = {
    ('indicatif', 'présent', 'actif'):     'o as at amus atis ant',
    ('indicatif', 'imparfait', 'actif'):   'abam abas abat abamus abatis abant',
    ('indicatif', 'futur', 'actif'):       'abo abis abit abimus abitis abunt',
    ('subjonctif', 'présent', 'actif'):    'em es et emus etis ent',
    ('subjonctif', 'imparfait', 'actif'):  'arem ares aret aremus aretis arent',
    ('impératif', 'présent', 'actif'):     '- a - - ate -',
    ('impératif', 'futur', 'actif'):       '- ato ato - atote anto',
    ('indicatif', 'présent', 'passif'):    'or aris|are atur amur amini antur',
    ('indicatif', 'imparfait', 'passif'):  'abar abaris|abare abatur abamur abamini abantur',
    ('indicatif', 'futur', 'passif'):      'abor aberis|abere abitur abimur abimini abuntur',
    ('subjonctif', 'présent', 'passif'):   'er eris|ere etur emur emini entur',
    ('subjonctif', 'imparfait', 'passif'): 'arer areris|arere aretur aremur aremini arentur',
    ('impératif', 'présent', 'passif'):    '- are - - amini -',
    ('impératif', 'futur', 'passif'):      '- ator ator - - antor',
}
MONEO = {
    ('indicatif', 'présent', 'actif'):     'eo es et emus etis ent',
    ('indicatif', 'imparfait', 'actif'):   'ebam ebas ebat ebamus ebatis ebant',
    ('indicatif', 'futur', 'actif'):       'ebo ebis ebit ebimus ebitis ebunt',
    ('subjonctif', 'présent', 'actif'):    'eam eas eat eamus eatis eant',
    ('subjonctif', 'imparfait', 'actif'):  'erem eres eret eremus eretis erent',
    ('impératif', 'présent', 'actif'):     '- e - - ete -',
    ('impératif', 'futur', 'actif'):       '- eto eto - etote ento',
    ('indicatif', 'présent', 'passif'):    'eor eris|ere etur emur emini entur',
    ('indicatif', 'imparfait', 'passif'):  'ebar ebaris|ebare ebatur ebamur ebamini ebantur',
    ('indicatif', 'futur', 'passif'):      'ebor eberis|ebere ebitur ebimur ebimini ebuntur',
    ('subjonctif', 'présent', 'passif'):   'ear earis|eare eatur eamur eamini eantur',
    ('subjonctif', 'imparfait', 'passif'): 'erer ereris|erere eretur eremur eremini erentur',
    ('impératif', 'présent', 'passif'):    '- ere - - emini -',
    ('impératif', 'futur', 'passif'):      '- etor etor - - entor',
}
LEGO = {
    ('indicatif', 'présent', 'actif'):     'o is it imus itis unt',
    ('indicatif', 'imparfait', 'actif'):   'ebam ebas ebat ebamus ebatis ebant',
    ('indicatif', 'futur', 'actif'):       'am es et emus etis ent',
    ('subjonctif', 'présent', 'actif'):    'am as at amus atis ant',
    ('subjonctif', 'imparfait', 'actif'):  'erem eres eret eremus eretis erent',
    ('impératif', 'présent', 'actif'):     '- e - - ite -',
    ('impératif', 'futur', 'actif'):       '- ito ito - itote unto',
    ('indicatif', 'présent', 'passif'):    'or eris|ere itur imur imini untur',
    ('indicatif', 'imparfait', 'passif'):  'ebar ebaris|ebare ebatur ebamur ebamini ebantur',
    ('indicatif', 'futur', 'passif'):      'ar eris|ere etur emur emini entur',
    ('subjonctif', 'présent', 'passif'):   'ar aris|are atur amur amini antur',
    ('subjonctif', 'imparfait', 'passif'): 'erer ereris|erere eretur eremur eremini erentur',
    ('impératif', 'présent', 'passif'):    '- ere - - imini -',
    ('impératif', 'futur', 'passif'):      '- itor itor - - untor',
}
CAPIO = {
    ('indicatif', 'présent', 'actif'):     'io is it imus itis iunt',
    ('indicatif', 'imparfait', 'actif'):   'iebam iebas iebat iebamus iebatis iebant',
    ('indicatif', 'futur', 'actif'):       'iam ies iet iemus ietis ient',
    ('subjonctif', 'présent', 'actif'):    'iam ias iat iamus iatis iant',
    ('subjonctif', 'imparfait', 'actif'):  'erem eres eret eremus eretis erent',
    ('impératif', 'présent', 'actif'):     '- e - - ite -',
    ('impératif', 'futur', 'actif'):       '- ito ito - itote iunto',
    ('indicatif', 'présent', 'passif'):    'ior eris|ere itur imur imini iuntur',
    ('indicatif', 'imparfait', 'passif'):  'iebar iebaris|iebare iebatur iebamur iebamini iebantur',
    ('indicatif', 'futur', 'passif'):      'iar ieris|iere ietur iemur iemini ientur',
    ('subjonctif', 'présent', 'passif'):   'iar iaris|iare iatur iamur iamini iantur',
    ('subjonctif', 'imparfait', 'passif'): 'erer ereris|erere eretur eremur eremini erentur',
    ('impératif', 'présent', 'passif'):    '- ere - - imini -',
    ('impératif', 'futur', 'passif'):      '- itor itor - - iuntor',
}
AUDIO = {
    ('indicatif', 'présent', 'actif'):     'io is it imus itis iunt',
    ('indicatif', 'imparfait', 'actif'):   'iebam iebas iebat iebamus iebatis iebant',
    ('indicatif', 'futur', 'actif'):       'iam ies iet iemus ietis ient',
    ('subjonctif', 'présent', 'actif'):    'iam ias iat iamus iatis iant',
    ('subjonctif', 'imparfait', 'actif'):  'irem ires iret iremus iretis irent',
    ('impératif', 'présent', 'actif'):     '- i - - ite -',
    ('impératif', 'futur', 'actif'):       '- ito ito - itote iunto',
    ('indicatif', 'présent', 'passif'):    'ior iris|ire itur imur imini iuntur',
    ('indicatif', 'imparfait', 'passif'):  'iebar iebaris|iebare iebatur iebamur iebamini iebantur',
    ('indicatif', 'futur', 'passif'):      'iar ieris|iere ietur iemur iemini ientur',
    ('subjonctif', 'présent', 'passif'):   'iar iaris|iare iatur iamur iamini iantur',
    ('subjonctif', 'imparfait', 'passif'): 'irer ireris|irere iretur iremur iremini irentur',
    ('impératif', 'présent', 'passif'):    '- ire - - imini -',
    ('impératif', 'futur', 'passif'):      '- itor itor - - iuntor',
}
# eo and its compounds, on the prefix (i, is, it; ab-it, red-eunt).  The
# passive serves the transitive compounds (aditur, transitur, praeteritur);
# the imperfect in -iebam and the future in -iet are the late ones of the
# Vulgate (exiebat, rediebant; exiet, transient).
EO = {
    ('indicatif', 'présent', 'actif'):     'eo is it imus itis eunt',
    ('indicatif', 'imparfait', 'actif'):   'ibam|iebam ibas|iebas ibat|iebat ibamus|iebamus '
                                           'ibatis|iebatis ibant|iebant',
    ('indicatif', 'futur', 'actif'):       'ibo ibis|ies ibit|iet ibimus|iemus ibitis|ietis ibunt|ient',
    ('subjonctif', 'présent', 'actif'):    'eam eas eat eamus eatis eant',
    ('subjonctif', 'imparfait', 'actif'):  'irem ires iret iremus iretis irent',
    ('impératif', 'présent', 'actif'):     '- i - - ite -',
    ('impératif', 'futur', 'actif'):       '- ito ito - itote eunto',
    ('indicatif', 'présent', 'passif'):    'eor iris|ire itur imur imini euntur',
    ('indicatif', 'imparfait', 'passif'):  'ibar ibaris|ibare ibatur ibamur ibamini ibantur',
    ('indicatif', 'futur', 'passif'):      'ibor iberis|ibere ibitur ibimur ibimini ibuntur',
    ('subjonctif', 'présent', 'passif'):   'ear earis|eare eatur eamur eamini eantur',
    ('subjonctif', 'imparfait', 'passif'): 'irer ireris|irere iretur iremur iremini irentur',
    ('impératif', 'présent', 'passif'):    '- ire - - imini -',
    ('impératif', 'futur', 'passif'):      '- itor itor - - euntor',
}
# sum and its compounds, on the prefix (ab-sum, ab-es, pro-sunt).
SUM = {
    ('indicatif', 'présent', 'actif'):     'sum es est sumus estis sunt',
    ('indicatif', 'imparfait', 'actif'):   'eram eras erat eramus eratis erant',
    ('indicatif', 'futur', 'actif'):       'ero eris erit erimus eritis erunt',
    ('subjonctif', 'présent', 'actif'):    'sim sis sit simus sitis sint',
    ('subjonctif', 'imparfait', 'actif'):  'essem|forem esses|fores esset|foret essemus|foremus '
                                           'essetis|foretis essent|forent',
    ('impératif', 'présent', 'actif'):     '- es - - este -',
    ('impératif', 'futur', 'actif'):       '- esto esto - estote sunto',
}

# Infinitives: (tense, voice) -> ending.
INFINITIFS = {
    'amo':   {('présent', 'actif'): 'are', ('présent', 'passif'): 'ari'},
    'moneo': {('présent', 'actif'): 'ere', ('présent', 'passif'): 'eri'},
    'lego':  {('présent', 'actif'): 'ere', ('présent', 'passif'): 'i'},
    'capio': {('présent', 'actif'): 'ere', ('présent', 'passif'): 'i'},
    'audio': {('présent', 'actif'): 'ire', ('présent', 'passif'): 'iri'},
    'eo':    {('présent', 'actif'): 'ire', ('présent', 'passif'): 'iri'},
    'sum':   {('présent', 'actif'): 'esse', ('futur', 'actif'): 'fore'},
}

# Present participle: (nominative singular, oblique stem), declined like an
# i-stem adjective; gerundive and gerund on the given stem.
PARTICIPES = {
    #         participle     gerundive/gerund
    'amo':   (('ans', 'ant'),   'and'),
    'moneo': (('ens', 'ent'),   'end'),
    'lego':  (('ens', 'ent'),   'end'),
    'capio': (('iens', 'ient'), 'iend'),
    'audio': (('iens', 'ient'), 'iend'),
    'eo':    (('iens', 'eunt'), 'eund'),
    # sum has none: absens, praesens are adjectives of their own, and an
    # ending -sens on the empty stem of sum would read sentis as a form of it.
    'sum':   (None, None),
}
# Gerund: a verbal noun with no nominative.
GERONDIF = {'génitif': 'i', 'datif': 'o', 'ablatif': 'o', 'accusatif': 'um'}

# Deponents: the passive paradigm of a conjugation, with an active meaning.
DEPONENTS = {
    'imitor': 'amo',
    'uereor': 'moneo',
    'sequor': 'lego',
    'patior': 'capio',
    'potior': 'audio',
}
# Variant endings of a whole deponent model (none today: the third-conjugation
# poteretur of potior alone is listed among its irregular forms, so that
# mentior, experior, metior do not get a made-up menteretur).
VARIANTES_DEPONENTS = {}

# Perfect system on stem 2, the same for every verb model.
PARFAIT = {
    ('indicatif', 'parfait', 'actif'):          'i isti it imus istis erunt|ere',
    ('indicatif', 'plus-que-parfait', 'actif'): 'eram eras erat eramus eratis erant',
    ('indicatif', 'futur antérieur', 'actif'):  'ero eris erit erimus eritis erint',
    ('subjonctif', 'parfait', 'actif'):         'erim eris erit erimus eritis erint',
    ('subjonctif', 'plus-que-parfait', 'actif'): 'issem isses isset issemus issetis issent',
}
INFINITIF_PARFAIT = 'isse'

# Contracted perfect forms on a short perfect stem in -i (redi-sti, i-sse,
# peti-sset): the -is- of the ending falls after the stem's own i.
PARFAIT_CONTRACTE = {
    ('indicatif', 'parfait', 'actif'):           '- sti - - stis -',
    ('subjonctif', 'plus-que-parfait', 'actif'): 'ssem sses sset ssemus ssetis ssent',
}
INFINITIF_PARFAIT_CONTRACTE = 'sse'
MODELES_PARFAIT_CONTRACTE = ['lego', 'capio', 'audio', 'eo']

# The second person of a perfect in -si/-xi without its -is- (dix-ti,
# scrips-ti, promis-ti); the analysis takes it only after a stem in -s or -x.
PARFAIT_SANS_IS = {('indicatif', 'parfait', 'actif'): '- ti - - - -'}
MODELES_PARFAIT_SANS_IS = ['moneo', 'lego', 'capio', 'audio']

# Syncopated perfects on stem 1 (am-asti = amauisti, del-esse = deleuisse).
SYNCOPES = {
    'amo': ({
        ('indicatif', 'parfait', 'actif'):           '- asti - - astis arunt',
        ('indicatif', 'plus-que-parfait', 'actif'):  'aram aras arat aramus aratis arant',
        ('indicatif', 'futur antérieur', 'actif'):   'aro - arit arimus aritis arint',
        ('subjonctif', 'parfait', 'actif'):          'arim - arit arimus aritis arint',
        ('subjonctif', 'plus-que-parfait', 'actif'): 'assem asses asset assemus assetis assent',
    }, 'asse'),
    'moneo': ({
        ('indicatif', 'parfait', 'actif'):           '- esti - - estis -',
        ('subjonctif', 'plus-que-parfait', 'actif'): 'essem esses esset essemus essetis essent',
    }, 'esse'),
}

# Participles on stem 3: (tense, voice, ending before the bonus endings).
PARTICIPES_RADICAL_3 = {
    'actif':  [('parfait', 'passif', ''), ('futur', 'actif', 'ur')],
    'deponent': [('parfait', 'actif', ''), ('futur', 'actif', 'ur')],
    'sum':    [('futur', 'actif', 'ur')],    # fut-urus
}

# The supines on stem 3: a case and nothing else.
SUPINS = [('um', 'accusatif'), ('u', 'ablatif')]

# ---------------------------------------------------------------------------
# Line generation.
# ---------------------------------------------------------------------------


class Table:
    """The lines of the endings table, in order, without repeats."""

    def __init__(self):
        self.lignes = []
        self.vues = set()

    def commentaire(self, texte):
        self.lignes.append('# ' + texte)

    def vide(self):
        self.lignes.append('')

    def ajoute(self, terminaison, modele, radical, traits):
        for t in terminaison.split('|'):
            cle = (t, modele, radical, ' '.join(traits))
            if cle in self.vues:
                continue
            self.vues.add(cle)
            self.lignes.append('\t'.join([t, modele, str(radical), ' '.join(traits)]))


def cellules(texte):
    c = texte.split()
    if len(c) != 6:
        raise ValueError(f'six personnes attendues : {texte!r}')
    return c


def declinaison(table, modele, radical, avant, apres):
    """Adds a gendered declension: one line per ending, case and number, the
    genders sharing the ending on the same line."""
    for n, nombre in enumerate(table):
        for cas in CAS:
            genres = nombre[cas]
            par_forme = {}
            for g, cellule in enumerate(genres):
                if cellule == '-':
                    continue
                for t in cellule.split('|'):
                    par_forme.setdefault(t, []).append(GENRES[g])
            for t, gs in par_forme.items():
                table_out.ajoute(t, modele, radical, avant + [cas] + gs + [NOMBRES[n]] + apres)


def conjugaison(paradigme, modele, radical, voix_forcee=None):
    for (mode, temps, voix), texte in paradigme.items():
        for i, cellule in enumerate(cellules(texte)):
            if cellule == '-':
                continue
            v = voix_forcee or voix
            traits = [PERSONNES[i % 3], NOMBRES[i // 3], mode, temps, v]
            table_out.ajoute(cellule, modele, radical, traits)


def participe_present(modele, nominatif, oblique):
    table = (
        {'nominatif': (nominatif,) * 3, 'vocatif': (nominatif,) * 3,
         'accusatif': (oblique + 'em', oblique + 'em', nominatif),
         'génitif': (oblique + 'is',) * 3, 'datif': (oblique + 'i',) * 3,
         'ablatif': (oblique + 'e|' + oblique + 'i',) * 3},
        {'nominatif': (oblique + 'es', oblique + 'es', oblique + 'ia'),
         'vocatif': (oblique + 'es', oblique + 'es', oblique + 'ia'),
         'accusatif': (oblique + 'es', oblique + 'es', oblique + 'ia'),
         'génitif': (oblique + 'ium',) * 3, 'datif': (oblique + 'ibus',) * 3,
         'ablatif': (oblique + 'ibus',) * 3},
    )
    declinaison(table, modele, 1, ['participe', 'présent', 'actif'], [])


def adjectif_verbal(modele, debut):
    declinaison(prefixe(BONUS, debut), modele, 1, ['adjectif verbal', 'passif'], [])
    for cas, t in GERONDIF.items():
        table_out.ajoute(debut + t, modele, 1, ['gérondif', cas])


def radical_3(modele, sorte):
    for temps, voix, debut in PARTICIPES_RADICAL_3[sorte]:
        table_out.commentaire(f'participe {temps} {voix} (radical 3)')
        declinaison(prefixe(BONUS, debut), modele, 3, ['participe', temps, voix], [])
    if sorte != 'sum':
        table_out.commentaire('supins en -um et en -u (radical 3)')
        for terminaison, cas in SUPINS:
            table_out.ajoute(terminaison, modele, 3, [cas])


def parfait(modele):
    table_out.commentaire('parfait, plus-que-parfait, futur antérieur (radical 2)')
    conjugaison(PARFAIT, modele, 2)
    table_out.ajoute(INFINITIF_PARFAIT, modele, 2, ['infinitif', 'parfait', 'actif'])
    if modele in MODELES_PARFAIT_CONTRACTE:
        table_out.commentaire('formes contractes sur le radical court en -i (redi-sti, peti-sset)')
        conjugaison(PARFAIT_CONTRACTE, modele, 2)
        table_out.ajoute(INFINITIF_PARFAIT_CONTRACTE, modele, 2, ['infinitif', 'parfait', 'actif'])
    if modele in MODELES_PARFAIT_SANS_IS:
        table_out.commentaire('parfait sans -is- sur un radical en -s ou -x (dix-ti)')
        conjugaison(PARFAIT_SANS_IS, modele, 2)
    if modele in SYNCOPES:
        paradigme, infinitif = SYNCOPES[modele]
        table_out.commentaire('parfaits syncopés sur le radical 1')
        conjugaison(paradigme, modele, 1)
        table_out.ajoute(infinitif, modele, 1, ['infinitif', 'parfait', 'actif'])


def genere():
    for modele in MODELES:
        table_out.vide()
        table_out.commentaire(f'==== {modele} ====')
        if modele in NOMS:
            for n, rangee in enumerate(NOMS[modele]):
                for c, cellule in enumerate(rangee):
                    if cellule != '-':
                        table_out.ajoute(cellule, modele, 1, [CAS[c], NOMBRES[n]])
        elif modele in ADJECTIFS:
            positif, comp, superlatifs = ADJECTIFS[modele]
            declinaison(positif, modele, 1, [], [])
            table_out.commentaire('comparatif')
            declinaison(comparatif(comp), modele, 1, [], ['comparatif'])
            table_out.commentaire('superlatif')
            for s in superlatifs:
                declinaison(prefixe(BONUS, s), modele, 1, [], ['superlatif'])
        elif modele in ('amo', 'moneo', 'lego', 'capio', 'audio', 'eo', 'sum'):
            paradigme = {'amo': AMO, 'moneo': MONEO, 'lego': LEGO, 'capio': CAPIO,
                         'audio': AUDIO, 'eo': EO, 'sum': SUM}[modele]
            table_out.commentaire('indicatif, subjonctif, impératif (radical 1)')
            conjugaison(paradigme, modele, 1)
            table_out.commentaire('infinitifs')
            for (temps, voix), t in INFINITIFS[modele].items():
                table_out.ajoute(t, modele, 1, ['infinitif', temps, voix])
            participe, gerondif = PARTICIPES[modele]
            if participe:
                table_out.commentaire('participe présent')
                participe_present(modele, *participe)
            if gerondif:
                table_out.commentaire('adjectif verbal et gérondif')
                adjectif_verbal(modele, gerondif)
            parfait(modele)
            radical_3(modele, 'sum' if modele == 'sum' else 'actif')
        elif modele in DEPONENTS:
            source = DEPONENTS[modele]
            paradigme = {'amo': AMO, 'moneo': MONEO, 'lego': LEGO, 'capio': CAPIO,
                         'audio': AUDIO}[source]
            passif = {k: v for k, v in paradigme.items() if k[2] == 'passif'}
            for cle, variantes in VARIANTES_DEPONENTS.get(modele, {}).items():
                passif[cle] = ' '.join(a + '|' + b for a, b in
                                       zip(cellules(passif[cle]), cellules(variantes)))
            table_out.commentaire('indicatif, subjonctif, impératif (radical 1), sens actif')
            conjugaison(passif, modele, 1, voix_forcee='actif')
            table_out.commentaire('infinitif')
            table_out.ajoute(INFINITIFS[source][('présent', 'passif')], modele, 1,
                             ['infinitif', 'présent', 'actif'])
            (nominatif, oblique), gerondif = PARTICIPES[source]
            table_out.commentaire('participe présent')
            participe_present(modele, nominatif, oblique)
            table_out.commentaire('adjectif verbal et gérondif')
            adjectif_verbal(modele, gerondif)
            radical_3(modele, 'deponent')
        else:
            table_out.commentaire('pas de désinences : toutes les formes sont irrégulières '
                                  'ou des vedettes')


def verifie(lignes):
    """Every ending non-empty and in u/i spelling, every model known, every
    term one of the vocabulary."""
    multi = sorted((t for t in TERMES if ' ' in t), key=len, reverse=True)
    for numero, ligne in enumerate(lignes, 1):
        if not ligne or ligne.startswith('#'):
            continue
        champs = ligne.split('\t')
        assert len(champs) == 4, (numero, ligne)
        terminaison, modele, radical, traits = champs
        assert terminaison and terminaison.isalpha() and terminaison.islower(), (numero, ligne)
        assert not set(terminaison) & set('vjVJ'), (numero, ligne)
        assert modele in FLECHIS, (numero, ligne)
        assert radical in ('1', '2', '3'), (numero, ligne)
        reste = ' ' + traits + ' '
        for m in multi:
            reste = reste.replace(' ' + m + ' ', ' ')
        for mot in reste.split():
            assert mot in TERMES, (numero, ligne, mot)


table_out = Table()


def main():
    genere()
    verifie(table_out.lignes)
    entete = ['# Désinences : terminaison, modèle, radical, traits.',
              '# Fichier produit par outils/donnees/genere_desinences.py ; ne pas modifier à la main.']
    texte = '\n'.join(entete + table_out.lignes) + '\n'
    donnees = [l for l in table_out.lignes if l and not l.startswith('#')]
    if '--verifie' in sys.argv[1:]:
        print(f'{len(donnees)} lignes, {len({l.split(chr(9))[0] for l in donnees})} terminaisons')
        return
    chemin = sys.argv[1] if len(sys.argv) > 1 else SORTIE
    with open(chemin, 'w', encoding='utf-8', newline='\n') as f:
        f.write(texte)


if __name__ == '__main__':
    main()
