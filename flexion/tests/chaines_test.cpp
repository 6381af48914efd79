// The French string helpers: the cases of chaines.tsv.
#include "flexion/chaines.h"

#include <gtest/gtest.h>

#include "flexion/tests/aide.h"
#include "lexical/tests/fixture.h"

TEST(Chaines, CasDeLaFixture) {
  const auto oui = [](bool b) -> std::string { return b ? "oui" : "non"; };
  VerifieFixture(LisFixture(LECTURIEL_FIXTURES "/chaines.tsv"),
                 {{"lettre",
                   [&](const TCas& c) {
                     const std::string lettres = c.Cp(0);
                     bool toutes = true, aucune = true;
                     for (char l : lettres) (EstLettre(l) ? aucune : toutes) = false;
                     EXPECT_TRUE(toutes || aucune) << c.Lieu;
                     return oui(toutes);
                   }},
                  {"mots",
                   [](const TCas& c) {
                     std::string r;
                     for (const std::string& m : Mots(c.Cp(0))) r += U8(m) + "|";
                     return r;
                   }},
                  {"premier-mot", [](const TCas& c) { return U8(PremierMot(c.Cp(0))); }},
                  {"mot-n", [](const TCas& c) { return U8(MotN(std::stoi(c[0]), c.Cp(1))); }},
                  {"termine", [&](const TCas& c) { return oui(Termine(c[0], c[1])); }},
                  {"commence", [&](const TCas& c) { return oui(Commence(c[0], c[1])); }},
                  {"sans-fin", [](const TCas& c) { return SansFin(c[0], std::stoi(c[1])); }},
                  {"derniere-lettre",
                   [](const TCas& c) { return std::string(1, DerniereLettre(c.Octets(0))); }},
                  {"supprime-tout", [](const TCas& c) { return SupprimeTout(c.Octets(0), c[1]); }},
                  {"derniere-position", [](const TCas& c) {
                     return std::to_string(DernierePosition(c.Cp(0), c.Cp(1)));
                   }}});
  EXPECT_EQ(Lettres.size(), 84u);
}
