// The forms of classical texts and the typical forms of the endings, one
// table per phenomenon (fixture phenomenes.tsv), analysed over the shipped
// lexicon: each row names a form, the beginning of the heading it must lead
// to and the beginning of one of its descriptions ("-": an invariable
// heading, read without description; "*": any description; "=traits": a
// reading of exactly these traits), or with "absent" a reading that must
// not be given.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/modeles.h"
#include "lexical/sources.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "morpho/lemmatise.h"

namespace {

struct TLigne {
  std::string Lieu;
  std::string Forme, Entree, Description;
  bool Absent = false;
};

std::map<std::string, std::vector<TLigne>> LisPhenomenes() {
  std::map<std::string, std::vector<TLigne>> phenomenes;
  for (const TCas& c : LisFixture(LECTURIEL_PHENOMENES))
    phenomenes[c[0]].push_back({c.Lieu, c.Cp(1), c.Cp(2), c.Cp(3), c[4] == "absent"});
  return phenomenes;
}

const std::map<std::string, std::vector<TLigne>>& Phenomenes() {
  static const auto phenomenes = LisPhenomenes();
  return phenomenes;
}

std::vector<std::string> Noms() {
  std::vector<std::string> noms;
  for (const auto& [nom, lignes] : Phenomenes()) noms.push_back(nom);
  return noms;
}

bool CommencePar(const std::string& texte, const std::string& debut) {
  return texte.compare(0, debut.size(), debut) == 0;
}

// Whether the analyses of the form hold a heading and a description as the
// row names them.
bool LectureDonnee(const TLigne& l, std::string& lu) {
  const auto liste = Lemmatise(l.Forme);
  if (!liste) {
    lu = "non analys\xE9";
    return false;
  }
  bool donnee = false;
  for (int i = 0; i < liste->Count(); ++i) {
    const TAnalyse& a = liste->Analyse(i);
    lu += " | " + a.Entree;
    if (!CommencePar(a.Entree, l.Entree)) continue;
    if (l.Description == "-" && a.Lectures.empty()) donnee = true;
    for (const TLecture& d : a.Lectures) {
      std::string texte = d.Libelle(false);
      if (!texte.empty() && texte[0] == ' ') texte.erase(0, 1);
      lu += " [" + texte + "]";
      if (l.Description == "*" || CommencePar(texte, l.Description) ||
          (l.Description.starts_with('=') && d.Morpho == LisTraits(l.Description.substr(1))))
        donnee = true;
    }
  }
  return donnee;
}

class Phenomene : public ::testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() { ChargeLexique(LECTURIEL_LEX); }
  static void TearDownTestSuite() { LiberLexique(); }
};

TEST_P(Phenomene, FormesDesTextesClassiques) {
  for (const TLigne& l : Phenomenes().at(GetParam())) {
    std::string lu;
    EXPECT_EQ(LectureDonnee(l, lu), !l.Absent)
        << l.Lieu << " " << Cp1252VersUtf8(l.Forme) << " -> " << Cp1252VersUtf8(l.Entree) << " / "
        << Cp1252VersUtf8(l.Description) << "\n  lu :" << Cp1252VersUtf8(lu);
  }
}

INSTANTIATE_TEST_SUITE_P(Donnees, Phenomene, ::testing::ValuesIn(Noms()), [](const auto& info) {
  std::string nom;
  for (char c : info.param) nom += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return nom;
});

// Every verb the lexicon marks impersonal reads its headword in the third
// person, never the first.
TEST(LecturesParDefaut, UnImpersonnelNEstJamaisALaPremierePersonne) {
  ChargeLexique(LECTURIEL_LEX);
  int impersonnels = 0;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const TDonneesLexicales& e = Lexique->DonneesApresRenvoi(i);
    const std::string info = e.Sens.substr(0, e.Sens.find(" : "));
    if (!FicheModele(e.Modele).Verbe || info.find("impers.") == std::string::npos) continue;
    ++impersonnels;
    const auto liste = Lemmatise(Lexique->Cle(i));
    ASSERT_TRUE(liste) << Cp1252VersUtf8(Lexique->Cle(i));
    for (int j = 0; j < liste->Count(); ++j) {
      const TAnalyse& a = liste->Analyse(j);
      if (!CommencePar(a.Entree, Lexique->Cle(i) + ", " + e.Sens)) continue;
      for (const TLecture& d : a.Lectures)
        EXPECT_NE(d.NumPersonne(), Personne::Premiere) << Cp1252VersUtf8(a.Entree);
    }
  }
  EXPECT_GT(impersonnels, 5);
  LiberLexique();
}

}  // namespace
