#include "lexical/desinences.h"

#include <string>
#include <unordered_set>
#include <utility>

#include "lexical/cp1252_litteral.h"
#include "lexical/flux.h"

std::string CleDesinence(std::string_view terminaison) {
  return std::string(terminaison.rbegin(), terminaison.rend());
}

const TLecture& TListeDes::Lecture(int i, int j) const {
  const auto& liste = Lectures(i);
  if (j < 0 || static_cast<std::size_t>(j) >= liste.size()) ErreurIndice(j);
  return liste[static_cast<std::size_t>(j)];
}

std::unique_ptr<TListeDes> TListeDes::Lis(TLecteur& lecteur) {
  auto liste = std::make_unique<TListeDes>();
  std::vector<std::pair<std::string, std::unique_ptr<std::vector<TLecture>>>> lues;
  // Checked as each ending is complete, so that a repeated key is reported
  // before any later fault of the file, as one insertion at a time would.
  std::unordered_set<std::string> vues;
  const std::int32_t n = lecteur.LisEntier();
  for (std::int32_t i = 0; i < n; ++i) {
    std::string cle = lecteur.LisChaine();
    auto lectures = std::make_unique<std::vector<TLecture>>();
    const std::int32_t m = lecteur.LisEntier();
    // Keys are stored reversed; the message gives the ending as written.
    const std::string terminaison = m > 0 ? CleDesinence(cle) : std::string();
    for (std::int32_t j = 0; j < m; ++j)
      lectures->push_back(TLecture::Lis(lecteur, "désinence"_1252, terminaison));
    if (!vues.insert(Minuscules(cle)).second) throw Erreur(MessageDoublons);
    lues.emplace_back(std::move(cle), std::move(lectures));
  }
  liste->AjouteTous(std::move(lues));
  return liste;
}

void TListeDes::Ecris(TEcrivain& ecrivain) const {
  ecrivain.EcrisEntier(Count());
  for (int i = 0; i < Count(); ++i) {
    ecrivain.EcrisChaine(Cle(i));
    const auto& lectures = Lectures(i);
    ecrivain.EcrisEntier(static_cast<std::int32_t>(lectures.size()));
    for (const TLecture& d : lectures) d.Ecris(ecrivain);
  }
}
