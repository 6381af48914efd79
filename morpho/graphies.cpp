#include "morpho/graphies.h"

#include <algorithm>
#include <optional>

#include "lexical/chaines_latines.h"
#include "lexical/minuscules.h"
#include "morpho/regles_graphies.h"

namespace {

// A vowel with a diaeresis (poëta, aër, Troës), or with the accents some
// editions put on stressed or long syllables (égo, ést, quí, núnc), read as
// the plain vowel.
char SansTrema(char c) {
  if (static_cast<unsigned char>(c) < 0x80) return c;
  for (const TSansAccent& a : ReglesGraphies.SansAccent)
    if (a.Accentuee == c) return a.Simple;
  return c;
}

const std::string& FormeDe(const std::string& s) { return s; }
const std::string& FormeDe(const TVariante& v) { return v.Forme; }

// The word with an end rule applied, if it ends with more than the rule's
// letters.
std::optional<TVariante> EnFin(std::string_view mot, const TRegleGraphie& r) {
  if (mot.size() <= r.De.size() || !mot.ends_with(r.De)) return std::nullopt;
  std::string v(mot.substr(0, mot.size() - r.De.size()));
  return TVariante{v.append(r.Vers), r.Garde};
}

// Adds a spelling unless it is empty, the word itself or already there.
template <class T>
void AjouteSiNouveau(std::vector<T>& liste, T v, std::string_view sauf) {
  if (FormeDe(v).empty() || FormeDe(v) == sauf) return;
  if (std::find(liste.begin(), liste.end(), v) == liste.end()) liste.push_back(std::move(v));
}

}  // namespace

std::vector<std::string> GraphiesPrincipales(std::string_view forme) {
  std::vector<std::string> graphies;
  if (forme.empty()) return graphies;
  std::string telle(forme);
  for (char& c : telle) c = SansTrema(c);
  telle = Normalise(telle);
  std::string uei = telle;
  for (char& c : uei) {
    if (c == 'V') c = 'U';
    if (c == 'J') c = 'I';
  }
  std::string minuscule = Normalise(Minuscules(telle));
  // A word in capitals (a speaker's name in a dialogue, CESTIVS) is also
  // read as a name: its first letter alone a capital.
  std::string nom;
  if (telle.size() > 1 &&
      std::none_of(telle.begin(), telle.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
      minuscule[0] >= 'a' && minuscule[0] <= 'z') {
    nom = minuscule;
    nom[0] = static_cast<char>(nom[0] - 'a' + 'A');
  }
  graphies.push_back(telle);
  AjouteSiNouveau(graphies, std::move(uei), telle);
  AjouteSiNouveau(graphies, std::move(minuscule), telle);
  AjouteSiNouveau(graphies, std::move(nom), telle);
  return graphies;
}

std::vector<TVariante> VariantesDeGraphie(std::string_view mot) {
  std::vector<TVariante> variantes;
  if (mot.size() > LongueurMaxVariantes) return variantes;
  for (const TRegleGraphie& r : ReglesGraphies.Regles) {
    if (r.LongueurMax != 0 && mot.size() > r.LongueurMax) continue;
    if (r.Ou == LieuGraphie::Fin) {
      if (auto v = EnFin(mot, r)) AjouteSiNouveau(variantes, std::move(*v), mot);
      continue;
    }
    std::string toutes;
    std::size_t lieux = 0, reste = 0;
    for (std::size_t p = mot.find(r.De); p != std::string_view::npos; p = mot.find(r.De, p + 1)) {
      if (r.Ou == LieuGraphie::Debut && p != 0) break;
      std::string une(mot);
      une.replace(p, r.De.size(), r.Vers);
      AjouteSiNouveau(variantes, TVariante{std::move(une), r.Garde}, mot);
      // All places at once, left to right, places not overlapping.
      if (p >= reste) {
        toutes.append(mot.substr(reste, p - reste)).append(r.Vers);
        reste = p + r.De.size();
        ++lieux;
      }
    }
    if (lieux > 1)
      AjouteSiNouveau(variantes, TVariante{toutes.append(mot.substr(reste)), r.Garde}, mot);
  }
  return variantes;
}

std::vector<TVariante> VariantesDeDeuxRegles(std::string_view mot) {
  std::vector<TVariante> variantes;
  if (mot.size() > LongueurMaxVariantes) return variantes;
  const std::vector<TVariante> simples = VariantesDeGraphie(mot);
  for (const TRegleGraphie& r : ReglesGraphies.Enchainees) {
    const auto premiere = EnFin(mot, r);
    if (!premiere) continue;
    for (TVariante& v : VariantesDeGraphie(premiere->Forme)) {
      v.Garde |= premiere->Garde;
      if (std::find(simples.begin(), simples.end(), v) == simples.end())
        AjouteSiNouveau(variantes, std::move(v), mot);
    }
  }
  return variantes;
}

std::vector<TVariante> ContracteesEnI(std::string_view mot) {
  std::vector<TVariante> variantes;
  if (mot.size() > LongueurMaxVariantes) return variantes;
  for (const TRegleGraphie& r : ReglesGraphies.Toujours)
    if (auto v = EnFin(mot, r)) variantes.push_back(std::move(*v));
  return variantes;
}
