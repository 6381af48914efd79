// The French conjugator, the verb classes and the plurals against the
// fixtures beside this file: formes.tsv (one test per section, named after
// the behaviour or the mended fault), classes.tsv, pluriels.tsv and
// listes_verbes.tsv. Below
// them, what a fixture cannot say.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "flexion/listes_verbes.h"
#include "flexion/tests/aide.h"
#include "flexion/verbes_primitifs.h"
#include "lexical/tests/fixture.h"

namespace {

std::vector<TCas> Fixture(const char* nom) {
  return LisFixture(std::string(LECTURIEL_FIXTURES) + "/" + nom);
}
const std::vector<TCas>& Formes() {
  static const std::vector<TCas> formes = Fixture("formes.tsv");
  return formes;
}

class FormesFrancaises : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(FormesFrancaises, CommeLaFixture) {
  for (const TCas& c : Section(Formes(), GetParam())) {
    std::istringstream arguments(c[1]);
    int personne = 0, temps = 0, mode = 0, voix = 0;
    std::string pronom;
    arguments >> personne >> temps >> mode >> voix >> pronom;
    EXPECT_EQ(Fr(c[0], personne, temps, mode, voix, pronom == "+"), c[2] == "-" ? "" : c[2])
        << c.Lieu;
  }
}

INSTANTIATE_TEST_SUITE_P(Formes, FormesFrancaises, ::testing::ValuesIn(Sections(Formes())),
                         [](const auto& info) { return info.param; });

TEST(Classes, LaChaineDonneLaClasse) {
  for (const TCas& c : Fixture("classes.tsv")) {
    const std::unique_ptr<TVerbe> verbe = CreeVerbe(c.Cp(0));
    std::string classe = "-";
    // A verb of the table of principal parts goes by its row.
    if (const auto* ligne = dynamic_cast<const TVprimitifs*>(verbe.get())) {
      classe = "TVprimitifs " + U8(std::string(ligne->Modele()));
    } else if (verbe) {
      const TVerbe& v = *verbe;
      int etat = 0;
      char* nom = abi::__cxa_demangle(typeid(v).name(), nullptr, nullptr, &etat);
      classe = nom ? nom : typeid(v).name();
      std::free(nom);
    }
    EXPECT_EQ(classe, c[1]) << c.Lieu;
  }
  EXPECT_EQ(CreeVerbe(""), nullptr);
}

TEST(Pluriels, MotsExpressionsEtParticipes) {
  for (const TCas& c : Fixture("pluriels.tsv")) {
    const std::string mot = c.Cp(0);
    const std::string pluriel = c.Section == "mots"          ? Pluriel(mot)
                                : c.Section == "expressions" ? PlurielExpression(mot)
                                                             : PlurielParticipe(mot);
    EXPECT_EQ(U8(pluriel), c[1]) << c.Lieu;
  }
  // The context menu can pass the empty first word of a meaning.
  EXPECT_EQ(Pluriel(""), "");
  EXPECT_EQ(PlurielExpression(""), "");
  EXPECT_EQ(U8(ParticipePasse(Cp("devoir"), true)), "dus");
  EXPECT_EQ(U8(ParticipePasse(Cp("être"), true)), "");
  EXPECT_EQ(U8(ParticipePasse(Cp("se taire"), false)), "tu");
}

// An indicative tense below 1 recursed without end through the compound rule.
TEST(Corrections, TempsHorsDeUnAHuitTermine) {
  for (int temps : {0, -1, -3, 9, 100})
    for (int mode = 1; mode <= 6; ++mode) {
      const std::string f = Fr("aimer", 1, temps, mode, 1, true);
      EXPECT_TRUE(f == "?" || f == "erreur") << temps << " " << mode << " : " << f;
      EXPECT_LE(Fr("aimer", 1, temps, mode, 2, true).size(), 6u);
    }
}

// Persons outside 1..6 indexed past the tables (elision: regles.tsv).
TEST(Verbe, TablesBornees) {
  EXPECT_EQ(TVerbe::Pronoms(-3), "");
  EXPECT_EQ(TVerbe::DesFutur(7), "");
}

// The lists of listes_verbes.txt, compiled in: each section read whole.
TEST(ListesDeVerbes, CommeLaFixture) {
  const std::map<std::string, const std::vector<std::string>&> listes = {
      {"etre", VerbesEtre()},
      {"sans-passif", VerbesSansPassif()},
      {"h-aspire", VerbesHAspire()},
      {"eter", VerbesEter()}};
  for (const TCas& c : Fixture("listes_verbes.tsv")) {
    ASSERT_TRUE(listes.contains(c.Section)) << c.Lieu;
    EXPECT_EQ(DansVerbes(listes.at(c.Section), c.Cp(0)), c[1] == "oui") << c.Lieu;
  }
}

// What the lists decide: être as auxiliary, the passive.
TEST(ListesDeVerbes, AuxiliaireEtPassif) {
  EXPECT_EQ(U8(TVerbe("venir").Auxiliaire()), "être");
  EXPECT_EQ(TVerbe("aimer").Auxiliaire(), "avoir");
  EXPECT_TRUE(APassif(Cp("posséder")));
  EXPECT_FALSE(APassif(Cp("se laver")));
  EXPECT_FALSE(APassif(Cp("venir")));
}
