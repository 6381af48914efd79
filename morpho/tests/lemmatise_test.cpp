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
    EXPECT_EQ(TexteAnalyses(c.Cp(0), Disposition::Complete), attendu) << c.Lieu;
    // A list is returned exactly when something was found, and never empty.
    const auto liste = Lemmatise(c.Cp(0));
    EXPECT_EQ(liste != nullptr, attendu.size() > 1) << c.Lieu;
    if (liste) {
      EXPECT_GT(liste->Count(), 0) << c.Lieu;
    }
  }
  // The empty form: no list, and the failure line.
  EXPECT_EQ(Lemmatise(""), nullptr);
  EXPECT_EQ(TexteAnalyses("", Disposition::Complete), std::vector<std::string>{" : ?"});
}

TEST(Lemmatisation, SansLexiqueErreurSansToucherAuxStores) {
  LiberLexique();
  try {
    Lemmatise("amo");
    ADD_FAILURE() << "pas d'erreur";
  } catch (const Erreur& e) {
    EXPECT_STREQ(e.what(), "Lexique non charg\xE9");
  }
  EXPECT_FALSE(StoresPrets());
}
