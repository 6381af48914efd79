// Paradigms on a small lexicon: stems of each stem number, the headword's own
// readings, irregular forms in place of the regular ones they cover,
// cross-references, and their layout as tables, text and HTML.
#include "morpho/paradigme.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lexical/tests/fixture.h"
#include "morpho/tableaux_flexion.h"

using namespace traits;

namespace {

class Paradigmes : public ::testing::Test {
 protected:
  static TParadigme De(const std::string& mot) {
    const auto p = ParadigmesDuMot(mot);
    EXPECT_EQ(p.size(), 1u) << mot;
    return p.empty() ? TParadigme{} : p.front();
  }

  TLexiqueDeFixture lex_{LisFixture(LECTURIEL_FIXTURES "/paradigme.tsv")};
};

TEST_F(Paradigmes, FormesEngendreesParRadicalEtModele) {
  for (const TCas& c : Section(LisFixture(LECTURIEL_FIXTURES "/paradigme.tsv"), "formes")) {
    std::vector<std::string> formes;
    for (const TFormeFlechie& f : De(c.Cp(0)).Formes)
      formes.push_back(Cp1252VersUtf8(f.Forme + " : " + TexteTraits(f.Traits)));
    EXPECT_EQ(formes, c.Suite(1)) << c.Lieu;
  }
  EXPECT_EQ(De("amo").Entree, "amo, aimer");
}

TEST_F(Paradigmes, IrregulieresALaPlaceDesRegulieresQuEllesCouvrent) {
  const TParadigme fero = De("fero");
  std::vector<std::string> formes;
  for (const TFormeFlechie& f : fero.Formes) formes.push_back(f.Forme);
  EXPECT_EQ(std::count(formes.begin(), formes.end(), "feris"), 0);
  EXPECT_EQ(std::count(formes.begin(), formes.end(), "fers"), 1);
  EXPECT_EQ(std::count(formes.begin(), formes.end(), "ferimus"), 1);
  EXPECT_EQ(std::count(formes.begin(), formes.end(), "tuli"), 1);
}

// A noun cited in the plural takes its stem from the nominative plural and
// has no singular form.
TEST_F(Paradigmes, NomAuPlurielSeulementSansSingulier) {
  const auto p = Lexique->PremiereEntreeDeModele("liberi", 1);
  ASSERT_TRUE(p);
  std::vector<std::string> formes;
  for (const TFormeFlechie& f : TFlechisseur().Paradigme(*p).Formes)
    formes.push_back(Cp1252VersUtf8(f.Forme + " : " + TexteTraits(f.Traits)));
  EXPECT_EQ(formes, (std::vector<std::string>{"liberi : nominatif masculin pluriel",
                                              "liberos : accusatif masculin pluriel"}));
}

TEST_F(Paradigmes, RenvoiDonneLeParadigmeDeLaCibleEtInvariableRien) {
  const auto p = Lexique->PremiereEntreeDeModele("caritas", 5);
  ASSERT_TRUE(p);
  const TParadigme renvoi = TFlechisseur().Paradigme(*p);
  EXPECT_EQ(renvoi.Vedette, "amor");
  EXPECT_EQ(renvoi.Entree, "amor, amour");
  EXPECT_TRUE(De("et").Formes.empty());
  EXPECT_TRUE(ParadigmesDuMot("xyz").empty());
  EXPECT_TRUE(ParadigmesDuMot("").empty());
}

TEST_F(Paradigmes, TableauxTexteEtHtml) {
  // Variants share their cell; a noun's single gender is no column.
  const auto tableaux = TableauxFlexion(De("uita"));
  ASSERT_EQ(tableaux.size(), 1u);
  EXPECT_EQ(tableaux[0].Titre,
            "d\xE9"
            "clinaison");
  EXPECT_EQ(tableaux[0].Colonnes, (std::vector<std::string>{"singulier", "pluriel"}));
  EXPECT_EQ(tableaux[0].Lignes, (std::vector<std::string>{"nominatif", "g\xE9nitif", "datif"}));
  EXPECT_EQ(tableaux[0].Cases[2][1].size(), 2u);

  // An archaic form stands marked beside the classical one, never in its
  // place.
  EXPECT_EQ(
      TexteParadigme(De("uita")),
      (std::vector<std::string>{"uita, vie",
                                "  d\xE9"
                                "clinaison",
                                "               singulier                 pluriel",
                                "    nominatif  uita                      -",
                                "    g\xE9nitif    uitae, uitai (archa\xEFque)  -",
                                "    datif      -                         uitis, uitabus", ""}));

  // A verb: persons by tense for each mood and voice (the compound perfect
  // passive among them), then the infinitive, then the participle, then the
  // supines; a pronoun's genders are columns.
  std::vector<std::string> titres;
  for (const auto& t : TableauxFlexion(De("amo"))) titres.push_back(t.Titre);
  EXPECT_EQ(titres,
            (std::vector<std::string>{"indicatif actif", "indicatif passif", "subjonctif passif",
                                      "infinitif", "participe parfait passif", "supin"}));
  const auto supin = TableauxFlexion(De("amo")).back();
  EXPECT_EQ(supin.Lignes, (std::vector<std::string>{"accusatif", "ablatif"}));
  EXPECT_EQ(supin.Cases[1][0], (std::vector<std::string>{"amatu"}));
  const auto ind = TableauxFlexion(De("amo")).front();
  EXPECT_EQ(ind.Colonnes, (std::vector<std::string>{"pr\xE9sent", "parfait"}));
  EXPECT_EQ(ind.Lignes,
            (std::vector<std::string>{"1\xE8re personne singulier", "2\xE8me personne singulier"}));
  const auto pronom = TableauxFlexion(De("ego")).front();
  EXPECT_EQ(pronom.Colonnes,
            (std::vector<std::string>{"singulier masculin", "singulier f\xE9minin"}));

  // An adverb's degrees in a grammar's order, whatever the store's.
  const auto degres = TableauxFlexion(De("saepe"));
  ASSERT_EQ(degres.size(), 1u);
  EXPECT_EQ(degres[0].Lignes, (std::vector<std::string>{"comparatif", "superlatif"}));
  EXPECT_EQ(degres[0].Cases[0][0], (std::vector<std::string>{"saepius"}));

  const std::string html = HtmlParadigmes({De("uita")}, "Vitabus");
  EXPECT_NE(html.find("<b>uitabus</b>"), std::string::npos);
  EXPECT_EQ(html.find("<b>uitis</b>"), std::string::npos);
  EXPECT_NE(HtmlParadigmes({De("uita")}, "uitai").find("<b>uitai (archa\xEFque)</b>"),
            std::string::npos);
  TParadigme piege = De("uita");
  piege.Entree = "a<b>&";
  EXPECT_NE(HtmlParadigmes({piege}, "").find("<h3>a&lt;b&gt;&amp;</h3>"), std::string::npos);
}

}  // namespace
