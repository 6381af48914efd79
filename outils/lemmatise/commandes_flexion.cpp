// The French-generation commands of the lemmatise tool: the French rendering
// of a Latin word and the conjugation tables of a French verb, in UTF-8.
#include "outils/lemmatise/commandes_flexion.h"

#include <array>
#include <optional>
#include <string_view>

#include "flexion/chaines.h"
#include "flexion/flexf.h"
#include "flexion/traduction.h"
#include "lexical/cp1252.h"
#include "morpho/lemmatise.h"

namespace {

// The moods and tenses of numerotation.h in their order, as labels (UTF-8).
constexpr std::array<std::string_view, 6> NomsModesFr = {"indicatif", "subjonctif", "conditionnel",
                                                         "impératif", "infinitif",  "participe"};
constexpr std::array<std::string_view, 8> NomsTempsFr = {
    "présent",       "futur",           "imparfait",        "passé simple",
    "passé composé", "futur antérieur", "plus-que-parfait", "passé antérieur"};

// The moods with persons: the three personal ones and the imperative.
bool EstPersonnel(TModeFr mode) { return mode <= TModeFr::Imperatif; }

// Writes every form French has for the verb in one voice; false when the
// voice gives no form at all (a verb without passive).
bool EcrisVoix(const std::string& infinitif, TVoixFr voix, std::ostream& sortie) {
  bool ecrit = false;
  for (int m = 1; m <= static_cast<int>(NomsModesFr.size()); ++m)
    for (int t = 1; t <= static_cast<int>(NomsTempsFr.size()); ++t) {
      const auto mode = static_cast<TModeFr>(m);
      const auto temps = static_cast<TTempsFr>(t);
      for (int personne = Je; personne <= (EstPersonnel(mode) ? Ils : Je); ++personne) {
        const std::string forme = ConjugueVerbe(infinitif, personne, temps, mode, voix, true);
        if (forme == "?" || forme == "erreur") continue;
        sortie << NomsModesFr[m - 1] << " " << NomsTempsFr[t - 1];
        if (voix == TVoixFr::Passif) sortie << " passif";
        if (EstPersonnel(mode)) sortie << " " << personne;
        sortie << " : " << (forme.empty() ? std::string("-") : Cp1252VersUtf8(forme)) << "\n";
        ecrit = true;
      }
    }
  return ecrit;
}

}  // namespace

int CommandeTraduction(const std::string& motUtf8, std::ostream& sortie) {
  const std::string mot = Rogne(Utf8VersCp1252(motUtf8));
  if (mot.empty()) {
    sortie << "Aucun mot à traduire.\n";
    return 1;
  }
  const std::string traduction = Rogne(Traduction(mot));
  if (traduction.empty()) {
    sortie << Cp1252VersUtf8(mot)
           << (Lemmatise(mot) ? " : aucune forme verbale à traduire\n" : " n'a pu être analysé\n");
    return 1;
  }
  sortie << Cp1252VersUtf8(traduction) << "\n";
  return 0;
}

int CommandeConjugue(const std::string& infinitifUtf8, std::ostream& sortie) {
  const std::optional<std::string> infinitif = Utf8VersCp1252Exact(Rogne(infinitifUtf8));
  if (!infinitif) {
    sortie << "L'infinitif « " << infinitifUtf8
           << " » contient un caractère que le français de Lecturiel n'écrit pas.\n";
    return 1;
  }
  if (infinitif->empty()) {
    sortie << "Aucun infinitif à conjuguer.\n";
    return 1;
  }
  if (!CreeVerbe(*infinitif)) {
    sortie << "Aucune classe de verbe ne conjugue « " << Cp1252VersUtf8(*infinitif) << " ».\n";
    return 1;
  }
  EcrisVoix(*infinitif, TVoixFr::Actif, sortie);
  EcrisVoix(*infinitif, TVoixFr::Passif, sortie);
  return 0;
}
