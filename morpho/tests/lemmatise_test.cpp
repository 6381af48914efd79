// The form search on the small lexicon of lemmatise.tsv: every form of its
// [analyses] section gives the hover text written under it.
#include "morpho/lemmatise.h"

#include <gtest/gtest.h>

#include "lexical/erreur.h"
#include "lexical/tests/fixture.h"

TEST(Lemmatisation, TexteDesFormesDeLaFixture) {
  const std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/lemmatise.tsv");
  TLexiqueDeFixture lexique(cas);
  for (const TCas& c : Section(cas, "analyses")) {
    std::vector<std::string> attendu;
    for (const std::string& ligne : c.Suite(1)) attendu.push_back(Utf8VersCp1252(ligne));
    bool trouve = attendu.size() == 1;
    EXPECT_EQ(TexteAnalyses(c.Cp(0), Disposition::Complete, trouve), attendu) << c.Lieu;
    EXPECT_EQ(trouve, attendu.size() > 1) << c.Lieu;
  }
  // The empty form: no list, and the failure line.
  bool trouve = true;
  EXPECT_EQ(Lemmatise("", trouve), nullptr);
  EXPECT_FALSE(trouve);
  EXPECT_EQ(TexteAnalyses("", Disposition::Complete, trouve), std::vector<std::string>{" : ?"});
}

TEST(Lemmatisation, SansLexiqueErreurSansToucherAuxStores) {
  LiberLexique();
  bool trouve = true;
  try {
    Lemmatise("amo", trouve);
    ADD_FAILURE() << "pas d'erreur";
  } catch (const Erreur& e) {
    EXPECT_STREQ(e.what(), "Lexique non charg\xE9");
  }
  EXPECT_FALSE(StoresPrets());
}
