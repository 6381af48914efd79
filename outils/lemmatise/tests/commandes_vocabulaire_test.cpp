// The --vocabulaire and --flexion commands on a small lexicon and small text
// files: the output lines, the orders, the rank file, unknown words, a text
// with vowel quantities, and the failures.
#include "outils/lemmatise/commandes_vocabulaire.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "lexical/erreur.h"
#include "lexical/tests/fixture.h"

namespace {

class CommandesVocabulaire : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ = std::filesystem::temp_directory_path() /
               ("vocabulaire-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override { std::filesystem::remove_all(dossier_); }

  std::string Fichier(const std::string& nom, const std::string& contenu) const {
    const std::string chemin = (dossier_ / nom).string();
    std::ofstream(chemin, std::ios::binary) << contenu;
    return chemin;
  }

  std::string Vocabulaire(const std::string& texte, TOptionsVocabulaire options) {
    std::ostringstream sortie;
    EXPECT_EQ(CommandeVocabulaire(Fichier("texte.txt", texte), options, sortie), 0);
    return sortie.str();
  }

  TLexiqueDeFixture lex_{LisFixture(LECTURIEL_FIXTURES "/vocabulaire.tsv")};
  std::filesystem::path dossier_;
};

TEST_F(CommandesVocabulaire, OrdresRangsEtInconnus) {
  // UTF-8 with vowel quantities, read as the reading pane shows it.
  const std::string texte =
      "rosam et am\xC4\xAB"
      "cum et amicus ros\xC4\x81 ; Xyz xyz";
  const struct {
    OrdreVocabulaire ordre;
    std::string attendu;
  } cas[] = {
      {OrdreVocabulaire::Alpha,
       "amicus, i, m. : ami\t2\net, conj. : et\t2\nrosa, ae, f. : rose\t2\n"},
      {OrdreVocabulaire::Texte,
       "rosa, ae, f. : rose\t2\net, conj. : et\t2\namicus, i, m. : ami\t2\n"},
  };
  for (const auto& c : cas) {
    TOptionsVocabulaire options;
    options.Ordre = c.ordre;
    EXPECT_EQ(Vocabulaire(texte, options), c.attendu);
  }
  TOptionsVocabulaire sansFrequents;
  sansFrequents.SansFrequents = 1;
  sansFrequents.CheminRangs = Fichier("rangs.txt", "1\tet\tinvaria\n2\trosa\tuita\n");
  EXPECT_EQ(Vocabulaire(texte, sansFrequents), "amicus, i, m. : ami\t2\nrosa, ae, f. : rose\t2\n");

  TOptionsVocabulaire inconnus;
  inconnus.Inconnus = true;
  EXPECT_EQ(Vocabulaire(texte, inconnus), "Xyz\t2\n");
}

TEST_F(CommandesVocabulaire, Echecs) {
  std::ostringstream sortie;
  TOptionsVocabulaire options;
  EXPECT_THROW(CommandeVocabulaire((dossier_ / "absent.txt").string(), options, sortie), Erreur);
  // --sans-frequents needs the rank file.
  options.SansFrequents = 10;
  options.CheminRangs = (dossier_ / "absent-rangs.txt").string();
  EXPECT_THROW(CommandeVocabulaire(Fichier("t.txt", "et"), options, sortie), Erreur);
  EXPECT_EQ(sortie.str(), "");
}

TEST_F(CommandesVocabulaire, Flexion) {
  std::ostringstream sortie;
  EXPECT_EQ(CommandeFlexion("rosam", sortie), 0);
  EXPECT_EQ(sortie.str(),
            "rosa, ae, f. : rose\n  d\xC3\xA9"
            "clinaison\n               singulier\n"
            "    nominatif  rosa\n    accusatif  rosam\n\n");
  std::ostringstream invariable, inconnu;
  EXPECT_EQ(CommandeFlexion("et", invariable), 0);
  EXPECT_EQ(invariable.str(), "et, conj. : et\n  invariable\n\n");
  EXPECT_EQ(CommandeFlexion("xyz", inconnu), 1);
  EXPECT_EQ(inconnu.str(), "xyz : ?\n");
}

}  // namespace
