// The syntactic link rules on the small lexicon of liens.tsv: one test per
// relation (a section of the fixture), the pairs that must not produce it
// beside the ones that must.
#include "syntaxe/lien_syntaxique.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "lexical/tests/fixture.h"
#include "syntaxe/listes_mots.h"

namespace {
const std::vector<TCas>& Fixture() {
  static const std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/liens.tsv");
  return cas;
}
std::vector<std::string> Relations() {
  std::vector<std::string> noms;
  for (const std::string& nom : Sections(Fixture()))
    if (nom != "lexique" && nom != "desinences" && nom != "irreguliers") noms.push_back(nom);
  return noms;
}
class Relation : public ::testing::TestWithParam<std::string> {};
}  // namespace

TEST_P(Relation, LiensDeLaFixture) {
  TLexiqueDeFixture lexique(Fixture());
  for (const TCas& c : Section(Fixture(), GetParam())) {
    std::vector<std::string> attendus;
    for (const std::string& ligne : c.Suite(2)) attendus.push_back(Utf8VersCp1252(ligne));
    EXPECT_EQ(TLienSyntaxique(c.Cp(0), c.Cp(1)).Liens(), attendus) << c.Lieu;
  }
}

INSTANTIATE_TEST_SUITE_P(Liens, Relation, ::testing::ValuesIn(Relations()),
                         [](const auto& info) { return info.param; });

TEST(LienSyntaxique, TexteEtAnalysesGardees) {
  TLexiqueDeFixture lexique(Fixture());
  TLienSyntaxique lien("dominus", "est");
  EXPECT_EQ(lien.Texte(),
            "dominus attribut du sujet du verbe est\r\ndominus sujet du verbe est\r\n");
  ASSERT_NE(lien.Analyses1(), nullptr);
  EXPECT_EQ(lien.Analyses1()->Forme, "dominus");
  // The invariable analysis keeps no reading of its own.
  TLienSyntaxique prep("in", "domino");
  EXPECT_TRUE(prep.Analyses1()->Analyse(0).Lectures.empty());
}

TEST(DansListe, MotsEntiersSeulement) {
  EXPECT_TRUE(DansListe("habeo", ListeVerbesAppel()));  // the last word, no blank after it
  EXPECT_TRUE(DansListe("appello", ListeVerbesAppel()));
  EXPECT_TRUE(DansListe("ab", "ab de"));  // the first word, no blank before it
  EXPECT_FALSE(DansListe("su", ListeCopules()));
  EXPECT_FALSE(DansListe("Sum", ListeCopules()));
  EXPECT_FALSE(DansListe("", ListeCopules()));
  EXPECT_FALSE(DansListe("", "a  b"));  // an empty field does not count
  EXPECT_FALSE(DansListe("sum fio", ListeCopules()));
}

// The lists of listes_mots.txt, compiled in: each section read whole.
TEST(DansListe, LesListesCommeLaFixture) {
  const std::map<std::string, std::string_view> listes = {
      {"determinants", ListeDeterminants()},
      {"copules", ListeCopules()},
      {"verbes-appel", ListeVerbesAppel()},
      {"possessifs", ListePossessifs()},
      {"prepositions-ablatif", ListePrepositionsAblatif()},
      {"prepositions-accusatif", ListePrepositionsAccusatif()},
      {"conjonctions", ListeConjonctions()}};
  for (const TCas& c : LisFixture(std::string(LECTURIEL_FIXTURES) + "/listes_mots.tsv")) {
    ASSERT_TRUE(listes.contains(c.Section)) << c.Lieu;
    EXPECT_EQ(DansListe(c[0], listes.at(c.Section)), c[1] == "oui") << c.Lieu;
  }
}

TEST(DansListe, LesListesDeLemmesSuiventLaGraphieDesVedettes) {
  // Headwords are written with u and i, and active or deponent.
  for (std::string_view liste :
       {ListeDeterminants(), ListeCopules(), ListeVerbesAppel(), ListePossessifs()}) {
    EXPECT_FALSE(liste.empty());
    EXPECT_EQ(liste.find('v'), std::string_view::npos) << liste;
    EXPECT_EQ(liste.find('j'), std::string_view::npos) << liste;
  }
}
