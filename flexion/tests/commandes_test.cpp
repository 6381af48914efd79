// The French-generation commands of the lemmatise tool, as a script reads
// them (one labelled UTF-8 line per form, an exit code), case by case from
// aides.tsv.
#include <gtest/gtest.h>

#include <sstream>

#include "lexical/tests/fixture.h"
#include "outils/lemmatise/commandes_flexion.h"

TEST(CommandesFlexion, CasDeLaFixture) {
  std::vector<TCas> cas = LisFixture(LECTURIEL_FIXTURES "/aides.tsv");
  TLexiqueDeFixture lexique(cas);
  std::erase_if(cas, [](const TCas& c) { return c.Section == "aides"; });
  // The exit code, then the output when `tout` or the command failed.
  const auto sortie = [](auto commande, const std::string& mot, bool tout) {
    std::ostringstream texte;
    const int code = commande(mot, texte);
    return std::to_string(code) + (code || tout ? " " + texte.str() : "");
  };
  VerifieFixture(
      cas,
      {{"conjugue-contient",
        [&](const TCas& c) {
          const std::string texte = "\n" + sortie(CommandeConjugue, c[0], true).substr(2);
          const std::string cherche = c.Octets(1);
          const bool trouve = cherche.starts_with("^") ? texte.starts_with("\n" + cherche.substr(1))
                                                       : texte.find(cherche) != std::string::npos;
          return trouve ? "oui" : "non";
        }},
       {"conjugue", [&](const TCas& c) { return sortie(CommandeConjugue, c.Octets(0), false); }},
       {"traduction", [&](const TCas& c) { return sortie(CommandeTraduction, c[0], true); }}});
}
