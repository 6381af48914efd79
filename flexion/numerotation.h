// The French numbering of person, tense, mood and voice that the verb
// classes, their class chain and the translation pass to one another.
//
// Persons are numbers 1 to 6 (je tu il nous vous ils): they index the
// pronoun and ending tables and are compared by range (1 to 3 singular), so
// they stay integers with names.  Tense, mood and voice are scoped
// enumerations.  The values are fixed: callers that read them as numbers
// (tables of cases, the command-line tool, the fuzz target) convert with
// static_cast, and a value outside the names (a tense 0 for a Latin reading
// without tense, a mood 7 for a gerund) is valid and simply has no French
// form.  Nothing here owns or fails.
#pragma once

enum TPersonneFr : int { Je = 1, Tu = 2, Il = 3, Nous = 4, Vous = 5, Ils = 6 };

// Tenses 5 to 8 are the compound counterparts of tenses 1 to 4: their
// auxiliary is conjugated in the simple tense four below (TempsAuxiliaire).
enum class TTempsFr : int {
  Present = 1,
  Futur = 2,
  Imparfait = 3,
  PasseSimple = 4,
  PasseCompose = 5,
  FuturAnterieur = 6,
  PlusQueParfait = 7,
  PasseAnterieur = 8,
};

enum class TModeFr : int {
  Indicatif = 1,
  Subjonctif = 2,
  Conditionnel = 3,
  Imperatif = 4,
  Infinitif = 5,
  Participe = 6,
};

enum class TVoixFr : int { Actif = 1, Passif = 2 };

// True for the moods conjugated by person: indicatif, subjonctif,
// conditionnel.
constexpr bool EstModePersonnel(TModeFr mode) {
  return mode == TModeFr::Indicatif || mode == TModeFr::Subjonctif || mode == TModeFr::Conditionnel;
}

// True for the moods without subject: impératif, infinitif, participe.
constexpr bool EstModeSansSujet(TModeFr mode) {
  return mode == TModeFr::Imperatif || mode == TModeFr::Infinitif || mode == TModeFr::Participe;
}

// The simple tense in which a compound tense conjugates its auxiliary
// (passé composé: présent); only meaningful for tenses 5 to 8.
constexpr TTempsFr TempsAuxiliaire(TTempsFr compose) {
  return static_cast<TTempsFr>(static_cast<int>(compose) - 4);
}
