// The analysis list on its own: merging of headings, readings kept or not,
// and the three text layouts.
#include "morpho/analyses.h"

#include <gtest/gtest.h>

#include "lexical/modeles.h"
#include "lexical/tests/fixture.h"

using namespace traits;

namespace {
using Lignes = std::vector<std::string>;
const TDonneesLexicales SansGenre{};
}  // namespace

TEST(ListeAnalyses, VedettesEgalesAuxCapitalesPresFusionnees) {
  TListeAnalyses liste("roma");
  liste.Ajoute("zeta, z", 0, Nom | Sg, SansGenre);
  liste.Ajoute("roma, ville", ModeleInvariable, 0, SansGenre);  // invariable: no reading
  liste.Ajoute("roma, ville", 0, Nom | Sg, SansGenre);
  liste.Ajoute("Roma, ville", 0, Abl | Sg, SansGenre);
  ASSERT_EQ(liste.Count(), 2);
  // The position stays that of the first heading, the text is the latest.
  EXPECT_EQ(liste.Cle(0), "roma, ville");
  EXPECT_EQ(liste.Analyse(0).Entree, "Roma, ville");
  EXPECT_EQ(liste.Analyse(0).Forme, "roma");
  EXPECT_EQ(liste.Analyse(0).Lectures, (TListeLectures{{0, 0, Nom | Sg}, {0, 0, Abl | Sg}}));
  EXPECT_EQ(liste.Analyse(0).Lecture(2), nullptr);
  EXPECT_EQ(liste.Analyse(0).Lecture(-1), nullptr);
}

TEST(ListeAnalyses, GenreDeLEntreeEtDispositionsDesLignes) {
  TListeAnalyses genres("x");
  const auto entree = [](Genre::TGenre genre) {
    TDonneesLexicales e;
    e.Genre = genre;
    return e;
  };
  genres.Ajoute("x, x", 4, 0, entree(Genre::Neutre));
  genres.Ajoute("x, x", 4, Nom | Sg, entree(Genre::Masculin));
  genres.Ajoute("x, x", 4, Nom | Sg, entree(static_cast<Genre::TGenre>(7)));  // not a gender
  EXPECT_EQ(genres.Lignes(Disposition::Complete),
            (Lignes{"x", "  x, x", "     neutre", "    nominatif masculin singulier",
                    "    nominatif singulier"}));
  TListeAnalyses liste("et");
  liste.Ajoute("et, et", ModeleInvariable, 0, SansGenre);
  liste.Ajoute("amo, aimer", 17, P1 | Sg | Pres | Ind | Actif, SansGenre);
  EXPECT_EQ(liste.Lignes(Disposition::FormeEtEntetes), (Lignes{"et", " amo, aimer", " et, et"}));
  EXPECT_EQ(liste.Lignes(Disposition::Entetes), (Lignes{" amo, aimer", " et, et"}));
  EXPECT_EQ(liste.Lignes(Disposition::Complete),
            (Lignes{"et", "  amo, aimer",
                    "     1\xE8re personne singulier indicatif pr\xE9sent actif", "  et, et"}));
  TListeAnalyses vide("xyz");
  EXPECT_EQ(vide.Lignes(Disposition::FormeEtEntetes), (Lignes{"xyz", "xyz ?"}));
  EXPECT_EQ(vide.Lignes(Disposition::Entetes), (Lignes{"xyz ?"}));
  EXPECT_EQ(vide.Lignes(Disposition::Complete), (Lignes{"xyz", "xyz ?"}));
}

TEST(ListeAnalyses, FusionGardeLesPremieresVedettesEtAjouteLesLecturesNouvelles) {
  TListeAnalyses a("Liber"), b("liber");
  a.Ajoute("Liber, dieu", 2, Nom | Sg, SansGenre);
  b.Ajoute("liber, livre", 3, Nom | Sg, SansGenre);
  b.Ajoute("LIBER, DIEU", 2, Acc | Sg, SansGenre);
  b.Ajoute("LIBER, DIEU", 2, Nom | Sg, SansGenre);
  a.Fusionne(b);
  ASSERT_EQ(a.Count(), 2);
  // The heading and form of the first list stay; the reading it lacked
  // comes after its own, the one it had is not repeated.
  EXPECT_EQ(a.Analyse(0).Entree, "Liber, dieu");
  EXPECT_EQ(a.Analyse(0).Lectures, (TListeLectures{{2, 0, Nom | Sg}, {2, 0, Acc | Sg}}));
  EXPECT_EQ(a.Analyse(1).Forme, "liber");
  EXPECT_EQ(b.Count(), 0);
}
