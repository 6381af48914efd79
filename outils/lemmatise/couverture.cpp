#include "outils/lemmatise/couverture.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>

#include "lexical/cp1252.h"
#include "lexical/entier.h"
#include "lexical/erreur.h"
#include "lexical/fichier_ordinaire.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "lexical/minuscules.h"
#include "morpho/lemmatise.h"
#include "outils/lemmatise/tsv.h"

namespace {

bool EstMot(std::string_view id, std::string_view upos) {
  if (id.find_first_of("-.") != std::string_view::npos) return false;
  return upos != "PUNCT" && upos != "NUM" && upos != "SYM" && upos != "X";
}

// Lower case (ASCII and cp1252 capitals), u/i spelling, no trailing digits.
std::string NormaliseLemme(std::string_view lemme) {
  std::string s;
  s.reserve(lemme.size());
  for (char c : lemme) {
    char m = Minuscule(c);
    if (m == 'v') m = 'u';
    if (m == 'j') m = 'i';
    s.push_back(m);
  }
  while (!s.empty() && s.back() >= '0' && s.back() <= '9') s.pop_back();
  return s;
}

// A count of a form list: decimal digits only, below a billion so that the
// sums stay within a long.
bool LisCompte(std::string_view texte, long& compte) {
  if (texte.size() > 9 || texte.find_first_not_of("0123456789") != std::string_view::npos)
    return false;
  const std::optional<int> lu = LisEntier(texte);
  if (lu) compte = *lu;
  return lu.has_value();
}

// The largest corpus file read: the treebanks and form lists are a few
// megabytes; this keeps the tokens read from one well under the memory
// the tool may take.
constexpr std::size_t TailleMaxCorpus = std::size_t{64} << 20;

bool LigneIgnoree(std::string_view ligne) { return ligne.empty() || ligne[0] == '#'; }

std::string PartEnPourcent(long n, long total, int decimales) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%.*f %%", decimales,
                total ? 100.0 * static_cast<double>(n) / static_cast<double>(total) : 0.0);
  return texte;
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
  while (LisLigne(entree, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    const auto c = DecoupeChamps(ligne, '\t');
    if (c.size() < 4 || !EstMot(c[0], c[3])) continue;
    jetons.push_back({std::string(c[1]), std::string(c[2])});
  }
  return jetons;
}

std::vector<std::string> GraphiesLemme(std::string_view lemmeCp1252) {
  std::vector<std::string> graphies;
  Developpe(NormaliseLemme(lemmeCp1252), {}, graphies);
  // The treebank names a people in the plural (Germani, Belgae) where the
  // dictionary cites the singular (Germanus, Belga).
  if (!lemmeCp1252.empty() && lemmeCp1252.front() >= 'A' && lemmeCp1252.front() <= 'Z') {
    const std::size_t n = graphies.size();
    for (std::size_t k = 0; k < n; ++k) {
      const std::string g = graphies[k];  // a copy: push_back may move the strings
      if (g.size() > 3 && g.ends_with("ae"))
        graphies.push_back(g.substr(0, g.size() - 1));
      else if (g.size() > 2 && g.ends_with('i'))
        graphies.push_back(g.substr(0, g.size() - 1) + "us");
    }
  }
  std::sort(graphies.begin(), graphies.end());
  graphies.erase(std::unique(graphies.begin(), graphies.end()), graphies.end());
  return graphies;
}

std::vector<TFormeComptee> LisFormesComptees(std::istream& entree, std::string_view nom) {
  std::vector<TFormeComptee> formes;
  std::string ligne;
  bool premiere = true;
  for (long numero = 1; LisLigne(entree, ligne); ++numero) {
    if (LigneIgnoree(ligne)) continue;
    const auto c = DecoupeChamps(ligne, '\t');
    long compte = 0;
    const bool lisible = c.size() == 2 && !c[0].empty() && LisCompte(c[1], compte);
    // The first row may name the columns.
    const bool entete = premiere && c.size() == 2 && !lisible;
    premiere = false;
    if (entete) continue;
    if (!lisible)
      throw Erreur(Formate("%s:%s : une ligne doit donner une forme et son nombre d'occurrences",
                           {Utf8VersCp1252(nom), std::to_string(numero)}));
    formes.push_back({std::string(c[0]), compte});
  }
  return formes;
}

TCouvertureFormes MesureCouvertureFormes(const std::vector<TFormeComptee>& formes) {
  TCouvertureFormes c;
  std::unordered_map<std::string, long> nonAnalysees;
  for (const TFormeComptee& f : formes) {
    ++c.Formes;
    c.Occurrences += f.Occurrences;
    if (Lemmatise(Utf8VersCp1252(f.Forme))) {
      ++c.FormesAnalysees;
      c.OccurrencesAnalysees += f.Occurrences;
    } else {
      nonAnalysees[f.Forme] += f.Occurrences;
    }
  }
  c.NonAnalysees.assign(nonAnalysees.begin(), nonAnalysees.end());
  std::sort(c.NonAnalysees.begin(), c.NonAnalysees.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  return c;
}

bool EstListeDeFormes(std::istream& entree) {
  std::string ligne;
  while (LisLigne(entree, ligne)) {
    if (!LigneIgnoree(ligne)) return DecoupeChamps(ligne, '\t').size() == 2;
  }
  return false;
}

TCouverture MesureCouverture(const std::vector<TJeton>& jetons) {
  TCouverture c;
  std::unordered_map<std::string, long> manques;
  for (const TJeton& j : jetons) {
    ++c.Jetons;
    const auto liste = Lemmatise(Utf8VersCp1252(j.Forme));
    bool lemmeTrouve = false;
    if (liste) {
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
  std::vector<TFormeComptee> formes;
  bool arbores = false, listes = false;
  for (const std::string& f : fichiers) {
    // Read whole, as the texts are: a folder, a device or a pipe is refused
    // in French before it is opened, and a file is bounded in size.
    std::istringstream entree(LisFichierOrdinaire(f, TailleMaxCorpus), std::ios::binary);
    const bool liste = EstListeDeFormes(entree);
    entree.clear();
    entree.seekg(0);
    if (liste) {
      listes = true;
      auto lues = LisFormesComptees(entree, f);
      formes.insert(formes.end(), std::make_move_iterator(lues.begin()),
                    std::make_move_iterator(lues.end()));
    } else {
      arbores = true;
      auto lus = LisJetonsConllu(entree);
      jetons.insert(jetons.end(), std::make_move_iterator(lus.begin()),
                    std::make_move_iterator(lus.end()));
    }
  }
  if (arbores || !listes) {
    const TCouverture c = MesureCouverture(jetons);
    sortie << "Mots : " << c.Jetons << "\n";
    sortie << "Analysés : " << c.Analyses << " (" << PartEnPourcent(c.Analyses, c.Jetons, 1)
           << ")\n";
    sortie << "Lemme retrouvé : " << c.LemmesTrouves << " ("
           << PartEnPourcent(c.LemmesTrouves, c.Jetons, 1) << ")\n";
    const int n = std::min<int>(nbManques, static_cast<int>(c.Manques.size()));
    sortie << "Les " << n << " lemmes manqués les plus fréquents :\n";
    for (int i = 0; i < n; ++i)
      sortie << c.Manques[static_cast<std::size_t>(i)].second << "\t"
             << c.Manques[static_cast<std::size_t>(i)].first << "\n";
  }
  if (listes) {
    const TCouvertureFormes c = MesureCouvertureFormes(formes);
    sortie << "Formes : " << c.Formes << ", analysées : " << c.FormesAnalysees << " ("
           << PartEnPourcent(c.FormesAnalysees, c.Formes, 2) << ")\n";
    sortie << "Occurrences : " << c.Occurrences << ", analysées : " << c.OccurrencesAnalysees
           << " (" << PartEnPourcent(c.OccurrencesAnalysees, c.Occurrences, 2) << ")\n";
    const int n = std::min<int>(nbManques, static_cast<int>(c.NonAnalysees.size()));
    sortie << "Les " << n << " formes non analysées les plus fréquentes :\n";
    for (int i = 0; i < n; ++i)
      sortie << c.NonAnalysees[static_cast<std::size_t>(i)].second << "\t"
             << c.NonAnalysees[static_cast<std::size_t>(i)].first << "\n";
  }
}
