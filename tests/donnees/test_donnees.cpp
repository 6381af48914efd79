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

TEST_F(DonneesLivrees, LexiqueAssezGrandEtModelesValides) {
  EXPECT_GE(Lexique->Count(), 6000);
  EXPECT_GT(Desinences->Count(), 500);
  EXPECT_GT(Irreguliers->Count(), 500);
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i, true);
    EXPECT_GE(e.Modele, 0) << Nom(i);
    EXPECT_LT(e.Modele, NombreModeles) << Nom(i);
    EXPECT_GE(e.Genre, -1) << Nom(i);
    EXPECT_LE(e.Genre, 2) << Nom(i);
  }
}

TEST_F(DonneesLivrees, LesModelesAStemListeOntLeurRadical) {
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i, true);
    if (EstRenvoi(e)) continue;
    if (FicheModele(e.Modele).RadicalUnListe) {
      // Without a listed stem every form must come from the irregular store.
      std::vector<std::string> formes;
      Irreguliers->IrregsK(Lexique->Cle(i), formes);
      EXPECT_TRUE(!e.RadicauxA.empty() || !formes.empty()) << Nom(i) << " sans radical 1";
    }
    // Stems never carry blanks or the separator of the other list.
    EXPECT_EQ(e.RadicauxA.find(' '), std::string::npos) << Nom(i);
    EXPECT_EQ(e.RadicauxB.find(' '), std::string::npos) << Nom(i);
  }
}

TEST_F(DonneesLivrees, ChaqueSensPorteSesSignificationsApresLesDeuxPoints) {
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i, true);
    if (EstRenvoi(e)) {
      // A cross-reference must lead somewhere.
      EXPECT_NE(&Lexique->Donnees(i, false), &e) << Nom(i) << " renvoie dans le vide";
      continue;
    }
    const auto deuxPoints = e.Sens.find(" : ");
    ASSERT_NE(deuxPoints, std::string::npos) << Nom(i) << " : " << Cp1252VersUtf8(e.Sens);
    EXPECT_FALSE(SensApresDeuxPoints(e.Sens).empty()) << Nom(i);
  }
}

TEST_F(DonneesLivrees, AucuneEntreeEnDouble) {
  std::set<std::tuple<std::string, int, std::string>> vues;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i, true);
    EXPECT_TRUE(vues.emplace(Lexique->Cle(i), e.Modele, e.Sens).second)
        << "entrée en double : " << Nom(i);
  }
}

// The French rendering conjugates the first word of a verb's meaning: it must
// be an infinitive that some verb class handles.
TEST_F(DonneesLivrees, LePremierMotDUnVerbeSeConjugue) {
  const std::uint32_t troisiemeSingulierPresent = Trait::TroisiemePersonne | Trait::Singulier |
                                                  Trait::Present | Trait::Indicatif | Trait::Actif;
  int verbes = 0;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i, true);
    if (EstRenvoi(e) || PartieDuModele(e.Modele) != Partie::Verbe) continue;
    ++verbes;
    TAnalyse analyse("", Lexique->Cle(i) + ", " + e.Sens);
    analyse.Numeros.push_back(TDef{e.Modele, 0, troisiemeSingulierPresent});
    const std::string rendu = TraduitAnalyse(analyse);
    EXPECT_FALSE(rendu.empty()) << Nom(i);
    EXPECT_EQ(rendu.find('?'), std::string::npos) << Nom(i) << " : " << Cp1252VersUtf8(rendu);
    EXPECT_EQ(rendu.find("erreur"), std::string::npos) << Nom(i);
  }
  EXPECT_GT(verbes, 1500);
}

// The context menu puts the first French word of a noun in the plural: it
// must be a word, not a blank or a punctuation mark.
TEST_F(DonneesLivrees, LePremierMotDUnNomEstUnMot) {
  for (int i = 0; i < Lexique->Count(); ++i) {
    const auto& e = Lexique->Donnees(i, true);
    if (EstRenvoi(e) || PartieDuModele(e.Modele) != Partie::Nom) continue;
    const std::string sens = SensApresDeuxPoints(e.Sens);
    // Proper names may begin with an accented capital (Égypte), and a few
    // nouns with the ligature (œuf): the French letter set holds neither.
    const auto premier = sens.empty() ? 0 : static_cast<unsigned char>(sens[0]);
    if ((premier >= 0xC0 && premier <= 0xDE) || premier == 0x9C) continue;
    EXPECT_FALSE(PremierMot(sens).empty()) << Nom(i) << " : " << Cp1252VersUtf8(sens);
  }
}

// Each reading of an ending names a model that inflects (neither the
// pronouns nor the invariables) and a stem 1 to 3.
TEST_F(DonneesLivrees, ChaqueDesinenceDesigneUnModeleFlechiEtUnRadical) {
  for (int i = 0; i < Desinences->Count(); ++i) {
    EXPECT_FALSE(Desinences->Cle(i).empty());
    for (const TDef& d : Desinences->Definitions(i)) {
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
    bool trouve = false;
    auto liste = Lemmatise(forme, trouve);
    for (int i = 0; liste && i < liste->Count(); ++i)
      if (liste->Analyse(i).Entree.starts_with(entete))
        for (const TDef& d : liste->Analyse(i).Numeros) r.push_back(d.Morpho);
    return r;
  };
  const auto pqp =
      LisTraits(Utf8VersCp1252("3ème personne singulier subjonctif plus-que-parfait actif"));
  const auto uenisset = lectures("uenisset", "uenio, ");
  EXPECT_EQ(std::count(uenisset.begin(), uenisset.end(), pqp), 1);
  for (std::uint32_t m : lectures("imitabatur", "imitor, ")) EXPECT_EQ(m & Trait::Passif, 0u);
}

}  // namespace
