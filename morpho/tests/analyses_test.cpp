// The analysis list on its own: merging of headings, readings kept or not,
// and the three text layouts.
#include "morpho/analyses.h"

#include <gtest/gtest.h>

#include "petit_lexique.h"

using namespace traits;

namespace {
TDonneesLexicales EntreeDeGenre(int genre) {
  TDonneesLexicales e;
  e.Genre = genre;
  return e;
}
using Lignes = std::vector<std::string>;
}  // namespace

TEST(ListeAnalyses, UnInvariableEtUnVerbeSousLaMemeVedetteDonnentUneLecture) {
  TListeAnalyses liste("cum");
  liste.Ajoute("cum, avec", 30, 0, EntreeDeGenre(-1));
  EXPECT_TRUE(liste.Trouve);
  ASSERT_EQ(liste.Count(), 1);
  EXPECT_EQ(liste.Analyse(0).Numero(0), nullptr);
  liste.Ajoute("cum, avec", 17, P1 | Sg, EntreeDeGenre(-1));
  ASSERT_EQ(liste.Count(), 1);
  ASSERT_EQ(liste.Analyse(0).Numeros.size(), 1u);
  EXPECT_EQ(liste.Analyse(0).Numero(0)->Modele, 17);
  EXPECT_EQ(liste.Analyse(0).Numero(0)->Radical, 0);
  EXPECT_EQ(liste.Analyse(0).Numero(1), nullptr);
  EXPECT_EQ(liste.Analyse(0).Numero(-1), nullptr);
}

TEST(ListeAnalyses, VedettesEgalesAuxCapitalesPresFusionnees) {
  TListeAnalyses liste("roma");
  liste.Ajoute("zeta, z", 0, Nom | Sg, EntreeDeGenre(-1));
  liste.Ajoute("roma, ville", 0, Nom | Sg, EntreeDeGenre(-1));
  liste.Ajoute("Roma, ville", 0, Abl | Sg, EntreeDeGenre(-1));
  ASSERT_EQ(liste.Count(), 2);
  // The position stays that of the first heading, the text is the latest.
  EXPECT_EQ(liste.Cle(0), "roma, ville");
  EXPECT_EQ(liste.Analyse(0).Entree, "Roma, ville");
  EXPECT_EQ(liste.Analyse(0).Numeros.size(), 2u);
  EXPECT_EQ(liste.Analyse(0).Forme, "roma");
}

TEST(ListeAnalyses, LeGenreDeLEntreeSAjouteALaLecture) {
  TListeAnalyses liste("x");
  liste.Ajoute("x, x", 4, 0, EntreeDeGenre(2));
  liste.Ajoute("x, x", 4, Nom | Sg, EntreeDeGenre(0));
  liste.Ajoute("x, x", 4, Nom | Sg, EntreeDeGenre(7));  // not a gender: nothing added
  EXPECT_EQ(liste.Lignes(2),
            (Lignes{"x", "  x, x", "     neutre", "    nominatif masculin singulier",
                    "    nominatif singulier"}));
}

TEST(ListeAnalyses, DispositionsDesLignes) {
  TListeAnalyses liste("et");
  liste.Ajoute("et, et", 30, 0, EntreeDeGenre(-1));
  liste.Ajoute("amo, aimer", 17, P1 | Sg | Pres | Ind | Actif, EntreeDeGenre(-1));
  EXPECT_EQ(liste.Lignes(0), (Lignes{"et", " amo, aimer", " et, et"}));
  EXPECT_EQ(liste.Lignes(1), (Lignes{" amo, aimer", " et, et"}));
  EXPECT_EQ(liste.Lignes(2),
            (Lignes{"et", "  amo, aimer",
                    "     1\xE8re personne singulier indicatif pr\xE9sent actif", "  et, et"}));
  EXPECT_EQ(liste.Lignes(3), (Lignes{}));
}

TEST(ListeAnalyses, ListeVideSelonLaDisposition) {
  TListeAnalyses liste("xyz");
  EXPECT_FALSE(liste.Trouve);
  EXPECT_EQ(liste.Lignes(2), (Lignes{"xyz", "xyz ?"}));
  EXPECT_EQ(liste.Lignes(0), (Lignes{"xyz", "xyz ?"}));
  EXPECT_EQ(liste.Lignes(1), (Lignes{"xyz ?"}));
}

TEST(ListeAnalyses, FusionGardeLesPremieresVedettes) {
  TListeAnalyses a("Liber"), b("liber");
  a.Ajoute("Liber, dieu", 2, Nom | Sg, EntreeDeGenre(-1));
  b.Ajoute("liber, livre", 3, Nom | Sg, EntreeDeGenre(-1));
  b.Ajoute("LIBER, DIEU", 3, Acc | Sg, EntreeDeGenre(-1));
  a.Fusionne(b);
  ASSERT_EQ(a.Count(), 2);
  EXPECT_EQ(a.Analyse(0).Entree, "Liber, dieu");
  EXPECT_EQ(a.Analyse(0).Numeros.size(), 1u);  // the duplicate heading is dropped whole
  EXPECT_EQ(a.Analyse(1).Forme, "liber");
  EXPECT_EQ(b.Count(), 0);
}
