// The French-generation commands of the lemmatise tool, as a script reads
// them: one labelled UTF-8 line per form, an exit code.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "flexion/tests/aide.h"
#include "lexical/tests/fixture.h"
#include "outils/lemmatise/commandes_flexion.h"

namespace {

std::string Conjugue(const std::string& infinitif, int& code) {
  std::ostringstream sortie;
  code = CommandeConjugue(infinitif, sortie);
  return sortie.str();
}

}  // namespace

TEST(CommandeConjugue, UneLigneEtiqueteeParForme) {
  int code = -1;
  const std::string texte = Conjugue("aimer", code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(texte.rfind("indicatif présent 1 : j'aime\n", 0), 0u);
  for (const char* ligne :
       {"\nindicatif passé composé 4 : nous avons aimé\n", "\nsubjonctif imparfait 3 : il aimât\n",
        "\nconditionnel présent 1 : j'aimerais\n", "\nimpératif présent 2 : aime\n",
        "\ninfinitif présent : aimer\n", "\nparticipe présent : aimant\n",
        "\nindicatif présent passif 3 : il est aimé\n"})
    EXPECT_NE(texte.find(ligne), std::string::npos) << ligne;
  // What French lacks is not listed.
  EXPECT_EQ(texte.find("erreur"), std::string::npos);
  EXPECT_EQ(texte.find("?"), std::string::npos);
  EXPECT_EQ(texte.find("impératif présent 1"), std::string::npos);
}

TEST(CommandeConjugue, FormeAbsenteEtVerbeSansPassif) {
  int code = -1;
  const std::string texte = Conjugue("pleuvoir", code);
  EXPECT_NE(texte.find("indicatif présent 1 : -\n"), std::string::npos);
  EXPECT_NE(texte.find("indicatif présent 3 : il pleut\n"), std::string::npos);
  EXPECT_EQ(Conjugue("aller", code).find("passif"), std::string::npos);
}

TEST(CommandeConjugue, InfinitifSansClasse) {
  int code = -1;
  EXPECT_EQ(Conjugue("chose", code), "Aucune classe de verbe ne conjugue « chose ».\n");
  EXPECT_EQ(code, 1);
  EXPECT_EQ(Conjugue("  ", code), "Aucun infinitif à conjuguer.\n");
  EXPECT_EQ(code, 1);
  Conjugue("日本", code);
  EXPECT_EQ(code, 1);
}

TEST(CommandeTraduction, FormesEtMotsSansRendu) {
  TLexiqueDeFixture lexique(LisFixture(LECTURIEL_FIXTURES "/aides.tsv"));
  const std::tuple<const char*, int, const char*> cas[] = {
      {"amat", 0, "il aime  il chérit\n"},
      {"rex", 1, "rex : aucune forme verbale à traduire\n"},
      {"qwxz", 1, "qwxz n'a pu être analysé\n"}};
  for (const auto& [forme, code, texte] : cas) {
    std::ostringstream sortie;
    EXPECT_EQ(CommandeTraduction(forme, sortie), code) << forme;
    EXPECT_EQ(sortie.str(), texte);
  }
}
