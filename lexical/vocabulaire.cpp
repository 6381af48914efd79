#include "lexical/vocabulaire.h"

#include "lexical/cp1252_litteral.h"
#include "lexical/modeles.h"

const std::array<std::string_view, 6> NomsCas = {"nominatif",    "vocatif", "accusatif",
                                                 "génitif"_1252, "datif",   "ablatif"};
const std::array<std::string_view, 3> NomsGenres = {"masculin", "féminin"_1252, "neutre"};
const std::array<std::string_view, 2> NomsNombres = {"singulier", "pluriel"};
const std::array<std::string_view, 3> NomsPersonnes = {"1ère personne"_1252, "2ème personne"_1252,
                                                       "3ème personne"_1252};
const std::array<std::string_view, 7> NomsModes = {"indicatif",      "subjonctif", "impératif"_1252,
                                                   "infinitif",      "participe",  "gérondif"_1252,
                                                   "adjectif verbal"};
const std::array<std::string_view, 6> NomsTemps = {
    "présent"_1252, "futur", "imparfait", "parfait", "futur antérieur"_1252, "plus-que-parfait"};
const std::array<std::string_view, 2> NomsVoix = {"actif", "passif"};
const std::array<std::string_view, 3> NomsDegres = {"positif", "comparatif", "superlatif"};
const std::array<std::string_view, 5> NomsParties = {"nom", "adjectif", "pronom", "verbe",
                                                     "invariable"};

int IndexCas(Morpho m) {
  int resultat = -1;
  for (int i = 0; i < 6; ++i) {
    if (!(m & MasquesCas[static_cast<std::size_t>(i)])) continue;
    // Several cases name no single one: answering any of them would let a
    // syntax rule match a case the reading does not have.
    if (resultat >= 0) return -1;
    resultat = i;
  }
  return resultat;
}

Partie::TPartie PartieDuModele(int modele) { return FicheModele(modele).Partie; }

int ModeleParNom(std::string_view nom) {
  for (int i = 0; i < NombreModeles; ++i)
    if (NomsModeles[static_cast<std::size_t>(i)] == nom) return i;
  return -1;
}
