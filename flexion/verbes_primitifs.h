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
//                                     verb           Fin       je tu   il       nous      ils       futur     passé   endings participle
// -ir
inline constexpr TTempsPrimitifs Finir    = {"finir",       "ir",     "i",    "it",    "iss",    "iss",    "ir",     "",     I,      "i"};
inline constexpr TTempsPrimitifs Sortir   = {"sortir",      "tir",    "",     "t",     "t",      "t",      "tir",    "t",    I,      "ti"};
inline constexpr TTempsPrimitifs Vetir    = {"vêtir"_1252,  "tir",    "t",    "t",     "t",      "t",      "tir",    "t",    I,      "tu"};
inline constexpr TTempsPrimitifs Dormir   = {"dormir",      "mir",    "",     "t",     "m",      "m",      "mir",    "m",    I,      "mi"};
inline constexpr TTempsPrimitifs Servir   = {"servir",      "vir",    "",     "t",     "v",      "v",      "vir",    "v",    I,      "vi"};
inline constexpr TTempsPrimitifs Bouillir = {"bouillir",    "illir",  "",     "t",     "ill",    "ill",    "illir",  "ill",  I,      "illi"};
inline constexpr TTempsPrimitifs Fuir     = {"fuir",        "ir",     "i",    "it",    "y",      "i",      "ir",     "",     I,      "i"};
inline constexpr TTempsPrimitifs Courir   = {"courir",      "ir",     "",     "t",     "",       "",       "r",      "",     U,      "u"};
inline constexpr TTempsPrimitifs Mourir   = {"mourir",      "ourir",  "eur",  "eurt",  "our",    "eur",    "ourr",   "our",  U,      "ort"};
inline constexpr TTempsPrimitifs Querir   = {"acquérir"_1252, "érir"_1252, "ier", "iert", "ér"_1252, "ièr"_1252, "err", "",    I,      "is"};
inline constexpr TTempsPrimitifs Hair     = {"haïr"_1252,   "ïr"_1252, "i",   "it",    "ïss"_1252, "ïss"_1252, "ïr"_1252, "ï"_1252, Court, "ï"_1252};
inline constexpr TTempsPrimitifs Ouir     = {"ouïr"_1252,   "uïr"_1252, "i",  "it",    "y",      "i",      "uïr"_1252, "uï"_1252, Court, "uï"_1252};
inline constexpr TTempsPrimitifs Gesir    = {"gésir"_1252,  "ésir"_1252, "i", "ît"_1252, "is",   "is",     "",       "",     Aucun,  ""};
// -oir
inline constexpr TTempsPrimitifs Cevoir   = {"recevoir",    "cevoir", "çoi"_1252, "çoit"_1252, "cev", "çoiv"_1252, "cevr", "ç"_1252, U, "çu"_1252};
inline constexpr TTempsPrimitifs Devoir   = {"devoir",      "evoir",  "oi",   "oit",   "ev",     "oiv",    "evr",    "",     U,      "û"_1252};
inline constexpr TTempsPrimitifs Mouvoir  = {"mouvoir",     "ouvoir", "eu",   "eut",   "ouv",    "euv",    "ouvr",   "",     U,      "û"_1252};
inline constexpr TTempsPrimitifs Emouvoir = {"émouvoir"_1252, "ouvoir", "eu",  "eut",   "ouv",    "euv",    "ouvr",   "",     U,      "u"};
inline constexpr TTempsPrimitifs Pourvoir = {"pourvoir",    "oir",    "oi",   "oit",   "oy",     "oi",     "oir",    "",     U,      "u"};
inline constexpr TTempsPrimitifs Voir     = {"voir",        "oir",    "oi",   "oit",   "oy",     "oi",     "err",    "",     I,      "u"};
inline constexpr TTempsPrimitifs Prevoir  = {"prévoir"_1252, "oir",   "oi",   "oit",   "oy",     "oi",     "oir",    "",     I,      "u"};
inline constexpr TTempsPrimitifs Surseoir = {"surseoir",    "eoir",   "oi",   "oit",   "oy",     "oi",     "eoir",   "",     I,      "is"};
// clang-format on

}  // namespace Primitifs
