// The coverage measure and the --tsv rows on a small lexicon.
#include "outils/lemmatise/couverture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lexical/erreur.h"
#include "lexical/tests/fixture.h"
#include "outils/lemmatise/tsv.h"

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
  TLexiqueDeFixture lexique(LisFixture(LECTURIEL_FIXTURES "/couverture.tsv"));
  const std::vector<TJeton> jetons = {
      {"Venit", "venio"}, {"de", "de1"}, {"de", "di"}, {"foo", "Foo"}, {"bar", "foo"}};
  const TCouverture c = MesureCouverture(jetons);
  EXPECT_EQ(c.Jetons, 5);
  EXPECT_EQ(c.Analyses, 3);
  EXPECT_EQ(c.LemmesTrouves, 2);
  EXPECT_EQ(c.Manques, (std::vector<std::pair<std::string, long>>{{"foo", 2}, {"di", 1}}));
}

TEST(Tsv, UneLigneParLecture) {
  TLexiqueDeFixture lexique(LisFixture(LECTURIEL_FIXTURES "/couverture.tsv"));
  EXPECT_EQ(
      LignesTsv("Venit"),
      (std::vector<std::string>{"Venit\tuenio\tuenio, venir\t21\t0x8106040\t 3\xC3\xA8me personne "
                                "singulier indicatif pr\xC3\xA9sent actif"}));
  EXPECT_EQ(LignesTsv("et"), (std::vector<std::string>{"et\tet\tet, et, aussi\t\t\t"}));
  EXPECT_EQ(LignesTsv("nix"), (std::vector<std::string>{"nix\t?\t\t\t\t"}));
}

TEST(CouvertureFormes, LectureDeLaListe) {
  std::istringstream liste("forme\toccurrences\n\n# note\nVenit\t12\r\nde\t3\n");
  const auto formes = LisFormesComptees(liste, "formes.tsv");
  ASSERT_EQ(formes.size(), 2u);
  EXPECT_EQ(formes[0].Forme, "Venit");
  EXPECT_EQ(formes[0].Occurrences, 12);
  EXPECT_EQ(formes[1].Occurrences, 3);

  // A bad row past the header is refused with its line number, never
  // counted as zero.
  for (const char* fautive : {"et\t5\nin\tdix\n", "et\t5\nin\n", "et\t5\nin\t3\t4\n",
                              "et\t5\nin\t-3\n", "et\t5\nin\t99999999999\n"}) {
    std::istringstream texte(fautive);
    try {
      LisFormesComptees(texte, "f.tsv");
      ADD_FAILURE() << fautive;
    } catch (const Erreur& e) {
      EXPECT_NE(std::string(e.what()).find("f.tsv:2"), std::string::npos) << e.what();
    }
  }
}

TEST(CouvertureFormes, ReconnaissanceDuFormat) {
  const std::vector<std::pair<std::string, bool>> cas = {
      {"forme\toccurrences\net\t3\n", true},
      {"# commentaire\n\net\t3\n", true},
      {"# sent_id = 1\n1\tde\tde\tADP\tR-\t_\t0\troot\t_\t_\n", false},
      {"", false},
  };
  for (const auto& [texte, liste] : cas) {
    std::istringstream entree(texte);
    EXPECT_EQ(EstListeDeFormes(entree), liste) << texte;
  }
}

TEST(CouvertureFormes, PartPondereeEtFormesManquees) {
  TLexiqueDeFixture lexique(LisFixture(LECTURIEL_FIXTURES "/couverture.tsv"));
  const std::vector<TFormeComptee> formes = {{"Venit", 60}, {"de", 20}, {"foo", 5},
                                             {"bar", 10},   {"foo", 7}, {"baz", 12}};
  const TCouvertureFormes c = MesureCouvertureFormes(formes);
  EXPECT_EQ(c.Formes, 6);
  EXPECT_EQ(c.FormesAnalysees, 2);
  EXPECT_EQ(c.Occurrences, 114);
  EXPECT_EQ(c.OccurrencesAnalysees, 80);
  EXPECT_EQ(c.NonAnalysees,
            (std::vector<std::pair<std::string, long>>{{"baz", 12}, {"foo", 12}, {"bar", 10}}));
}
