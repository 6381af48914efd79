// The syntactic link rules on a small lexicon: one test per relation, with
// the pairs that must not produce it beside the ones that must.
#include "syntaxe/lien_syntaxique.h"

#include <gtest/gtest.h>

#include "morpho/tests/petit_lexique.h"
#include "syntaxe/listes_mots.h"

using namespace traits;

namespace {
using Lignes = std::vector<std::string>;

class Liens : public ::testing::Test {
 protected:
  void SetUp() override {
    const Morpho Pres3 = P3 | Pres | Ind;
    lex_.Entree("dominus", "amicus", 0, "", "", "ma\xEEtre")
        .Entree("bonus", "bonus", -1, "", "", "bon")
        .Entree("meus", "bonus", -1, "", "", "mon")
        .Entree("sum", "sum", -1, "fu", "", "\xEAtre")
        .Entree("amo", "amo", -1, "amau", "amat", "aimer")
        .Entree("habeo", "moneo", -1, "habu", "habit", "avoir, tenir pour")
        .Entree("uideo", "moneo", -1, "uid", "uis", "voir")
        .Entree("uideor", "uereor", -1, "", "uis", "sembler")
        .Entree("puto", "amo", -1, "putau", "putat", "penser")
        .Entree("ego", "pronoms", -1, "", "", "je")
        .Entree("hic", "pronoms", -1, "", "", "ce")
        .Entree("in", "invaria", -1, "", "", "dans")
        .Entree("cum", "invaria", -1, "", "", "quand")
        .Entree("et", "invaria", -1, "", "", "et")
        .Desinence("us", "amicus", 1, Nom | Sg)
        .Desinence("i", "amicus", 1, Gen | Sg)
        .Desinence("um", "amicus", 1, Acc | Sg)
        .Desinence("o", "amicus", 1, Abl | Sg)
        .Desinence("os", "amicus", 1, Acc | Pl)
        .Desinence("us", "bonus", 1, Nom | Sg | Masc)
        .Desinence("i", "bonus", 1, Nom | Pl | Masc)
        .Desinence("at", "amo", 1, Pres3 | Sg | Actif)
        .Desinence("ant", "amo", 1, Pres3 | Pl | Actif)
        .Desinence("et", "amo", 1, P3 | Sg | Pres | Subj | Actif)
        .Desinence("are", "amo", 1, Pres | Inf | Actif)
        .Desinence("ante", "amo", 1, Abl | Sg | Masc | Fem | Neut | Pres | Part | Actif)
        .Desinence("atur", "amo", 1, Pres3 | Sg | Passif)
        .Desinence("etur", "moneo", 1, Pres3 | Sg | Passif)
        .Desinence("etur", "uereor", 1, Pres3 | Sg | Actif)
        .Irregulier("est", "sum", "sum", Pres3 | Sg | Actif)
        .Irregulier("hic", "hic", "pronoms", Nom | Sg | Masc)
        .Irregulier("ego", "ego", "pronoms", Nom | Sg)
        .Installe();
  }

  static Lignes L(const std::string& mot1, const std::string& mot2) {
    return TLienSyntaxique(mot1, mot2).Liens();
  }

  PetitLexique lex_;
};
}  // namespace

TEST(DansListe, MotsEntiersSeulement) {
  EXPECT_TRUE(DansListe("habeo", ListeVerbesAppel));  // the last word, no comma after it
  EXPECT_TRUE(DansListe("appello", ListeVerbesAppel));
  EXPECT_TRUE(DansListe("ab", "ab,de"));  // the first word, no comma before it
  EXPECT_FALSE(DansListe("su", ListeCopules));
  EXPECT_FALSE(DansListe("Sum", ListeCopules));
  EXPECT_FALSE(DansListe("", ListeCopules));  // the empty fields do not count
  EXPECT_FALSE(DansListe("sum,fio", ListeCopules));
}

TEST(DansListe, LesListesDeLemmesSuiventLaGraphieDesVedettes) {
  // Headwords are written with u and i, and active or deponent.
  for (std::string_view liste :
       {ListeDeterminants, ListeCopules, ListeVerbesAppel, ListePossessifs}) {
    EXPECT_EQ(liste.find('v'), std::string_view::npos) << liste;
    EXPECT_EQ(liste.find('j'), std::string_view::npos) << liste;
  }
  EXPECT_TRUE(DansListe("uideor", ListeCopules));
  EXPECT_TRUE(DansListe("puto", ListeVerbesAppel));
}

TEST_F(Liens, MotsNonAnalyses) {
  EXPECT_EQ(L("zzz", "aaa"),
            (Lignes{"aaa n'a pu \xEAtre analys\xE9", "zzz n'a pu \xEAtre analys\xE9"}));
  EXPECT_EQ(L("zzz", "dominus"), (Lignes{"zzz n'a pu \xEAtre analys\xE9"}));
  EXPECT_EQ(L("dominus", ""), (Lignes{" n'a pu \xEAtre analys\xE9"}));
}

TEST_F(Liens, SujetEtAttributDUneCopule) {
  EXPECT_EQ(L("dominus", "est"),
            (Lignes{"dominus attribut du sujet du verbe est", "dominus sujet du verbe est"}));
  EXPECT_EQ(L("dominus", "amat"), (Lignes{"dominus sujet du verbe amat"}));
  // Number differs: no subject, and nothing else for a nominative.
  EXPECT_EQ(L("dominus", "amant"), (Lignes{}));
}

TEST_F(Liens, AttributDesVerbesDAppelAuPassifSeulement) {
  EXPECT_EQ(L("dominus", "habetur"), (Lignes{"dominus attribut du sujet du verbe habetur",
                                             "dominus sujet du verbe habetur"}));
  EXPECT_EQ(L("dominus", "putatur"), (Lignes{"dominus attribut du sujet du verbe putatur",
                                             "dominus sujet du verbe putatur"}));
  // The deponent "sembler" is a copula; the passive of "voir" is not.
  const Lignes uidetur = L("dominus", "uidetur");
  EXPECT_EQ(uidetur, (Lignes{"dominus attribut du sujet du verbe uidetur",
                             "dominus sujet du verbe uidetur"}));
  EXPECT_EQ(L("bonus", "amat"), (Lignes{}));
}

TEST_F(Liens, AdjectifEpitheteEtAttribut) {
  EXPECT_EQ(L("bonus", "dominus"), (Lignes{"l'adj. bonus est \xE9pith\xE8te de dominus"}));
  EXPECT_EQ(L("boni", "dominus"), (Lignes{}));  // same case, other number
  EXPECT_EQ(L("bonus", "est"), (Lignes{"bonus attribut du sujet du verbe est"}));
}

TEST_F(Liens, ComplementsDuVerbe) {
  EXPECT_EQ(L("dominum", "amare"),
            (Lignes{"dominum COD du verbe amare",
                    "dominum sujet d'une prop. inf. dont amare est le verbe"}));
  EXPECT_EQ(
      L("domino", "amante"),
      (Lignes{"domino amante, ablatif absolu",
              "domino compl\xE9ment de cause, mani\xE8re, moyen, temps, etc. du verbe amante"}));
  EXPECT_EQ(L("amare", "amat"),
            (Lignes{"amare inf. COD du verbe amat, peut-\xEAtre verbe d'une prop. inf."}));
  EXPECT_EQ(L("amante", "domino"), (Lignes{"l'adj. amante est \xE9pith\xE8te de domino"}));
}

TEST_F(Liens, EgoSujetQuelQueSoitLeNombre) {
  EXPECT_EQ(L("ego", "amo"), (Lignes{"ego sujet du verbe amo"}));
}

TEST_F(Liens, ComplementDuNomEtGenitifDeLAdjectif) {
  EXPECT_EQ(L("domini", "dominus"), (Lignes{"domini compl\xE9ment du nom dominus"}));
  EXPECT_EQ(L("domini", "bonus"),
            (Lignes{"domini compl\xE9ment au g\xE9nitif de l'adjectif bonus"}));
  EXPECT_EQ(L("domini", "meus"), (Lignes{}));
}

TEST_F(Liens, DeterminantEtAppose) {
  EXPECT_EQ(L("hic", "dominus"),
            (Lignes{"hic appos\xE9 au nom dominus", "hic d\xE9terminant de dominus"}));
}

TEST_F(Liens, PrepositionsEtConjonctions) {
  EXPECT_EQ(L("in", "domino"), (Lignes{"la pr\xE9position in introduit l'ablatif domino"}));
  EXPECT_EQ(L("in", "dominum"), (Lignes{"la pr\xE9position in introduit l'accusatif dominum"}));
  EXPECT_EQ(L("In", "domino"), (Lignes{"la pr\xE9position In introduit l'ablatif domino"}));
  EXPECT_EQ(L("cum", "amet"),
            (Lignes{"la conj. cum introduit une prop. sub. dont amet est le verbe"}));
  EXPECT_EQ(L("cum", "amare"), (Lignes{}));
  EXPECT_EQ(L("et", "domino"), (Lignes{}));
  // The invariable word as head of another word gives nothing.
  EXPECT_EQ(L("domino", "in"), (Lignes{}));
}

TEST_F(Liens, TexteEtAnalysesGardees) {
  TLienSyntaxique lien("dominus", "est");
  EXPECT_EQ(lien.Texte(),
            "dominus attribut du sujet du verbe est\r\ndominus sujet du verbe est\r\n");
  ASSERT_NE(lien.Analyses1(), nullptr);
  EXPECT_EQ(lien.Analyses1()->Forme, "dominus");
  // The invariable analysis keeps no reading of its own.
  TLienSyntaxique prep("in", "domino");
  EXPECT_TRUE(prep.Analyses1()->Analyse(0).Numeros.empty());
}
