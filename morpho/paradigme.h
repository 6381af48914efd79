// The paradigm of a lexicon entry: every form its stems take with the
// endings of its model, the headword's own readings, and the irregular forms
// listed for its headword, which stand in place of the regular forms whose
// readings they cover. TFlechisseur indexes the endings by model and the
// irregular forms by headword once, from the three global stores, which it
// only reads and which must outlive it (Erreur "Lexique non chargé" when they
// are absent). Paradigms are plain values owned by the caller. Strings are
// Windows-1252.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lexical/lecture.h"
#include "lexical/modeles.h"
#include "lexical/vocabulaire.h"

// A compound form (amatus sum, amaturum esse) is two words written with a
// space, shown in the tables and never analysed as one word; a supine
// (amatum, amatu) carries only its case, accusative or ablative.
enum class OrigineForme { Vedette, Desinence, Irreguliere, Composee, Supin };

struct TFormeFlechie {
  std::string Forme;
  // As the analysis gives the form: the reading's bits and the entry's gender.
  Morpho Traits = 0;
  OrigineForme Origine = OrigineForme::Desinence;
};

struct TParadigme {
  int Position = -1;    // in the lexicon
  std::string Vedette;  // the headword
  std::string Entree;   // the heading the analysis files its readings under
  int Modele = 0;
  int Genre = -1;
  // Headword readings first, then the endings in table order, then the
  // irregular forms; a form with the same readings is listed once.
  std::vector<TFormeFlechie> Formes;
};

class TFlechisseur {
 public:
  TFlechisseur();

  // The paradigm of the entry at a lexicon position; an entry whose meaning
  // is a "cf. " cross-reference gives the paradigm of the entry it refers to.
  TParadigme Paradigme(int position) const;

 private:
  std::array<std::vector<std::pair<std::string, TLecture>>, NombreModeles> desinences_;
  // Lemma key -> (form, model, bits) of its irregular forms, in store order.
  struct TIrreg {
    std::string Forme;
    int Modele;
    Morpho Traits;
  };
  std::unordered_map<std::string, std::vector<TIrreg>> irreguliers_;
};

// The paradigms of every heading under which a written word is analysed, in
// the order of its analyses, each entry once. Empty for a word without
// analysis.
std::vector<TParadigme> ParadigmesDuMot(std::string_view mot);
