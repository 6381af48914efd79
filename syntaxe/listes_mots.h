// The word lists of the syntactic link rules. Each is a comma-separated text;
// a word belongs to a list when it equals (letter case included) one of its
// words. The lemma lists are compared with headwords, which the lexicon writes
// in u/i spelling; the preposition and conjunction lists are compared with the
// word as written in the text, hence both spellings where they differ.
#pragma once

#include <string_view>

// Pronouns and adjectives that determine a noun.
inline constexpr std::string_view ListeDeterminants =
    ",hic,is,iste,ille,quidam,alius,alter,unus,duo,tres,quattuor,quinque,meus,tuus,suus,nemo,"
    "multus,nonnullus,nihil,";
// Verbs that take an attribute of their subject.  "uideor" is the deponent
// headword "sembler", beside "uideo" "voir".
inline constexpr std::string_view ListeCopules =
    ",sum,fio,existo,exsisto,uideor,appareo,nascor,morior,uiuo,";
// Verbs that take an attribute of their subject when passive ("he is called
// king"): listed by their headwords, the rule itself asks for the passive.
inline constexpr std::string_view ListeVerbesAppel =
    ",appello,dico,nomino,eligo,creo,iudico,existimo,puto,habeo";
// Possessive adjectives, which a genitive never complements.
inline constexpr std::string_view ListePossessifs = ",meus,tuus,suus,noster,uester,";
// Prepositions with the ablative, with the short spellings the lexicon
// files under ab and ex (a, abs, e).
inline constexpr std::string_view ListePrepositionsAblatif =
    ",a,ab,abs,cum,de,e,ex,in,pro,sine,sub,super,";
inline constexpr std::string_view ListePrepositionsAccusatif =
    ",ad,aduersus,adversus,ante,in,inter,ob,per,sub,super,";
inline constexpr std::string_view ListeConjonctions = ",ut,cum,quando,quia,quod,si,";
