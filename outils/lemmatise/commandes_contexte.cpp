#include "outils/lemmatise/commandes_contexte.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "morpho/contexte.h"
#include "outils/lemmatise/commandes_vocabulaire.h"
#include "outils/lemmatise/couverture.h"
#include "outils/lemmatise/tsv.h"

namespace {

std::string Probabilite(double p) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%.4f", p);
  return texte;
}

void EcrisPhraseTsv(const TModeleContexte* modele, const std::vector<std::string>& motsUtf8,
                    long& numero, std::ostream& sortie) {
  std::vector<std::string> formes;
  formes.reserve(motsUtf8.size());
  for (const std::string& m : motsUtf8) formes.push_back(Utf8VersCp1252(m));
  const TPhraseLue phrase = LisPhrase(modele, formes);
  for (std::size_t i = 0; i < motsUtf8.size(); ++i) {
    const std::string debut = std::to_string(++numero) + "\t";
    if (!phrase.Analyses[i]) {
      sortie << debut << motsUtf8[i] << "\t?\t\t\t\t\n";
      continue;
    }
    for (const TLectureProbable& l : phrase.Lectures[i])
      sortie << debut
             << LigneTsvLecture(motsUtf8[i], phrase.Analyses[i]->Analyse(l.Analyse), l.Numero)
             << "\t" << Probabilite(l.Probabilite) << "\n";
  }
}

// One sentence of a treebank: each word's form, gold lemma and the gold
// features that a reading must show.
struct TMotArbore {
  std::string Forme, Lemme;
  int Cas = -1, Nombre = -1, Personne = -1, Mode = -1;
};

int Index(std::string_view valeur, std::initializer_list<std::string_view> noms) {
  int i = 0;
  for (std::string_view n : noms) {
    if (n == valeur) return i;
    ++i;
  }
  return -1;
}

std::vector<std::vector<TMotArbore>> LisPhrasesConllu(std::istream& entree) {
  std::vector<std::vector<TMotArbore>> phrases(1);
  std::string ligne;
  while (LisLigne(entree, ligne)) {
    if (ligne.empty()) {
      if (!phrases.back().empty()) phrases.emplace_back();
      continue;
    }
    if (ligne[0] == '#') continue;
    const auto c = DecoupeChamps(ligne, '\t');
    if (c.size() < 6 || c[0].find_first_of("-.") != std::string_view::npos) continue;
    if (c[3] == "PUNCT" || c[3] == "NUM" || c[3] == "SYM" || c[3] == "X") continue;
    TMotArbore m{std::string(c[1]), std::string(c[2])};
    for (const std::string_view trait : DecoupeChamps(c[5], '|')) {
      const std::size_t egal = trait.find('=');
      if (egal == std::string_view::npos) continue;
      const std::string_view nom = trait.substr(0, egal), v = trait.substr(egal + 1);
      if (nom == "Case") m.Cas = Index(v, {"Nom", "Voc", "Acc", "Gen", "Dat", "Abl"});
      if (nom == "Number") m.Nombre = Index(v, {"Sing", "Plur"});
      if (nom == "Person") m.Personne = Index(v, {"1", "2", "3"});
      if (nom == "Mood" && m.Mode < 0) m.Mode = Index(v, {"Ind", "Sub", "Imp"});
      if (nom == "VerbForm") {
        const int f = Index(v, {"Inf", "Part", "Ger", "Gdv"});
        if (f >= 0) m.Mode = f + 3;
      }
    }
    phrases.back().push_back(std::move(m));
  }
  if (phrases.back().empty()) phrases.pop_back();
  return phrases;
}

// Whether a reading shows the gold features (a category the gold word does
// not give, or the reading does not carry, is not judged).
bool TraitsAccordes(const TAnalyse& a, int numero, const TMotArbore& m) {
  if (numero < 0) return true;
  const Morpho x = a.Lectures[static_cast<std::size_t>(numero)].Morpho;
  const auto accorde = [x](int gold, const auto& masques) {
    if (gold < 0) return true;
    Morpho tous = 0;
    for (Morpho b : masques) tous |= b;
    if (!(x & tous)) return true;
    return (x & masques[static_cast<std::size_t>(gold)]) != 0;
  };
  return accorde(m.Cas, MasquesCas) && accorde(m.Nombre, MasquesNombre) &&
         accorde(m.Personne, MasquesPersonne) && accorde(m.Mode, MasquesMode);
}

struct TScores {
  long Lemme = 0, LemmeEtTraits = 0;
};

// The count and its share, as the coverage lines above give them.
std::string Part(long n, long total) {
  char texte[48];
  std::snprintf(texte, sizeof texte, "%ld (%.1f %%)", n,
                total ? 100.0 * static_cast<double>(n) / static_cast<double>(total) : 0.0);
  return texte;
}

}  // namespace

int CommandeContexteTsv(const TModeleContexte* modele, std::istream& entree, std::ostream& sortie) {
  std::vector<std::string> phrase;
  std::string ligne;
  long numero = 0;
  while (LisLigne(entree, ligne)) {
    if (ligne.find_first_not_of(" \t") == std::string::npos) {
      EcrisPhraseTsv(modele, phrase, numero, sortie);
      phrase.clear();
    } else {
      phrase.push_back(ligne);
    }
  }
  EcrisPhraseTsv(modele, phrase, numero, sortie);
  return 0;
}

int CommandeContexteTexte(const TModeleContexte* modele, const std::string& cheminTexte,
                          std::ostream& sortie) {
  const std::string texte = LisTexteDuFichier(cheminTexte);
  for (const auto& mots : PhrasesDuTexte(texte)) {
    std::vector<std::string> formes;
    for (const TMotDuTexte& m : mots) formes.push_back(m.Forme);
    const TPhraseLue phrase = LisPhrase(modele, formes);
    for (std::size_t i = 0; i < formes.size(); ++i) {
      std::string ligne = formes[i] + "\t";
      if (!phrase.Analyses[i]) {
        ligne += "?";
      } else {
        const TLectureProbable& l = phrase.Lectures[i].front();
        const TAnalyse& a = phrase.Analyses[i]->Analyse(l.Analyse);
        ligne += a.Entree;
        if (l.Numero >= 0)
          ligne += "\t" + a.Lectures[static_cast<std::size_t>(l.Numero)].Libelle(false);
        char pourcent[16];
        std::snprintf(pourcent, sizeof pourcent, " (%.0f %%)", 100.0 * l.Probabilite);
        ligne += pourcent;
      }
      sortie << Cp1252VersUtf8(ligne) << "\n";
    }
    sortie << "\n";
  }
  return 0;
}

void RapportCouvertureContexte(const TModeleContexte* modele,
                               const std::vector<std::string>& fichiers, std::ostream& sortie) {
  std::vector<std::vector<TMotArbore>> phrases;
  for (const std::string& f : fichiers) {
    std::ifstream entree(f, std::ios::binary);
    if (!entree) throw Erreur(Formate(MessageOuvrirFichier, {Utf8VersCp1252(f)}));
    if (EstListeDeFormes(entree)) continue;
    entree.clear();
    entree.seekg(0);
    auto lues = LisPhrasesConllu(entree);
    phrases.insert(phrases.end(), std::make_move_iterator(lues.begin()),
                   std::make_move_iterator(lues.end()));
  }
  if (phrases.empty()) return;
  long mots = 0;
  TScores avec, sans;
  for (const auto& p : phrases) {
    std::vector<std::string> formes;
    for (const TMotArbore& m : p) formes.push_back(Utf8VersCp1252(m.Forme));
    TPhraseLue lue = LisPhrase(modele, formes);
    std::vector<const TListeAnalyses*> listes;
    for (const auto& l : lue.Analyses) listes.push_back(l.get());
    const auto alphabetique = OrdonneLectures(nullptr, formes, listes);
    for (std::size_t i = 0; i < p.size(); ++i) {
      ++mots;
      if (!lue.Analyses[i]) continue;
      const auto gold = GraphiesLemme(Utf8VersCp1252(p[i].Lemme));
      const auto juge = [&](const TLectureProbable& l, TScores& s) {
        const TAnalyse& a = lue.Analyses[i]->Analyse(l.Analyse);
        bool lemme = false;
        for (const std::string& g : GraphiesLemme(VedetteDeEntree(a.Entree)))
          if (std::find(gold.begin(), gold.end(), g) != gold.end()) lemme = true;
        if (!lemme) return;
        ++s.Lemme;
        if (TraitsAccordes(a, l.Numero, p[i])) ++s.LemmeEtTraits;
      };
      juge(lue.Lectures[i].front(), avec);
      juge(alphabetique[i].front(), sans);
    }
  }
  sortie << "Première lecture, lemme juste : " << Part(avec.Lemme, mots)
         << " (ordre alphabétique : " << Part(sans.Lemme, mots) << ")\n";
  sortie << "Première lecture, lemme, cas, nombre, personne et mode justes : "
         << Part(avec.LemmeEtTraits, mots)
         << " (ordre alphabétique : " << Part(sans.LemmeEtTraits, mots) << ")\n";
}
