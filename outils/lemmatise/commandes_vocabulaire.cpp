#include "outils/lemmatise/commandes_vocabulaire.h"

#include "lexical/cp1252.h"
#include "morpho/paradigme.h"
#include "morpho/rangs_frequence.h"
#include "morpho/tableaux_flexion.h"

#ifdef LECTURIEL_FICHIERS
#include "princ/fichiers/graphie.h"
#include "princ/fichiers/texte_latin.h"
#else
#include <fstream>
#include <sstream>

#include "lexical/erreur.h"
#include "lexical/messages.h"
#endif

std::string LisTexteDuFichier(const std::string& chemin) {
#ifdef LECTURIEL_FICHIERS
  return Utf8VersCp1252(SansQuantites(LisTexteSeul(chemin)));
#else
  // Without the window's file library: plain text, UTF-8 when it is valid.
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier) throw Erreur(Formate(MessageOuvrirFichier, {Utf8VersCp1252(chemin)}));
  std::ostringstream octets;
  octets << fichier.rdbuf();
  const std::string texte = octets.str();
  if (auto exact = Utf8VersCp1252Exact(texte)) return *exact;
  return texte;
#endif
}

int CommandeVocabulaire(const std::string& cheminTexte, const TOptionsVocabulaire& options,
                        std::ostream& sortie) {
  const std::string texte = LisTexteDuFichier(cheminTexte);
  TRangs rangs;
  if (options.SansFrequents > 0) rangs = TRangs::Lis(options.CheminRangs);
  TVocabulaire v = VocabulaireDuTexte(texte, options.SansFrequents > 0 ? &rangs : nullptr);
  if (options.Inconnus) {
    for (const TMotInconnu& m : v.Inconnus)
      sortie << Cp1252VersUtf8(m.Forme) << '\t' << m.Occurrences << '\n';
    return 0;
  }
  RetireLesPlusFrequents(v.Vedettes, options.SansFrequents);
  Ordonne(v.Vedettes, options.Ordre);
  for (const TVedetteVocabulaire& e : v.Vedettes)
    sortie << Cp1252VersUtf8(e.Entree) << '\t' << e.Occurrences << '\n';
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
