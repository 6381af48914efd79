// Speed of the reading in context, with the shipped lexicon and model:
// loading the model, `lemmatise --tsv` against `--contexte --tsv` on the
// same words (words per second, in the process), and the vocabulary of a
// text the size of the Aeneid counted in context. Prints its figures.
//   contexte_bench CORPUS.conllu
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/stores.h"
#include "morpho/contexte.h"
#include "morpho/vocabulaire_contexte.h"
#include "outils/lemmatise/commandes_contexte.h"
#include "outils/lemmatise/tsv.h"

namespace {

double Depuis(std::chrono::steady_clock::time_point debut) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage : contexte_bench CORPUS.conllu\n");
    return 2;
  }
  ChargeLexique(LECTURIEL_LEX);
  const std::string chemin = CheminContextePres(LECTURIEL_LEX);
  std::vector<double> chargements;
  for (int i = 0; i < 21; ++i) {
    const auto debut = std::chrono::steady_clock::now();
    const TModeleContexte m = TModeleContexte::Lis(chemin);
    chargements.push_back(Depuis(debut));
  }
  std::sort(chargements.begin(), chargements.end());
  std::printf("chargement du modèle : médiane %.1f ms, pire %.1f ms\n", chargements[10] * 1e3,
              chargements.back() * 1e3);
  const TModeleContexte modele = TModeleContexte::Lis(chemin);

  // The treebank's words, one a line, a blank line between sentences.
  std::ifstream corpus(argv[1]);
  std::string ligne, entree, texte;
  long mots = 0;
  while (std::getline(corpus, ligne)) {
    if (ligne.empty()) {
      entree += "\n";
      continue;
    }
    if (ligne[0] == '#') {
      if (ligne.rfind("# text = ", 0) == 0) texte += ligne.substr(9) + " ";
      continue;
    }
    const std::size_t t1 = ligne.find('\t'), t2 = ligne.find('\t', t1 + 1);
    if (ligne.substr(0, t1).find_first_of("-.") != std::string::npos) continue;
    entree += ligne.substr(t1 + 1, t2 - t1 - 1) + "\n";
    ++mots;
  }
  std::istringstream lues(entree);
  auto debut = std::chrono::steady_clock::now();
  std::size_t octets = 0;
  for (std::string mot; std::getline(lues, mot);)
    if (!mot.empty())
      for (const std::string& l : LignesTsv(mot)) octets += l.size();
  const double tsv = Depuis(debut);
  std::istringstream lues2(entree);
  std::ostringstream sortie;
  debut = std::chrono::steady_clock::now();
  CommandeContexteTsv(&modele, lues2, sortie);
  const double contexte = Depuis(debut);
  std::printf(
      "--tsv : %.0f mots/s ; --contexte --tsv : %.0f mots/s (%.2f fois le temps de --tsv)\n",
      static_cast<double>(mots) / tsv, static_cast<double>(mots) / contexte, contexte / tsv);

  // About 64 000 words, as the Aeneid.
  std::string long_;
  while (std::count(long_.begin(), long_.end(), ' ') < 64000) long_ += texte;
  const std::string cp = Utf8VersCp1252(long_);
  debut = std::chrono::steady_clock::now();
  const TVocabulaire v = VocabulaireEnContexte(cp, modele);
  std::printf("vocabulaire en contexte de %d mots : %.3f s\n", v.NombreMots, Depuis(debut));
  debut = std::chrono::steady_clock::now();
  const TVocabulaire w = VocabulaireDuTexte(cp);
  std::printf("vocabulaire sans contexte de %d mots : %.3f s\n", w.NombreMots, Depuis(debut));
  return octets == 0;
}
