#include "lexical/lexique.h"

#include <algorithm>
#include <utility>

#include "lexical/cp1252_litteral.h"
#include "lexical/flux.h"
#include "lexical/modeles.h"

namespace {
constexpr std::string_view MarqueRenvoi = "cf. ";

// The key a cross-reference names: the text from its sixth character on.
std::string_view CibleRenvoi(std::string_view sens) {
  return sens.size() > 5 ? sens.substr(5) : std::string_view{};
}

using Indexation = std::vector<std::pair<std::string, std::unique_ptr<TPositionEntree>>>;

// Queues each non-empty stem of a comma-separated list, in list order.
void AjouteRadicaux(Indexation& a_indexer, std::string_view liste, int entree) {
  std::size_t debut = 0;
  while (debut <= liste.size()) {
    std::size_t fin = liste.find(',', debut);
    if (fin == std::string_view::npos) fin = liste.size();
    if (fin > debut)
      a_indexer.emplace_back(std::string(liste.substr(debut, fin - debut)),
                             std::make_unique<TPositionEntree>(TPositionEntree{entree}));
    debut = fin + 1;
  }
}
}  // namespace

TDonneesLexicales TDonneesLexicales::Lis(TLecteur& lecteur, std::string_view cle) {
  TDonneesLexicales e;
  // Checked as each is read, so that the error names the byte where it is;
  // a flipped byte must not give a gender or a model no code expects.
  e.Modele = lecteur.LisEntier();
  VerifiePlage(e.Modele, 0, NombreModeles - 1, "modèle"_1252, "entrée"_1252, cle);
  const std::int32_t genre = lecteur.LisEntier();
  VerifiePlage(genre, -1, static_cast<std::int32_t>(NomsGenres.size()) - 1, "genre", "entrée"_1252,
               cle);
  e.Genre = static_cast<Genre::TGenre>(genre);
  e.RadicauxA = lecteur.LisChaine();
  e.RadicauxB = lecteur.LisChaine();
  e.Sens = lecteur.LisChaine();
  return e;
}

void TDonneesLexicales::Ecris(TEcrivain& ecrivain) const {
  ecrivain.EcrisEntier(Modele);
  ecrivain.EcrisEntier(Genre);
  ecrivain.EcrisChaine(RadicauxA);
  ecrivain.EcrisChaine(RadicauxB);
  ecrivain.EcrisChaine(Sens);
}

void TRadicaux::Ajoute(const std::string& radical, int entree) {
  if (!radical.empty()) Ajoute(radical, std::make_unique<TPositionEntree>(TPositionEntree{entree}));
}

std::vector<int> TRadicaux::EntreesDe(std::string_view radical) const {
  std::vector<int> entrees;
  int i = 0;
  if (!Find(radical, i)) return entrees;
  // The whole run of stems equal ignoring case is walked, so that a stem
  // spelt exactly is found even behind a case variant of it.
  for (; i < Count() && CompareCles(Cle(i), radical) == 0; ++i)
    if (Cle(i) == radical) entrees.push_back(Objet(i).Entree);
  return entrees;
}

std::optional<std::string> CleReconstruite(std::string_view radical, int modele) {
  const std::string_view fin = FicheModele(modele).FinCitation;
  if (fin.empty()) return std::nullopt;
  return std::string(radical) + std::string(fin);
}

void TLexique::IndexeRadicaux() {
  Radicaux1.Vide();
  Radicaux2.Vide();
  Radicaux3.Vide();
  Indexation r1, r2, r3;
  // Sized ahead from the number of stems, to spare the moves of regrowth.
  std::size_t n1 = 0, n2 = 0, n3 = 0;
  for (int i = 0; i < Count(); ++i) {
    const TDonneesLexicales& e = Donnees(i);
    const auto champs = [](const std::string& s) {
      return s.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(s.begin(), s.end(), ','));
    };
    const TRadicauxA sorte = FicheModele(e.Modele).RadicauxA;
    if (sorte == TRadicauxA::Radical1) {
      n1 += champs(e.RadicauxA);
    } else if (sorte == TRadicauxA::Radical2) {
      n2 += champs(e.RadicauxA);
      n3 += champs(e.RadicauxB);
    }
  }
  r1.reserve(n1);
  r2.reserve(n2);
  r3.reserve(n3);
  for (int i = 0; i < Count(); ++i) {
    const TDonneesLexicales& e = Donnees(i);
    const TRadicauxA sorte = FicheModele(e.Modele).RadicauxA;
    if (sorte == TRadicauxA::Radical1) {
      AjouteRadicaux(r1, e.RadicauxA, i);
    } else if (sorte == TRadicauxA::Radical2) {
      AjouteRadicaux(r2, e.RadicauxA, i);
      AjouteRadicaux(r3, e.RadicauxB, i);
    }
  }
  Radicaux1.AjouteTous(std::move(r1));
  Radicaux2.AjouteTous(std::move(r2));
  Radicaux3.AjouteTous(std::move(r3));
}

std::vector<std::string> TLexique::CanonDe(const TRadicaux& index, std::string_view radical) const {
  std::vector<std::string> cles;
  for (int p : index.EntreesDe(radical)) cles.push_back(Cle(p));
  return cles;
}

const TDonneesLexicales& TLexique::DonneesApresRenvoi(int i) const {
  const TDonneesLexicales& e = Objet(i);
  if (e.Sens.find(MarqueRenvoi) == std::string::npos) return e;
  int cible = 0;
  if (Find(CibleRenvoi(e.Sens), cible)) return Objet(cible);
  return e;
}

std::string TLexique::Vedette(int i) const {
  std::string vedette = Cle(i);
  const std::string& sens = Objet(i).Sens;
  const std::size_t p = sens.find(MarqueRenvoi);
  int cible = 0;
  if ((p == 0 || p == 1) && Find(CibleRenvoi(sens), cible)) vedette = Cle(cible);
  return vedette;
}

std::optional<int> TLexique::PremiereEntreeDeModele(std::string_view cle, int modele) const {
  int position = 0;
  if (!Find(cle, position)) return std::nullopt;
  // Walks the whole run of keys equal ignoring case and considers the exact
  // ones: a homograph spelt with another case must not hide this one.
  for (; position < Count() && CompareCles(Cle(position), cle) == 0; ++position)
    if (Cle(position) == cle && DonneesApresRenvoi(position).Modele == modele) return position;
  return std::nullopt;
}

std::vector<int> TLexique::EntreesDeModele(std::string_view cle, int modele) const {
  std::vector<int> entrees;
  int position = 0;
  if (!Find(cle, position)) return entrees;
  for (; position < Count() && CompareCles(Cle(position), cle) == 0; ++position)
    if (Cle(position) == cle && DonneesApresRenvoi(position).Modele == modele)
      entrees.push_back(position);
  return entrees;
}

std::unique_ptr<TLexique> TLexique::Lis(TLecteur& lecteur) {
  auto lexique = std::make_unique<TLexique>();
  std::vector<std::pair<std::string, std::unique_ptr<TDonneesLexicales>>> entrees;
  const std::int32_t n = lecteur.LisEntier();
  // Never more entries than the bytes left could hold (at least 12 each),
  // so a false count cannot make it reserve more than the file.
  entrees.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(
      n, 0, static_cast<std::int64_t>(std::min<std::uint64_t>(lecteur.Reste() / 12, 1u << 24)))));
  for (std::int32_t i = 0; i < n; ++i) {
    std::string cle = lecteur.LisChaine();
    auto donnees = std::make_unique<TDonneesLexicales>(TDonneesLexicales::Lis(lecteur, cle));
    entrees.emplace_back(std::move(cle), std::move(donnees));
  }
  lexique->AjouteTous(std::move(entrees));
  lexique->IndexeRadicaux();
  return lexique;
}

void TLexique::Ecris(TEcrivain& ecrivain) const {
  ecrivain.EcrisEntier(Count());
  for (int i = 0; i < Count(); ++i) {
    ecrivain.EcrisChaine(Cle(i));
    Donnees(i).Ecris(ecrivain);
  }
}
