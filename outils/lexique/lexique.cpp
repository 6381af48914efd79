// lexique: the command-line view of quirandole.lex over the lexical library.
//   lexique verifie FICHIER.lex          load it and print the three counts
//   lexique copie ENTREE.lex SORTIE.lex  load and write again (new file)
//   lexique compile DOSSIER SORTIE.lex   text sources -> lexicon file
//   lexique texte FICHIER.lex DOSSIER    lexicon file -> text sources
// Counts go to standard output, errors and warnings to standard error, in
// UTF-8; any failure exits with 1. `verifie` fails on a checksum that does
// not match; `copie` and `texte` warn and go on, so that what is left of a
// damaged file can still be saved.
#include <iostream>
#include <string>
#include <string_view>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/sources.h"
#include "lexical/stores.h"

namespace {

int Usage() {
  std::cerr << "usage : lexique verifie FICHIER.lex\n"
               "        lexique copie ENTREE.lex SORTIE.lex\n"
               "        lexique compile DOSSIER SORTIE.lex\n"
               "        lexique texte FICHIER.lex DOSSIER\n";
  return 2;
}

// Command-line paths come in the terminal's UTF-8; the library speaks cp1252
// only in its messages, so paths are passed through as they are.
// Loads the file, and says when its checksum does not match.
bool Charge(const std::string& chemin) {
  if (ChargeLexique(chemin) != EtatEmpreinte::Fausse) return true;
  std::cerr << Cp1252VersUtf8(AvertissementEmpreinte(chemin)) << '\n';
  return false;
}

int Execute(std::string_view commande, const std::string& a, const std::string& b) {
  if (commande == "verifie") {
    if (!Charge(a)) return 1;
    std::cout << "lexique " << Lexique->Count() << ", desinences " << Desinences->Count()
              << ", irreguliers " << Irreguliers->Count() << '\n';
  } else if (commande == "copie") {
    Charge(a);
    EcrisStores(b);
  } else if (commande == "compile") {
    TStoresSources stores = LisSources(a);
    EcrisFichierLexique(b, *stores.Lexique, *stores.Desinences, *stores.Irreguliers);
    std::cout << "lexique " << stores.Lexique->Count() << ", desinences "
              << stores.Desinences->Count() << ", irreguliers " << stores.Irreguliers->Count()
              << '\n';
  } else if (commande == "texte") {
    Charge(a);
    EcrisSources(*Lexique, *Desinences, *Irreguliers, b);
  } else {
    return Usage();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view commande = argv[1];
  const int attendus = commande == "verifie" ? 3 : 4;
  if (argc != attendus) return Usage();
  try {
    return Execute(commande, argv[2], attendus == 4 ? argv[3] : std::string());
  } catch (const Erreur& e) {
    std::cerr << e.MessageUtf8() << '\n';
    return 1;
  } catch (const std::exception& e) {
    std::cerr << Cp1252VersUtf8(e.what()) << '\n';
    return 1;
  }
}
