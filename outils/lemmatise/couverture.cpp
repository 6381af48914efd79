#include "couverture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <unordered_map>

#include "lexical/cp1252.h"
#include "lexical/erreur.h"
#include "lexical/liste_triee.h"
#include "morpho/lemmatise.h"
#include "tsv.h"

namespace {

std::vector<std::string_view> Colonnes(std::string_view ligne) {
  std::vector<std::string_view> colonnes;
  std::size_t debut = 0;
  while (true) {
    const std::size_t fin = ligne.find('\t', debut);
    colonnes.push_back(ligne.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
    if (fin == std::string_view::npos) break;
    debut = fin + 1;
  }
  return colonnes;
}

bool EstMot(std::string_view id, std::string_view upos) {
  if (id.find_first_of("-.") != std::string_view::npos) return false;
  return upos != "PUNCT" && upos != "NUM" && upos != "SYM" && upos != "X";
}

// Lower case (ASCII and cp1252 capitals), u/i spelling, no trailing digits.
std::string NormaliseLemme(std::string_view lemme) {
  std::string s;
  s.reserve(lemme.size());
  for (char c : lemme) {
    char m = static_cast<char>(MinusculeCle(static_cast<unsigned char>(c)));
    if (m == 'v') m = 'u';
    if (m == 'j') m = 'i';
    s.push_back(m);
  }
  while (!s.empty() && s.back() >= '0' && s.back() <= '9') s.pop_back();
  return s;
}

void Developpe(std::string_view reste, std::string prefixe, std::vector<std::string>& sortie) {
  const std::size_t ouvre = reste.find('(');
  const std::size_t ferme = ouvre == std::string_view::npos ? ouvre : reste.find(')', ouvre);
  if (ferme == std::string_view::npos) {
    sortie.push_back(prefixe + std::string(reste));
    return;
  }
  const std::string avant = prefixe + std::string(reste.substr(0, ouvre));
  const std::string_view facultatif = reste.substr(ouvre + 1, ferme - ouvre - 1);
  const std::string_view apres = reste.substr(ferme + 1);
  Developpe(apres, avant + std::string(facultatif), sortie);
  Developpe(apres, avant, sortie);
}

}  // namespace

std::vector<TJeton> LisJetonsConllu(std::istream& entree) {
  std::vector<TJeton> jetons;
  std::string ligne;
  while (std::getline(entree, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.empty() || ligne[0] == '#') continue;
    const auto c = Colonnes(ligne);
    if (c.size() < 4 || !EstMot(c[0], c[3])) continue;
    jetons.push_back({std::string(c[1]), std::string(c[2])});
  }
  return jetons;
}

std::vector<std::string> GraphiesLemme(std::string_view lemmeCp1252) {
  std::vector<std::string> graphies;
  Developpe(NormaliseLemme(lemmeCp1252), {}, graphies);
  std::sort(graphies.begin(), graphies.end());
  graphies.erase(std::unique(graphies.begin(), graphies.end()), graphies.end());
  return graphies;
}

TCouverture MesureCouverture(const std::vector<TJeton>& jetons) {
  TCouverture c;
  std::unordered_map<std::string, long> manques;
  for (const TJeton& j : jetons) {
    ++c.Jetons;
    bool trouve = false;
    auto liste = Lemmatise(Utf8VersCp1252(j.Forme), trouve);
    bool lemmeTrouve = false;
    if (trouve) {
      ++c.Analyses;
      std::set<std::string> vedettes;
      for (int i = 0; i < liste->Count(); ++i)
        for (std::string& g : GraphiesLemme(VedetteDeEntree(liste->Analyse(i).Entree)))
          vedettes.insert(std::move(g));
      for (const std::string& g : GraphiesLemme(Utf8VersCp1252(j.Lemme)))
        if (vedettes.count(g)) lemmeTrouve = true;
    }
    if (lemmeTrouve)
      ++c.LemmesTrouves;
    else
      ++manques[Cp1252VersUtf8(NormaliseLemme(Utf8VersCp1252(j.Lemme)))];
  }
  c.Manques.assign(manques.begin(), manques.end());
  std::sort(c.Manques.begin(), c.Manques.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  return c;
}

void RapportCouverture(const std::vector<std::string>& fichiers, std::ostream& sortie,
                       int nbManques) {
  std::vector<TJeton> jetons;
  for (const std::string& f : fichiers) {
    std::ifstream entree(f, std::ios::binary);
    if (!entree) throw Erreur(Formate("Impossible d'ouvrir le fichier %s", {Utf8VersCp1252(f)}));
    auto lus = LisJetonsConllu(entree);
    jetons.insert(jetons.end(), std::make_move_iterator(lus.begin()),
                  std::make_move_iterator(lus.end()));
  }
  const TCouverture c = MesureCouverture(jetons);
  auto part = [&](long n) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.1f %%",
                  c.Jetons ? 100.0 * static_cast<double>(n) / static_cast<double>(c.Jetons) : 0.0);
    return std::string(texte);
  };
  sortie << "Mots : " << c.Jetons << "\n";
  sortie << "Analys\xC3\xA9s : " << c.Analyses << " (" << part(c.Analyses) << ")\n";
  sortie << "Lemme retrouv\xC3\xA9 : " << c.LemmesTrouves << " (" << part(c.LemmesTrouves) << ")\n";
  const int n = std::min<int>(nbManques, static_cast<int>(c.Manques.size()));
  sortie << "Les " << n << " lemmes manqu\xC3\xA9s les plus fr\xC3\xA9quents :\n";
  for (int i = 0; i < n; ++i)
    sortie << c.Manques[static_cast<std::size_t>(i)].second << "\t"
           << c.Manques[static_cast<std::size_t>(i)].first << "\n";
}
