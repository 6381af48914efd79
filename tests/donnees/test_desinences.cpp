// Checks over the endings the program ships (data/desinences.txt compiled
// into quirandole.lex): typical forms of every kind of model get the reading
// a pupil's grammar gives them, and the stem conventions of the table do not
// produce the readings they were designed to avoid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/modeles.h"
#include "lexical/sources.h"
#include "lexical/stores.h"
#include "morpho/lemmatise.h"

namespace {

struct Attendu {
  const char* forme;
  const char* vedette;
  const char* traits;  // French terms, genders of the entry included
};

class DesinencesLivrees : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ChargeLexique(LECTURIEL_LEX); }
  static void TearDownTestSuite() { LiberLexique(); }

  // The descriptions of the form filed under the headword, in order.
  static std::vector<std::uint32_t> Lectures(const std::string& forme, const std::string& vedette) {
    std::vector<std::uint32_t> lectures;
    bool trouve = false;
    auto liste = Lemmatise(Utf8VersCp1252(forme), trouve);
    if (!liste) return lectures;
    const std::string entete = Utf8VersCp1252(vedette) + ", ";
    for (int i = 0; i < liste->Count(); ++i) {
      const TAnalyse& a = liste->Analyse(i);
      if (a.Entree.compare(0, entete.size(), entete) != 0) continue;
      for (const TDef& d : a.Numeros) lectures.push_back(d.Morpho);
    }
    return lectures;
  }

  static bool ALaLecture(const Attendu& a) {
    const std::uint32_t morpho = LisTraits(Utf8VersCp1252(a.traits));
    for (std::uint32_t m : Lectures(a.forme, a.vedette))
      if (m == morpho) return true;
    return false;
  }

  static void Verifie(const std::vector<Attendu>& cas) {
    for (const Attendu& a : cas)
      EXPECT_TRUE(ALaLecture(a)) << a.forme << " : " << a.vedette << ", " << a.traits;
  }
};

TEST_F(DesinencesLivrees, ChaqueLectureDesigneUnModeleFlechiEtUnRadical) {
  for (int i = 0; i < Desinences->Count(); ++i) {
    EXPECT_FALSE(Desinences->Cle(i).empty());
    for (const TDef& d : Desinences->Definitions(i)) {
      // A model that inflects: neither the pronouns nor the invariables.
      const int partie = PartieDuModele(d.Modele);
      EXPECT_TRUE(partie == Partie::Nom || partie == Partie::Adjectif || partie == Partie::Verbe)
          << Cp1252VersUtf8(Desinences->Cle(i));
      EXPECT_GE(d.Radical, 1);
      EXPECT_LE(d.Radical, 3);
      EXPECT_NE(d.Morpho, 0u);
    }
  }
}

TEST_F(DesinencesLivrees, NomsDesOnzeModeles) {
  Verifie({
      {"uitam", "uita", "accusatif féminin singulier"},
      {"amice", "amicus", "vocatif masculin singulier"},
      {"pueris", "puer", "datif masculin pluriel"},
      {"agrorum", "ager", "génitif masculin pluriel"},
      {"templa", "templum", "accusatif neutre pluriel"},
      {"militibus", "miles", "ablatif masculin pluriel"},
      {"ciuium", "ciuis", "génitif pluriel"},
      {"ciuis", "ciuis", "accusatif pluriel"},
      {"urbium", "urbs", "génitif féminin pluriel"},
      {"corporum", "corpus", "génitif neutre pluriel"},
      {"mari", "mare", "ablatif neutre singulier"},
      {"maria", "mare", "nominatif neutre pluriel"},
      {"animalia", "animal", "accusatif neutre pluriel"},
      {"manibus", "manus", "datif féminin pluriel"},
      {"manuum", "manus", "génitif féminin pluriel"},
      {"rerum", "res", "génitif féminin pluriel"},
      {"diei", "dies", "génitif singulier"},
  });
}

TEST_F(DesinencesLivrees, AdjectifsEtDegres) {
  Verifie({
      {"bonorum", "bonus", "génitif masculin neutre pluriel"},
      {"bone", "bonus", "vocatif masculin singulier"},
      {"miseram", "miser", "accusatif féminin singulier"},
      {"pulchra", "pulcher", "nominatif féminin singulier"},
      {"acris", "acer", "nominatif féminin singulier"},
      {"fortium", "fortis", "génitif masculin féminin neutre pluriel"},
      {"forte", "fortis", "nominatif neutre singulier"},
      {"ueteres", "uetus", "nominatif masculin féminin pluriel"},
      {"felici", "felix", "ablatif masculin féminin neutre singulier"},
      {"felicium", "felix", "génitif masculin féminin neutre pluriel"},
      {"fortior", "fortis", "nominatif masculin féminin singulier comparatif"},
      {"fortius", "fortis", "accusatif neutre singulier comparatif"},
      {"acrior", "acer", "nominatif masculin féminin singulier comparatif"},
      {"miserrimi", "miser", "génitif masculin neutre singulier superlatif"},
      {"pulcherrima", "pulcher", "nominatif féminin singulier superlatif"},
      {"acerrimos", "acer", "accusatif masculin pluriel superlatif"},
      {"felicissimus", "felix", "nominatif masculin singulier superlatif"},
      {"ueterrimus", "uetus", "nominatif masculin singulier superlatif"},
  });
}

TEST_F(DesinencesLivrees, ConjugaisonsDesDeuxVoix) {
  Verifie({
      {"amabant", "amo", "3ème personne pluriel indicatif imparfait actif"},
      {"amaberis", "amo", "2ème personne singulier indicatif futur passif"},
      {"amare", "amo", "2ème personne singulier indicatif présent passif"},
      {"amanto", "amo", "3ème personne pluriel impératif futur actif"},
      {"moneamus", "moneo", "1ère personne pluriel subjonctif présent actif"},
      {"legam", "lego", "1ère personne singulier indicatif futur actif"},
      {"legam", "lego", "1ère personne singulier subjonctif présent actif"},
      {"legeretur", "lego", "3ème personne singulier subjonctif imparfait passif"},
      {"legi", "lego", "infinitif présent passif"},
      {"capiuntur", "capio", "3ème personne pluriel indicatif présent passif"},
      {"capiet", "capio", "3ème personne singulier indicatif futur actif"},
      {"audiebantur", "audio", "3ème personne pluriel indicatif imparfait passif"},
      {"audiri", "audio", "infinitif présent passif"},
  });
}

TEST_F(DesinencesLivrees, ParfaitsEtLeursFormesContractees) {
  Verifie({
      {"amauerunt", "amo", "3ème personne pluriel indicatif parfait actif"},
      {"amauere", "amo", "3ème personne pluriel indicatif parfait actif"},
      {"amarunt", "amo", "3ème personne pluriel indicatif parfait actif"},
      {"amasset", "amo", "3ème personne singulier subjonctif plus-que-parfait actif"},
      {"amasse", "amo", "infinitif parfait actif"},
      {"monuerimus", "moneo", "1ère personne pluriel subjonctif parfait actif"},
      {"ceperat", "capio", "3ème personne singulier indicatif plus-que-parfait actif"},
      {"audiuisse", "audio", "infinitif parfait actif"},
      {"audiit", "audio", "3ème personne singulier indicatif parfait actif"},
      {"audisti", "audio", "2ème personne singulier indicatif parfait actif"},
      {"petisset", "peto", "3ème personne singulier subjonctif plus-que-parfait actif"},
  });
  // A perfect stem equal to the present stem gets its reading once.
  const std::uint32_t pqp =
      LisTraits(Utf8VersCp1252("3ème personne singulier subjonctif plus-que-parfait actif"));
  int n = 0;
  for (std::uint32_t m : Lectures("uenisset", "uenio")) n += m == pqp;
  EXPECT_EQ(n, 1);
}

TEST_F(DesinencesLivrees, SumEtEoAvecLeursComposes) {
  Verifie({
      {"absunt", "absum", "3ème personne pluriel indicatif présent actif"},
      {"abesset", "absum", "3ème personne singulier subjonctif imparfait actif"},
      {"afuerunt", "absum", "3ème personne pluriel indicatif parfait actif"},
      {"foret", "sum", "3ème personne singulier subjonctif imparfait actif"},
      {"futuros", "sum", "participe futur actif accusatif masculin pluriel"},
      {"ibant", "eo", "3ème personne pluriel indicatif imparfait actif"},
      {"redeunt", "redeo", "3ème personne pluriel indicatif présent actif"},
      {"redierunt", "redeo", "3ème personne pluriel indicatif parfait actif"},
      {"redisti", "redeo", "2ème personne singulier indicatif parfait actif"},
      {"isse", "eo", "infinitif parfait actif"},
      {"exiens", "exeo", "participe présent actif nominatif masculin féminin neutre singulier"},
      {"exiebat", "exeo", "3ème personne singulier indicatif imparfait actif"},
  });
}

TEST_F(DesinencesLivrees, DeponentsAuSensActif) {
  Verifie({
      {"imitatur", "imitor", "3ème personne singulier indicatif présent actif"},
      {"imitari", "imitor", "infinitif présent actif"},
      {"imitatus", "imitor", "participe parfait actif nominatif masculin singulier"},
      {"imitandum", "imitor", "adjectif verbal passif accusatif masculin neutre singulier"},
      {"uerebatur", "uereor", "3ème personne singulier indicatif imparfait actif"},
      {"sequebantur", "sequor", "3ème personne pluriel indicatif imparfait actif"},
      {"sequar", "sequor", "1ère personne singulier indicatif futur actif"},
      {"patiuntur", "patior", "3ème personne pluriel indicatif présent actif"},
      {"potiretur", "potior", "3ème personne singulier subjonctif imparfait actif"},
      {"poteretur", "potior", "3ème personne singulier subjonctif imparfait actif"},
  });
  const std::uint32_t passif = LisTraits("passif");
  for (std::uint32_t m : Lectures("imitabatur", "imitor")) EXPECT_EQ(m & passif, 0u);
}

// Readings the stem conventions must not invent.
TEST_F(DesinencesLivrees, PasDeLectureInventee) {
  const std::uint32_t nominatif_sg = LisTraits("nominatif singulier");
  for (std::uint32_t m : Lectures("urbis", "urbs")) EXPECT_NE(m & nominatif_sg, nominatif_sg);
  EXPECT_TRUE(Lectures("sentis", "sum").empty());
  const std::uint32_t vocatif_sg = LisTraits("vocatif singulier");
  for (std::uint32_t m : Lectures("amici", "amicus")) EXPECT_NE(m & vocatif_sg, vocatif_sg);
}

}  // namespace
