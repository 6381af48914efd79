#include "lexical/lexique.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lexical/tests/fixture.h"

namespace {
std::string Liste(std::vector<std::string> elements, bool trie = false) {
  if (trie) std::sort(elements.begin(), elements.end());
  std::string r;
  for (const std::string& e : elements) r += (r.empty() ? "" : " | ") + Cp1252VersUtf8(e);
  return r;
}
}  // namespace

// The cases of lexique.tsv, on its small lexicon.
TEST(Lexique, CasDeLaFixture) {
  std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/lexique.tsv");
  TLexique l;
  const auto champ = [](const TCas& c, int i) { return c[i] == "-" ? "" : c.Cp(i); };
  for (const TCas& c : Section(cas, "entrees"))
    l.Ajoute(c.Cp(0), std::make_unique<TDonneesLexicales>(TDonneesLexicales{
                          std::stoi(c[1]), Genre::Aucun, champ(c, 2), champ(c, 3), champ(c, 4)}));
  l.IndexeRadicaux();
  std::erase_if(cas, [](const TCas& c) { return c.Section == "entrees"; });
  const auto index = [&](const TCas& c) -> const TRadicaux& {
    return c[0] == "1" ? l.Radicaux1 : c[0] == "2" ? l.Radicaux2 : l.Radicaux3;
  };
  const auto sens = [&](const std::vector<int>& entrees) {
    std::vector<std::string> r;
    for (int p : entrees) r.push_back(l.Objet(p).Sens);
    return Liste(r, true);
  };
  VerifieFixture(
      cas, {{"radicaux", [&](const TCas& c) { return Liste(l.CanonDe(index(c), c.Octets(1))); }},
            {"entrees-du-radical", [&](const TCas& c) { return sens(index(c).EntreesDe(c[1])); }},
            {"premiere-entree-de-modele",
             [&](const TCas& c) {
               const auto p = l.PremiereEntreeDeModele(c[0], std::stoi(c[1]));
               return p ? Cp1252VersUtf8(l.Objet(*p).Sens) : "-";
             }},
            {"vedette",
             [&](const TCas& c) {
               int p = -1;
               EXPECT_TRUE(l.Find(c[0], p)) << c.Lieu;
               EXPECT_EQ(l.Donnees(p), l.Objet(p)) << c.Lieu;
               return l.Vedette(p) + " " + std::to_string(l.DonneesApresRenvoi(p).Modele);
             }},
            {"entrees-de-modele",
             [&](const TCas& c) { return sens(l.EntreesDeModele(c[0], std::stoi(c[1]))); }},
            {"cle-reconstruite", [](const TCas& c) {
               const auto cle = CleReconstruite(c.Octets(0), std::stoi(c[1]));
               return cle ? *cle : "-";
             }}});
}
