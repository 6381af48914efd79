#include "lexical/sources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/entier.h"
#include "lexical/fichier_atomique.h"
#include "lexical/lignes.h"
#include "lexical/messages.h"
#include "lexical/minuscules.h"
#include "lexical/modeles.h"
#include "lexical/utf8.h"
#include "lexical/vocabulaire.h"

namespace fs = std::filesystem;

namespace {

// The word after the traits of an archaic irregular form (siem, duim).
constexpr std::string_view MarqueArchaique = " archaïque"_1252;

struct Terme {
  std::string_view Nom;
  std::uint32_t Masque;
};

template <std::size_t N>
void AjouteTermes(std::vector<Terme>& termes, const std::array<std::string_view, N>& noms,
                  const std::array<Morpho, N>& masques) {
  for (std::size_t i = 0; i < N; ++i) termes.push_back({noms[i], masques[i]});
}

// Every term with its bit, in the order of the descriptions: person, case,
// gender, number, mood, tense, voice, degree.
const std::vector<Terme>& Termes() {
  static const std::vector<Terme> termes = [] {
    std::vector<Terme> t;
    AjouteTermes(t, NomsPersonnes, MasquesPersonne);
    AjouteTermes(t, NomsCas, MasquesCas);
    AjouteTermes(t, NomsGenres, MasquesGenre);
    AjouteTermes(t, NomsNombres, MasquesNombre);
    AjouteTermes(t, NomsModes, MasquesMode);
    AjouteTermes(t, NomsTemps, MasquesTemps);
    AjouteTermes(t, NomsVoix, MasquesVoix);
    AjouteTermes(t, NomsDegres, MasquesDegre);
    return t;
  }();
  return termes;
}

const std::uint32_t* MasqueDuTerme(std::string_view nom) {
  for (const Terme& t : Termes())
    if (t.Nom == nom) return &t.Masque;
  return nullptr;
}

std::string Guillemets(std::string_view texte) {
  return "« "_1252 + std::string(texte) + " »"_1252;
}

int LisModele(std::string_view champ) {
  const int modele = ModeleParNom(champ);
  if (modele >= 0) return modele;
  // A number stands for a model by its number; one outside the table is
  // refused here as the loader would refuse it.
  if (auto n = LisEntier(champ); n && *n >= 0 && *n < NombreModeles) return *n;
  throw Erreur("modèle inconnu "_1252 + Guillemets(champ));
}

std::string TexteModele(int modele) {
  if (modele >= 0 && modele < NombreModeles) return std::string(NomsModeles[modele]);
  return std::to_string(modele);
}

// A gender by name, "-" or its number in the file (-1 to 2); any other
// number would write a lexicon the loader refuses.
Genre::TGenre LisGenre(std::string_view champ) {
  if (champ == "-") return Genre::Aucun;
  for (std::size_t i = 0; i < NomsGenres.size(); ++i)
    if (NomsGenres[i] == champ) return static_cast<Genre::TGenre>(i);
  if (auto n = LisEntier(champ); n && *n >= -1 && *n < static_cast<int>(NomsGenres.size()))
    return static_cast<Genre::TGenre>(*n);
  throw Erreur("genre inconnu " + Guillemets(champ) + " (masculin, féminin, neutre ou -)"_1252);
}

std::string TexteGenre(int genre) {
  if (genre == -1) return "-";
  if (genre >= 0 && genre < static_cast<int>(NomsGenres.size()))
    return std::string(NomsGenres[genre]);
  return std::to_string(genre);
}

std::string LisListe(std::string_view champ) {
  return champ == "-" ? std::string() : std::string(champ);
}

// One line of a source: its number and its fields, already in cp1252.
struct Ligne {
  int Numero;
  std::vector<std::string_view> Champs;
};

// Reads a source file and hands each meaningful line to traite; any Erreur
// raised there comes back prefixed with the file and line.
template <class F>
void LisSource(const fs::path& chemin, std::size_t nbChamps, F traite) {
  const std::string nom = Utf8VersCp1252(chemin.string());
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier) throw Erreur(Formate(MessageOuvrirFichier, {nom}));
  std::string ligneUtf8;
  int numero = 0;
  while (LisLigne(fichier, ligneUtf8)) {
    ++numero;
    if (numero == 1 && ligneUtf8.starts_with(MarqueUtf8)) ligneUtf8.erase(0, MarqueUtf8.size());
    if (ligneUtf8.find_first_not_of(" \t") == std::string::npos || ligneUtf8[0] == '#') continue;
    try {
      auto ligne = Utf8VersCp1252Exact(ligneUtf8);
      if (!ligne) throw Erreur("caractère que Windows-1252 ne peut pas représenter"_1252);
      auto champs = DecoupeChamps(*ligne, '\t');
      if (champs.size() != nbChamps)
        throw Erreur(Formate("%d champs attendus séparés par des tabulations, %d trouvés"_1252,
                             {std::to_string(nbChamps), std::to_string(champs.size())}));
      traite(Ligne{numero, std::move(champs)});
    } catch (const Erreur& e) {
      throw Erreur(nom + ":" + std::to_string(numero) + ": " + e.what());
    }
  }
}

std::vector<fs::path> Fichiers(const std::string& dossier, std::string_view prefixe) {
  std::vector<fs::path> chemins;
  std::error_code erreur;
  for (const auto& entree : fs::directory_iterator(dossier, erreur)) {
    const std::string nom = entree.path().filename().string();
    if (nom.size() >= prefixe.size() + 4 && nom.rfind(prefixe, 0) == 0 &&
        nom.compare(nom.size() - 4, 4, ".txt") == 0 && entree.is_regular_file())
      chemins.push_back(entree.path());
  }
  if (erreur) throw Erreur(Formate(MessageLireDossier, {Utf8VersCp1252(dossier)}));
  std::sort(chemins.begin(), chemins.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return chemins;
}

template <class T>
using Lot = std::vector<std::pair<std::string, std::unique_ptr<T>>>;

// Groups items by their key ignoring case, in order of first appearance,
// as Ajoute of the irregular forms does.
template <class T>
class Regroupement {
 public:
  std::vector<T>& Liste(const std::string& cle) {
    auto [it, nouvelle] = indices_.try_emplace(Minuscules(cle), lot_.size());
    if (nouvelle) lot_.emplace_back(cle, std::make_unique<std::vector<T>>());
    return *lot_[it->second].second;
  }
  Lot<std::vector<T>> Prends() { return std::move(lot_); }

 private:
  Lot<std::vector<T>> lot_;
  std::unordered_map<std::string, std::size_t> indices_;
};

void VerifieChamp(std::string_view champ, std::string_view quoi) {
  if (champ.find_first_of("\t\r\n") != std::string_view::npos)
    throw Erreur(
        Formate("%s %s contient une tabulation ou une fin de ligne", {quoi, Guillemets(champ)}));
}

void VerifiePremier(std::string_view champ, std::string_view quoi) {
  VerifieChamp(champ, quoi);
  if (!champ.empty() && champ[0] == '#')
    throw Erreur(Formate("%s %s commence par #", {quoi, Guillemets(champ)}));
}

std::string TexteListe(std::string_view liste) {
  if (liste == "-")
    throw Erreur("liste de radicaux " + Guillemets(liste) + " impossible à écrire en source"_1252);
  VerifieChamp(liste, "radicaux");
  return liste.empty() ? "-" : std::string(liste);
}

void EcrisFichier(const fs::path& chemin, const std::string& texteCp1252) {
  RemplaceFichier(chemin.string(), Cp1252VersUtf8(texteCp1252));
}

}  // namespace

std::uint32_t LisTraits(std::string_view termes) {
  if (termes == "-") return 0;
  std::vector<std::string_view> mots;
  for (std::string_view mot : DecoupeChamps(termes, ' '))
    if (!mot.empty()) mots.push_back(mot);
  if (mots.empty()) throw Erreur("traits vides (- pour aucun)");
  std::uint32_t morpho = 0;
  for (std::size_t i = 0; i < mots.size(); ++i) {
    // Terms of two words ("futur antérieur", "1ère personne") first.
    if (i + 1 < mots.size()) {
      const std::string deux = std::string(mots[i]) + " " + std::string(mots[i + 1]);
      if (const auto* m = MasqueDuTerme(deux)) {
        morpho |= *m;
        ++i;
        continue;
      }
    }
    const auto* m = MasqueDuTerme(mots[i]);
    if (!m) throw Erreur("trait inconnu " + Guillemets(mots[i]));
    morpho |= *m;
  }
  return morpho;
}

std::string TexteTraits(std::uint32_t morpho) {
  std::string texte;
  for (const Terme& t : Termes())
    if (morpho & t.Masque) {
      if (!texte.empty()) texte += ' ';
      texte += t.Nom;
    }
  return texte.empty() ? "-" : texte;
}

TStoresSources LisSources(const std::string& dossier) {
  TStoresSources stores;

  Regroupement<TLecture> desinences;
  for (const auto& chemin : Fichiers(dossier, "desinences"))
    LisSource(chemin, 4, [&](const Ligne& l) {
      if (l.Champs[0].empty()) throw Erreur("terminaison vide");
      TLecture d;
      d.Modele = LisModele(l.Champs[1]);
      const auto radical = LisEntier(l.Champs[2]);
      if (!radical) throw Erreur("numéro de radical incorrect "_1252 + Guillemets(l.Champs[2]));
      d.Radical = *radical;
      d.Morpho = LisTraits(l.Champs[3]);
      desinences.Liste(CleDesinence(l.Champs[0])).push_back(d);
    });
  stores.Desinences = std::make_unique<TListeDes>();
  stores.Desinences->AjouteTous(desinences.Prends());

  Regroupement<TLectureIrreguliere> irreguliers;
  for (const auto& chemin : Fichiers(dossier, "irreguliers"))
    LisSource(chemin, 4, [&](const Ligne& l) {
      if (l.Champs[0].empty()) throw Erreur("forme vide");
      const int modele = LisModele(l.Champs[2]);
      std::string_view traits = l.Champs[3];
      const bool archaique = traits.ends_with(MarqueArchaique);
      if (archaique) traits.remove_suffix(MarqueArchaique.size());
      const std::uint32_t morpho = LisTraits(traits);
      irreguliers.Liste(std::string(l.Champs[0]))
          .emplace_back(morpho, modele, std::string(l.Champs[1]))
          .Archaique = archaique;
    });
  stores.Irreguliers = std::make_unique<TListeIrreg>();
  stores.Irreguliers->AjouteTous(irreguliers.Prends());

  Lot<TDonneesLexicales> entrees;
  for (const auto& chemin : Fichiers(dossier, "lexique"))
    LisSource(chemin, 6, [&](const Ligne& l) {
      auto e = std::make_unique<TDonneesLexicales>();
      e->Modele = LisModele(l.Champs[1]);
      e->Genre = LisGenre(l.Champs[2]);
      e->RadicauxA = LisListe(l.Champs[3]);
      e->RadicauxB = LisListe(l.Champs[4]);
      e->Sens = std::string(l.Champs[5]);
      entrees.emplace_back(std::string(l.Champs[0]), std::move(e));
    });
  stores.Lexique = std::make_unique<TLexique>();
  stores.Lexique->AjouteTous(std::move(entrees));
  stores.Lexique->IndexeRadicaux();
  return stores;
}

void EcrisSources(const TLexique& lexique, const TListeDes& desinences,
                  const TListeIrreg& irreguliers, const std::string& dossier) {
  // Everything is checked and built before the first file is written.
  std::string des = "# terminaison\tmodèle\tradical\ttraits\n"_1252;
  for (int i = 0; i < desinences.Count(); ++i) {
    const std::string terminaison = CleDesinence(desinences.Cle(i));
    if (terminaison.empty()) throw Erreur("terminaison vide impossible à écrire en source"_1252);
    VerifiePremier(terminaison, "terminaison");
    for (const TLecture& d : desinences.Lectures(i))
      des += terminaison + '\t' + TexteModele(d.Modele) + '\t' + std::to_string(d.Radical) + '\t' +
             TexteTraits(d.Morpho) + '\n';
  }
  std::string irr = "# forme\tlemme\tmodèle\ttraits\n"_1252;
  for (int i = 0; i < irreguliers.Count(); ++i) {
    if (irreguliers.Cle(i).empty()) throw Erreur("forme vide impossible à écrire en source"_1252);
    VerifiePremier(irreguliers.Cle(i), "forme");
    for (const TLectureIrreguliere& d : irreguliers.Lectures(i)) {
      VerifieChamp(d.Lemme, "lemme");
      irr += irreguliers.Cle(i) + '\t' + d.Lemme + '\t' + TexteModele(d.Modele) + '\t' +
             TexteTraits(d.Morpho) + std::string(d.Archaique ? MarqueArchaique : "") + '\n';
    }
  }
  std::string lex = "# clé\tmodèle\tgenre\tradicauxA\tradicauxB\tsens\n"_1252;
  for (int i = 0; i < lexique.Count(); ++i) {
    const TDonneesLexicales& e = lexique.Donnees(i);
    VerifiePremier(lexique.Cle(i), "clé"_1252);
    VerifieChamp(e.Sens, "sens");
    lex += lexique.Cle(i) + '\t' + TexteModele(e.Modele) + '\t' + TexteGenre(e.Genre) + '\t' +
           TexteListe(e.RadicauxA) + '\t' + TexteListe(e.RadicauxB) + '\t' + e.Sens + '\n';
  }
  std::error_code erreur;
  fs::create_directories(dossier, erreur);
  const fs::path d(dossier);
  EcrisFichier(d / "desinences.txt", des);
  EcrisFichier(d / "irreguliers.txt", irr);
  EcrisFichier(d / "lexique.txt", lex);
}
