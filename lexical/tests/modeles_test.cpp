// The table of the models, and the Python module that every generator of
// data/ imports (outils/donnees/modeles.py): a model renamed, an ending
// changed or a stem listed on one side only would make the generated sources
// disagree with the analysis.
#include "lexical/modeles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// What the module prints run as a script: one line a model, "number, name,
// part of speech, citation ending, 1 when stem 1 is listed", tab-separated.
std::string TableDuModule() {
  const std::string commande =
      std::string("\"") + LECTURIEL_PYTHON + "\" \"" + LECTURIEL_OUTILS_DONNEES + "/modeles.py\"";
  std::unique_ptr<FILE, int (*)(FILE*)> sortie(popen(commande.c_str(), "r"), pclose);
  EXPECT_TRUE(sortie) << commande;
  std::string texte;
  if (!sortie) return texte;
  char tampon[256];
  for (std::size_t n; (n = std::fread(tampon, 1, sizeof tampon, sortie.get())) > 0;)
    texte.append(tampon, n);
  return texte;
}

std::string TableDuCode() {
  std::string texte;
  for (int i = 0; i < NombreModeles; ++i) {
    const TModele& m = FicheModele(i);
    texte += std::to_string(i) + '\t' + std::string(m.Nom) + '\t' +
             std::string(NomsParties[static_cast<std::size_t>(m.Partie)]) + '\t' +
             std::string(m.FinCitation) + '\t' + (m.RadicalUnListe ? "1" : "0") + '\n';
  }
  return texte;
}

}  // namespace

TEST(Modeles, LaFinDeCitationTermineLeNomDuModele) {
  // The type word is itself a headword: its stem 1 and the ending give it back.
  for (int i = 0; i < NombreModeles; ++i) {
    const TModele& m = FicheModele(i);
    if (!m.FinCitation.empty()) {
      EXPECT_TRUE(m.Nom.ends_with(m.FinCitation)) << m.Nom;
    }
    // A headword is either rebuilt from its stem 1 or found by a listed one,
    // except for the pronouns and the invariables, whose forms are listed.
    const bool sansRadicalUn = m.Partie == Partie::Pronom || m.Partie == Partie::Invariable;
    EXPECT_NE(m.FinCitation.empty() && !m.RadicalUnListe, !sansRadicalUn) << m.Nom;
  }
  EXPECT_EQ(FicheModele(ModeleInvariable).LectureVedette, 0u);
  EXPECT_EQ(FicheModele(NombreModeles).Partie, Partie::Aucune);
  EXPECT_TRUE(FicheModele(-1).FinCitation.empty());
}

TEST(Modeles, LeModulePythonDesGenerateursDitLaMemeTable) {
  EXPECT_EQ(TableDuModule(), TableDuCode());
}
