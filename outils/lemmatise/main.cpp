// lemmatise: the Latin analysis of Lecturiel on the command line, over the
// same code and the same quirandole.lex as the reading window.
// Arguments, standard input and output are UTF-8; the core works in
// Windows-1252.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/entier.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/stores.h"
#include "morpho/contexte.h"
#include "morpho/lemmatise.h"
#include "morpho/rangs_frequence.h"
#include "outils/lemmatise/commandes_contexte.h"
#include "outils/lemmatise/commandes_flexion.h"
#include "outils/lemmatise/commandes_vocabulaire.h"
#include "outils/lemmatise/couverture.h"
#include "outils/lemmatise/terminal.h"
#include "outils/lemmatise/tsv.h"
#include "syntaxe/lien_syntaxique.h"

namespace {

constexpr const char* Usage =
    "Usage :\n"
    "  lemmatise [--lexique FICHIER] MOT...                 analyses de chaque mot\n"
    "  lemmatise [--lexique FICHIER] --tsv                  un mot par ligne sur l'entrée "
    "standard,\n"
    "                                                       une ligne séparée par des tabulations "
    "par lecture\n"
    "  lemmatise [--lexique FICHIER] --liens MOT1 MOT2      liens syntaxiques dans les deux sens\n"
    "  lemmatise [--lexique FICHIER] --couverture F.conllu... couverture d'un corpus "
    "arboré\n"
    "  lemmatise [--lexique FICHIER] --couverture formes.tsv... part des occurrences "
    "analysées\n"
    "                                                       (colonnes forme, occurrences)\n"
    "     --manques N : nombre de lemmes ou de formes manqués affichés (50)\n"
    "  lemmatise [--lexique FICHIER] --traduction MOT       traduction française des analyses\n"
    "  lemmatise --conjugue INFINITIF                       conjugaison d'un verbe français\n"
    "  lemmatise [--lexique FICHIER] --vocabulaire FICHIER  vocabulaire d'un texte (UTF-8,\n"
    "      [--ordre alpha|texte|frequence]                  Windows-1252 ou RTF) : une ligne par\n"
    "      [--sans-frequents N] [--inconnus]                vedette avec son sens et ses "
    "occurrences ;\n"
    "                                                       alpha, ordre du texte, ou les plus\n"
    "                                                       fréquentes dans le texte "
    "d'abord ;\n"
    "                                                       sans les N vedettes les plus "
    "fréquentes\n"
    "                                                       du latin classique (rangs.txt) ; ou "
    "les\n"
    "                                                       mots non analysés\n"
    "  lemmatise [--lexique FICHIER] --flexion MOT          tableaux de flexion des vedettes du "
    "mot\n"
    "  lemmatise [--lexique FICHIER] --contexte --tsv       comme --tsv, une ligne vide entre les\n"
    "                                                       phrases : numéro du mot, lectures la\n"
    "                                                       plus probable d'abord, probabilité\n"
    "  lemmatise [--lexique FICHIER] --contexte FICHIER     chaque mot d'un texte avec sa lecture\n"
    "                                                       la plus probable dans sa phrase\n"
    "Le lexique par défaut est quirandole.lex, à côté du programme.\n";

int ErreurUsage(const std::string& message) {
  std::cerr << "lemmatise : " << message << "\n" << Usage;
  return 2;
}

void Ecris(const std::vector<std::string>& lignes) {
  for (const std::string& l : lignes) std::cout << Visible(Cp1252VersUtf8(l)) << "\n";
}

int Analyses(const std::vector<std::string>& mots) {
  for (const std::string& mot : mots)
    for (const std::string& l : LignesAnalyses(mot)) std::cout << l << "\n";
  return 0;
}

int Tsv() {
  std::string ligne;
  while (LisLigne(std::cin, ligne)) {
    for (const std::string& l : LignesTsv(ligne)) std::cout << l << "\n";
  }
  return 0;
}

int Liens(const std::string& mot1, const std::string& mot2) {
  const std::string m1 = Utf8VersCp1252(mot1), m2 = Utf8VersCp1252(mot2);
  Ecris(TLienSyntaxique(m1, m2).Liens());
  Ecris(TLienSyntaxique(m2, m1).Liens());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string lexique = CheminLexiqueParDefaut();
  std::string commande;
  std::vector<std::string> operandes;
  TOptionsVocabulaire vocabulaire;
  bool optionsVocabulaire = false;
  int manques = 50;
  bool contexte = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--lexique") {
      if (i + 1 >= args.size()) return ErreurUsage("--lexique demande un nom de fichier");
      lexique = args[++i];
    } else if (a == "--manques") {
      if (i + 1 >= args.size()) return ErreurUsage("--manques demande un nombre");
      const std::string& nombre = args[++i];
      const std::optional<int> lu = LisEntier(nombre);
      if (nombre.size() > 6 || nombre.find_first_not_of("0123456789") != std::string::npos || !lu)
        return ErreurUsage("--manques demande un nombre : " + nombre);
      manques = *lu;
    } else if (a == "--contexte") {
      contexte = true;
    } else if (a == "--aide" || a == "-h" || a == "--help") {
      std::cout << Usage;
      return 0;
    } else if (a == "--ordre") {
      if (i + 1 >= args.size()) return ErreurUsage("--ordre demande alpha, texte ou frequence");
      const std::string& o = args[++i];
      if (o == "alpha")
        vocabulaire.Ordre = OrdreVocabulaire::Alpha;
      else if (o == "texte")
        vocabulaire.Ordre = OrdreVocabulaire::Texte;
      else if (o == "frequence" || o == "fréquence")
        vocabulaire.Ordre = OrdreVocabulaire::Frequence;
      else
        return ErreurUsage("--ordre demande alpha, texte ou frequence, pas : " + o);
      optionsVocabulaire = true;
    } else if (a == "--sans-frequents") {
      if (i + 1 >= args.size()) return ErreurUsage("--sans-frequents demande un nombre");
      const std::string& n = args[++i];
      const std::optional<int> valeur = LisEntier(n);
      if (!valeur || *valeur < 0)
        return ErreurUsage("--sans-frequents demande un nombre positif, pas : " + n);
      vocabulaire.SansFrequents = *valeur;
      optionsVocabulaire = true;
    } else if (a == "--inconnus") {
      vocabulaire.Inconnus = true;
      optionsVocabulaire = true;
    } else if (a == "--tsv" || a == "--liens" || a == "--couverture" || a == "--traduction" ||
               a == "--conjugue" || a == "--vocabulaire" || a == "--flexion") {
      if (!commande.empty()) return ErreurUsage("une seule commande à la fois");
      commande = a;
    } else if (a == "--") {
      operandes.insert(operandes.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return ErreurUsage("option inconnue : " + a);
    } else {
      operandes.push_back(a);
    }
  }

  const std::size_t n = operandes.size();
  if (contexte && !(commande == "--tsv" || (commande.empty() && n == 1)))
    return ErreurUsage("--contexte va avec --tsv, ou avec un fichier texte");
  if (commande.empty() && n == 0) return ErreurUsage("aucun mot à analyser");
  if (commande == "--tsv" && n != 0) return ErreurUsage("--tsv lit les mots sur l'entrée standard");
  if (commande == "--liens" && n != 2) return ErreurUsage("--liens demande deux mots");
  if (commande == "--couverture" && n == 0)
    return ErreurUsage("--couverture demande au moins un fichier (CoNLL-U ou liste de formes)");
  if ((commande == "--traduction" || commande == "--conjugue" || commande == "--flexion") && n != 1)
    return ErreurUsage(commande + " demande un mot");
  if (commande == "--vocabulaire" && n != 1)
    return ErreurUsage("--vocabulaire demande un fichier texte");
  if (optionsVocabulaire && commande != "--vocabulaire")
    return ErreurUsage("--ordre, --sans-frequents et --inconnus vont avec --vocabulaire");

  try {
    if (commande == "--conjugue") return CommandeConjugue(operandes[0], std::cout);
    try {
      // A checksum that does not match is said once; the analysis goes on.
      if (ChargeLexique(lexique) == EtatEmpreinte::Fausse)
        std::cerr << "lemmatise : " << Cp1252VersUtf8(AvertissementEmpreinte(lexique)) << "\n";
    } catch (const Erreur& e) {
      std::cerr << "lemmatise : lexique illisible (" << lexique << ") : " << e.MessageUtf8()
                << "\n";
      return 3;
    }
    std::unique_ptr<TModeleContexte> modele;
    if (contexte || commande == "--couverture" || commande == "--vocabulaire") {
      std::string message;
      modele = ChargeContexte(lexique, message);
      if (!modele) std::cerr << "lemmatise : " << Cp1252VersUtf8(message) << "\n";
    }
    if (contexte && commande.empty())
      return CommandeContexteTexte(modele.get(), operandes[0], std::cout);
    if (contexte) return CommandeContexteTsv(modele.get(), std::cin, std::cout);
    if (commande.empty()) return Analyses(operandes);
    if (commande == "--tsv") return Tsv();
    if (commande == "--liens") return Liens(operandes[0], operandes[1]);
    if (commande == "--vocabulaire") {
      vocabulaire.CheminRangs = CheminRangsPres(lexique);
      vocabulaire.Contexte = modele.get();
      return CommandeVocabulaire(operandes[0], vocabulaire, std::cout);
    }
    if (commande == "--flexion") return CommandeFlexion(operandes[0], std::cout);
    if (commande == "--couverture") {
      RapportCouverture(operandes, std::cout, manques);
      RapportCouvertureContexte(modele.get(), operandes, std::cout);
      return 0;
    }
    return CommandeTraduction(operandes[0], std::cout);
  } catch (const Erreur& e) {
    std::cerr << "lemmatise : " << e.MessageUtf8() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "lemmatise : erreur inattendue : " << e.what() << "\n";
    return 1;
  }
}
