// The French rendering of analyses (traduction.tsv: one test per section)
// and the context menu's three helps on the small lexicon of aides.tsv: the
// Latin categories mapped onto the French numbering, the infinitive kept
// from the meaning, one form per reading.
#include "flexion/traduction.h"

#include <gtest/gtest.h>

#include <sstream>

#include "flexion/aides_mot.h"
#include "flexion/tests/aide.h"
#include "lexical/erreur.h"
#include "lexical/tests/fixture.h"
#include "morpho/lemmatise.h"

namespace {

const std::vector<TCas>& Rendus() {
  static const std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/traduction.tsv");
  return cas;
}
const std::vector<TCas>& Aides() {
  static const std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/aides.tsv");
  return cas;
}

class Rendu : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(Rendu, TraduitAnalyse) {
  for (const TCas& c : Section(Rendus(), GetParam())) {
    const std::string entree =
        c[0].find(':') == std::string::npos ? "amo, as, are, aui, atum : " + c[0] : c[0];
    TAnalyse a("forme", Cp(entree));
    std::istringstream lectures(c[1]);
    for (std::string lecture; std::getline(lectures, lecture, ';');)
      a.Lectures.push_back(TLecture{ModeleParNom("amo"), 0, Traits(lecture)});
    EXPECT_EQ(U8(TraduitAnalyse(a)), c[2] == "-" ? "" : c[2] + " ") << c.Lieu;
  }
}

INSTANTIATE_TEST_SUITE_P(Rendus, Rendu, ::testing::ValuesIn(Sections(Rendus())),
                         [](const auto& info) { return info.param; });

TEST(Traduction, ReglesDeLaFixture) {
  VerifieFixture(
      LisFixture(LECTURIEL_FIXTURES "/regles.tsv"),
      {{"personne-fr",
        [](const TCas& c) { return std::to_string(PersonneFr(std::stoi(c[0]), std::stoi(c[1]))); }},
       {"temps-fr",
        [](const TCas& c) { return std::to_string(static_cast<int>(TempsFr(std::stoi(c[0])))); }},
       {"mode-fr",
        [](const TCas& c) { return std::to_string(static_cast<int>(ModeFr(std::stoi(c[0])))); }},
       {"sens-apres-deux-points", [](const TCas& c) { return U8(SensApresDeuxPoints(c.Cp(0))); }},
       {"infinitif-du-sens", [](const TCas& c) { return U8(InfinitifDuSens(c.Cp(0))); }},
       {"sens-verbal",
        [](const TCas& c) {
          const TSensVerbal v = SensVerbal(c.Cp(0));
          return U8(v.Infinitif + " | " + v.Complement);
        }},
       {"premier-sens", [](const TCas& c) { return U8(PremierSens(c.Cp(0))); }},
       {"elision",
        [](const TCas& c) { return U8(TVerbe::Elide(c.Cp(0), Cp(c.Octets(1)), c[2] == "oui")); }}});
  TAnalyse inconnue("x", " ? ");
  inconnue.Lectures.push_back(
      TLecture{0, 0, Traits("3ème personne singulier indicatif présent actif")});
  EXPECT_EQ(TraduitAnalyse(inconnue), "");
}

// The three texts of each word: meanings, hover text, rendering.
TEST(AidesMot, TroisTextesParMot) {
  TLexiqueDeFixture lexique(Aides());
  for (const TCas& c : Section(Aides(), "aides")) {
    const std::optional<TAidesMot> aides = AidesMot(c.Cp(0));
    ASSERT_TRUE(aides) << c.Lieu;
    EXPECT_EQ(U8(aides->Lexique), c[1]) << c.Lieu;
    std::string survol;
    for (const std::string& ligne : TexteAnalyses(c.Cp(0), Disposition::Complete))
      survol += ligne + "\r\n";
    EXPECT_EQ(aides->Morpho, survol) << c.Lieu;
    EXPECT_EQ(U8(aides->Traduction), c[2] == "-" ? "" : c[2]) << c.Lieu;
  }
  EXPECT_FALSE(AidesMot("xyz"));
  EXPECT_FALSE(AidesMot(""));
  EXPECT_EQ(U8(Traduction("amat")), "il aime  il chérit  ");
  EXPECT_EQ(Traduction("xyz"), "");
  EXPECT_EQ(Traduction(""), "");
}

TEST(AidesMot, SansLexiqueErreur) {
  LiberLexique();
  EXPECT_THROW(AidesMot("amat"), Erreur);
  EXPECT_THROW(Traduction("amat"), Erreur);
}
