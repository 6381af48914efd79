// The coverage measure and the --tsv rows on a small lexicon.
#include "couverture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "petit_lexique.h"
#include "tsv.h"

using namespace traits;

TEST(Couverture, SeulsLesMotsComptent) {
  std::istringstream conllu(
      "# sent_id = 1\n"
      "1-2\tdeque\t_\t_\t_\t_\t_\t_\t_\t_\n"
      "1\tde\tde\tADP\tR-\t_\t0\troot\t_\t_\n"
      "2\tque\tque\tCCONJ\tC-\t_\t1\tcc\t_\t_\n"
      "2.1\tuel\tuel\tCCONJ\t_\t_\t_\t_\t_\t_\n"
      "3\t,\t,\tPUNCT\t_\t_\t1\tpunct\t_\t_\n"
      "4\tXII\tXII\tNUM\t_\t_\t1\tnummod\t_\t_\n"
      "5\tVenit\tvenio\tVERB\t_\t_\t0\troot\t_\t_\r\n"
      "\n");
  const auto jetons = LisJetonsConllu(conllu);
  ASSERT_EQ(jetons.size(), 3u);
  EXPECT_EQ(jetons[2].Forme, "Venit");
  EXPECT_EQ(jetons[2].Lemme, "venio");
}

TEST(Couverture, GraphiesDuLemme) {
  EXPECT_EQ(GraphiesLemme("Jesus2"), (std::vector<std::string>{"iesus"}));
  EXPECT_EQ(GraphiesLemme("ex(s)isto"), (std::vector<std::string>{"existo", "exsisto"}));
  EXPECT_EQ(GraphiesLemme("alioqui(n)"), (std::vector<std::string>{"alioqui", "alioquin"}));
  EXPECT_EQ(GraphiesLemme("(h)umer(us)"),
            (std::vector<std::string>{"humer", "humerus", "umer", "umerus"}));
  EXPECT_EQ(GraphiesLemme("a(b"), (std::vector<std::string>{"a(b"}));
}

TEST(Couverture, PartsEtLemmesManques) {
  PetitLexique lex;
  lex.Entree("uenio", "audio", -1, "uen", "uent", "venir")
      .Entree("de", "invaria", -1, "", "", "de")
      .Desinence("it", "audio", 1, P3 | Sg | Pres | Ind | Actif)
      .Installe();
  const std::vector<TJeton> jetons = {
      {"Venit", "venio"}, {"de", "de1"}, {"de", "di"}, {"foo", "Foo"}, {"bar", "foo"}};
  const TCouverture c = MesureCouverture(jetons);
  EXPECT_EQ(c.Jetons, 5);
  EXPECT_EQ(c.Analyses, 3);
  EXPECT_EQ(c.LemmesTrouves, 2);
  EXPECT_EQ(c.Manques, (std::vector<std::pair<std::string, long>>{{"foo", 2}, {"di", 1}}));
}

TEST(Tsv, UneLigneParLecture) {
  PetitLexique lex;
  lex.Entree("uenio", "audio", -1, "uen", "uent", "venir")
      .Entree("et", "invaria", -1, "", "", "et, aussi")
      .Desinence("it", "audio", 1, P3 | Sg | Pres | Ind | Actif)
      .Installe();
  EXPECT_EQ(
      LignesTsv("Venit"),
      (std::vector<std::string>{"Venit\tuenio\tuenio, venir\t21\t0x8106040\t 3\xC3\xA8me personne "
                                "singulier indicatif pr\xC3\xA9sent actif"}));
  EXPECT_EQ(LignesTsv("et"), (std::vector<std::string>{"et\tet\tet, et, aussi\t\t\t"}));
  EXPECT_EQ(LignesTsv("nix"), (std::vector<std::string>{"nix\t?\t\t\t\t"}));
}
