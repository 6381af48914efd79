#include "outils/lemmatise/tsv.h"

#include <cstdio>

#include "lexical/cp1252.h"
#include "morpho/lemmatise.h"

std::string VedetteDeEntree(std::string_view entree) {
  return std::string(entree.substr(0, entree.find(", ")));
}

std::vector<std::string> LignesTsv(std::string_view formeUtf8) {
  const std::string forme(formeUtf8);
  bool trouve = false;
  auto liste = Lemmatise(Utf8VersCp1252(formeUtf8), trouve);
  if (!trouve) return {forme + "\t?\t\t\t\t"};
  std::vector<std::string> lignes;
  for (int i = 0; i < liste->Count(); ++i) {
    const TAnalyse& a = liste->Analyse(i);
    const std::string debut = forme + "\t" + Cp1252VersUtf8(VedetteDeEntree(a.Entree)) + "\t" +
                              Cp1252VersUtf8(a.Entree) + "\t";
    if (a.Numeros.empty()) {
      lignes.push_back(debut + "\t\t");
      continue;
    }
    for (const TDef& d : a.Numeros) {
      char morpho[16];
      std::snprintf(morpho, sizeof morpho, "0x%X", static_cast<unsigned>(d.Morpho));
      lignes.push_back(debut + std::to_string(d.Modele) + "\t" + morpho + "\t" +
                       Cp1252VersUtf8(d.Libelle(false)));
    }
  }
  return lignes;
}
