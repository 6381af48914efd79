// The pronoun of the second person as subject: "tu" is the subject of a
// verb in the second person, singular or plural, as "ego" is of one in the
// first; neither pronoun is the subject of the other's person.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morpho/tests/petit_lexique.h"
#include "syntaxe/lien_syntaxique.h"

using namespace traits;

TEST(SujetTu, DeuxiemePersonneSeulement) {
  const Morpho PresAct = Pres | Ind | Actif;
  PetitLexique lex;
  lex.Entree("amo", "amo", -1, "amau", "amat", "aimer")
      .Entree("ego", "pronoms", -1, "", "", "je")
      .Entree("tu", "pronoms", -1, "", "", "tu")
      .Desinence("o", "amo", 1, P1 | Sg | PresAct)
      .Desinence("as", "amo", 1, P2 | Sg | PresAct)
      .Desinence("atis", "amo", 1, P2 | Pl | PresAct)
      .Irregulier("ego", "ego", "pronoms", Nom | Sg)
      .Irregulier("tu", "tu", "pronoms", Nom | Sg)
      .Installe();
  const struct {
    const char *mot1, *mot2;
    std::vector<std::string> liens;
  } cas[] = {
      {"tu", "amas", {"tu sujet du verbe amas"}},
      {"tu", "amatis", {"tu sujet du verbe amatis"}},
      {"tu", "amo", {}},
      {"ego", "amas", {}},
      {"ego", "amo", {"ego sujet du verbe amo"}},
  };
  for (const auto& c : cas)
    EXPECT_EQ(TLienSyntaxique(c.mot1, c.mot2).Liens(), c.liens) << c.mot1 << " " << c.mot2;
}
