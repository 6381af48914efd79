// The French conjugator checked against verbiste (Debian package verbiste,
// program french-conjugator) over every infinitive that the shipped
// lexicon's verbs use, and the verbs of verbiste.tsv: each simple form,
// tense by tense, must be one of the forms verbiste gives, or both must lack
// it. A difference is allowed only when verbiste.tsv lists it, with its
// reason; a listed difference that no longer occurs fails too, so the file
// stays true.
//
// The infinitives are read from the compiled lexicon at test time (the first
// French word of each verb's meaning, without a pronominal "se"), so verbs
// added to data/ are checked as they come. french-conjugator runs once over
// all of them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "flexion/chaines.h"
#include "flexion/tests/aide.h"
#include "flexion/traduction.h"
#include "lexical/tests/fixture.h"

namespace {

// The verbs of the compiled lexicon: each meaning's first French verb, as
// the rendering takes it, without "se " or "s'".
std::set<std::string> InfinitifsDuLexique() {
  ChargeLexique(LECTURIEL_LEX);
  std::set<std::string> infinitifs;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const TDonneesLexicales& d = Lexique->DonneesApresRenvoi(i);
    if (PartieDuModele(d.Modele) != Partie::Verbe) continue;
    std::string infinitif = SansPronomReflechi(InfinitifDuSens(SensApresDeuxPoints(d.Sens)));
    if (!infinitif.empty()) infinitifs.insert(infinitif);
  }
  LiberLexique();
  return infinitifs;
}

// Our form (UTF-8) for a person of a row of [sections]; empty when French
// lacks it.
std::string NotreForme(const std::string& infinitif, const TCas& section, int personne) {
  const int temps = std::stoi(section[1]), mode = std::stoi(section[2]);
  if (mode == 0) return CreeVerbe(infinitif) ? U8(ParticipePasse(infinitif, personne == 4)) : "?";
  const std::string forme =
      ConjugueVerbe(infinitif, personne == 0 ? 1 : personne, static_cast<TTempsFr>(temps),
                    static_cast<TModeFr>(mode), TVoixFr::Actif, false);
  return forme == "erreur" ? "" : U8(forme);
}

// verbiste's forms: infinitive -> section -> lines (each line the
// comma-separated variants, empty when verbiste has no form). An
// infinitive verbiste does not know has no entry.
using Tableaux = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

Tableaux LanceVerbiste(const std::vector<std::string>& infinitifs) {
  const auto dossier = std::filesystem::temp_directory_path();
  const auto entree = dossier / ("verbiste-entree-" + std::to_string(::getpid()) + ".txt");
  const auto sortie = dossier / ("verbiste-sortie-" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream f(entree);
    for (const auto& i : infinitifs) f << i << "\n";
  }
  const std::string commande = std::string("\"") + FRENCH_CONJUGATOR + "\" < \"" + entree.string() +
                               "\" > \"" + sortie.string() + "\"";
  EXPECT_EQ(std::system(commande.c_str()), 0) << commande;
  std::ifstream texte(sortie);
  // One block per input line, each ended by a line "-"; a known verb's
  // block is made of sections "- name:" followed by their lines.
  Tableaux tableaux;
  std::size_t rang = 0;
  std::vector<std::string>* section = nullptr;
  for (std::string ligne; std::getline(texte, ligne);) {
    if (ligne == "-") {
      ++rang;
      section = nullptr;
    } else if (ligne.starts_with("- ") && ligne.ends_with(":") && rang < infinitifs.size()) {
      section = &tableaux[infinitifs[rang]][ligne.substr(2, ligne.size() - 3)];
    } else if (section) {
      section->push_back(ligne);
    }
  }
  std::filesystem::remove(entree);
  std::filesystem::remove(sortie);
  EXPECT_EQ(rang, infinitifs.size()) << "sortie de french-conjugator incomplète";
  return tableaux;
}

bool Accepte(const std::string& notre, const std::string& cellule) {
  if (cellule.empty()) return notre.empty();
  std::stringstream variantes(cellule);
  for (std::string v; std::getline(variantes, v, ',');)
    if (Rogne(v) == notre) return true;
  return false;
}

}  // namespace

TEST(Verbiste, ChaqueFormeSimpleDesVerbesDuLexique) {
  ASSERT_TRUE(std::filesystem::exists(LECTURIEL_LEX)) << "lexique absent : " << LECTURIEL_LEX;
  ASSERT_TRUE(std::filesystem::exists(FRENCH_CONJUGATOR))
      << "french-conjugator introuvable : installer le paquet verbiste (outils/dependances.sh)";
  const std::vector<TCas> fixture = LisFixture(VERBISTE_TSV);
  std::set<std::string> infinitifs = InfinitifsDuLexique();
  for (const TCas& c : Section(fixture, "verbes")) infinitifs.insert(c.Cp(0));
  ASSERT_GT(infinitifs.size(), 100u);
  // The reviewed differences, as a line of the file writes them, and their
  // reason.
  std::map<std::string, std::string> exceptions;
  for (const TCas& c : Section(fixture, "exceptions")) {
    const std::set<std::string> motifs{"variante", "verbiste", "manque"};
    if (c.Champs.size() < 7 || !motifs.count(c[5]) || c[6].empty())
      ADD_FAILURE() << c.Lieu << ": sept champs attendus, le motif (variante, verbiste ou manque) "
                    << "et son explication";
    exceptions[c[0] + "\t" + c[1] + "\t" + c[2] + "\t" + c[3] + "\t" + c[4]] = c[5];
  }

  std::vector<std::string> utf8;
  for (const auto& i : infinitifs) utf8.push_back(U8(i));
  const Tableaux tableaux = LanceVerbiste(utf8);
  std::set<std::string> vues;
  int comparees = 0;
  std::ostringstream differences;
  for (const auto& infinitif : infinitifs) {
    const auto tableau = tableaux.find(U8(infinitif));
    if (tableau == tableaux.end()) continue;  // not a verb verbiste knows
    for (const TCas& s : Section(fixture, "sections")) {
      const auto lignes = tableau->second.find(s[0]);
      ASSERT_NE(lignes, tableau->second.end()) << U8(infinitif) << " : section " << s[0];
      std::istringstream personnes(s[3]);
      int personne = 0;
      for (std::size_t k = 0; personnes >> personne && k < lignes->second.size(); ++k) {
        const std::string notre = NotreForme(infinitif, s, personne);
        ++comparees;
        if (Accepte(notre, lignes->second[k])) continue;
        const std::string cle = U8(infinitif) + "\t" + s[0] + "\t" + std::to_string(personne) +
                                "\t" + notre + "\t" + lignes->second[k];
        if (exceptions.count(cle))
          vues.insert(cle);
        else
          differences << cle << "\n";
      }
    }
  }
  EXPECT_EQ(differences.str(), "")
      << "formes qui diffèrent de verbiste (infinitif, temps, personne, Lecturiel, verbiste) :\n";
  // A listed difference that no longer occurs, for a verb still checked, is
  // stale.
  for (const auto& [cle, motif] : exceptions)
    if (infinitifs.count(Cp(cle.substr(0, cle.find('\t')))) && !vues.count(cle))
      ADD_FAILURE() << "exception qui ne se produit plus : " << cle;
  RecordProperty("formes", comparees);
  std::cout << comparees << " formes comparées, " << infinitifs.size() << " infinitifs, "
            << infinitifs.size() - tableaux.size() << " inconnus de verbiste, " << vues.size()
            << " exceptions\n";
}
