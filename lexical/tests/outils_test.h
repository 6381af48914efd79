// Helpers of the lexical tests: byte strings written and read in memory, the
// message of a failing call, and random stores for the round-trip tests.
#pragma once

#include <random>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "lexical/erreur.h"
#include "lexical/flux.h"
#include "lexical/modeles.h"
#include "lexical/stores.h"

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

// A file written value by value: integers and strings in the given order.
inline std::string Valeurs(std::initializer_list<std::variant<std::int32_t, std::string>> valeurs) {
  return Ecrit([&](TEcrivain& e) {
    for (const auto& v : valeurs)
      if (const auto* n = std::get_if<std::int32_t>(&v))
        e.EcrisEntier(*n);
      else
        e.EcrisChaine(std::get<std::string>(v));
  });
}

// The Erreur message f raises, or "aucune erreur".
template <class F>
std::string MessageDe(F f) {
  try {
    f();
  } catch (const Erreur& e) {
    return e.what();
  }
  return "aucune erreur";
}

inline void ChargeOctets(const std::string& octets) {
  std::istringstream flux(octets);
  TLecteur lecteur(flux);
  ChargeLexique(lecteur);
}

inline std::string OctetsDe(const TLexique& l, const TListeDes& d, const TListeIrreg& irr) {
  return Ecrit([&](TEcrivain& e) { EcrisSections(e, l, d, irr); });
}

inline std::string OctetsDesStores() { return OctetsDe(*Lexique, *Desinences, *Irreguliers); }

// By default capitals, accents, the cp1252 bytes without a Unicode twin
// (0x81) and the punctuation of meanings.
inline std::string TexteAuHasard(
    std::mt19937& alea, int longueurMax,
    std::string_view lettres = "abcdeioqrsuxAEIMRS\xE9\xE8\xE7\xC9\x80\x81\x9C ,:.-") {
  std::string s;
  const int n = std::uniform_int_distribution<int>(0, longueurMax)(alea);
  for (int i = 0; i < n; ++i)
    s += lettres[std::uniform_int_distribution<std::size_t>(0, lettres.size() - 1)(alea)];
  return s;
}

// Installs random stores that both the file and the text sources can carry:
// every bit of the morphology word, models without a name, meanings longer
// than the 1024-byte buffers of the reader and the writer.
// With homographes, lexicon keys are short and often repeat.
inline void StoresAuHasard(std::mt19937& alea, bool homographes) {
  Lexique = std::make_unique<TLexique>();
  Desinences = std::make_unique<TListeDes>();
  Irreguliers = std::make_unique<TListeIrreg>();
  std::uniform_int_distribution<std::uint32_t> bits;
  // Models and genders within their ranges: the loader refuses others.
  std::uniform_int_distribution<int> modele(0, NombreModeles - 1), genre(-1, 2), radical(0, 3),
      lectures(1, 6);
  const auto liste = [&] {  // "-" stands for an empty list in the sources
    std::string s = TexteAuHasard(alea, 12);
    return s == "-" ? std::string("--") : s;
  };
  int p = 0;
  for (int i = 0; i < 300; ++i) {
    const std::string cle = TexteAuHasard(alea, homographes ? 4 : 8);
    if (!homographes && Lexique->Find(cle, p)) continue;
    Lexique->Ajoute(cle, std::make_unique<TDonneesLexicales>(TDonneesLexicales{
                             modele(alea), static_cast<Genre::TGenre>(genre(alea)), liste(),
                             liste(), TexteAuHasard(alea, i % 50 ? 40 : 3000)}));
  }
  Lexique->IndexeRadicaux();
  for (int i = 0; i < 100; ++i) {
    const std::string cle = TexteAuHasard(alea, 5);
    if (cle.empty() || Desinences->Find(cle, p)) continue;
    auto d = std::make_unique<std::vector<TLecture>>();
    for (int j = lectures(alea); j > 0; --j)
      d->push_back(TLecture{modele(alea), radical(alea), bits(alea)});
    Desinences->Ajoute(cle, std::move(d));
  }
  for (int i = 0; i < 100; ++i) {
    const std::string forme = TexteAuHasard(alea, 5);
    if (!forme.empty())
      Irreguliers->Ajoute(forme, TexteAuHasard(alea, 6), bits(alea), modele(alea));
  }
}
