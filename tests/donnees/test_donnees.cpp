// Checks over the shipped lexicon: every entry is well formed for the
// analysis (model, stems) and for the French side (the meaning after " : ",
// a conjugable infinitive first for verbs, a French word first for nouns).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "flexion/chaines.h"
#include "flexion/traduction.h"
#include "lexical/cp1252.h"
#include "lexical/modeles.h"
#include "lexical/sources.h"
#include "lexical/stores.h"
#include "lexical/vocabulaire.h"
#include "morpho/analyses.h"
#include "morpho/lemmatise.h"

namespace {

class DonneesLivrees : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ChargeLexique(LECTURIEL_LEX); }
  static void TearDownTestSuite() { LiberLexique(); }

  static bool EstRenvoi(const TDonneesLexicales& e) {
    return e.Sens.find("cf. ") != std::string::npos;
  }
  static std::string Nom(int i) { return Cp1252VersUtf8(Lexique->Cle(i)); }
};

// Each entry: a model and a gender in range, its listed stem (or irregular
// forms) when the model needs one, stems without blanks, not twice in the
// lexicon; a cross-reference that leads somewhere, otherwise a meaning
// after " : "; for a noun, a first French word (the context menu puts it in
// the plural).
TEST_F(DonneesLivrees, ChaqueEntreeBienFormee) {
  EXPECT_GE(Lexique->Count(), 6000);
  EXPECT_GT(Desinences->Count(), 500);
  EXPECT_GT(Irreguliers->Count(), 500);
  std::set<std::tuple<std::string, int, std::string>> vues;
  std::set<std::string> lemmesIrreguliers;
  for (int i = 0; i < Irreguliers->Count(); ++i)
    for (const auto& d : Irreguliers->Lectures(i)) lemmesIrreguliers.insert(d.Lemme);
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i);
    EXPECT_TRUE(e.Modele >= 0 && e.Modele < NombreModeles && e.Genre >= -1 && e.Genre <= 2)
        << Nom(i);
    EXPECT_TRUE(vues.emplace(Lexique->Cle(i), e.Modele, e.Sens).second) << "en double : " << Nom(i);
    EXPECT_EQ((e.RadicauxA + e.RadicauxB).find(' '), std::string::npos) << Nom(i);
    if (EstRenvoi(e)) {
      EXPECT_NE(&Lexique->DonneesApresRenvoi(i), &e) << Nom(i) << " renvoie dans le vide";
      continue;
    }
    if (FicheModele(e.Modele).RadicalUnListe) {
      EXPECT_TRUE(!e.RadicauxA.empty() || lemmesIrreguliers.contains(Lexique->Cle(i)))
          << Nom(i) << " sans radical 1";
    }
    ASSERT_NE(e.Sens.find(" : "), std::string::npos) << Nom(i) << " : " << Cp1252VersUtf8(e.Sens);
    const std::string sens = SensApresDeuxPoints(e.Sens);
    EXPECT_FALSE(sens.empty()) << Nom(i);
    // Proper names may begin with an accented capital (Égypte), and a few
    // nouns with the ligature (œuf): the French letter set holds neither.
    const auto premier = sens.empty() ? 0 : static_cast<unsigned char>(sens[0]);
    if (PartieDuModele(e.Modele) == Partie::Nom && !(premier >= 0xC0 && premier <= 0xDE) &&
        premier != 0x9C) {
      EXPECT_FALSE(PremierMot(sens).empty()) << Nom(i) << " : " << Cp1252VersUtf8(sens);
    }
  }
}

// The French rendering conjugates the first word of a verb's meaning: it must
// be an infinitive that some verb class handles.
TEST_F(DonneesLivrees, LePremierMotDUnVerbeSeConjugue) {
  const std::uint32_t troisiemeSingulierPresent = Trait::TroisiemePersonne | Trait::Singulier |
                                                  Trait::Present | Trait::Indicatif | Trait::Actif;
  int verbes = 0;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i);
    if (EstRenvoi(e) || PartieDuModele(e.Modele) != Partie::Verbe) continue;
    ++verbes;
    TAnalyse analyse("", Lexique->Cle(i) + ", " + e.Sens);
    analyse.Lectures.push_back(TLecture{e.Modele, 0, troisiemeSingulierPresent});
    const std::string rendu = TraduitAnalyse(analyse);
    EXPECT_FALSE(rendu.empty()) << Nom(i);
    EXPECT_EQ(rendu.find('?'), std::string::npos) << Nom(i) << " : " << Cp1252VersUtf8(rendu);
    EXPECT_EQ(rendu.find("erreur"), std::string::npos) << Nom(i);
  }
  EXPECT_GT(verbes, 1500);
}

// Each reading of an ending names a model that inflects (neither the
// pronouns nor the invariables) and a stem 1 to 3.
TEST_F(DonneesLivrees, ChaqueDesinenceDesigneUnModeleFlechiEtUnRadical) {
  for (int i = 0; i < Desinences->Count(); ++i) {
    EXPECT_FALSE(Desinences->Cle(i).empty());
    for (const TLecture& d : Desinences->Lectures(i)) {
      const int partie = PartieDuModele(d.Modele);
      EXPECT_TRUE(partie == Partie::Nom || partie == Partie::Adjectif || partie == Partie::Verbe)
          << Cp1252VersUtf8(Desinences->Cle(i));
      EXPECT_TRUE(d.Radical >= 1 && d.Radical <= 3) << Cp1252VersUtf8(Desinences->Cle(i));
      EXPECT_NE(d.Morpho, 0u);
    }
  }
}

// A perfect stem equal to the present stem gets its reading once; a
// deponent is never read as a passive.
TEST_F(DonneesLivrees, LecturesUniquesEtDeponentsActifs) {
  const auto lectures = [](const char* forme, const std::string& entete) {
    std::vector<std::uint32_t> r;
    const auto liste = Lemmatise(forme);
    for (int i = 0; liste && i < liste->Count(); ++i)
      if (liste->Analyse(i).Entree.starts_with(entete))
        for (const TLecture& d : liste->Analyse(i).Lectures) r.push_back(d.Morpho);
    return r;
  };
  const auto pqp =
      LisTraits(Utf8VersCp1252("3ème personne singulier subjonctif plus-que-parfait actif"));
  const auto uenisset = lectures("uenisset", "uenio, ");
  EXPECT_EQ(std::count(uenisset.begin(), uenisset.end(), pqp), 1);
  for (std::uint32_t m : lectures("imitabatur", "imitor, ")) EXPECT_EQ(m & Trait::Passif, 0u);
}

}  // namespace
