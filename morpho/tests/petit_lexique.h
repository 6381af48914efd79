// A small lexicon built in memory for one test and installed as the three
// global stores; the destructor releases them again. Models are given by name
// ("amicus"), texts in Windows-1252.
#pragma once

#include <memory>
#include <string>

#include "lexical/desinences.h"
#include "lexical/irreguliers.h"
#include "lexical/lexique.h"
#include "lexical/stores.h"
#include "lexical/vocabulaire.h"

class PetitLexique {
 public:
  PetitLexique()
      : lexique_(std::make_unique<TLexique>()),
        desinences_(std::make_unique<TListeDes>()),
        irreguliers_(std::make_unique<TListeIrreg>()) {}
  ~PetitLexique() { LiberLexique(); }
  PetitLexique(const PetitLexique&) = delete;
  PetitLexique& operator=(const PetitLexique&) = delete;

  // genre: -1 none, 0 masculine, 1 feminine, 2 neuter.
  PetitLexique& Entree(const std::string& cle, const std::string& modele, int genre,
                       const std::string& radicauxA, const std::string& radicauxB,
                       const std::string& sens) {
    lexique_->Ajoute(cle, std::make_unique<TDonneesLexicales>(TDonneesLexicales{
                              Modele(modele), genre, radicauxA, radicauxB, sens}));
    return *this;
  }

  // One more reading of an ending written forwards.
  PetitLexique& Desinence(const std::string& terminaison, const std::string& modele, int radical,
                          Morpho morpho) {
    const std::string cle = CleDesinence(terminaison);
    int position = 0;
    if (!desinences_->Find(cle, position))
      position = desinences_->Ajoute(cle, std::make_unique<std::vector<TDef>>());
    desinences_->Objet(position).push_back(TDef{Modele(modele), radical, morpho});
    return *this;
  }

  PetitLexique& Irregulier(const std::string& forme, const std::string& lemme,
                           const std::string& modele, Morpho morpho) {
    irreguliers_->Ajoute(forme, lemme, morpho, Modele(modele));
    return *this;
  }

  // Indexes the stems and hands the stores over to the globals.
  void Installe() {
    lexique_->IndexeRadicaux();
    Lexique = std::move(lexique_);
    Desinences = std::move(desinences_);
    Irreguliers = std::move(irreguliers_);
  }

 private:
  static int Modele(const std::string& nom) { return ModeleParNom(nom); }

  std::unique_ptr<TLexique> lexique_;
  std::unique_ptr<TListeDes> desinences_;
  std::unique_ptr<TListeIrreg> irreguliers_;
};

// Morphology bits by name, for readable fixtures.
namespace traits {
inline constexpr Morpho Nom = MasquesCas[0], Voc = MasquesCas[1], Acc = MasquesCas[2],
                        Gen = MasquesCas[3], Dat = MasquesCas[4], Abl = MasquesCas[5];
inline constexpr Morpho Sg = MasquesNombre[0], Pl = MasquesNombre[1];
inline constexpr Morpho Masc = MasquesGenre[0], Fem = MasquesGenre[1], Neut = MasquesGenre[2];
inline constexpr Morpho P1 = MasquesPersonne[0], P2 = MasquesPersonne[1], P3 = MasquesPersonne[2];
inline constexpr Morpho Pres = MasquesTemps[0], Parf = MasquesTemps[3];
inline constexpr Morpho Ind = MasquesMode[0], Subj = MasquesMode[1], Inf = MasquesMode[3],
                        Part = MasquesMode[4];
inline constexpr Morpho Actif = MasquesVoix[0], Passif = MasquesVoix[1];
}  // namespace traits
