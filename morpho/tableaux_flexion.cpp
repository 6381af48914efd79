#include "morpho/tableaux_flexion.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "lexical/chaines_latines.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/liste_triee.h"

namespace {

// Tenses in the order of the grammars.
constexpr int OrdreTemps[6] = {Temps::Present, Temps::Imparfait,      Temps::Futur,
                               Temps::Parfait, Temps::PlusQueParfait, Temps::FuturAnterieur};

std::vector<int> Indexes(Morpho m, const Morpho* masques, std::size_t n) {
  std::vector<int> r;
  for (std::size_t i = 0; i < n; ++i)
    if (m & masques[i]) r.push_back(static_cast<int>(i));
  return r;
}
template <std::size_t N>
std::vector<int> Indexes(Morpho m, const std::array<Morpho, N>& masques) {
  return Indexes(m, masques.data(), N);
}
template <std::size_t N>
int Premier(Morpho m, const std::array<Morpho, N>& masques) {
  const auto r = Indexes(m, masques);
  return r.empty() ? -1 : r.front();
}

std::string Terme(const auto& table, int i) {
  return i < 0 ? std::string() : std::string(table[static_cast<std::size_t>(i)]);
}

// What a cell shows of a form: an archaic one marked.
constexpr std::string_view MarqueArchaique = " (archaïque)"_1252;

std::string Affichee(const TFormeFlechie& f) {
  return f.Archaique ? f.Forme + std::string(MarqueArchaique) : f.Forme;
}

std::string Joint(std::initializer_list<std::string> morceaux) {
  std::string r;
  for (const std::string& m : morceaux) {
    if (m.empty()) continue;
    if (!r.empty()) r += ' ';
    r += m;
  }
  return r;
}

enum Sorte {
  Declinaison = 0,
  Conjugaison = 1,
  Infinitifs = 2,
  FormeNominale = 3,
  Supins = 4,
  Autres = 5
};

// What decides which table a form goes to, in the order the tables come.
using CleTableau = std::tuple<int, int, int, int, int>;  // sorte, mode, voix, temps, degré

CleTableau CleDe(const TFormeFlechie& f) {
  if (f.Origine == OrigineForme::Supin) return {Supins, -1, -1, -1, -1};
  const Morpho t = f.Traits;
  const int mode = Premier(t, MasquesMode), voix = Premier(t, MasquesVoix);
  const int temps = Premier(t, MasquesTemps), degre = Premier(t, MasquesDegre);
  if (t & Trait::ToutesPersonnes) return {Conjugaison, mode, voix, -1, -1};
  if (mode == Mode::Infinitif) return {Infinitifs, -1, -1, -1, -1};
  if (Premier(t, MasquesCas) >= 0) {
    if (mode < 0) return {Declinaison, -1, -1, -1, std::max<int>(degre, Degre::Positif)};
    const int rangTemps =
        temps < 0 ? -1
                  : static_cast<int>(std::find(OrdreTemps, OrdreTemps + 6, temps) - OrdreTemps);
    return {FormeNominale, mode, voix, rangTemps, degre};
  }
  return {Autres, -1, -1, -1, -1};
}

std::string TitreDe(const CleTableau& c) {
  const auto [sorte, mode, voix, rangTemps, degre] = c;
  switch (sorte) {
    case Declinaison:
      return degre > Degre::Positif ? Joint({"déclinaison"_1252, Terme(NomsDegres, degre)})
                                    : "déclinaison"_1252;
    case Conjugaison:
      return Joint({Terme(NomsModes, mode), Terme(NomsVoix, voix)});
    case Infinitifs:
      return "infinitif";
    case Supins:
      return "supin";
    case FormeNominale:
      return Joint({Terme(NomsModes, mode),
                    rangTemps < 0 ? "" : Terme(NomsTemps, OrdreTemps[rangTemps]),
                    Terme(NomsVoix, voix), degre > Degre::Positif ? Terme(NomsDegres, degre) : ""});
    default:
      return "autres formes";
  }
}

// Builds a table from (row key, column key, form) triples; keys sort rows and
// columns, labels name them.
struct TConstruction {
  std::map<int, std::string> lignes, colonnes;
  std::vector<std::tuple<int, int, std::string>> formes;

  void Ajoute(int ligne, std::string libelleLigne, int colonne, std::string libelleColonne,
              const std::string& forme) {
    lignes.emplace(ligne, std::move(libelleLigne));
    colonnes.emplace(colonne, std::move(libelleColonne));
    formes.emplace_back(ligne, colonne, forme);
  }

  TTableauFlexion Tableau(std::string titre) const {
    TTableauFlexion t;
    t.Titre = std::move(titre);
    std::map<int, std::size_t> rangLigne, rangColonne;
    for (const auto& [k, libelle] : lignes) {
      rangLigne[k] = t.Lignes.size();
      t.Lignes.push_back(libelle);
    }
    for (const auto& [k, libelle] : colonnes) {
      rangColonne[k] = t.Colonnes.size();
      t.Colonnes.push_back(libelle);
    }
    t.Cases.assign(t.Lignes.size(), std::vector<std::vector<std::string>>(t.Colonnes.size()));
    for (const auto& [l, c, forme] : formes) {
      auto& cellule = t.Cases[rangLigne[l]][rangColonne[c]];
      if (std::find(cellule.begin(), cellule.end(), forme) == cellule.end())
        cellule.push_back(forme);
    }
    // An archaic form after the classical ones of its cell, the compound
    // forms (ausus sim) among them.
    for (auto& ligne : t.Cases)
      for (auto& cellule : ligne)
        std::stable_partition(cellule.begin(), cellule.end(), [](const std::string& f) {
          return !std::string_view(f).ends_with(MarqueArchaique);
        });
    return t;
  }
};

TTableauFlexion TableauDe(const CleTableau& cle, const std::vector<const TFormeFlechie*>& formes) {
  TConstruction c;
  const int sorte = std::get<0>(cle);
  if (sorte == Conjugaison) {
    for (const TFormeFlechie* f : formes)
      for (int n : Indexes(f->Traits, MasquesNombre))
        for (int p : Indexes(f->Traits, MasquesPersonne))
          for (int t : Indexes(f->Traits, MasquesTemps)) {
            const int rang =
                static_cast<int>(std::find(OrdreTemps, OrdreTemps + 6, t) - OrdreTemps);
            c.Ajoute(n * 3 + p, Joint({Terme(NomsPersonnes, p), Terme(NomsNombres, n)}), rang,
                     Terme(NomsTemps, t), Affichee(*f));
          }
  } else if (sorte == Infinitifs) {
    for (const TFormeFlechie* f : formes) {
      const auto temps = Indexes(f->Traits, MasquesTemps);
      const auto voix = Indexes(f->Traits, MasquesVoix);
      for (int t : temps.empty() ? std::vector<int>{-1} : temps)
        for (int v : voix.empty() ? std::vector<int>{-1} : voix) {
          const int rang =
              t < 0 ? -1 : static_cast<int>(std::find(OrdreTemps, OrdreTemps + 6, t) - OrdreTemps);
          c.Ajoute(rang, Terme(NomsTemps, t), v, Terme(NomsVoix, v), Affichee(*f));
        }
    }
  } else if (sorte == Supins) {
    for (const TFormeFlechie* f : formes)
      for (int cas : Indexes(f->Traits, MasquesCas))
        c.Ajoute(cas, Terme(NomsCas, cas), 0, "", Affichee(*f));
  } else if (sorte == Declinaison || sorte == FormeNominale) {
    // Gender is a column only when the forms have more than one.
    Morpho genres = 0;
    for (const TFormeFlechie* f : formes) genres |= f->Traits & Trait::TousGenres;
    const bool parGenre = Indexes(genres, MasquesGenre).size() > 1;
    for (const TFormeFlechie* f : formes) {
      auto nombres = Indexes(f->Traits, MasquesNombre);
      auto lesGenres = parGenre ? Indexes(f->Traits, MasquesGenre) : std::vector<int>{};
      if (nombres.empty()) nombres.push_back(-1);
      if (lesGenres.empty()) lesGenres.push_back(-1);
      for (int cas : Indexes(f->Traits, MasquesCas))
        for (int n : nombres)
          for (int g : lesGenres)
            c.Ajoute(cas, Terme(NomsCas, cas), (n + 1) * 4 + g + 1,
                     Joint({Terme(NomsNombres, n), Terme(NomsGenres, g)}), Affichee(*f));
    }
  } else {
    // The degrees of an adverb in a grammar's order (saepius before
    // saepissime), the other rows as they come.
    int rang = 0;
    std::map<std::string, int> rangs;
    for (const TFormeFlechie* f : formes) {
      std::string libelle = TLecture{0, 0, f->Traits}.Libelle(false);
      while (!libelle.empty() && libelle.front() == ' ') libelle.erase(0, 1);
      const int degre = Premier(f->Traits, MasquesDegre);
      const auto [it, nouveau] = rangs.emplace(libelle, (degre + 1) * 10000 + rang);
      if (nouveau) ++rang;
      c.Ajoute(it->second, libelle, 0, "", Affichee(*f));
    }
  }
  return c.Tableau(TitreDe(cle));
}

std::string Cellule(const std::vector<std::string>& formes) {
  if (formes.empty()) return "-";
  std::string r;
  for (const std::string& f : formes) r += (r.empty() ? "" : ", ") + f;
  return r;
}

std::string Echappe(std::string_view texte) {
  std::string r;
  for (char c : texte) {
    switch (c) {
      case '<':
        r += "&lt;";
        break;
      case '>':
        r += "&gt;";
        break;
      case '&':
        r += "&amp;";
        break;
      case '"':
        r += "&quot;";
        break;
      default:
        r += c;
    }
  }
  return r;
}

std::string Cle(std::string_view forme) {
  if (forme.ends_with(MarqueArchaique)) forme.remove_suffix(MarqueArchaique.size());
  std::string s(forme);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return Normalise(s);
}

}  // namespace

std::vector<TTableauFlexion> TableauxFlexion(const TParadigme& paradigme) {
  std::map<CleTableau, std::vector<const TFormeFlechie*>> groupes;
  for (const TFormeFlechie& f : paradigme.Formes) groupes[CleDe(f)].push_back(&f);
  std::vector<TTableauFlexion> tableaux;
  for (const auto& [cle, formes] : groupes) tableaux.push_back(TableauDe(cle, formes));
  return tableaux;
}

std::vector<std::string> TexteParadigme(const TParadigme& paradigme) {
  std::vector<std::string> lignes{paradigme.Entree};
  const auto tableaux = TableauxFlexion(paradigme);
  if (tableaux.empty()) lignes.insert(lignes.end(), {"  invariable", ""});
  for (const TTableauFlexion& t : tableaux) {
    lignes.push_back("  " + t.Titre);
    std::size_t largeurTitres = 0;
    for (const std::string& l : t.Lignes) largeurTitres = std::max(largeurTitres, l.size());
    std::vector<std::size_t> largeurs;
    for (std::size_t c = 0; c < t.Colonnes.size(); ++c) {
      std::size_t l = t.Colonnes[c].size();
      for (const auto& ligne : t.Cases) l = std::max(l, Cellule(ligne[c]).size());
      largeurs.push_back(l);
    }
    auto aligne = [](std::string s, std::size_t largeur) {
      s.resize(std::max(s.size(), largeur), ' ');
      return s;
    };
    const bool entetes = std::any_of(t.Colonnes.begin(), t.Colonnes.end(),
                                     [](const std::string& c) { return !c.empty(); });
    if (entetes) {
      std::string l = "    " + aligne("", largeurTitres);
      for (std::size_t c = 0; c < t.Colonnes.size(); ++c)
        l += "  " + aligne(t.Colonnes[c], largeurs[c]);
      while (!l.empty() && l.back() == ' ') l.pop_back();
      lignes.push_back(l);
    }
    for (std::size_t r = 0; r < t.Lignes.size(); ++r) {
      std::string l = "    " + aligne(t.Lignes[r], largeurTitres);
      for (std::size_t c = 0; c < t.Colonnes.size(); ++c)
        l += "  " + aligne(Cellule(t.Cases[r][c]), largeurs[c]);
      while (!l.empty() && l.back() == ' ') l.pop_back();
      lignes.push_back(l);
    }
    lignes.push_back("");
  }
  return lignes;
}

std::string HtmlParadigmes(const std::vector<TParadigme>& paradigmes, std::string_view enValeur) {
  const std::string cherchee = Cle(enValeur);
  std::string html;
  for (const TParadigme& p : paradigmes) {
    html += "<h3>" + Echappe(p.Entree) + "</h3>\n";
    const auto tableaux = TableauxFlexion(p);
    if (tableaux.empty()) html += "<p>invariable</p>\n";
    for (const TTableauFlexion& t : tableaux) {
      html += "<p><b>" + Echappe(t.Titre) +
              "</b></p>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
      if (std::any_of(t.Colonnes.begin(), t.Colonnes.end(),
                      [](const std::string& c) { return !c.empty(); })) {
        html += "<tr><th></th>";
        for (const std::string& c : t.Colonnes) html += "<th>" + Echappe(c) + "</th>";
        html += "</tr>\n";
      }
      for (std::size_t r = 0; r < t.Lignes.size(); ++r) {
        html += "<tr><th align=\"left\">" + Echappe(t.Lignes[r]) + "</th>";
        for (const auto& cellule : t.Cases[r]) {
          html += "<td>";
          if (cellule.empty()) html += "-";
          for (std::size_t i = 0; i < cellule.size(); ++i) {
            if (i > 0) html += ", ";
            if (!cherchee.empty() && Cle(cellule[i]) == cherchee)
              html += "<span style=\"background-color:#ffd54f\"><b>" + Echappe(cellule[i]) +
                      "</b></span>";
            else
              html += Echappe(cellule[i]);
          }
          html += "</td>";
        }
        html += "</tr>\n";
      }
      html += "</table>\n";
    }
  }
  return html;
}
