#include "lexical/irreguliers.h"

#include <unordered_map>
#include <utility>

#include "lexical/cp1252_litteral.h"
#include "lexical/flux.h"
#include "lexical/modeles.h"

void TListeIrreg::Ajoute(const std::string& forme, const std::string& lemme, std::uint32_t morpho,
                         int modele) {
  int position = 0;
  if (!Find(forme, position))
    position = Ajoute(forme, std::make_unique<std::vector<TLectureIrreguliere>>());
  Objet(position).emplace_back(morpho, modele, lemme);
}

const TLectureIrreguliere& TListeIrreg::Lecture(int i, int j) const {
  const auto& liste = Lectures(i);
  if (j < 0 || static_cast<std::size_t>(j) >= liste.size()) ErreurIndice(j);
  return liste[static_cast<std::size_t>(j)];
}

std::unique_ptr<TListeIrreg> TListeIrreg::Lis(TLecteur& lecteur) {
  auto liste = std::make_unique<TListeIrreg>();
  // Forms are merged by their folded spelling while reading, then sorted
  // once: the same store as one Ajoute per reading, without the cost of
  // inserting into the middle of a long list each time.
  std::vector<std::pair<std::string, std::unique_ptr<std::vector<TLectureIrreguliere>>>> formes;
  std::unordered_map<std::string, std::size_t> indices;
  const std::int32_t n = lecteur.LisEntier();
  for (std::int32_t i = 0; i < n; ++i) {
    std::string forme = lecteur.LisChaine();
    if (!forme.empty() && forme.back() >= '0' && forme.back() <= '9') forme.pop_back();
    const std::int32_t m = lecteur.LisEntier();
    // The form is folded and looked up once for all its readings: per
    // reading, a long form with many readings cost their product.
    std::vector<TLectureIrreguliere>* lectures = nullptr;
    for (std::int32_t j = 0; j < m; ++j) {
      std::string lemme = lecteur.LisChaine();
      const auto morpho = static_cast<std::uint32_t>(lecteur.LisEntier());
      const std::int32_t modele = lecteur.LisEntier();
      VerifiePlage(modele, 0, NombreModeles - 1, "modèle"_1252, "forme irrégulière"_1252, forme);
      if (!lectures) {
        auto [it, nouvelle] = indices.try_emplace(Minuscules(forme), formes.size());
        if (nouvelle)
          formes.emplace_back(forme, std::make_unique<std::vector<TLectureIrreguliere>>());
        lectures = formes[it->second].second.get();
      }
      lectures->emplace_back(morpho, modele, std::move(lemme));
    }
  }
  liste->AjouteTous(std::move(formes));
  return liste;
}

void TListeIrreg::Ecris(TEcrivain& ecrivain) const {
  ecrivain.EcrisEntier(Count());
  for (int i = 0; i < Count(); ++i) {
    ecrivain.EcrisChaine(Cle(i));
    const auto& lectures = Lectures(i);
    ecrivain.EcrisEntier(static_cast<std::int32_t>(lectures.size()));
    for (const auto& d : lectures) {
      ecrivain.EcrisChaine(d.Lemme);
      ecrivain.EcrisEntier(static_cast<std::int32_t>(d.Morpho));
      ecrivain.EcrisEntier(d.Modele);
    }
  }
}
