// Fuzz target of the analysis: any bytes as one or two words (split at the
// first line feed or NUL), given to Lemmatise, the hint lines of every
// layout, the French rendering and the syntax links in both orders, over the
// stores compiled from data/. Nothing may crash, leak, hang or throw; a word
// that is not found gives exactly its " : ?" line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "flexion/traduction.h"
#include "fuzz/stores_des_donnees.h"
#include "lexical/erreur.h"
#include "morpho/lemmatise.h"
#include "syntaxe/lien_syntaxique.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ChargeStoresDesDonnees();
  return 0;
}

namespace {
void Analyse(const std::string& mot) {
  const auto lignes = TexteAnalyses(mot, Disposition::Complete);
  const auto liste = Lemmatise(mot);
  if (!liste && lignes != std::vector<std::string>{mot + " : ?"}) std::abort();
  if (liste && liste->Count() == 0) std::abort();
  if (liste)
    for (Disposition d : {Disposition::FormeEtEntetes, Disposition::Entetes, Disposition::Complete})
      liste->Lignes(d);
  Traduction(mot);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
  const std::size_t coupure = octets.find_first_of(std::string_view("\n\0", 2));
  const std::string mot1(octets.substr(0, coupure));
  const std::string mot2(coupure == std::string_view::npos ? std::string_view()
                                                           : octets.substr(coupure + 1));
  Analyse(mot1);
  Analyse(mot2);
  TLienSyntaxique(mot1, mot2).Texte();
  TLienSyntaxique(mot2, mot1).Texte();
  return 0;
}
