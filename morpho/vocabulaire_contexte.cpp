#include "morpho/vocabulaire_contexte.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "lexical/minuscules.h"
#include "morpho/contexte.h"
#include "morpho/lemmatise.h"
#include "morpho/rangs_frequence.h"

namespace {

bool NomPropre(const std::string& vedette) {
  return !vedette.empty() && vedette[0] >= 'A' && vedette[0] <= 'Z';
}

// The heading of an analysis in the vocabulary, created at its first use.
int IndexVedette(TVocabulaire& v, std::unordered_map<std::string, int>& parEntree,
                 const TAnalyse& a, const TMotDuTexte& mot, int numero, const TRangs* rangs) {
  auto [e, neuve] = parEntree.try_emplace(a.Entree, static_cast<int>(v.Vedettes.size()));
  if (!neuve) return e->second;
  TVedetteVocabulaire ved;
  ved.Entree = a.Entree;
  ved.Vedette = a.Entree.substr(0, a.Entree.find(", "));
  if (!a.Lectures.empty()) ved.Modele = a.Lectures.front().Modele;
  ved.PremierMot = numero;
  ved.PremierIndex = mot.Index;
  if (rangs) {
    for (const TLecture& d : a.Lectures)
      if (const auto r = rangs->Rang(ved.Vedette, d.Modele); r && (ved.Rang == 0 || *r < ved.Rang))
        ved.Rang = *r;
    if (a.Lectures.empty())
      if (const auto r = rangs->Rang(ved.Vedette, ved.Modele)) ved.Rang = *r;
  }
  v.Vedettes.push_back(std::move(ved));
  return e->second;
}

}  // namespace

TVocabulaire VocabulaireEnContexte(std::string_view texte, const TModeleContexte& modele,
                                   const TRangs* rangs) {
  TVocabulaire v;
  // Each distinct written form is analysed once.
  std::unordered_map<std::string, std::unique_ptr<TListeAnalyses>> analyses;
  std::unordered_map<std::string, int> parEntree;
  std::unordered_map<std::string, int> inconnus;
  for (const auto& phrase : PhrasesDuTexte(texte)) {
    std::vector<std::string> formes;
    std::vector<const TListeAnalyses*> listes;
    for (const TMotDuTexte& mot : phrase) {
      auto [it, nouveau] = analyses.try_emplace(mot.Forme);
      if (nouveau) it->second = Lemmatise(mot.Forme);
      formes.push_back(mot.Forme);
      listes.push_back(it->second.get());
    }
    const auto lectures = modele.Ordonne(formes, listes);
    for (std::size_t i = 0; i < phrase.size(); ++i) {
      const TMotDuTexte& mot = phrase[i];
      const int numero = v.NombreMots++;
      if (!listes[i]) {
        auto [e, neuf] =
            inconnus.try_emplace(Minuscules(mot.Forme), static_cast<int>(v.Inconnus.size()));
        if (neuf) v.Inconnus.push_back({mot.Forme, 0, numero, mot.Index});
        ++v.Inconnus[static_cast<std::size_t>(e->second)].Occurrences;
        continue;
      }
      // The probability of each heading: the sum of its readings'.
      std::vector<double> parAnalyse(static_cast<std::size_t>(listes[i]->Count()), 0.0);
      for (const TLectureProbable& l : lectures[i])
        parAnalyse[static_cast<std::size_t>(l.Analyse)] += l.Probabilite;
      const auto meilleure = std::max_element(parAnalyse.begin(), parAnalyse.end());
      const int choisie = static_cast<int>(meilleure - parAnalyse.begin());
      const int index = IndexVedette(v, parEntree, listes[i]->Analyse(choisie), mot, numero, rangs);
      TVedetteVocabulaire& ved = v.Vedettes[static_cast<std::size_t>(index)];
      ++ved.Occurrences;
      if (parAnalyse.size() > 1) ved.Ambigu = true;
      if (*meilleure < SeuilCertitude) {
        ++ved.Incertaines;
        for (int a = 0; a < listes[i]->Count(); ++a) {
          const std::string& autre = listes[i]->Analyse(a).Entree;
          if (a != choisie && parAnalyse[static_cast<std::size_t>(a)] >= SeuilAutre &&
              std::find(ved.Autres.begin(), ved.Autres.end(), autre) == ved.Autres.end())
            ved.Autres.push_back(autre);
        }
      }
      std::string forme = NomPropre(ved.Vedette) ? mot.Forme : Minuscules(mot.Forme);
      if (std::find(ved.Formes.begin(), ved.Formes.end(), forme) == ved.Formes.end())
        ved.Formes.push_back(std::move(forme));
    }
  }
  return v;
}

std::string MarqueIncertaine(const TVedetteVocabulaire& vedette) {
  if (vedette.Incertaines <= 0) return {};
  std::string marque = "? " + std::to_string(vedette.Incertaines);
  for (const std::string& autre : vedette.Autres) marque += " | " + autre;
  return marque;
}
