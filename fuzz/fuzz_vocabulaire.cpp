// Fuzz target of the vocabulary of a text: any bytes as a Windows-1252 text,
// over the stores compiled from data/. Nothing may crash, leak or hang; the
// only error is the French one of a text of too many forms. Each heading
// counted was met at least once under forms that are distinct, and no more
// unknown words are counted than there are words.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/stores_des_donnees.h"
#include "lexical/erreur.h"
#include "morpho/vocabulaire_texte.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ChargeStoresDesDonnees();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  const TVocabulaire v = VocabulaireDuTexte(texte);
  long inconnus = 0;
  for (const TMotInconnu& m : v.Inconnus) {
    if (m.Occurrences < 1 || m.PremierMot >= v.NombreMots) std::abort();
    inconnus += m.Occurrences;
  }
  if (inconnus > v.NombreMots) std::abort();
  for (const TVedetteVocabulaire& e : v.Vedettes) {
    if (e.Occurrences < 1 || e.Formes.empty() || e.PremierMot >= v.NombreMots) std::abort();
    if (std::set<std::string>(e.Formes.begin(), e.Formes.end()).size() != e.Formes.size())
      std::abort();
  }
  return 0;
}
