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
inline constexpr Morpho Nom = Trait::Nominatif, Voc = Trait::Vocatif, Acc = Trait::Accusatif,
                        Gen = Trait::Genitif, Dat = Trait::Datif, Abl = Trait::Ablatif;
inline constexpr Morpho Sg = Trait::Singulier, Pl = Trait::Pluriel;
inline constexpr Morpho Masc = Trait::Masculin, Fem = Trait::Feminin, Neut = Trait::Neutre;
inline constexpr Morpho P1 = Trait::PremierePersonne, P2 = Trait::DeuxiemePersonne,
                        P3 = Trait::TroisiemePersonne;
inline constexpr Morpho Pres = Trait::Present, Parf = Trait::Parfait;
inline constexpr Morpho Ind = Trait::Indicatif, Subj = Trait::Subjonctif, Inf = Trait::Infinitif,
                        Part = Trait::Participe;
inline constexpr Morpho Actif = Trait::Actif, Passif = Trait::Passif;
}  // namespace traits
