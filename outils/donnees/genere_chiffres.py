#!/usr/bin/env python3
"""Builds data/lexique-chiffres.txt: the Roman numerals the editions print as
words (xii, XXX, iiii, cc), each an invariable entry whose meaning is the
number in French and in figures.  Keys are in lower case; a numeral in
capitals is found through its lower-case spelling.  Spellings that are
first of all Latin words are left out: i (imperative of eo), ui (ablative
of uis).

    python3 outils/donnees/genere_chiffres.py > data/lexique-chiffres.txt
"""

UNITES = ['', 'un', 'deux', 'trois', 'quatre', 'cinq', 'six', 'sept', 'huit', 'neuf', 'dix',
          'onze', 'douze', 'treize', 'quatorze', 'quinze', 'seize', 'dix-sept', 'dix-huit', 'dix-neuf']
DIZAINES = ['', 'dix', 'vingt', 'trente', 'quarante', 'cinquante', 'soixante', 'soixante',
            'quatre-vingt', 'quatre-vingt']


def francais(n):
    """The French name of n, 1 to 3999 (spelling of 1990: hyphens throughout)."""
    if n >= 1000:
        m, r = divmod(n, 1000)
        tete = 'mille' if m == 1 else francais(m) + '-mille'
        return tete if r == 0 else tete + '-' + francais(r)
    if n >= 100:
        c, r = divmod(n, 100)
        tete = 'cent' if c == 1 else francais(c) + '-cent' + ('s' if r == 0 else '')
        return tete if r == 0 else tete + '-' + francais(r)
    if n <= 16:
        return UNITES[n]
    d, u = divmod(n, 10)
    if d in (7, 9):
        return DIZAINES[d] + ('-et-' if d == 7 and u == 1 else '-') + UNITES[10 + u]
    if u == 0:
        return DIZAINES[d] + ('s' if d == 8 else '')
    return DIZAINES[d] + ('-et-' if u == 1 and d != 8 else '-') + UNITES[u]


def romain(n, soustractif=True):
    valeurs = [(1000, 'm'), (900, 'cm'), (500, 'd'), (400, 'cd'), (100, 'c'), (90, 'xc'),
               (50, 'l'), (40, 'xl'), (10, 'x'), (9, 'ix'), (5, 'v'), (4, 'iv'), (1, 'i')]
    if not soustractif:
        valeurs = [v for v in valeurs if len(v[1]) == 1]
    s = ''
    for v, lettres in valeurs:
        while n >= v:
            s += lettres
            n -= v
    return s


def main():
    nombres = list(range(1, 301)) + list(range(400, 1001, 100)) + [1500, 2000, 3000]
    vus = {}
    for n in nombres:
        # Both ways of writing 4, 9, 40...: iv and iiii, ix and uiiii.
        for s in {romain(n), romain(n, False)}:
            if s not in ('i', 'vi') and s not in vus:
                vus[s] = n
    print('# Chiffres romains écrits comme des mots ; produit par outils/donnees/genere_chiffres.py.')
    print('# clé\tmodèle\tgenre\tradicaux A\tradicaux B\tsens')
    for s, n in sorted(vus.items(), key=lambda x: (x[1], x[0])):
        cle = s.replace('v', 'u')
        print(f'{cle}\tinvaria\t-\t-\t-\tnum. : {francais(n)} ({n}), en chiffres romains')


if __name__ == '__main__':
    main()
