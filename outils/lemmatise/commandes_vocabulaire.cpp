#include "outils/lemmatise/commandes_vocabulaire.h"

#include "fichiers/graphie.h"
#include "fichiers/texte_latin.h"
#include "lexical/cp1252.h"
#include "morpho/paradigme.h"
#include "morpho/rangs_frequence.h"
#include "morpho/tableaux_flexion.h"
#include "morpho/vocabulaire_contexte.h"

std::string LisTexteDuFichier(const std::string& chemin) {
  return Utf8VersCp1252(SansQuantites(LisTexteSeul(chemin)));
}

int CommandeVocabulaire(const std::string& cheminTexte, const TOptionsVocabulaire& options,
                        std::ostream& sortie) {
  const std::string texte = LisTexteDuFichier(cheminTexte);
  TRangs rangs;
  if (options.SansFrequents > 0) rangs = TRangs::Lis(options.CheminRangs);
  const TRangs* r = options.SansFrequents > 0 ? &rangs : nullptr;
  TVocabulaire v = options.Contexte ? VocabulaireEnContexte(texte, *options.Contexte, r)
                                    : VocabulaireDuTexte(texte, r);
  if (options.Inconnus) {
    for (const TMotInconnu& m : v.Inconnus)
      sortie << Cp1252VersUtf8(m.Forme) << '\t' << m.Occurrences << '\n';
    return 0;
  }
  RetireLesPlusFrequents(v.Vedettes, options.SansFrequents);
  OrdonneVedettes(v.Vedettes, options.Ordre);
  for (const TVedetteVocabulaire& e : v.Vedettes) {
    sortie << Cp1252VersUtf8(e.Entree) << '\t' << e.Occurrences;
    if (e.Incertaines > 0) sortie << '\t' << Cp1252VersUtf8(MarqueIncertaine(e));
    sortie << '\n';
  }
  return 0;
}

int CommandeFlexion(const std::string& motUtf8, std::ostream& sortie) {
  const std::string mot = Utf8VersCp1252(motUtf8);
  const auto paradigmes = ParadigmesDuMot(mot);
  if (paradigmes.empty()) {
    sortie << motUtf8 << " : ?\n";
    return 1;
  }
  for (const TParadigme& p : paradigmes) {
    for (const std::string& l : TexteParadigme(p)) sortie << Cp1252VersUtf8(l) << '\n';
  }
  return 0;
}
