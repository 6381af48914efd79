"""The 31 inflection models, in their numbering: the one copy every data
script of this folder imports. The analyser has its own table
(lexical/modeles.h); lexical/tests/modeles_test.cpp runs this module and
compares the two, row by row, so a model renamed, an ending changed or a stem
listed on one side only fails the tests instead of making the generated
sources disagree with the analysis.

Run as a script, it prints the table, one model a line:
number, name, part of speech, citation ending, 1 when stem 1 is listed.
"""

# name, part of speech, citation ending (appended to stem 1 to rebuild the
# headword; empty when it is not rebuilt), stem 1 listed in the entry
# (radicauxA) instead of cut from the headword.
TABLE = [
    ('uita', 'nom', 'a', False),
    ('amicus', 'nom', 'us', False),
    ('puer', 'nom', 'er', False),
    ('ager', 'nom', 'er', False),
    ('templum', 'nom', 'um', False),
    ('miles', 'nom', '', True),
    ('ciuis', 'nom', '', True),
    ('corpus', 'nom', '', True),
    ('mare', 'nom', '', True),
    ('manus', 'nom', 'us', False),
    ('res', 'nom', 'es', False),
    ('bonus', 'adjectif', 'us', False),
    ('miser', 'adjectif', 'er', False),
    ('pulcher', 'adjectif', 'er', False),
    ('fortis', 'adjectif', '', True),
    ('uetus', 'adjectif', '', True),
    ('acer', 'adjectif', 'er', False),
    ('amo', 'verbe', 'o', False),
    ('moneo', 'verbe', 'eo', False),
    ('lego', 'verbe', 'o', False),
    ('capio', 'verbe', 'io', False),
    ('audio', 'verbe', 'io', False),
    ('sum', 'verbe', 'sum', False),
    ('eo', 'verbe', 'eo', False),
    ('imitor', 'verbe', 'or', False),
    ('uereor', 'verbe', 'eor', False),
    ('sequor', 'verbe', 'or', False),
    ('patior', 'verbe', 'ior', False),
    ('potior', 'verbe', 'ior', False),
    ('pronoms', 'pronom', '', False),
    ('invaria', 'invariable', '', False),
]

# The names by number.
MODELES = [nom for nom, _, _, _ in TABLE]
# The part of speech of each model.
PARTIE = {nom: partie for nom, partie, _, _ in TABLE}
# The citation ending of the models that rebuild their headword.
FINALE = {nom: fin for nom, _, fin, _ in TABLE if fin}
# The models whose stem 1 is listed in the entry.
LISTES = {nom for nom, _, _, liste in TABLE if liste}
# The models that take endings; they come first in the numbering, before the
# pronouns and the invariables, whose forms are listed.
FLECHIS = [nom for nom, partie, _, _ in TABLE if partie not in ('pronom', 'invariable')]
# The number of the one invariable model.
INVARIABLE = [partie for _, partie, _, _ in TABLE].index('invariable')

assert MODELES[:len(FLECHIS)] == FLECHIS

if __name__ == '__main__':
    for numero, (nom, partie, fin, liste) in enumerate(TABLE):
        print(f'{numero}\t{nom}\t{partie}\t{fin}\t{int(liste)}')
