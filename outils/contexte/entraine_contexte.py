#!/usr/bin/env python3
"""Builds data/contexte.txt, the model that puts the likeliest reading of a
word in its sentence first, from running Latin text lemmatised and tagged.

The model is a hidden Markov model over coarse tags, decoded by the program
(morpho/contexte.cpp) with forward-backward posteriors:
  - a reading's tag is its part of speech with its case, number, person and
    mood; a frequent invariable word (cum preposition, cum conjunction, ne
    adverb, ne conjunction...) is its own tag, a rare one the class its
    meaning names (adv., conj., prép....);
  - transitions: tag bigram counts over the sentences (the program smooths
    a lexicalised invariable's by its class: adv., conj....);
  - emissions: for each ambiguous form, the counts of its readings (heading
    and tag) in the text, backed off to the heading's and the tag's counts.

Each token of the tagged text is mapped to the lexicon's readings of its form,
given by `lemmatise --tsv` itself: the readings whose headword is the token's
lemma (matched as `lemmatise --couverture` matches it: u for v, i for j,
homograph numbers dropped, optional letters, a people's plural) and whose
case, number, person and mood agree best with the token's; the count is
shared among them when several fit equally.  Where the tagged text and the
treebank disagree, the treebank's convention wins (quod, qui, quis, quam;
participles, see participe_plutot).  Tokens whose lemma the lexicon does not
give still feed the transitions through the readings that agree best, when
one has the token's part of speech.

Same inputs, same file: every iteration is sorted, counts are written with
two decimals, and the file ends with its own FNV-1a checksum.

Run from the root of the repository once the lexicon is built:
    python3 outils/contexte/entraine_contexte.py [build/bin/lemmatise] [sortie]
Inputs: ../shared/corpus/classique/textes-lemmatises.tsv.xz and
../shared/corpus/la_proiel-ud-dev.conllu (never the test file: it gives
the figure the model is judged by).
"""
import collections
import lzma
import os
import subprocess
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.normpath(os.path.join(ICI, '..', '..'))
CORPUS = os.path.normpath(os.path.join(RACINE, '..', '..', 'shared', 'corpus'))
if not os.path.isdir(CORPUS):
    CORPUS = '/work/shared/corpus'

VERSION = 'lecturiel-contexte 1'
INVARIABLE = 30
# Part of speech of each of the 31 inflection models (lexical/modeles.h):
# 0 noun, 1 adjective, 2 pronoun, 3 verb, 4 invariable.
PARTIES = [0] * 11 + [1] * 6 + [3] * 12 + [2, 4]
# Bits of the morphology word kept in a tag: case and number (0-7),
# person (11-13), mood (20-26).
MASQUE = 0xFF | (0x7 << 11) | (0x7F << 20)
# Invariable headings frequent enough to be their own tag (60 rather than
# 400: on half the gold treebank left out, as good and a smaller model).
INVARIABLES_LEXICALISES = 60
# Weight of a sentence of the gold treebank against one of the tagged text.
POIDS_PROIEL = 10.0
INCONNU = '?'
DEBUT = '<s>'

CAS = {'Nom': 0, 'Voc': 1, 'Acc': 2, 'Gen': 3, 'Dat': 4, 'Abl': 5}
NOMBRE = {'Sing': 6, 'Plur': 7}
PERSONNE = {'1': 11, '2': 12, '3': 13}
MODE = {'Ind': 20, 'Sub': 21, 'Imp': 22, 'Inf': 23, 'Par': 24, 'Ger': 25, 'Adj': 26,
        'Part': 24, 'Gdv': 26}


def normalise(mot):
    """Lower case, u for v, i for j, no homograph number nor doubt mark."""
    s = mot.lower().replace('v', 'u').replace('j', 'i')
    return s.rstrip('0123456789?')


def graphies_lemme(lemme):
    """The spellings of a lemma as the program's coverage figure matches
    them (lemmatise --couverture): normalised, each parenthesised part with
    and without, a capitalised plural in -i or -ae (a people: Germani,
    Belgae) also in the singular."""
    graphies = set()

    def developpe(reste, prefixe):
        ouvre = reste.find('(')
        ferme = reste.find(')', ouvre) if ouvre >= 0 else -1
        if ferme < 0:
            graphies.add(prefixe + reste)
            return
        avant = prefixe + reste[:ouvre]
        developpe(reste[ferme + 1:], avant + reste[ouvre + 1:ferme])
        developpe(reste[ferme + 1:], avant)
    developpe(normalise(lemme), '')
    if lemme[:1].isascii() and lemme[:1].isupper():
        for g in list(graphies):
            if len(g) > 3 and g.endswith('ae'):
                graphies.add(g[:-1])
            elif len(g) > 2 and g.endswith('i'):
                graphies.add(g[:-1] + 'us')
    return graphies


def cle_forme(forme):
    return forme.lower().replace('v', 'u').replace('j', 'i')


def cle_entete(entree):
    """What names a heading in the model: its text before the meaning."""
    i = entree.find(' : ')
    return entree if i < 0 else entree[:i]


def classe_invariable(entree):
    """adv., conj., prép.... : the first word of the grammar of an invariable heading."""
    cle = cle_entete(entree)
    i = cle.find(', ')
    if i < 0:
        return 'I'
    mots = cle[i + 2:].split()
    return 'I:' + (mots[0] if mots else '')


def etiquette(modele, morpho):
    return f'{PARTIES[modele]}:{morpho & MASQUE:X}'


# ---------------------------------------------------------------- readings

def lectures_des_formes(lemmatise, formes):
    """form -> list of (headword, heading, model, morpho) from one run of the analyser."""
    entree = ''.join(f + '\n' for f in formes)
    cache = os.environ.get('LECTURIEL_CACHE_TSV')
    if cache and os.path.exists(cache):
        with open(cache, encoding='utf-8') as f:
            sortie = f.read()
    else:
        sortie = subprocess.run([lemmatise, '--tsv'], input=entree, capture_output=True,
                                text=True, encoding='utf-8', check=True).stdout
        if cache:
            with open(cache, 'w', encoding='utf-8') as f:
                f.write(sortie)
    lectures = collections.defaultdict(list)
    for ligne in sortie.splitlines():
        c = ligne.split('\t')
        if len(c) != 6 or c[1] == '?':
            continue
        modele = int(c[3]) if c[3] else INVARIABLE
        morpho = int(c[4], 16) if c[4] else 0
        lectures[c[0]].append((c[1], c[2], modele, morpho))
    return lectures


# ---------------------------------------------------------------- corpora

def phrases_classiques():
    """Sentences of (form, lemma, pos, {trait: value}) of the tagged text."""
    chemin = os.path.join(CORPUS, 'classique', 'textes-lemmatises.tsv.xz')
    phrase = []
    with lzma.open(chemin, 'rt', encoding='utf-8') as f:
        for ligne in f:
            ligne = ligne.rstrip('\n')
            if not ligne or ligne.startswith('#'):
                if phrase:
                    yield phrase
                phrase = []
                continue
            c = ligne.split('\t')
            if len(c) < 4 or c[0].startswith('{') or c[2] in ('PUNC', ''):
                continue
            traits = {}
            for t in c[3].split('|'):
                if '=' in t:
                    k, v = t.split('=', 1)
                    traits[k] = v
            pos = c[2]
            partie = 3 if pos == 'VER' else 0 if pos.startswith('NOM') else \
                2 if pos.startswith('PRO') else 1 if pos.startswith('ADJ') else 4
            classe = 'I:prép.' if pos == 'PRE' else 'I:conj.' if pos.startswith('CON') else \
                'I:adv.' if pos.startswith('ADV') else 'I:interj.' if pos == 'INJ' else None
            phrase.append((c[0], c[1], partie, {
                'Case': traits.get('Case'), 'Number': traits.get('Numb'),
                'Person': traits.get('Person'), 'Mood': traits.get('Mood'), 'Classe': classe,
                'Relatif': pos in ('PROrel', 'ADVrel')}))
    if phrase:
        yield phrase


def phrases_proiel():
    chemin = os.path.join(CORPUS, 'la_proiel-ud-dev.conllu')
    phrase = []
    with open(chemin, encoding='utf-8') as f:
        for ligne in f:
            ligne = ligne.rstrip('\n')
            if not ligne:
                if phrase:
                    yield phrase
                phrase = []
                continue
            if ligne.startswith('#'):
                continue
            c = ligne.split('\t')
            if len(c) < 6 or '-' in c[0] or '.' in c[0] or c[3] in ('PUNCT', 'NUM', 'SYM', 'X'):
                continue
            traits = dict(t.split('=', 1) for t in c[5].split('|') if '=' in t)
            mode = traits.get('Mood')
            forme_verbale = traits.get('VerbForm')
            if forme_verbale in ('Inf', 'Part', 'Ger', 'Gdv'):
                mode = forme_verbale
            upos = c[3]
            partie = 3 if upos in ('VERB', 'AUX') else 0 if upos in ('NOUN', 'PROPN') else \
                2 if upos == 'PRON' else 1 if upos in ('ADJ', 'DET') else 4
            lemme = c[2]
            classe = 'I:prép.' if upos == 'ADP' else 'I:conj.' if upos in ('SCONJ', 'CCONJ') else \
                'I:adv.' if upos in ('ADV', 'PART') else 'I:interj.' if upos == 'INTJ' else None
            phrase.append((c[1], lemme, partie, {
                'Case': traits.get('Case'), 'Number': traits.get('Number'),
                'Person': traits.get('Person'), 'Mood': mode, 'Classe': classe,
                'Relatif': traits.get('PronType') == 'Rel'}))
    if phrase:
        yield phrase


# ---------------------------------------------------------------- mapping

def accord(lecture, partie, traits):
    """How well a reading agrees with a token's part of speech and features."""
    _, entree, modele, morpho = lecture
    score = 0
    if PARTIES[modele] == partie:
        score += 1
    if modele == INVARIABLE and traits.get('Classe') and classe_invariable(entree) == traits['Classe']:
        score += 1
    for nom, table in (('Case', CAS), ('Number', NOMBRE), ('Person', PERSONNE), ('Mood', MODE)):
        v = traits.get(nom)
        if v in table:
            score += 2 if morpho >> table[v] & 1 else -2
    return score


def cas_suivant(phrase, i):
    """The case of the first of the next two words that has one."""
    for mot in phrase[i + 1:i + 3]:
        if mot[3].get('Case') in ('Acc', 'Abl'):
            return mot[3]['Case']
    return None


# Words whose lemma the tagged text gives by one convention and its part of
# speech by another: quod tagged as a relative pronoun under quod, qui tagged
# as a conjunction, quam as a relative under quam, eo as a demonstrative
# under eo (the adverb).  When no reading of the given lemma has the given
# part of speech, the token goes to the reading of the family that has it:
# the relative qui for a relative, quis for an interrogative or indefinite.
FAMILLES = [{'qui', 'quis', 'quod', 'quam', 'qua', 'quo'}, {'is', 'eo'}]


def accord_partie(lecture, partie, traits):
    _, entree, modele, _ = lecture
    if PARTIES[modele] != partie:
        return False
    return modele != INVARIABLE or not traits.get('Classe') or \
        classe_invariable(entree) == traits['Classe']


def selon_famille(lectures, cible, partie, traits):
    for famille in FAMILLES:
        if cible not in famille:
            continue
        retenues = [l for l in lectures if normalise(l[0]) in famille and
                    accord_partie(l, partie, traits)]
        if partie == 2:
            voulu = 'qui' if traits.get('Relatif') else 'quis'
            retenues = [l for l in retenues if normalise(l[0]) == voulu] or retenues
        return retenues
    return []


def choisit(lectures, lemme, partie, traits, suivant=None):
    """The readings that fit a token best, and whether its lemma was found.
    A preposition of two headings (in + acc., in + abl.) takes the one of
    the case that follows."""
    cible = normalise(lemme)
    graphies = graphies_lemme(lemme)
    candidates = [l for l in lectures if normalise(l[0]) in graphies]
    if not any(accord_partie(l, partie, traits) for l in candidates):
        candidates = selon_famille(lectures, cible, partie, traits) or candidates
    trouve = bool(candidates)
    if not candidates:
        # A lemma the lexicon does not give: the readings that agree best,
        # provided one has the token's part of speech.  Otherwise the token
        # counts as a word without analysis: the adverb propere, which the
        # lexicon reads only as the vocative of properus, would teach the
        # vocative the company of adverbs.
        if not any(accord_partie(l, partie, traits) for l in lectures):
            return None, False
        candidates = lectures
    meilleur = max(accord(l, partie, traits) for l in candidates)
    retenues = [l for l in candidates if accord(l, partie, traits) == meilleur]
    if suivant and len(retenues) > 1:
        regime = '(+ acc.)' if suivant == 'Acc' else '(+ abl.)'
        selon_cas = [l for l in retenues if l[2] == INVARIABLE and regime in cle_entete(l[1])]
        if selon_cas:
            retenues = selon_cas
    return retenues, trouve


# ---------------------------------------------------------------- training

def main():
    lemmatise = sys.argv[1] if len(sys.argv) > 1 else os.path.join(RACINE, 'build', 'bin', 'lemmatise')
    sortie = sys.argv[2] if len(sys.argv) > 2 else os.path.join(RACINE, 'data', 'contexte.txt')
    # To measure on the treebank without having learnt from it:
    # LECTURIEL_SANS_PROIEL=1 leaves it out, LECTURIEL_PROIEL_PAIRES=1 keeps
    # its even sentences only (measure on the odd ones).
    proiel = [] if os.environ.get('LECTURIEL_SANS_PROIEL') else list(phrases_proiel())
    if os.environ.get('LECTURIEL_PROIEL_PAIRES'):
        proiel = proiel[::2]
    poids = float(os.environ.get('LECTURIEL_PROIEL_POIDS', POIDS_PROIEL))
    corpus = [(1.0, p) for p in phrases_classiques()] + [(poids, p) for p in proiel]
    formes = sorted({mot[0] for _, p in corpus for mot in p})
    lectures = lectures_des_formes(lemmatise, formes)

    # How often the tagged text gives each lemma to each form.
    lemmes_des_formes = collections.defaultdict(collections.Counter)
    for poids, phrase in corpus:
        if poids == 1.0:
            for forme, lemme, _, _ in phrase:
                lemmes_des_formes[cle_forme(forme)][normalise(lemme)] += 1

    def participe_plutot(forme, retenues, traits):
        """The tagged text files some participles now under the verb, now under
        an adjective of the same spelling (ardens, consentiens); the
        hand-checked treebank keeps the verb.  When the verb takes at least
        a third of the form's tokens, the others go to its participle too."""
        if not all(PARTIES[l[2]] == 1 for l in retenues):
            return retenues
        lemmes = lemmes_des_formes[cle_forme(forme)]
        total = sum(lemmes.values())
        participes = [l for l in lectures[forme] if PARTIES[l[2]] == 3 and
                      l[3] >> MODE['Par'] & 1 and 3 * lemmes[normalise(l[0])] >= total]
        if not participes:
            return retenues
        meilleur = max(accord(l, 3, traits) for l in participes)
        return [l for l in participes if accord(l, 3, traits) == meilleur]

    # Invariable headings, counted first so that the frequent ones get their own tag.
    compte_invariables = collections.Counter()
    choix = []
    jetons = trouves = 0
    for poids, phrase in corpus:
        choix_phrase = []
        for i, (forme, lemme, partie, traits) in enumerate(phrase):
            ls = lectures.get(forme)
            jetons += 1
            if not ls:
                choix_phrase.append((forme, None))
                continue
            retenues, trouve = choisit(ls, lemme, partie, traits, cas_suivant(phrase, i))
            trouves += trouve
            if retenues is None:
                choix_phrase.append((forme, None))
                continue
            if poids == 1.0:
                retenues = participe_plutot(forme, retenues, traits)
            for l in retenues:
                if l[2] == INVARIABLE:
                    compte_invariables[cle_entete(l[1])] += poids / len(retenues)
            choix_phrase.append((forme, retenues))
        choix.append((poids, choix_phrase))
    lexicalises = {cle for cle, _ in sorted(compte_invariables.items(), key=lambda x: (-x[1], x[0]))
                   [:INVARIABLES_LEXICALISES]}

    def etiquette_de(l):
        cle = cle_entete(l[1])
        if l[2] == INVARIABLE:
            return 'L:' + cle if cle in lexicalises else classe_invariable(l[1])
        return etiquette(l[2], l[3])

    etiquettes = collections.Counter()
    transitions = collections.Counter()
    entetes = collections.Counter()
    emissions = collections.defaultdict(collections.Counter)
    for poids, phrase in choix:
        precedentes = {DEBUT: 1.0}
        etiquettes[DEBUT] += poids
        for forme, retenues in phrase:
            if retenues is None:
                courantes = {INCONNU: 1.0}
            else:
                courantes = collections.Counter()
                part = 1.0 / len(retenues)
                for l in retenues:
                    t = etiquette_de(l)
                    courantes[t] += part
                    entetes[cle_entete(l[1])] += poids * part
                    if len({(x[1], x[2], x[3]) for x in lectures[forme]}) > 1:
                        emissions[cle_forme(forme)][(cle_entete(l[1]), t)] += poids * part
            for t, p in courantes.items():
                etiquettes[t] += poids * p
            for a, pa in precedentes.items():
                for b, pb in courantes.items():
                    transitions[(a, b)] += poids * pa * pb
            precedentes = courantes
        for a, pa in precedentes.items():
            transitions[(a, DEBUT)] += poids * pa

    # Every tag the lexicon's readings can take, so that the program finds an
    # index for each (an unseen one keeps a zero count).
    for ls in lectures.values():
        for l in ls:
            etiquettes.setdefault(etiquette_de(l), 0.0)
    for cle in ('I', 'I:adv.', 'I:conj.', 'I:prép.', 'I:interj.', INCONNU):
        etiquettes.setdefault(cle, 0.0)

    liste_etiquettes = [DEBUT] + sorted(t for t in etiquettes if t != DEBUT)
    index_etiquette = {t: i for i, t in enumerate(liste_etiquettes)}
    liste_entetes = sorted(entetes)
    index_entete = {e: i for i, e in enumerate(liste_entetes)}

    def nombre(x):
        return f'{x:.2f}'

    lignes = [f'# {VERSION}',
              '# Modèle du contexte de Lecturiel : fichier produit par '
              'outils/contexte/entraine_contexte.py ; ne pas modifier à la main.',
              f'# {jetons} mots, dont {trouves} rattachés au lemme donné par le corpus.',
              f'etiquettes\t{len(liste_etiquettes)}']
    lignes += [f'{t}\t{nombre(etiquettes[t])}' for t in liste_etiquettes]
    paires = sorted((index_etiquette[a], index_etiquette[b], c) for (a, b), c in transitions.items()
                    if c >= 0.005)
    lignes.append(f'transitions\t{len(paires)}')
    lignes += [f'{a}\t{b}\t{nombre(c)}' for a, b, c in paires]
    lignes.append(f'entetes\t{len(liste_entetes)}')
    lignes += [f'{e}\t{nombre(entetes[e])}' for e in liste_entetes]
    formes_emission = sorted(emissions)
    lignes.append(f'formes\t{len(formes_emission)}')
    for f in formes_emission:
        comptes = sorted((index_entete[e], index_etiquette[t], c)
                         for (e, t), c in emissions[f].items() if c >= 0.005)
        lignes.append(f + '\t' + ' '.join(f'{e}:{t}:{nombre(c)}' for e, t, c in comptes))
    texte = ''.join(l + '\n' for l in lignes).encode('utf-8')
    somme = 0xcbf29ce484222325
    for octet in texte:
        somme = ((somme ^ octet) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    texte += f'somme\t{somme:016x}\n'.encode('ascii')
    with open(sortie, 'wb') as f:
        f.write(texte)
    print(f'{sortie} : {len(liste_etiquettes)} étiquettes, {len(paires)} transitions, '
          f'{len(liste_entetes)} vedettes, {len(formes_emission)} formes ; '
          f'{jetons} mots, {trouves} rattachés à leur lemme', file=sys.stderr)


if __name__ == '__main__':
    main()
