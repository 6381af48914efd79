#include "outils/lemmatise/tsv.h"

#include <cstdio>

#include "lexical/cp1252.h"
#include "morpho/lemmatise.h"

std::string VedetteDeEntree(std::string_view entree) {
  return std::string(entree.substr(0, entree.find(", ")));
}

std::string LigneTsvLecture(std::string_view formeUtf8, const TAnalyse& a, int numero) {
  std::string ligne = std::string(formeUtf8) + "\t" + Cp1252VersUtf8(VedetteDeEntree(a.Entree)) +
                      "\t" + Cp1252VersUtf8(a.Entree) + "\t";
  if (numero < 0 || numero >= static_cast<int>(a.Lectures.size())) return ligne + "\t\t";
  const TLecture& d = a.Lectures[static_cast<std::size_t>(numero)];
  char morpho[16];
  std::snprintf(morpho, sizeof morpho, "0x%X", static_cast<unsigned>(d.Morpho));
  return ligne + std::to_string(d.Modele) + "\t" + morpho + "\t" + Cp1252VersUtf8(d.Libelle(false));
}

std::vector<std::string> LignesTsv(std::string_view formeUtf8) {
  const std::string forme(formeUtf8);
  const auto liste = Lemmatise(Utf8VersCp1252(formeUtf8));
  if (!liste) return {forme + "\t?\t\t\t\t"};
  std::vector<std::string> lignes;
  for (int i = 0; i < liste->Count(); ++i) {
    const TAnalyse& a = liste->Analyse(i);
    if (a.Lectures.empty()) lignes.push_back(LigneTsvLecture(forme, a, -1));
    for (int j = 0; j < static_cast<int>(a.Lectures.size()); ++j)
      lignes.push_back(LigneTsvLecture(forme, a, j));
  }
  return lignes;
}
