// The form search on a small lexicon: each stage, the order of readings, the
// three attempts on letter case, enclitics and the hover text.
#include "morpho/lemmatise.h"

#include <gtest/gtest.h>

#include "lexical/erreur.h"
#include "lexical/stores.h"
#include "morpho/tests/petit_lexique.h"

using namespace traits;

namespace {
using Lignes = std::vector<std::string>;

class Lemmatisation : public ::testing::Test {
 protected:
  void SetUp() override {
    lex_.Entree("amicus", "amicus", 0, "-", "-", "ami")
        .Entree("populus", "amicus", 0, "", "", "peuple")
        .Entree("templum", "templum", 2, "", "", "temple")
        .Entree("nomen", "corpus", 2, "nomin", "", "nom")
        .Entree("amo", "amo", -1, "amau", "amat", "aimer")
        .Entree("miles", "miles", 0, "milit", "", "soldat")
        .Entree("sum", "sum", -1, "fu", "", "\xEAtre")
        .Entree("eo", "eo", -1, "i", "it", "aller")
        .Entree("et", "invaria", -1, "", "", "et")
        .Entree("q", "invaria", -1, "", "", "abr\xE9viation de Quintus")
        .Entree("uir", "puer", 0, "", "", "homme")
        .Entree("ara", "uita", 1, "", "", "autel")
        .Entree("hara", "uita", 1, "", "", "cf.  ara")
        // Same key ignoring case: "Liber" is inserted last, so it sorts
        // first in the run and must not hide "liber".
        .Entree("liber", "ager", 0, "", "", "livre")
        .Entree("Liber", "puer", 0, "", "", "dieu")
        .Entree("cum", "invaria", -1, "", "", "avec")
        .Entree("cum", "invaria", -1, "", "", "quand")
        .Entree("cum", "invaria", -1, "", "", "avec")
        .Desinence("os", "amicus", 1, Acc | Pl)
        .Desinence("us", "amicus", 1, Nom | Sg)
        .Desinence("um", "templum", 1, Nom | Sg)
        .Desinence("um", "templum", 1, Acc | Sg)
        .Desinence("um", "amicus", 1, Acc | Sg)
        .Desinence("i", "amo", 2, P1 | Sg | Parf | Ind | Actif)
        .Desinence("us", "amo", 3, Nom | Sg | Masc | Part | Parf | Passif)
        .Desinence("i", "amo", 7, P1 | Sg)  // no such stem number: ignored
        .Desinence("em", "miles", 1, Acc | Sg)
        .Desinence("a", "uita", 1, Nom | Sg)
        .Desinence("ae", "uita", 1, Gen | Sg)
        .Desinence("it", "eo", 1, P3 | Sg | Pres | Ind | Actif)
        .Desinence("o", "eo", 1, P1 | Sg | Pres | Ind | Actif)
        .Irregulier("est", "sum", "sum", P3 | Sg | Pres | Ind | Actif)
        .Irregulier("est", "sum", "amo", P3 | Sg)  // lemma of another model: skipped
        .Installe();
  }

  PetitLexique lex_;
};

const std::string PresentP1 = " 1\xE8re personne singulier indicatif pr\xE9sent actif";
const std::string PresentP3 = " 3\xE8me personne singulier indicatif pr\xE9sent actif";
const std::string NomMascSg = "    nominatif masculin singulier";

// A form and its hover text; a single line means the form was not found.
struct CasTexte {
  std::string forme;
  Lignes lignes;
};
class TexteDe : public Lemmatisation, public ::testing::WithParamInterface<CasTexte> {};
}  // namespace

TEST(LemmatiseSansLexique, LeveUneErreurSansToucherAuxStores) {
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

TEST_P(TexteDe, FormeAnalysee) {
  const auto& [forme, lignes] = GetParam();
  bool trouve = lignes.size() == 1;
  EXPECT_EQ(TexteAnalyses(forme, Disposition::Complete, trouve), lignes);
  EXPECT_EQ(trouve, lignes.size() > 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lemmatisation, TexteDe,
    ::testing::Values(
        // The failure line repeats the word as passed.
        CasTexte{"", {" : ?"}}, CasTexte{"Xyzzy", {"Xyzzy : ?"}},
        // A neuter headword that no ending reads: accusative then
        // nominative; one that the endings read: their readings only, never
        // the same reading twice.
        CasTexte{"nomen",
                 {"nomen", "  nomen, nom", "    accusatif neutre singulier",
                  "    nominatif neutre singulier"}},
        CasTexte{"templum",
                 {"templum", "  templum, temple", "    nominatif neutre singulier",
                  "    accusatif neutre singulier"}},
        CasTexte{"amo", {"amo", "  amo, aimer", "    " + PresentP1}},
        // Perfect and supine stems, and a stem listed in the entry.
        CasTexte{
            "amaui",
            {"amaui", "  amo, aimer", "     1\xE8re personne singulier indicatif parfait actif"}},
        CasTexte{"amatus",
                 {"amatus", "  amo, aimer",
                  "    nominatif masculin singulier participe parfait passif"}},
        CasTexte{"militem", {"militem", "  miles, soldat", "    accusatif masculin singulier"}},
        // An ending that is the whole form, on an empty stem; "eo" is also a
        // headword and the ending "o" on the stem "e" (no lemma "eeo").
        CasTexte{"it", {"it", "  eo, aller", "    " + PresentP3}},
        CasTexte{"eo", {"eo", "  eo, aller", "    " + PresentP1}},
        // The three attempts: as written (an irregular form keeps its
        // capital), lower-cased, then lower-cased and normalised (V only
        // once lower-cased).
        CasTexte{"Est", {"Est", "  sum, \xEAtre", "    " + PresentP3}},
        CasTexte{"Amicos", {"amicos", "  amicus, ami", "    accusatif masculin pluriel"}},
        CasTexte{"Vir", {"uir", "  uir, homme", NomMascSg}}, CasTexte{"Vix", {"Vix : ?"}},
        // A proper name merged with the lower-case readings; in lower case
        // only the common noun, although "Liber" sorts first.
        CasTexte{"Liber", {"Liber", "  Liber, dieu", NomMascSg, "  liber, livre", NomMascSg}},
        CasTexte{"liber", {"liber", "  liber, livre", NomMascSg}},
        // An invariable word: found, without readings; homographs give one
        // analysis per distinct heading.
        CasTexte{"et", {"et", "  et, et"}}, CasTexte{"cum", {"cum", "  cum, avec", "  cum, quand"}},
        // A cross-reference: under its own key at the headword stage, under
        // the target at the ending stage.
        CasTexte{"hara",
                 {"hara", "  ara, autel", "    nominatif f\xE9minin singulier", "  hara, autel",
                  "    nominatif f\xE9minin singulier"}},
        CasTexte{"harae", {"harae", "  ara, autel", "    g\xE9nitif f\xE9minin singulier"}}));

TEST_F(Lemmatisation, EncliticRetireSeulementFauteDeMieux) {
  bool trouve = false;
  auto liste = Lemmatise("populusque", trouve);
  ASSERT_TRUE(trouve);
  EXPECT_EQ(liste->Forme, "populusque");
  ASSERT_EQ(liste->Count(), 1);
  EXPECT_EQ(liste->Analyse(0).Forme, "populus");
  EXPECT_EQ(liste->Analyse(0).Entree, "populus, peuple");
  // "que" alone: the "que" split would leave nothing, "ue" leaves "q".
  liste = Lemmatise("que", trouve);
  ASSERT_TRUE(trouve);
  EXPECT_EQ(liste->Forme, "que");
  EXPECT_EQ(liste->Analyse(0).Forme, "q");
}

TEST_F(Lemmatisation, FormeVideSansListe) {
  bool trouve = true;
  EXPECT_EQ(Lemmatise("", trouve), nullptr);
  EXPECT_FALSE(trouve);
}
