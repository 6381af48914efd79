// The --vocabulaire and --flexion commands on the small lexicon of
// vocabulaire.tsv, case by case from its fixture: the orders, the rank file,
// unknown words, a text with vowel quantities, and the failures; what the
// analysis of a word writes to the terminal.
#include "outils/lemmatise/commandes_vocabulaire.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lexical/tests/fixture.h"
#include "outils/lemmatise/terminal.h"

TEST(CommandesVocabulaire, CasDeLaFixture) {
  const std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/vocabulaire.tsv");
  TLexiqueDeFixture lexique(cas);
  TDossierDeTest dossier;
  const auto vocabulaire = [&](const TCas& c) {
    TOptionsVocabulaire options;
    std::istringstream mots(c[0]);
    for (std::string mot; mots >> mot;) {
      if (mot == "texte") options.Ordre = OrdreVocabulaire::Texte;
      if (mot == "inconnus") options.Inconnus = true;
      if (mot == "sans-frequents") {
        mots >> options.SansFrequents;
        options.CheminRangs = dossier.Ecris("rangs.txt", "1\tet\tinvaria\n2\trosa\tuita\n");
      }
    }
    const bool absent = c[0].ends_with("absent");
    if (absent && options.SansFrequents) options.CheminRangs = dossier.Chemin("absent-rangs.txt");
    const std::string texte =
        absent && !options.SansFrequents ? dossier.Chemin("absent.txt") : dossier.Ecris("t", c[1]);
    std::ostringstream sortie;
    try {
      EXPECT_EQ(CommandeVocabulaire(texte, options, sortie), 0) << c.Lieu;
    } catch (const Erreur& e) {
      std::string message = e.what();
      message.replace(message.find(dossier.Racine.string()), dossier.Racine.string().size(), "D");
      return "! " + message + sortie.str();
    }
    return sortie.str();
  };
  const auto analyses = [](const TCas& c) {
    std::string lignes;
    for (const std::string& l : LignesAnalyses(c.Octets(0))) lignes += l + "\n";
    return lignes;
  };
  VerifieFixture(cas, {{"vocabulaire", vocabulaire},
                       {"flexion",
                        [](const TCas& c) {
                          std::ostringstream sortie;
                          const int code = CommandeFlexion(c[0], sortie);
                          return std::to_string(code) + " " + sortie.str();
                        }},
                       {"analyses", analyses},
                       {"visible", [](const TCas& c) { return Visible(c.Octets(0)); }}});
}
