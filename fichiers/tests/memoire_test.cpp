// Each allocation of a load of the window's files made to fail in turn:
// the load must fail with a French Erreur, never let std::bad_alloc out.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "fichiers/fichier_ini.h"
#include "fichiers/notes.h"
#include "fichiers/texte_latin.h"
#include "lexical/erreur.h"
#include "tests/bornes/echec_allocation.h"

namespace {

template <class Action>
void SeulementDesErreursFrancaises(const char* quoi, Action action) {
  SCOPED_TRACE(quoi);
  EXPECT_GT(echec_allocation::SeulementDesErreursFrancaises(action, "m\xE9moire insuffisante"), 1);
}

TEST(ManqueDeMemoire, FichiersDeLaFenetre) {
  const std::string texte = ::testing::TempDir() + "memoire-texte.txt";
  std::ofstream(texte, std::ios::binary)
      << "Gallia est omnis\r\ndiuisa in partes tres\r\nauxil.,1,2,3\r\n";
  const std::string rtf = ::testing::TempDir() + "memoire-texte.rtf";
  std::ofstream(rtf, std::ios::binary) << "{\\rtf1 {\\b Gallia} est\\par omnis}";
  SeulementDesErreursFrancaises("texte", [&] { LisTexteLatin(texte); });
  SeulementDesErreursFrancaises("rtf", [&] { LisTexteLatin(rtf); });
  SeulementDesErreursFrancaises("notes lues", [&] { LisLignes(texte); });
  const std::string copie = texte + ".copie";
  const std::vector<std::string> lignes{"auxil.,1,2,3", "notes"};
  SeulementDesErreursFrancaises("notes ecrites", [&] { EcrisLignes(copie, lignes); });
  SeulementDesErreursFrancaises("trace", [&] { AjouteLigne(copie, "Marie lexique - uentus"); });
  // The configuration never throws: the reason is kept for the window.
  const std::string ini = ::testing::TempDir() + "memoire.ini";
  std::ofstream(ini, std::ios::binary) << "[Fichier]\nNom=/textes/lettre.txt\n";
  echec_allocation::ChaqueEchec([&] { TFichierIni lu(ini); },
                                [](std::exception_ptr issue) { EXPECT_FALSE(issue); });
  for (const std::string& f : {texte, rtf, ini, copie}) std::remove(f.c_str());
}

}  // namespace
