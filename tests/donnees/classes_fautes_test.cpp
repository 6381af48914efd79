// Classes of faults a teacher finds in a lexicon, each looked for over the
// shipped data and over a small lexicon that plants one case of it
// (classes_fautes.tsv): a semi-deponent with active perfect forms or a
// passive participle; an intransitive verb with a personal passive
// participle; a degree of an adjective that has none; a reading given twice
// under one heading. Each check lists the faults it finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/modeles.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "morpho/lectures_admises.h"
#include "morpho/lemmatise.h"
#include "morpho/paradigme.h"

namespace {

std::string Informations(const TDonneesLexicales& e) {
  return e.Sens.substr(0, e.Sens.find(" : "));
}

bool EstRenvoi(const TDonneesLexicales& e) { return e.Sens.find("cf. ") != std::string::npos; }

// Every entry of the lexicon that is not a cross-reference, with its paradigm
// made on demand.
template <typename F>
void ParEntree(F&& f) {
  const TFlechisseur flechisseur;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const TDonneesLexicales& e = Lexique->Donnees(i);
    if (!EstRenvoi(e)) f(i, e, flechisseur);
  }
}

// The verbs the grammars list as semi-deponents, and any verb with a supine
// stem whose perfect is cited with sum on an active model: no perfect stem of their own, no
// passive participle.
std::vector<std::string> FautesSemiDeponents() {
  static const std::set<std::string> connus = {"audeo", "gaudeo",  "soleo",
                                               "fido",  "confido", "diffido"};
  std::vector<std::string> fautes;
  ParEntree([&](int i, const TDonneesLexicales& e, const TFlechisseur& fl) {
    const TModele& m = FicheModele(e.Modele);
    if (!m.Verbe || m.FinCitation.ends_with('r')) return;
    const std::string info = Informations(e);
    // (fio, factus sum has its participle from facio.)
    if (!connus.contains(Lexique->Cle(i)) &&
        (info.find("us sum") == std::string::npos || e.RadicauxB.empty() || e.RadicauxB == "-"))
      return;
    if (!SemiDeponent(e)) fautes.push_back(Lexique->Cle(i) + " : parfait actif");
    for (const TFormeFlechie& f : fl.Paradigme(i).Formes)
      if ((f.Traits & Trait::Participe) && (f.Traits & Trait::Parfait) &&
          (f.Traits & Trait::Passif))
        fautes.push_back(f.Forme + " : participe passif de " + Lexique->Cle(i));
  });
  return fautes;
}

// Intransitive verbs (so marked, and those no grammar gives a personal
// passive): no passive participle but the impersonal neuter (itum est).
std::vector<std::string> ParticipesPassifsIntransitifs() {
  static const std::set<std::string> connus = {"eo",      "abeo",   "exeo",  "redeo", "pereo",
                                               "intereo", "prodeo", "uenio", "curro", "sto"};
  std::vector<std::string> fautes;
  ParEntree([&](int i, const TDonneesLexicales& e, const TFlechisseur& fl) {
    if (!FicheModele(e.Modele).Verbe) return;
    if (!connus.contains(Lexique->Cle(i)) && Informations(e).find("intr.") == std::string::npos)
      return;
    constexpr Morpho impersonnel = Trait::Nominatif | Trait::Neutre | Trait::Singulier;
    for (const TFormeFlechie& f : fl.Paradigme(i).Formes)
      if ((f.Traits & Trait::Participe) && (f.Traits & Trait::Parfait) &&
          (f.Traits & Trait::Passif) &&
          (f.Traits & (Trait::TousCas | Trait::TousGenres | Trait::TousNombres)) != impersonnel)
        fautes.push_back(f.Forme + " : participe passif de " + Lexique->Cle(i));
  });
  return fautes;
}

// Adjectives without degrees: the pronominal ones (a genitive in -ius is
// listed for them), the possessives and the ordinals.
std::vector<std::string> DegresSansObjet() {
  static const std::set<std::string> connus = {
      "meus",    "tuus",    "suus",   "noster",   "uester",  "primus", "tertius",
      "quartus", "quintus", "sextus", "septimus", "octauus", "nonus",  "decimus"};
  // The headwords with an irregular genitive in -ius.
  std::set<std::string> genitifsEnIus;
  for (int j = 0; j < Irreguliers->Count(); ++j)
    if (Irreguliers->Cle(j).ends_with("ius"))
      for (const TLectureIrreguliere& d : Irreguliers->Lectures(j))
        if (d.Morpho & Trait::Genitif) genitifsEnIus.insert(d.Lemme);
  std::vector<std::string> fautes;
  ParEntree([&](int i, const TDonneesLexicales& e, const TFlechisseur& fl) {
    if (FicheModele(e.Modele).Partie != Partie::Adjectif) return;
    const std::string& cle = Lexique->Cle(i);
    if (!connus.contains(cle) && !genitifsEnIus.contains(cle)) return;
    for (const TFormeFlechie& f : fl.Paradigme(i).Formes)
      if (f.Traits & (Trait::Comparatif | Trait::Superlatif))
        fautes.push_back(f.Forme + " : degré de "_1252 + cle);
  });
  return fautes;
}

// A reading given twice under one heading, for every irregular form and
// every headword. semiuirus (a cross-reference keyed on -us to an adjective
// keyed semiuir, which no model declines) is left to the lexicon's own
// clean-up of headwords built from another form.
std::vector<std::string> LecturesEnDouble() {
  std::set<std::string> mots;
  for (int i = 0; i < Irreguliers->Count(); ++i) mots.insert(Irreguliers->Cle(i));
  for (int i = 0; i < Lexique->Count(); ++i) mots.insert(Lexique->Cle(i));
  std::vector<std::string> fautes;
  mots.erase("semiuirus");
  for (const std::string& mot : mots) {
    const auto liste = Lemmatise(mot);
    for (int i = 0; liste && i < liste->Count(); ++i) {
      const TAnalyse& a = liste->Analyse(i);
      for (std::size_t j = 0; j < a.Lectures.size(); ++j)
        for (std::size_t k = j + 1; k < a.Lectures.size(); ++k)
          if (a.Lectures[j] == a.Lectures[k]) fautes.push_back(mot + " : " + a.Entree);
    }
  }
  return fautes;
}

std::string Liste(const std::vector<std::string>& fautes) {
  std::string r;
  for (std::size_t i = 0; i < fautes.size() && i < 20; ++i) r += "\n  " + Cp1252VersUtf8(fautes[i]);
  return r;
}

TEST(ClassesDeFautes, AucuneDansLesDonneesLivrees) {
  ChargeLexique(LECTURIEL_LEX);
  for (const auto& [classe, fautes] :
       {std::pair{"semi-déponents", FautesSemiDeponents()},
        std::pair{"participes passifs d'intransitifs", ParticipesPassifsIntransitifs()},
        std::pair{"degrés sans objet", DegresSansObjet()},
        std::pair{"lectures en double", LecturesEnDouble()}})
    EXPECT_TRUE(fautes.empty()) << classe << " : " << fautes.size() << Liste(fautes);
  LiberLexique();
}

TEST(ClassesDeFautes, ChacuneTrouveLeCasPlante) {
  const TLexiqueDeFixture lex{LisFixture(LECTURIEL_CLASSES_FAUTES)};
  EXPECT_EQ(FautesSemiDeponents(), (std::vector<std::string>{"audeo : parfait actif",
                                                             "ausus : participe passif de audeo"}));
  auto intransitifs = ParticipesPassifsIntransitifs();
  std::sort(intransitifs.begin(), intransitifs.end());
  EXPECT_EQ(intransitifs, (std::vector<std::string>{"uenta : participe passif de uenio",
                                                    "uentus : participe passif de uenio"}));
  EXPECT_EQ(DegresSansObjet(), (std::vector<std::string>{"nullius : degré de nullus"_1252}));
  const auto doubles = LecturesEnDouble();
  ASSERT_EQ(doubles.size(), 1u) << Liste(doubles);
  EXPECT_TRUE(doubles[0].starts_with("uirum : uir, ")) << doubles[0];
}

}  // namespace
