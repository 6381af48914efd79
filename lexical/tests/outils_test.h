// Helpers of the lexical tests: byte strings written and read in memory.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "flux.h"
#include "stores.h"

inline std::string Octets(std::initializer_list<int> valeurs) {
  std::string s;
  for (int v : valeurs) s += static_cast<char>(v);
  return s;
}

template <class F>
std::string Ecrit(F f) {
  std::ostringstream flux;
  {
    TEcrivain e(flux);
    f(e);
    e.Vide();
  }
  return flux.str();
}

inline void ChargeOctets(const std::string& octets) {
  std::istringstream flux(octets);
  TLecteur lecteur(flux);
  ChargeLexique(lecteur);
}

inline std::string OctetsDesStores() {
  return Ecrit([](TEcrivain& e) { EcrisSections(e, *Lexique, *Desinences, *Irreguliers); });
}
