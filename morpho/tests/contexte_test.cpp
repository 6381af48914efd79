// The reading of a word in its sentence with the shipped lexicon and model:
// the plain cases of the fixture, the model's refusal of a damaged file and
// the design's order without a model.
#include "morpho/contexte.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lexical/erreur.h"
#include "lexical/stores.h"
#include "lexical/tests/fixture.h"
#include "morpho/lemmatise.h"
#include "morpho/vocabulaire_contexte.h"

namespace {

std::string Modele() { return CheminContextePres(LECTURIEL_LEX); }

std::string Octets(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream o;
  o << f.rdbuf();
  return o.str();
}

class Contexte : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ChargeLexique(LECTURIEL_LEX); }
  static void TearDownTestSuite() { LiberLexique(); }
};

// The heading's text before its meaning, and with `lecture` its first reading.
std::string Choix(const TPhraseLue& p, std::size_t mot, bool lecture) {
  if (!p.Analyses[mot]) return "?";
  const TLectureProbable& l = p.Lectures[mot].front();
  const TAnalyse& a = p.Analyses[mot]->Analyse(l.Analyse);
  std::string r = a.Entree.substr(0, a.Entree.find(" : "));
  if (lecture && l.Numero >= 0) {
    std::string libelle = a.Lectures[static_cast<std::size_t>(l.Numero)].Libelle(false);
    libelle.erase(0, libelle.find_first_not_of(' '));
    r += " | " + libelle;
  }
  return Cp1252VersUtf8(r);
}

}  // namespace

TEST_F(Contexte, PhrasesClaires) {
  const TModeleContexte modele = TModeleContexte::Lis(Modele());
  VerifieFixture(LisFixture(LECTURIEL_FIXTURES "/contexte.tsv"),
                 {{"phrase-claire",
                   [&](const TCas& c) {
                     std::vector<std::string> formes;
                     std::size_t position = 0;
                     for (const auto& phrase : PhrasesDuTexte(c.Cp(0)))
                       for (const TMotDuTexte& m : phrase) formes.push_back(m.Forme);
                     while (position < formes.size() && formes[position] != c.Cp(1)) ++position;
                     if (position == formes.size()) return std::string("mot absent");
                     const TPhraseLue p = LisPhrase(&modele, formes);
                     return Choix(p, position, c[2].find(" | ") != std::string::npos);
                   }},
                  {"bulle", [&](const TCas& c) {
                     const std::string paragraphe = c.Cp(0);
                     const auto lignes = TexteAnalysesEnContexte(
                         &modele, paragraphe, static_cast<int>(paragraphe.find(c.Cp(1))));
                     std::string r;
                     for (std::size_t i = 1; i < lignes.size(); ++i)
                       r += (i > 1 ? "\n" : "") + Cp1252VersUtf8(lignes[i]);
                     // The expected lines are the fields from the third on.
                     std::string attendu;
                     for (const std::string& l : c.Suite(2))
                       attendu += (attendu.empty() ? "" : "\n") + l;
                     return r == attendu ? c[c.Champs.size() - 1] : r;
                   }}});
}

TEST_F(Contexte, ProbabilitesOrdonneesSansRienAjouterNiRetirer) {
  const TModeleContexte modele = TModeleContexte::Lis(Modele());
  const std::vector<std::string> formes{"Cum", "copiis", "xyzzy", "uenit"};
  const TPhraseLue p = LisPhrase(&modele, formes);
  ASSERT_EQ(p.Lectures.size(), 4u);
  EXPECT_TRUE(p.Lectures[2].empty());  // no analysis: no reading invented
  for (std::size_t i : {0u, 1u, 3u}) {
    EXPECT_EQ(p.Lectures[i].size(), LecturesDe(p.Analyses[i].get()).size());
    double somme = 0;
    for (const TLectureProbable& l : p.Lectures[i]) somme += l.Probabilite;
    EXPECT_NEAR(somme, 1.0, 1e-9);
  }
}

TEST_F(Contexte, SansModeleOrdreDesVedettes) {
  const std::vector<std::string> formes{"Cum", "copiis"};
  const TPhraseLue p = LisPhrase(nullptr, formes);
  const auto alphabetique = LecturesDe(p.Analyses[0].get());
  ASSERT_EQ(p.Lectures[0].size(), alphabetique.size());
  for (std::size_t k = 0; k < alphabetique.size(); ++k) {
    EXPECT_EQ(p.Lectures[0][k].Analyse, alphabetique[k].Analyse);
    EXPECT_EQ(p.Lectures[0][k].Numero, alphabetique[k].Numero);
  }
  EXPECT_EQ(Choix(p, 0, false), "cum, conj.");  // the sorted list's first heading
}

TEST_F(Contexte, FichierAbsentOuEndommageJamaisUtilise) {
  TDossierDeTest d;
  std::string message;
  EXPECT_EQ(ChargeContexte(d.Chemin("quirandole.lex"), message), nullptr);
  EXPECT_NE(message.find("ordre alphab"), std::string::npos) << message;

  const std::string bon = Octets(Modele());
  ASSERT_GT(bon.size(), 1000u);
  std::string change = bon;
  change[bon.size() / 2] = change[bon.size() / 2] == '1' ? '2' : '1';
  for (const auto& [nom, octets, attendu] :
       {std::tuple<std::string, std::string, std::string>{"vide", "", "pas un mod"},
        {"autre", "rang\tvedette\n", "pas un mod"},
        {"tronque", bon.substr(0, bon.size() / 2), "somme de contr"},
        {"change", change, "somme de contr"},
        {"sans-fin", bon.substr(0, bon.size() - 1), "somme de contr"}}) {
    const std::string dossier = d.Chemin(nom);
    std::filesystem::create_directories(dossier);
    d.Ecris(nom + "/contexte.txt", octets);
    message.clear();
    EXPECT_EQ(ChargeContexte(dossier + "/quirandole.lex", message), nullptr) << nom;
    EXPECT_NE(message.find(attendu), std::string::npos) << nom << " : " << message;
  }
}

TEST_F(Contexte, VocabulaireUneFoisParOccurrence) {
  const TModeleContexte modele = TModeleContexte::Lis(Modele());
  const std::string texte =
      "Cum copiis in castra uenit. Cum Caesar in Galliam uenisset, legatos misit. In urbe manet.";
  const TVocabulaire v = VocabulaireEnContexte(texte, modele);
  int occurrences = 0;
  for (const TVedetteVocabulaire& e : v.Vedettes) occurrences += e.Occurrences;
  EXPECT_EQ(occurrences, v.NombreMots);
  const auto compte = [&](std::string_view debut) {
    for (const TVedetteVocabulaire& e : v.Vedettes)
      if (e.Entree.starts_with(Utf8VersCp1252(debut))) return e.Occurrences;
    return 0;
  };
  EXPECT_EQ(compte("cum, prép."), 1);
  EXPECT_EQ(compte("cum, conj."), 1);
  EXPECT_EQ(compte("in, prép. (+ acc.)"), 2);
  EXPECT_EQ(compte("in, prép. (+ abl.)"), 1);
  // The design's count puts every occurrence under each of its headings.
  EXPECT_GT(VocabulaireDuTexte(texte).Vedettes.size(), v.Vedettes.size());
}

// The mark of an uncertain heading, printed by lemmatise --vocabulaire and
// shown in the window's vocabulary column alike.
TEST_F(Contexte, MarqueDesOccurrencesIncertaines) {
  TVedetteVocabulaire v;
  EXPECT_EQ(MarqueIncertaine(v), "");
  v.Incertaines = 2;
  v.Autres = {"queo, is, ire", "qui, adv."};
  EXPECT_EQ(MarqueIncertaine(v), "? 2 | queo, is, ire | qui, adv.");
  const TModeleContexte modele = TModeleContexte::Lis(Modele());
  const TVocabulaire lu = VocabulaireEnContexte(
      "Quis fuit, quem non uidit? Omnia quae dixit uera sunt. Ne timueris.", modele);
  for (const TVedetteVocabulaire& e : lu.Vedettes)
    EXPECT_EQ(MarqueIncertaine(e).empty(), e.Incertaines == 0) << e.Entree;
}

namespace {

// A model written by hand, ended with its checksum as the training script
// ends it.
std::string AvecSomme(const std::string& texte) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (const char c : texte) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3ull;
  }
  char somme[32];
  std::snprintf(somme, sizeof somme, "somme\t%016llx\n", static_cast<unsigned long long>(h));
  return texte + somme;
}

std::string PetitModele(const std::string& formes) {
  return AvecSomme(
      "# lecturiel-contexte 1\netiquettes\t3\n<s>\t2.00\n?\t1.00\nL:cum, conj.\t1.50\n"
      "transitions\t2\n0\t2\t1.00\n2\t0\t1.00\nentetes\t1\ncum, conj.\t1.00\n" +
      formes);
}

}  // namespace

// What the loader must refuse in a file whose checksum is right: a key given
// twice (the numbering of the keys after it would shift), a count that is
// not plain digits; and a pipe or a folder in the model's place is refused
// at once instead of hanging the program.
TEST_F(Contexte, ModeleEcritALaMain) {
  EXPECT_NO_THROW(TModeleContexte::DeTexte(PetitModele("formes\t1\ncum\t0:2:1.25\n"), "m"));
  for (const auto& [formes, attendu] :
       {std::pair<std::string, std::string>{"formes\t2\ncum\t0:2:1.25\ncum\t0:2:1.00\n", "double"},
        {"formes\t1\ncum\t0:2:1e5\n", "compte invalide"},
        {"formes\t1\ncum\t0:2:-1.00\n", "compte invalide"},
        {"formes\t1\ncum\t0:9:1.00\n", "hors limites"}}) {
    try {
      TModeleContexte::DeTexte(PetitModele(formes), "m");
      ADD_FAILURE() << formes;
    } catch (const Erreur& e) {
      EXPECT_NE(std::string(e.what()).find(attendu), std::string::npos) << e.what();
    }
  }
  TDossierDeTest d;
  std::filesystem::create_directories(d.Chemin("dossier/contexte.txt"));
  std::filesystem::create_directories(d.Chemin("tube"));
  ASSERT_EQ(::mkfifo(d.Chemin("tube/contexte.txt").c_str(), 0600), 0);
  for (const std::string nom : {"dossier", "tube"}) {
    std::string message;
    EXPECT_EQ(ChargeContexte(d.Chemin(nom + "/quirandole.lex"), message), nullptr) << nom;
    EXPECT_NE(message.find("ordre alphab"), std::string::npos) << message;
  }
}
