// lemmatise: the Latin analysis of Lecturiel on the command line, over the
// same code and the same quirandole.lex as the reading window.
// Arguments, standard input and output are UTF-8; the core works in
// Windows-1252.
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

// What the command line asks for, filled in by the options' handlers.
struct TDemande {
  std::string Lexique = CheminLexiqueParDefaut();
  std::string Commande;  // "--tsv", "--liens"...; empty: analyse the operands
  bool Contexte = false;
  std::vector<std::string> Operandes;
  TOptionsVocabulaire Vocabulaire;
  bool OptionsVocabulaire = false;  // one was given: only --vocabulaire takes them
  int Manques = 50;
};

// An option that is not a command: its name, what is said when the value it
// takes is missing (null when it takes none), and its handler, which fills
// the request from the value, or ends the program with the status it gives.
struct TOption {
  std::string_view Nom;
  const char* ValeurManquante;
  std::optional<int> (*Traite)(TDemande& d, const std::string& valeur);
};

std::optional<int> Aide(TDemande&, const std::string&) {
  std::cout << Usage;
  return 0;
}

const TOption Options[] = {
    {"--lexique", "--lexique demande un nom de fichier",
     [](TDemande& d, const std::string& valeur) -> std::optional<int> {
       d.Lexique = valeur;
       return std::nullopt;
     }},
    {"--manques", "--manques demande un nombre",
     [](TDemande& d, const std::string& nombre) -> std::optional<int> {
       const std::optional<int> lu = LisEntier(nombre);
       if (nombre.size() > 6 || nombre.find_first_not_of("0123456789") != std::string::npos || !lu)
         return ErreurUsage("--manques demande un nombre : " + nombre);
       d.Manques = *lu;
       return std::nullopt;
     }},
    {"--contexte", nullptr,
     [](TDemande& d, const std::string&) -> std::optional<int> {
       d.Contexte = true;
       return std::nullopt;
     }},
    {"--aide", nullptr, Aide},
    {"-h", nullptr, Aide},
    {"--help", nullptr, Aide},
    {"--ordre", "--ordre demande alpha, texte ou frequence",
     [](TDemande& d, const std::string& o) -> std::optional<int> {
       if (o == "alpha")
         d.Vocabulaire.Ordre = OrdreVocabulaire::Alpha;
       else if (o == "texte")
         d.Vocabulaire.Ordre = OrdreVocabulaire::Texte;
       else if (o == "frequence" || o == "fréquence")
         d.Vocabulaire.Ordre = OrdreVocabulaire::Frequence;
       else
         return ErreurUsage("--ordre demande alpha, texte ou frequence, pas : " + o);
       d.OptionsVocabulaire = true;
       return std::nullopt;
     }},
    {"--sans-frequents", "--sans-frequents demande un nombre",
     [](TDemande& d, const std::string& n) -> std::optional<int> {
       const std::optional<int> valeur = LisEntier(n);
       if (!valeur || *valeur < 0)
         return ErreurUsage("--sans-frequents demande un nombre positif, pas : " + n);
       d.Vocabulaire.SansFrequents = *valeur;
       d.OptionsVocabulaire = true;
       return std::nullopt;
     }},
    {"--inconnus", nullptr,
     [](TDemande& d, const std::string&) -> std::optional<int> {
       d.Vocabulaire.Inconnus = true;
       d.OptionsVocabulaire = true;
       return std::nullopt;
     }},
};

// A command: its option (empty: the words themselves), whether it goes with
// --contexte, how many operands it takes and what is said otherwise, what it
// needs loaded first, and what it does. A command left out of the table
// does not go with --contexte.
struct TCommande {
  std::string_view Nom;
  bool Contexte;
  std::size_t Minimum, Maximum;
  const char* OperandesFausses;
  bool Lexique, Modele;
  int (*Lance)(const TDemande& d, const TModeleContexte* modele);
};

constexpr std::size_t Illimite = std::numeric_limits<std::size_t>::max();

const TCommande Commandes[] = {
    {"", false, 1, Illimite, "aucun mot à analyser", true, false,
     [](const TDemande& d, const TModeleContexte*) {
       for (const std::string& mot : d.Operandes)
         for (const std::string& l : LignesAnalyses(mot)) std::cout << l << "\n";
       return 0;
     }},
    {"--tsv", false, 0, 0, "--tsv lit les mots sur l'entrée standard", true, false,
     [](const TDemande&, const TModeleContexte*) {
       std::string ligne;
       while (LisLigne(std::cin, ligne))
         for (const std::string& l : LignesTsv(ligne)) std::cout << l << "\n";
       return 0;
     }},
    {"--liens", false, 2, 2, "--liens demande deux mots", true, false,
     [](const TDemande& d, const TModeleContexte*) {
       const std::string m1 = Utf8VersCp1252(d.Operandes[0]), m2 = Utf8VersCp1252(d.Operandes[1]);
       Ecris(TLienSyntaxique(m1, m2).Liens());
       Ecris(TLienSyntaxique(m2, m1).Liens());
       return 0;
     }},
    {"--couverture", false, 1, Illimite,
     "--couverture demande au moins un fichier (CoNLL-U ou liste de formes)", true, true,
     [](const TDemande& d, const TModeleContexte* modele) {
       RapportCouverture(d.Operandes, std::cout, d.Manques);
       RapportCouvertureContexte(modele, d.Operandes, std::cout);
       return 0;
     }},
    {"--traduction", false, 1, 1, "--traduction demande un mot", true, false,
     [](const TDemande& d, const TModeleContexte*) {
       return CommandeTraduction(d.Operandes[0], std::cout);
     }},
    {"--conjugue", false, 1, 1, "--conjugue demande un mot", false, false,
     [](const TDemande& d, const TModeleContexte*) {
       return CommandeConjugue(d.Operandes[0], std::cout);
     }},
    {"--vocabulaire", false, 1, 1, "--vocabulaire demande un fichier texte", true, true,
     [](const TDemande& d, const TModeleContexte* modele) {
       TOptionsVocabulaire options = d.Vocabulaire;
       options.CheminRangs = CheminRangsPres(d.Lexique);
       options.Contexte = modele;
       return CommandeVocabulaire(d.Operandes[0], options, std::cout);
     }},
    {"--flexion", false, 1, 1, "--flexion demande un mot", true, false,
     [](const TDemande& d, const TModeleContexte*) {
       return CommandeFlexion(d.Operandes[0], std::cout);
     }},
    {"", true, 1, 1, "--contexte va avec --tsv, ou avec un fichier texte", true, true,
     [](const TDemande& d, const TModeleContexte* modele) {
       return CommandeContexteTexte(modele, d.Operandes[0], std::cout);
     }},
    {"--tsv", true, 0, 0, "--tsv lit les mots sur l'entrée standard", true, true,
     [](const TDemande&, const TModeleContexte* modele) {
       return CommandeContexteTsv(modele, std::cin, std::cout);
     }},
};

const TOption* OptionNommee(std::string_view nom) {
  for (const TOption& o : Options)
    if (o.Nom == nom) return &o;
  return nullptr;
}

const TCommande* CommandeDe(std::string_view nom, bool contexte) {
  for (const TCommande& c : Commandes)
    if (c.Nom == nom && c.Contexte == contexte) return &c;
  return nullptr;
}

// The status of the command once its lexicon and model are loaded.
int Lance(const TCommande& commande, const TDemande& d) {
  if (commande.Lexique) {
    try {
      // A checksum that does not match is said once; the analysis goes on.
      if (ChargeLexique(d.Lexique) == EtatEmpreinte::Fausse)
        std::cerr << "lemmatise : " << Cp1252VersUtf8(AvertissementEmpreinte(d.Lexique)) << "\n";
    } catch (const Erreur& e) {
      std::cerr << "lemmatise : lexique illisible (" << d.Lexique << ") : " << e.MessageUtf8()
                << "\n";
      return 3;
    }
  }
  std::unique_ptr<TModeleContexte> modele;
  if (commande.Modele) {
    std::string message;
    modele = ChargeContexte(d.Lexique, message);
    if (!modele) std::cerr << "lemmatise : " << Cp1252VersUtf8(message) << "\n";
  }
  return commande.Lance(d, modele.get());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  TDemande d;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (const TOption* option = OptionNommee(a)) {
      std::string valeur;
      if (option->ValeurManquante) {
        if (i + 1 >= args.size()) return ErreurUsage(option->ValeurManquante);
        valeur = args[++i];
      }
      if (const std::optional<int> statut = option->Traite(d, valeur)) return *statut;
    } else if (!a.empty() && CommandeDe(a, false)) {
      if (!d.Commande.empty()) return ErreurUsage("une seule commande à la fois");
      d.Commande = a;
    } else if (a == "--") {
      d.Operandes.insert(d.Operandes.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return ErreurUsage("option inconnue : " + a);
    } else {
      d.Operandes.push_back(a);
    }
  }

  const TCommande* commande = CommandeDe(d.Commande, d.Contexte);
  if (!commande) return ErreurUsage("--contexte va avec --tsv, ou avec un fichier texte");
  const std::size_t n = d.Operandes.size();
  if (n < commande->Minimum || n > commande->Maximum)
    return ErreurUsage(commande->OperandesFausses);
  if (d.OptionsVocabulaire && d.Commande != "--vocabulaire")
    return ErreurUsage("--ordre, --sans-frequents et --inconnus vont avec --vocabulaire");

  try {
    return Lance(*commande, d);
  } catch (const Erreur& e) {
    std::cerr << "lemmatise : " << e.MessageUtf8() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "lemmatise : erreur inattendue : " << e.what() << "\n";
    return 1;
  }
}
