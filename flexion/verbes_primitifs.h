// TVprimitifs: the verbs that differ from one another only by their stems,
// each conjugated from one row of principal parts (dormir: dors, dort,
// dormons, dorment, dormirai, dormis, dormi) instead of a class of its own.
// The verbs whose endings or missing forms really differ keep a class
// (verbes_*.h); the chain of flexf.cpp names a row or a class for each
// ending.
//
// A row says which ending of the infinitive its stems replace, so one row
// serves a verb and its compounds (dormir, endormir; the stems of a
// pronominal verb keep its "se ").  The rows are the constants below; an
// object refers to its row and owns only the infinitive.  Nothing fails.
#pragma once

#include <string_view>

#include "flexion/verbe.h"
#include "lexical/cp1252_litteral.h"

// The endings of the passé simple a row takes.
enum class TPasseSimple {
  I,      // dormis, dormîmes
  U,      // reçus, reçûmes
  Court,  // s, s, t, mes, tes, rent after a stem that carries its vowel: haïs, crûmes
  Aucun,  // no passé simple, and so no imperfect subjunctive (traire)
};

// The principal parts of a verb, each written as what replaces Fin.
struct TTempsPrimitifs {
  std::string_view Modele;     // the verb the row is known by
  std::string_view Fin;        // the ending the stems replace
  std::string_view Singulier;  // je and tu, before their s (dor-s)
  std::string_view Il;         // the third person singular itself (dort)
  std::string_view Pluriel;    // nous, vous, the imperfect, the present participle
  std::string_view Ils;        // ils, the subjunctive but for nous and vous
  std::string_view Futur;      // the future and conditional; empty: neither (gésir)
  std::string_view Passe;      // the passé simple
  TPasseSimple Desinences;     // the endings of the passé simple
  std::string_view Participe;  // the past participle; empty: none (paître)
};

class TVprimitifs : public TVerbe {
 public:
  TVprimitifs(std::string infinitif, const TTempsPrimitifs& ligne);

  std::string RadicalPresent(int personne) const override;
  std::string RadicalFutur() const override;
  std::string RadicalPasse() const override;
  std::string Present(int personne) const override;
  std::string Futur(int personne) const override;
  std::string PasseSimple(int personne) const override;
  std::string ParticipePasse() const override;

  // The row's verb, for the tests that check which row an infinitive gets.
  std::string_view Modele() const { return Ligne.Modele; }

 private:
  // The infinitive with Fin replaced by the stem.
  std::string Avec(std::string_view radical) const;

  const TTempsPrimitifs& Ligne;
};

// The rows, by the verb they are known by.  Verbs and compounds that differ
// in one part get a row each (mouvoir: mû, émouvoir: ému).
namespace Primitifs {

using enum TPasseSimple;

// clang-format off
//                                             verb              Fin           je tu       il           nous        ils          futur        passé      ends   participle
// -ir
inline constexpr TTempsPrimitifs Finir      = {"finir",          "ir",         "i",        "it",        "iss",      "iss",       "ir",        "",        I,     "i"};
inline constexpr TTempsPrimitifs Sortir     = {"sortir",         "tir",        "",         "t",         "t",        "t",         "tir",       "t",       I,     "ti"};
inline constexpr TTempsPrimitifs Vetir      = {"vêtir"_1252,     "tir",        "t",        "t",         "t",        "t",         "tir",       "t",       I,     "tu"};
inline constexpr TTempsPrimitifs Dormir     = {"dormir",         "mir",        "",         "t",         "m",        "m",         "mir",       "m",       I,     "mi"};
inline constexpr TTempsPrimitifs Servir     = {"servir",         "vir",        "",         "t",         "v",        "v",         "vir",       "v",       I,     "vi"};
inline constexpr TTempsPrimitifs Bouillir   = {"bouillir",       "illir",      "",         "t",         "ill",      "ill",       "illir",     "ill",     I,     "illi"};
inline constexpr TTempsPrimitifs Fuir       = {"fuir",           "ir",         "i",        "it",        "y",        "i",         "ir",        "",        I,     "i"};
inline constexpr TTempsPrimitifs Courir     = {"courir",         "ir",         "",         "t",         "",         "",          "r",         "",        U,     "u"};
inline constexpr TTempsPrimitifs Mourir     = {"mourir",         "ourir",      "eur",      "eurt",      "our",      "eur",       "ourr",      "our",     U,     "ort"};
inline constexpr TTempsPrimitifs Querir     = {"acquérir"_1252,  "érir"_1252,  "ier",      "iert",      "ér"_1252,  "ièr"_1252,  "err",       "",        I,     "is"};
inline constexpr TTempsPrimitifs Hair       = {"haïr"_1252,      "ïr"_1252,    "i",        "it",        "ïss"_1252, "ïss"_1252,  "ïr"_1252,   "ï"_1252,  Court, "ï"_1252};
inline constexpr TTempsPrimitifs Ouir       = {"ouïr"_1252,      "uïr"_1252,   "i",        "it",        "y",        "i",         "uïr"_1252,  "uï"_1252, Court, "uï"_1252};
inline constexpr TTempsPrimitifs Gesir      = {"gésir"_1252,     "ésir"_1252,  "i",        "ît"_1252,   "is",       "is",        "",          "",        Aucun, ""};
// -oir
inline constexpr TTempsPrimitifs Cevoir     = {"recevoir",       "cevoir",     "çoi"_1252, "çoit"_1252, "cev",      "çoiv"_1252, "cevr",      "ç"_1252,  U,     "çu"_1252};
inline constexpr TTempsPrimitifs Devoir     = {"devoir",         "evoir",      "oi",       "oit",       "ev",       "oiv",       "evr",       "",        U,     "û"_1252};
inline constexpr TTempsPrimitifs Mouvoir    = {"mouvoir",        "ouvoir",     "eu",       "eut",       "ouv",      "euv",       "ouvr",      "",        U,     "û"_1252};
inline constexpr TTempsPrimitifs Emouvoir   = {"émouvoir"_1252,  "ouvoir",     "eu",       "eut",       "ouv",      "euv",       "ouvr",      "",        U,     "u"};
inline constexpr TTempsPrimitifs Pourvoir   = {"pourvoir",       "oir",        "oi",       "oit",       "oy",       "oi",        "oir",       "",        U,     "u"};
inline constexpr TTempsPrimitifs Voir       = {"voir",           "oir",        "oi",       "oit",       "oy",       "oi",        "err",       "",        I,     "u"};
inline constexpr TTempsPrimitifs Prevoir    = {"prévoir"_1252,   "oir",        "oi",       "oit",       "oy",       "oi",        "oir",       "",        I,     "u"};
inline constexpr TTempsPrimitifs Surseoir   = {"surseoir",       "eoir",       "oi",       "oit",       "oy",       "oi",        "eoir",      "",        I,     "is"};
// -ire, -aire, -oire, -ure
inline constexpr TTempsPrimitifs Boire      = {"boire",          "oire",       "oi",       "oit",       "uv",       "oiv",       "oir",       "",        U,     "u"};
inline constexpr TTempsPrimitifs Croire     = {"croire",         "oire",       "oi",       "oit",       "oy",       "oi",        "oir",       "",        U,     "u"};
inline constexpr TTempsPrimitifs Conclure   = {"conclure",       "ure",        "u",        "ut",        "u",        "u",         "ur",        "",        U,     "u"};
inline constexpr TTempsPrimitifs Lire       = {"lire",           "ire",        "i",        "it",        "is",       "is",        "ir",        "",        U,     "u"};
inline constexpr TTempsPrimitifs Confire    = {"confire",        "ire",        "i",        "it",        "is",       "is",        "ir",        "",        I,     "it"};
inline constexpr TTempsPrimitifs Suffire    = {"suffire",        "ire",        "i",        "it",        "is",       "is",        "ir",        "",        I,     "i"};
inline constexpr TTempsPrimitifs Circoncire = {"circoncire",     "ire",        "i",        "it",        "is",       "is",        "ir",        "",        I,     "is"};
inline constexpr TTempsPrimitifs Conduire   = {"conduire",       "ire",        "i",        "it",        "is",       "is",        "ir",        "is",      I,     "it"};
inline constexpr TTempsPrimitifs Luire      = {"luire",          "ire",        "i",        "it",        "is",       "is",        "ir",        "is",      I,     "i"};
inline constexpr TTempsPrimitifs Ecrire     = {"écrire"_1252,    "ire",        "i",        "it",        "iv",       "iv",        "ir",        "iv",      I,     "it"};
inline constexpr TTempsPrimitifs Rire       = {"rire",           "ire",        "i",        "it",        "i",        "i",         "ir",        "",        I,     "i"};
inline constexpr TTempsPrimitifs Taire      = {"taire",          "aire",       "ai",       "ait",       "ais",      "ais",       "air",       "",        U,     "u"};
inline constexpr TTempsPrimitifs Plaire     = {"plaire",         "aire",       "ai",       "aît"_1252,  "ais",      "ais",       "air",       "",        U,     "u"};
inline constexpr TTempsPrimitifs Traire     = {"traire",         "aire",       "ai",       "ait",       "ay",       "ai",        "air",       "",        Aucun, "ait"};
// -tre, -vre, -cre
inline constexpr TTempsPrimitifs Paraitre   = {"paraître"_1252,  "aître"_1252, "ai",       "aît"_1252,  "aiss",     "aiss",      "aîtr"_1252, "",        U,     "u"};
inline constexpr TTempsPrimitifs Naitre     = {"naître"_1252,    "aître"_1252, "ai",       "aît"_1252,  "aiss",     "aiss",      "aîtr"_1252, "aqu",     I,     "é"_1252};
inline constexpr TTempsPrimitifs Paitre     = {"paître"_1252,    "aître"_1252, "ai",       "aît"_1252,  "aiss",     "aiss",      "aîtr"_1252, "",        Aucun, ""};
// Only croître keeps the circumflex that tells it from croire (crûs, crû).
inline constexpr TTempsPrimitifs Croitre    = {"croître"_1252,   "oître"_1252, "oî"_1252,  "oît"_1252,  "oiss",     "oiss",      "oîtr"_1252, "û"_1252,  Court, "û"_1252};
inline constexpr TTempsPrimitifs Accroitre  = {"accroître"_1252, "oître"_1252, "oi",       "oît"_1252,  "oiss",     "oiss",      "oîtr"_1252, "",        U,     "u"};
inline constexpr TTempsPrimitifs Mettre     = {"mettre",         "ettre",      "et",       "et",        "ett",      "ett",       "ettr",      "",        I,     "is"};
inline constexpr TTempsPrimitifs Battre     = {"battre",         "ttre",       "t",        "t",         "tt",       "tt",        "ttr",       "tt",      I,     "ttu"};
inline constexpr TTempsPrimitifs Suivre     = {"suivre",         "vre",        "",         "t",         "v",        "v",         "vr",        "v",       I,     "vi"};
inline constexpr TTempsPrimitifs Vivre      = {"vivre",          "ivre",       "i",        "it",        "iv",       "iv",        "ivr",       "éc"_1252, U,     "écu"_1252};
inline constexpr TTempsPrimitifs Vaincre    = {"vaincre",        "cre",        "c",        "c",         "qu",       "qu",        "cr",        "qu",      I,     "cu"};
// -dre, -pre, and asseoir whose present is in -ds, -d
inline constexpr TTempsPrimitifs Rendre     = {"rendre",         "dre",        "d",        "d",         "d",        "d",         "dr",        "d",       I,     "du"};
inline constexpr TTempsPrimitifs Coudre     = {"coudre",         "dre",        "d",        "d",         "s",        "s",         "dr",        "s",       I,     "su"};
inline constexpr TTempsPrimitifs Moudre     = {"moudre",         "dre",        "d",        "d",         "l",        "l",         "dr",        "l",       U,     "lu"};
inline constexpr TTempsPrimitifs Prendre    = {"prendre",        "endre",      "end",      "end",       "en",       "enn",       "endr",      "",        I,     "is"};
inline constexpr TTempsPrimitifs Peindre    = {"peindre",        "ndre",       "n",        "nt",        "gn",       "gn",        "ndr",       "gn",      I,     "nt"};
inline constexpr TTempsPrimitifs Resoudre   = {"résoudre"_1252,  "oudre",      "ou",       "out",       "olv",      "olv",       "oudr",      "ol",      U,     "olu"};
inline constexpr TTempsPrimitifs Absoudre   = {"absoudre",       "oudre",      "ou",       "out",       "olv",      "olv",       "oudr",      "ol",      Aucun, "ous"};
inline constexpr TTempsPrimitifs Rompre     = {"rompre",         "re",         "",         "t",         "",         "",          "r",         "",        I,     "u"};
inline constexpr TTempsPrimitifs Asseoir    = {"asseoir",        "eoir",       "ied",      "ied",       "ey",       "ey",        "iér"_1252,  "",        I,     "is"};
// clang-format on

}  // namespace Primitifs
