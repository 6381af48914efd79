#include "morpho/vocabulaire_texte.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "lexical/erreur.h"
#include "lexical/liste_triee.h"
#include "lexical/minuscules.h"
#include "morpho/lemmatise.h"
#include "morpho/rangs_frequence.h"
#include "pointeur/texte_simple.h"

bool EstCaractereDeMot(unsigned char c) {
  return TTexteSimple::ClasseDe(c) == ClasseCaractere::Mot;
}

bool EstLettre(unsigned char c) { return EstCaractereDeMot(c) && !(c >= '0' && c <= '9'); }

namespace {

bool NomPropre(const std::string& vedette) {
  return !vedette.empty() && vedette[0] >= 'A' && vedette[0] <= 'Z';
}

// What one written form gives: the headings it belongs to, or the unknown word.
struct TFormeLue {
  std::vector<int> Vedettes;
  int Inconnu = -1;
};

}  // namespace

TVocabulaire VocabulaireDuTexte(std::string_view texte, const TRangs* rangs) {
  TVocabulaire v;
  std::unordered_map<std::string, TFormeLue> lectures;
  std::unordered_map<std::string, int> parEntree;
  std::unordered_map<std::string, int> inconnus;  // lower-cased form -> index
  // The forms already met of each heading, by heading index: a heading may
  // be met under tens of thousands of spellings, which a search of its list
  // would make quadratic.
  std::vector<std::unordered_set<std::string>> formesVues;

  PourChaqueMot(texte, [&](int index, std::string_view mot) {
    const int numero = v.NombreMots++;
    auto [it, nouveau] = lectures.try_emplace(std::string(mot));
    TFormeLue& lecture = it->second;
    if (nouveau && lectures.size() > FormesMaxVocabulaire)
      throw Erreur(Formate(MessageTropDeFormes, {std::to_string(FormesMaxVocabulaire)}));
    if (nouveau) {
      if (const std::unique_ptr<TListeAnalyses> analyses = Lemmatise(mot)) {
        for (int i = 0; i < analyses->Count(); ++i) {
          const TAnalyse& a = analyses->Analyse(i);
          auto [e, neuve] = parEntree.try_emplace(a.Entree, static_cast<int>(v.Vedettes.size()));
          if (neuve) {
            TVedetteVocabulaire ved;
            ved.Entree = a.Entree;
            ved.Vedette = a.Entree.substr(0, a.Entree.find(", "));
            if (!a.Lectures.empty()) ved.Modele = a.Lectures.front().Modele;
            ved.PremierMot = numero;
            ved.PremierIndex = index;
            if (rangs) {
              // The best rank among the models of its readings.
              for (const TLecture& d : a.Lectures)
                if (const auto r = rangs->Rang(ved.Vedette, d.Modele);
                    r && (ved.Rang == 0 || *r < ved.Rang))
                  ved.Rang = *r;
              if (a.Lectures.empty())
                if (const auto r = rangs->Rang(ved.Vedette, ved.Modele)) ved.Rang = *r;
            }
            v.Vedettes.push_back(std::move(ved));
            formesVues.emplace_back();
          }
          lecture.Vedettes.push_back(e->second);
        }
      } else {
        auto [e, neuf] = inconnus.try_emplace(Minuscules(mot), static_cast<int>(v.Inconnus.size()));
        if (neuf) v.Inconnus.push_back({std::string(mot), 0, numero, index});
        lecture.Inconnu = e->second;
      }
    }
    if (lecture.Inconnu >= 0) {
      ++v.Inconnus[static_cast<std::size_t>(lecture.Inconnu)].Occurrences;
      return;
    }
    const bool ambigu = lecture.Vedettes.size() > 1;
    for (int i : lecture.Vedettes) {
      TVedetteVocabulaire& ved = v.Vedettes[static_cast<std::size_t>(i)];
      ++ved.Occurrences;
      if (ambigu) ved.Ambigu = true;
      std::string forme = NomPropre(ved.Vedette) ? std::string(mot) : Minuscules(mot);
      if (formesVues[static_cast<std::size_t>(i)].insert(forme).second)
        ved.Formes.push_back(std::move(forme));
    }
  });
  return v;
}

void OrdonneVedettes(std::vector<TVedetteVocabulaire>& vedettes, OrdreVocabulaire ordre) {
  const auto alpha = [](const TVedetteVocabulaire& a, const TVedetteVocabulaire& b) {
    if (const int c = CompareCles(a.Vedette, b.Vedette); c != 0) return c < 0;
    return CompareCles(a.Entree, b.Entree) < 0;
  };
  switch (ordre) {
    case OrdreVocabulaire::Alpha:
      std::stable_sort(vedettes.begin(), vedettes.end(), alpha);
      break;
    case OrdreVocabulaire::Texte:
      std::stable_sort(vedettes.begin(), vedettes.end(),
                       [](const auto& a, const auto& b) { return a.PremierMot < b.PremierMot; });
      break;
    case OrdreVocabulaire::Frequence:
      std::stable_sort(vedettes.begin(), vedettes.end(), [&](const auto& a, const auto& b) {
        if (a.Occurrences != b.Occurrences) return a.Occurrences > b.Occurrences;
        return alpha(a, b);
      });
      break;
  }
}

void RetireLesPlusFrequents(std::vector<TVedetteVocabulaire>& vedettes, int n) {
  if (n <= 0) return;
  std::erase_if(vedettes, [n](const TVedetteVocabulaire& v) { return v.Rang >= 1 && v.Rang <= n; });
}
