// The coverage measure and the --tsv rows on a small lexicon.
#include "outils/lemmatise/couverture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lexical/erreur.h"
#include "lexical/tests/fixture.h"
#include "outils/lemmatise/tsv.h"

namespace {
std::string Joint(const std::vector<std::string>& mots) {
  std::string r;
  for (const std::string& m : mots) r += (r.empty() ? "" : " ") + m;
  return r;
}
}  // namespace

TEST(Couverture, CasDeLaFixture) {
  VerifieFixture(LisFixture(LECTURIEL_FIXTURES "/couverture.tsv"),
                 {{"jetons-conllu",
                   [](const TCas& c) {
                     std::istringstream conllu(c.Octets(0));
                     std::vector<std::string> r;
                     for (const TJeton& j : LisJetonsConllu(conllu))
                       r.push_back(j.Forme + "/" + j.Lemme);
                     return Joint(r);
                   }},
                  {"graphies-lemme", [](const TCas& c) { return Joint(GraphiesLemme(c[0])); }},
                  {"formes-comptees",
                   [](const TCas& c) {
                     std::istringstream liste(c.Octets(0));
                     std::vector<std::string> r;
                     try {
                       for (const auto& f : LisFormesComptees(liste, "f.tsv"))
                         r.push_back(f.Forme + "/" + std::to_string(f.Occurrences));
                     } catch (const Erreur& e) {
                       const std::string message = e.what();
                       return "! " + message.substr(message.find("f.tsv:"), 7);
                     }
                     return Joint(r);
                   }},
                  {"liste-de-formes", [](const TCas& c) {
                     std::istringstream entree(c.Octets(0));
                     return EstListeDeFormes(entree) ? "oui" : "non";
                   }}});
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
