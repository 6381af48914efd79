#include "lexical/lexique.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lexical/irreguliers.h"
#include "lexical/vocabulaire.h"

namespace {
void Entree(TLexique& l, const std::string& cle, int modele, std::string a = "", std::string b = "",
            std::string sens = "") {
  l.Ajoute(cle, std::make_unique<TDonneesLexicales>(TDonneesLexicales{modele, -1, a, b, sens}));
}
using Cles = std::vector<std::string>;
}  // namespace

TEST(Lexique, IndexDesRadicauxSelonLeModele) {
  TLexique l;
  Entree(l, "amo", 17, "amau", "amat");
  Entree(l, "miles", 5, "milit");
  Entree(l, "amicus", 1, "amic");  // model 1: RadicauxA not indexed
  Entree(l, "manus", 9, "man");    // model 9: indexed, yet rebuilt with "us"
  Entree(l, "lego", 19, "leg,,lex,", "lect");
  // A shared stem lists the last inserted first, also at the end of the index.
  Entree(l, "ciuis", 6, "ciu");
  Entree(l, "ciuitas", 5, "ciu");
  Entree(l, "zona", 8, "zzz");
  l.IndexeRadicaux();
  EXPECT_EQ(l.CanonDe(l.Radicaux2, "amau"), Cles{"amo"});
  EXPECT_EQ(l.CanonDe(l.Radicaux3, "amat"), Cles{"amo"});
  EXPECT_EQ(l.CanonDe(l.Radicaux1, "milit"), Cles{"miles"});
  EXPECT_EQ(l.CanonDe(l.Radicaux1, "amic"), Cles{});
  EXPECT_EQ(l.CanonDe(l.Radicaux1, "man"), Cles{"manus"});
  EXPECT_EQ(l.Radicaux2.Count(), 3);  // amau, leg, lex: empty fields add nothing
  EXPECT_EQ(l.CanonDe(l.Radicaux1, "ciu"), (Cles{"ciuitas", "ciuis"}));
  EXPECT_EQ(l.CanonDe(l.Radicaux1, "zzz"), Cles{"zona"});
  EXPECT_EQ(l.CanonDe(l.Radicaux1, "zzzz"), Cles{});
  const struct {
    const char* radical;
    int modele;
    Cles canons;
  } cas[] = {{"am", 17, {"amo"}},
             {"milit", 5, {"miles"}},
             {"milit", 0, {"milita"}},
             {"man", 9, {"manus"}},
             {"", 4, {"um"}},
             {"pos", 22, {"possum"}},
             {"x", 29, {}},
             {"x", 31, {}}};
  for (const auto& c : cas) EXPECT_EQ(l.Canons(c.radical, c.modele), c.canons) << c.radical;
}

TEST(Lexique, ChercheModeleParmiLesHomographes) {
  TLexique l;
  Entree(l, "abc", 30);
  Entree(l, "uolo", 17);
  Entree(l, "uolo", 19);
  int p = -1;
  EXPECT_TRUE(l.ChercheModele("uolo", 19, p));
  EXPECT_EQ(l.Objet(p).Modele, 19);
  EXPECT_TRUE(l.ChercheModele("uolo", 17, p));
  EXPECT_EQ(l.Objet(p).Modele, 17);
  EXPECT_FALSE(l.ChercheModele("uolo", 20, p));  // the walk stops at the end
  EXPECT_EQ(p, 3);
  EXPECT_FALSE(l.ChercheModele("Uolo", 19, p));  // exact spelling only
  EXPECT_FALSE(l.ChercheModele("zzz", 19, p));
  EXPECT_EQ(p, 3);
}

// Regression: an exact key standing behind a case variant of itself was
// missed, because the walk stopped at the first key not spelt exactly.
TEST(Lexique, VarianteDeCasseNeMasquePasLaCleExacte) {
  TLexique l;
  Entree(l, "liber", 1);
  Entree(l, "Liber", 2);  // inserted last: stands first
  int p = -1;
  ASSERT_EQ(l.Cle(0), "Liber");
  EXPECT_TRUE(l.ChercheModele("liber", 1, p));
  EXPECT_EQ(p, 1);
  TRadicaux r;
  r.Ajoute("ciu", 7);
  r.Ajoute("Ciu", 8);
  EXPECT_EQ(r.EntreesDe("ciu"), std::vector<int>{7});
}

TEST(Lexique, RenvoisCf) {
  TLexique l;
  Entree(l, "uolo", 17, "", "", "uis, uelle : vouloir");
  Entree(l, "uoltus", 1, "", "", "cf. uultus");  // target from the sixth character: "ultus"
  Entree(l, "uultus", 1, "", "", "us, m. : visage");
  Entree(l, "xa", 0, "", "", " cf. uolo");      // one leading character
  Entree(l, "xb", 0, "", "", "voir cf. uolo");  // marker too far from the start
  Entree(l, "xc", 0, "", "", "cf. absent");
  Entree(l, "xd", 0, "", "", "cf.");  // marker cut short
  int p = 0;
  for (auto [cle, vedette] :
       {std::pair{"uoltus", "uoltus"}, {"xa", "uolo"}, {"xb", "xb"}, {"xc", "xc"}, {"xd", "xd"}}) {
    ASSERT_TRUE(l.Find(cle, p));
    EXPECT_EQ(l.Vedette(p), vedette);
    EXPECT_EQ(l.Donnees(p, true), l.Objet(p));
    EXPECT_EQ(&l.Donnees(p, false) == &l.Objet(p), vedette == std::string(cle)) << cle;
  }
  ASSERT_TRUE(l.Find("xa", p));
  EXPECT_EQ(l.Donnees(p, false).Modele, 17);
  EXPECT_TRUE(l.ChercheModele("xa", 17, p));  // the model through the reference
}

// Regression: the index held only the key, so the stem dix of dico, ere
// also confirmed dico, are ("consacrer") for endings of the 1st conjugation.
TEST(Lexique, UnRadicalMeneALEntreeQuiLeListe) {
  TLexique l;
  Entree(l, "dico", 19, "dix", "dict", "dire");
  Entree(l, "dico", 17, "dicau", "dicat", "consacrer");
  l.IndexeRadicaux();
  const std::vector<int> dix = l.Radicaux2.EntreesDe("dix");
  ASSERT_EQ(dix.size(), 1u);
  EXPECT_EQ(l.Objet(dix[0]).Sens, "dire");
  const std::vector<int> dicat = l.Radicaux3.EntreesDe("dicat");
  ASSERT_EQ(dicat.size(), 1u);
  EXPECT_EQ(l.Objet(dicat[0]).Sens, "consacrer");
}

TEST(Lexique, HomographesDeMemeModeleTousAtteints) {
  TLexique l;
  Entree(l, "populus", 1, "", "", "peuple");
  Entree(l, "populus", 1, "", "", "peuplier");
  Entree(l, "populus", 2, "", "", "autre");
  Entree(l, "Populus", 1, "", "", "nom propre");
  l.IndexeRadicaux();
  std::vector<std::string> sens;
  for (int p : l.EntreesDeModele("populus", 1)) sens.push_back(l.Objet(p).Sens);
  std::sort(sens.begin(), sens.end());
  EXPECT_EQ(sens, (std::vector<std::string>{"peuple", "peuplier"}));
  EXPECT_TRUE(l.EntreesDeModele("populus", 3).empty());
  EXPECT_TRUE(l.EntreesDeModele("popul", 1).empty());
}

TEST(Lexique, CleReconstruite) {
  EXPECT_EQ(CleReconstruite("am", 17), "amo");
  EXPECT_EQ(CleReconstruite("", 4), "um");
  EXPECT_EQ(CleReconstruite("milit", 5), std::nullopt);
  EXPECT_EQ(CleReconstruite("x", 30), std::nullopt);
}

TEST(Irreguliers, FormesFusionneesEtDefinitionsDUnLemme) {
  using namespace Trait;
  const Morpho troisiemePresent = TroisiemePersonne | Present | Indicatif | Actif;
  TListeIrreg irr;
  irr.Ajoute("est", "sum", troisiemePresent, 22);
  irr.Ajoute("Est", "edo", troisiemePresent, 19);
  irr.Ajoute("est", "sum", Nominatif, 22);
  ASSERT_EQ(irr.Count(), 1);
  EXPECT_EQ(irr.Cle(0), "est");
  EXPECT_EQ(irr.Definition(0, 1).K, "edo");
  EXPECT_EQ(irr.Definition(0, 2).Morpho, Nominatif);
  EXPECT_THROW(irr.Definition(0, 3), Erreur);
  // Definitions of one lemma are numbered across the store, in list order.
  irr.Ajoute("tuli", "fero", PremierePersonne | Singulier | Parfait | Indicatif | Actif, 19);
  irr.Ajoute("latum", "fero", Nominatif, 19);
  irr.Ajoute("ferre", "fero", Infinitif, 19);
  std::vector<std::string> lignes{"ancienne"};
  irr.IrregsK("fero", lignes);
  EXPECT_EQ(lignes, (std::vector<std::string>{
                        "ferre :  infinitif", "latum : nominatif",
                        "tuli :  1\xE8re personne singulier indicatif parfait actif"}));
  ASSERT_NE(irr.DefKNum("fero", 1), nullptr);
  EXPECT_EQ(irr.DefKNum("fero", 1)->Morpho, Nominatif);
  EXPECT_EQ(irr.GraphieFNum("fero", 1), "latum");
  EXPECT_EQ(irr.DefKNum("fero", 3), nullptr);
  EXPECT_EQ(irr.GraphieFNum("fero", 3), "");
  EXPECT_EQ(irr.DefKNum("fero", -1), nullptr);
  irr.DeleteKF("fero", 1);  // the form goes with its last definition
  irr.DeleteKF("fero", 7);
  EXPECT_EQ(irr.Count(), 3);
  EXPECT_EQ(irr.GraphieFNum("fero", 1), "tuli");
}
