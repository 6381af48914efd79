// The table of the models, and the copies of it that the Python generators
// of data/ keep: a model renamed, an ending changed or a stem listed on one
// side only would make the generated sources disagree with the analysis.
#include "lexical/modeles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Fichier(const std::string& nom) {
  const std::string chemin = std::string(LECTURIEL_OUTILS_DONNEES) + "/" + nom;
  std::ifstream f(chemin);
  EXPECT_TRUE(f) << chemin;
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The text of a Python literal `NOM = {...}` or `NOM = [...]`, brackets
// excluded; empty when the name is not assigned so.
std::string Litteral(const std::string& source, const std::string& nom) {
  const std::smatch m = [&] {
    std::smatch r;
    std::regex_search(source, r, std::regex("\n" + nom + R"( = ([\[{]))"));
    return r;
  }();
  if (m.empty()) return {};
  const char fin = m[1].str() == "[" ? ']' : '}';
  const std::size_t debut = static_cast<std::size_t>(m.position(0) + m.length(0));
  return source.substr(debut, source.find(fin, debut) - debut);
}

std::vector<std::string> Chaines(const std::string& litteral) {
  std::vector<std::string> r;
  const std::regex chaine("'([^']*)'");
  for (auto it = std::sregex_iterator(litteral.begin(), litteral.end(), chaine);
       it != std::sregex_iterator(); ++it)
    r.push_back((*it)[1]);
  return r;
}

std::vector<std::string> NomsDeLaTable() {
  std::vector<std::string> noms;
  for (const TModele& m : Modeles) noms.emplace_back(m.Nom);
  return noms;
}

}  // namespace

TEST(Modeles, LaFinDeCitationTermineLeNomDuModele) {
  // The type word is itself a headword: its stem 1 and the ending give it back.
  for (int i = 0; i < NombreModeles; ++i) {
    const TModele& m = FicheModele(i);
    if (!m.FinCitation.empty()) {
      EXPECT_TRUE(m.Nom.ends_with(m.FinCitation)) << m.Nom;
    }
    // A headword is either rebuilt from its stem 1 or found by a listed one,
    // except for the pronouns and the invariables, whose forms are listed.
    const bool sansRadicalUn = m.Partie == Partie::Pronom || m.Partie == Partie::Invariable;
    EXPECT_NE(m.FinCitation.empty() && !m.RadicalUnListe, !sansRadicalUn) << m.Nom;
  }
  EXPECT_EQ(FicheModele(ModeleInvariable).LectureVedette, 0u);
  EXPECT_EQ(FicheModele(NombreModeles).Partie, Partie::Aucune);
  EXPECT_TRUE(FicheModele(-1).FinCitation.empty());
}

TEST(Modeles, LesGenerateursEnGardentLaMemeCopie) {
  const std::string lexique = Fichier("genere_lexique.py");
  std::map<std::string, std::string> finales, attendues;
  const std::vector<std::string> paires = Chaines(Litteral(lexique, "FINALE"));
  ASSERT_EQ(paires.size() % 2, 0u);
  for (std::size_t i = 0; i + 1 < paires.size(); i += 2) finales[paires[i]] = paires[i + 1];
  std::set<std::string> listes, listesAttendues;
  for (const std::string& nom : Chaines(Litteral(lexique, "LISTES"))) listes.insert(nom);
  for (const TModele& m : Modeles) {
    if (!m.FinCitation.empty()) attendues[std::string(m.Nom)] = m.FinCitation;
    if (m.RadicalUnListe) listesAttendues.insert(std::string(m.Nom));
  }
  EXPECT_EQ(finales, attendues) << "FINALE de genere_lexique.py";
  EXPECT_EQ(listes, listesAttendues) << "LISTES de genere_lexique.py";

  for (const char* generateur : {"genere_desinences.py", "genere_irreguliers.py"})
    EXPECT_EQ(Chaines(Litteral(Fichier(generateur), "MODELES")), NomsDeLaTable()) << generateur;
  // genere_desinences.py checks that its endings name one of the first
  // models: those that inflect, all before the pronouns and the invariables.
  std::smatch tranche;
  const std::string desinences = Fichier("genere_desinences.py");
  ASSERT_TRUE(std::regex_search(desinences, tranche, std::regex(R"(MODELES\[:(\d+)\])")));
  const int flechis = std::stoi(tranche[1]);
  for (int i = 0; i < NombreModeles; ++i) {
    const int partie = FicheModele(i).Partie;
    EXPECT_EQ(i < flechis, partie != Partie::Pronom && partie != Partie::Invariable)
        << FicheModele(i).Nom;
  }
}
