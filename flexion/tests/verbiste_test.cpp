// The French conjugator checked against verbiste (Debian package verbiste,
// program french-conjugator) over every infinitive that the shipped
// lexicon's verbs use: each simple form, tense by tense, must be one of the
// forms verbiste gives, or both must lack it.  A difference is allowed only
// when verbiste_exceptions.tsv lists it, with its reason; a listed difference
// that no longer occurs fails too, so the file stays true.
//
// The infinitives are read from the compiled lexicon at test time (the first
// French word of each verb's meaning, without a pronominal "se"), so verbs
// added to data/ are checked as they come.  french-conjugator runs once over
// all of them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "flexion/chaines.h"
#include "flexion/tests/aide.h"
#include "flexion/traduction.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "lexical/vocabulaire.h"

namespace {

// One section of french-conjugator's output and where our forms come from.
// Personnes lists the persons of its lines in order; 0 stands for an
// impersonal line (infinitive, participle).
struct TSectionVerbiste {
  const char* nom;
  int temps, mode;
  std::vector<int> personnes;
};

const std::vector<TSectionVerbiste>& SectionsVerbiste() {
  static const std::vector<TSectionVerbiste> sections = {
      {"infinitive present", 1, 5, {0}},
      {"indicative present", 1, 1, {1, 2, 3, 4, 5, 6}},
      {"indicative imperfect", 3, 1, {1, 2, 3, 4, 5, 6}},
      {"indicative future", 2, 1, {1, 2, 3, 4, 5, 6}},
      {"indicative past", 4, 1, {1, 2, 3, 4, 5, 6}},
      {"conditional present", 1, 3, {1, 2, 3, 4, 5, 6}},
      {"subjunctive present", 1, 2, {1, 2, 3, 4, 5, 6}},
      {"subjunctive imperfect", 3, 2, {1, 2, 3, 4, 5, 6}},
      {"imperative present", 1, 4, {2, 4, 5}},
      {"participle present", 1, 6, {0}},
      // Masculine singular and plural; the project has no feminine forms.
      {"participle past", 0, 0, {1, 4}},
  };
  return sections;
}

// The verbs of the compiled lexicon: each meaning's first French verb, as
// the rendering takes it, without "se " or "s'".
std::set<std::string> InfinitifsDuLexique() {
  std::set<std::string> infinitifs;
  for (int i = 0; i < Lexique->Count(); ++i) {
    const TDonneesLexicales& d = Lexique->Donnees(i, false);
    if (PartieDuModele(d.Modele) != Partie::Verbe) continue;
    std::string infinitif = SansPronomReflechi(InfinitifDuSens(SensApresDeuxPoints(d.Sens)));
    if (!infinitif.empty()) infinitifs.insert(infinitif);
  }
  return infinitifs;
}

// Our form for a line of a section, in UTF-8; empty when French lacks it.
std::string NotreForme(const std::string& infinitif, const TSectionVerbiste& s, int personne) {
  std::string forme;
  if (s.mode == 0) {
    if (!CreeVerbe(infinitif)) return "?";
    forme = ParticipePasse(infinitif, personne == 4);
  } else {
    forme = ConjugueVerbe(infinitif, personne == 0 ? 1 : personne, static_cast<TTempsFr>(s.temps),
                          static_cast<TModeFr>(s.mode), TVoixFr::Actif, false);
    if (forme == "erreur") forme.clear();
  }
  return U8(forme);
}

// verbiste's forms: infinitive -> section -> lines (each line the
// comma-separated variants, empty when verbiste has no form).  An
// infinitive verbiste does not know has no entry.
using Tableaux = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

Tableaux LanceVerbiste(const std::vector<std::string>& infinitifsUtf8) {
  const auto dossier = std::filesystem::temp_directory_path();
  const auto entree = dossier / ("verbiste-entree-" + std::to_string(::getpid()) + ".txt");
  const auto sortie = dossier / ("verbiste-sortie-" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream f(entree);
    for (const auto& i : infinitifsUtf8) f << i << "\n";
  }
  const std::string commande = std::string("\"") + FRENCH_CONJUGATOR + "\" < \"" + entree.string() +
                               "\" > \"" + sortie.string() + "\"";
  const int code = std::system(commande.c_str());
  std::ifstream f(sortie);
  std::stringstream texte;
  texte << f.rdbuf();
  std::filesystem::remove(entree);
  std::filesystem::remove(sortie);
  EXPECT_EQ(code, 0) << commande;

  // One block per input line, each ended by a line "-"; a known verb's
  // block is made of sections "- name:" followed by their lines.
  Tableaux tableaux;
  std::size_t rang = 0;
  std::map<std::string, std::vector<std::string>> bloc;
  std::vector<std::string>* section = nullptr;
  std::string ligne;
  while (std::getline(texte, ligne)) {
    if (ligne == "-") {
      if (rang < infinitifsUtf8.size() && !bloc.empty()) tableaux[infinitifsUtf8[rang]] = bloc;
      ++rang;
      bloc.clear();
      section = nullptr;
    } else if (ligne.starts_with("- ") && ligne.ends_with(":")) {
      section = &bloc[ligne.substr(2, ligne.size() - 3)];
    } else if (section) {
      section->push_back(ligne);
    }
  }
  EXPECT_EQ(rang, infinitifsUtf8.size()) << "sortie de french-conjugator incomplète";
  return tableaux;
}

bool Accepte(const std::string& notre, const std::string& cellule) {
  if (cellule.empty()) return notre.empty();
  std::stringstream variantes(cellule);
  std::string v;
  while (std::getline(variantes, v, ','))
    if (Rogne(v) == notre) return true;
  return false;
}

// A difference as the exceptions file writes it: infinitive, section,
// person, our form, verbiste's line (UTF-8).
std::string Cle(const std::string& infinitif, const std::string& section, int personne,
                const std::string& notre, const std::string& verbiste) {
  return infinitif + "\t" + section + "\t" + std::to_string(personne) + "\t" + notre + "\t" +
         verbiste;
}

// The reviewed differences: key -> reason. Rows: the five fields of Cle,
// then the reason (variante, verbiste, manque) and its explanation.
std::map<std::string, std::string> Exceptions(const std::string& chemin) {
  std::map<std::string, std::string> exceptions;
  for (const TCas& c : LisFixture(chemin)) {
    if (c.Champs.size() < 7 || (c[5] != "variante" && c[5] != "verbiste" && c[5] != "manque") ||
        c[6].empty())
      ADD_FAILURE() << c.Lieu << ": sept champs attendus, le motif (variante, verbiste ou manque) "
                    << "et son explication";
    else
      exceptions[Cle(c[0], c[1], std::stoi(c[2]), c[3], c[4])] = c[5];
  }
  return exceptions;
}

}  // namespace

TEST(Verbiste, ChaqueFormeSimpleDesVerbesDuLexique) {
  ASSERT_TRUE(std::filesystem::exists(LECTURIEL_LEX)) << "lexique absent : " << LECTURIEL_LEX;
  ASSERT_TRUE(std::filesystem::exists(FRENCH_CONJUGATOR))
      << "french-conjugator introuvable : installer le paquet verbiste (outils/dependances.sh)";
  ChargeLexique(LECTURIEL_LEX);
  std::set<std::string> infinitifs = InfinitifsDuLexique();
  LiberLexique();
  // Verbs the class chain or the spelling classes once got wrong, checked
  // whether the lexicon uses them or not.
  for (const char* v : {"rompre", "corrompre", "interrompre", "suffire", "haïr", "braire",
                        "entrevoir", "défaillir", "circoncire", "reluire", "ouïr", "grasseyer",
                        "dépecer", "protéger", "rapiécer", "hâter", "habiter"})
    infinitifs.insert(Cp(v));
  ASSERT_GT(infinitifs.size(), 100u);

  std::vector<std::string> utf8;
  for (const auto& i : infinitifs) utf8.push_back(U8(i));
  const Tableaux tableaux = LanceVerbiste(utf8);
  auto exceptions = Exceptions(VERBISTE_EXCEPTIONS);
  std::set<std::string> vues;

  int comparees = 0, inconnus = 0;
  std::ostringstream differences;
  for (const auto& infinitif : infinitifs) {
    const auto tableau = tableaux.find(U8(infinitif));
    if (tableau == tableaux.end()) {
      ++inconnus;  // not a verb verbiste knows: nothing to compare with
      continue;
    }
    for (const TSectionVerbiste& s : SectionsVerbiste()) {
      const auto lignes = tableau->second.find(s.nom);
      ASSERT_NE(lignes, tableau->second.end()) << U8(infinitif) << " : section " << s.nom;
      for (std::size_t k = 0; k < s.personnes.size() && k < lignes->second.size(); ++k) {
        const int personne = s.personnes[k];
        const std::string notre = NotreForme(infinitif, s, personne);
        const std::string& cellule = lignes->second[k];
        ++comparees;
        if (Accepte(notre, cellule)) continue;
        const std::string cle = Cle(U8(infinitif), s.nom, personne, notre, cellule);
        if (exceptions.count(cle)) {
          vues.insert(cle);
          continue;
        }
        differences << cle << "\n";
      }
    }
  }
  EXPECT_EQ(differences.str(), "")
      << "formes qui diffèrent de verbiste (infinitif, temps, personne, Lecturiel, verbiste) :\n";
  // A listed difference that no longer occurs, for a verb still in the
  // lexicon, is stale.
  for (const auto& [cle, motif] : exceptions) {
    const std::string infinitif = cle.substr(0, cle.find('\t'));
    if (infinitifs.count(Cp(infinitif)) && !vues.count(cle))
      ADD_FAILURE() << "exception qui ne se produit plus : " << cle;
  }
  RecordProperty("formes", comparees);
  std::cout << comparees << " formes comparées, " << infinitifs.size() << " infinitifs, "
            << inconnus << " inconnus de verbiste, " << vues.size() << " exceptions\n";
}
