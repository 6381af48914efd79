// Fuzz target: any bytes given to the loader must give either three stores
// or an Erreur with its French message; never a crash, a leak, a hang or
// another exception. A file that loads is also written and loaded twice
// more: the bytes must come back (two loads, since equal lexicon keys turn
// round at each one).
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "lexical/erreur.h"
#include "lexical/flux.h"
#include "lexical/stores.h"

namespace {
std::string Octets() {
  std::ostringstream sortie;
  TEcrivain ecrivain(sortie);
  EcrisSections(ecrivain, *Lexique, *Desinences, *Irreguliers);
  return sortie.str();
}

void Charge(const std::string& octets) {
  std::istringstream entree(octets);
  TLecteur lecteur(entree);
  ChargeLexique(lecteur);
}

// Loading drops one trailing digit of a form: such a form cannot come back
// the same, which is the file format's rule and no fault.
bool FormesStables() {
  for (int i = 0; i < Irreguliers->Count(); ++i) {
    const std::string& forme = Irreguliers->Cle(i);
    if (!forme.empty() && forme.back() >= '0' && forme.back() <= '9') return false;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  try {
    Charge(std::string(reinterpret_cast<const char*>(donnees), taille));
  } catch (const Erreur&) {
    LiberLexique();
    return 0;
  }
  if (!StoresPrets()) std::abort();
  if (FormesStables()) {
    const std::string premier = Octets();
    Charge(premier);
    Charge(Octets());
    if (Octets() != premier) std::abort();
  }
  LiberLexique();
  return 0;
}
