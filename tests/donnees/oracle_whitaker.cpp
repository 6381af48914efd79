// Every form the inflection tables give for the best-ranked headwords
// (data/rangs.txt; proper names left out) is a Latin form of that headword, as Whitaker's Words
// (Debian package whitakers-words, an analyser that explains Latin in
// English) recognises it: all forms go to one run of the program, a word a
// line, with its pauses turned off; only its dictionary lines are read, for
// the lemma they begin with (never the English meanings that follow them). A form it does not give
// under the same lemma must be listed with its reason in oracle_whitaker.tsv; a listed form that no
// longer fails fails the test, so the list only shrinks. The test is skipped where the program is
// not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lexical/cp1252.h"
#include "lexical/modeles.h"
#include "lexical/stores.h"
#include "morpho/paradigme.h"

namespace {

// Lower case, u for v and i for j, letters only (Whitaker writes v and j).
std::string Norme(std::string_view mot) {
  std::string r;
  for (char c : mot) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == 'v') c = 'u';
    if (c == 'j') c = 'i';
    if (c >= 'a' && c <= 'z') r += c;
  }
  return r;
}

// A dictionary line holds the five source codes in brackets: [XXXAO].
bool LigneDeDictionnaire(std::string_view l) {
  for (std::size_t p = l.find('['); p != std::string_view::npos; p = l.find('[', p + 1))
    if (p + 6 < l.size() && l[p + 6] == ']' &&
        std::all_of(l.begin() + static_cast<std::ptrdiff_t>(p) + 1,
                    l.begin() + static_cast<std::ptrdiff_t>(p) + 6,
                    [](char c) { return c >= 'A' && c <= 'Z'; }))
      return true;
  return false;
}

// The prefix as it is written before a consonant it assimilates to (adfero
// and affero, conloco and colloco are one word).
std::string Assimile(std::string mot) {
  static const std::pair<std::string_view, std::string_view> paires[] = {
      {"adf", "aff"},     {"adl", "all"},     {"adc", "acc"},     {"adp", "app"},
      {"adg", "agg"},     {"adt", "att"},     {"ads", "ass"},     {"adr", "arr"},
      {"inp", "imp"},     {"inm", "imm"},     {"inl", "ill"},     {"inr", "irr"},
      {"inb", "imb"},     {"conl", "coll"},   {"conm", "comm"},   {"conp", "comp"},
      {"conr", "corr"},   {"conb", "comb"},   {"obp", "opp"},     {"subf", "suff"},
      {"subc", "succ"},   {"subp", "supp"},   {"subg", "sugg"},   {"exf", "eff"},
      {"transf", "traf"}, {"transd", "trad"}, {"transl", "tral"}, {"transm", "tram"}};
  for (const auto& [de, vers] : paires)
    if (mot.starts_with(de)) return std::string(vers) + mot.substr(de.size());
  return mot;
}

// Whether Whitaker's lemma `w` names the headword `v`: the same word, or
// the word it files the headword under: the verb of a passive headword
// (uideor under uideo), the verb of an impersonal (licet under liceo), the
// simple verb of a compound whose prefix it splits off (abeatur under eo),
// the present of a verb cited in the perfect (coepi under coepio), the
// stem qu- under which it files qui and its compounds, the word without the
// enclitic it splits off (plerusque under plerus), the cardinal of an
// ordinal (quartus under quattuor), the singular under which it cites a
// plural-only noun (insidiae, liberi, moenia, exta under insidia, liber,
// moene, extum),
// a few headwords it cites in another form (inquam as inquiam); for a
// comparative or superlative, the degree as a word of its own (pessimus,
// plus, perfectissimus) or the adverb of the same stem (ferocius,
// ferocissime under ferociter), or for an adverb's degree the adjective
// (grauius under grauis).
bool Correspond(const std::string& forme, const std::string& v, const std::string& w) {
  if (w == "*" || w.empty() || (w == "qu" && (v.starts_with("qu") || v.starts_with("cu"))))
    return true;
  const std::string a = Assimile(v), b = Assimile(w);
  if (a == b || a == b + "que" || a + "o" == b || a == b + "o") return true;
  if (a == b + "i" || (a.ends_with("ae") && a.substr(0, a.size() - 1) == b) ||
      (a.ends_with("ia") && a.substr(0, a.size() - 2) + "e" == b) ||
      (a.ends_with('a') && a.substr(0, a.size() - 1) + "um" == b))
    return true;
  if (a.ends_with("or") && a.substr(0, a.size() - 1) == b) return true;
  if (a.ends_with("et") && a.substr(0, a.size() - 2) + "eo" == b) return true;
  if (a.ends_with("it") && a.substr(0, a.size() - 2) + "o" == b) return true;
  static const std::map<std::string_view, std::string_view> ordinaux = {
      {"primus", "unus"},     {"secundus", "duo"},  {"tertius", "tres"},    {"quartus", "quattuor"},
      {"quintus", "quinque"}, {"sextus", "sex"},    {"septimus", "septem"}, {"octauus", "octo"},
      {"nonus", "nouem"},     {"decimus", "decem"}, {"bini", "duo"},        {"inquam", "inquiam"},
      {"extremus", "exter"},  {"nihil", "nihilum"}};
  if (auto o = ordinaux.find(v); o != ordinaux.end() && o->second == w) return true;
  const std::string f = Norme(forme);
  const bool degre = f.ends_with("ius") || f.ends_with("ime") ||
                     f.find("issim") != std::string::npos || f.find("errim") != std::string::npos ||
                     f.find("illim") != std::string::npos;
  if (b.size() > 3 && (b.ends_with("mus") || b == "plus") &&
      f.starts_with(b.substr(0, b.size() - 2)))
    return true;
  if (degre && a.size() > 4 && b.starts_with(a.substr(0, 4)) &&
      (b.ends_with("imus") || b.ends_with("iter") || b.ends_with("ter") || b.ends_with('e')))
    return true;
  // The other way round: an adverb's degree that Whitaker files under the
  // adjective of the same stem, whose neuter comparative it is (grauius
  // under grauis, rectius under rectus).
  if (degre && (a.ends_with("ter") || a.ends_with('e'))) {
    const std::string radical = a.substr(0, a.size() - (a.ends_with("ter") ? 3 : 1));
    if (radical.size() > 2 && b.starts_with(radical)) return true;
  }
  static const std::string_view prefixes[] = {
      "ab",   "abs", "ad",  "a",     "ante",  "circum", "con", "co",   "de",   "dis",     "di",
      "ex",   "e",   "in",  "inter", "intro", "ob",     "per", "post", "prae", "praeter", "pro",
      "prod", "re",  "red", "sub",   "super", "trans",  "tra", "amb",  "ne"};
  for (std::string_view p : prefixes)
    if (v.size() > p.size() + 1 && v.starts_with(p) && v.substr(p.size()) == w) return true;
  return false;
}

int NombreVedettes() {
  const char* n = std::getenv("LECTURIEL_ORACLE_VEDETTES");
  return n ? std::atoi(n) : 2000;
}

// The forms of the tables of the best-ranked headwords: form -> lemmas.
std::map<std::string, std::set<std::string>> FormesDesTableaux(int vedettes) {
  std::ifstream rangs(LECTURIEL_RANGS_SOURCE);
  std::map<std::string, std::set<std::string>> formes;
  const TFlechisseur flechisseur;
  std::string ligne;
  int lues = 0;
  while (lues < vedettes && std::getline(rangs, ligne)) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream champs(ligne);
    std::string rang, vedette, modele;
    std::getline(champs, rang, '\t');
    std::getline(champs, vedette, '\t');
    std::getline(champs, modele, '\t');
    ++lues;
    int numero = -1;
    for (int m = 0; m < NombreModeles; ++m)
      if (Modeles[static_cast<std::size_t>(m)].Nom == modele) numero = m;
    if (numero < 0 || numero > ModeleInvariable) continue;
    const std::string cle = Utf8VersCp1252(vedette);
    // Proper names are left out: Whitaker's dictionary holds few of them
    // (no Cornelius, no Tusculanus), and their endings are those of the
    // common nouns checked here.
    if (cle.empty() || (cle[0] >= 'A' && cle[0] <= 'Z')) continue;
    for (int p : Lexique->EntreesDeModele(cle, numero)) {
      // A cross-reference (genus, us: cf. genu) gives the paradigm of the
      // headword it names, whose forms they are.
      const TParadigme paradigme = flechisseur.Paradigme(p);
      for (const TFormeFlechie& f : paradigme.Formes)
        // A compound form (amatus sum) is two words, each checked in its
        // table; an archaic form (siem, duim) is shown marked, as no form of
        // the classical paradigm.
        // An invariable word's only forms are an adverb's degrees
        // (diligentius, diligentissime); its other spellings (abs, nec) are
        // no forms of a table.
        if (f.Forme.find(' ') == std::string::npos && !f.Archaique &&
            (numero < ModeleInvariable || (f.Traits & (Trait::Comparatif | Trait::Superlatif))))
          formes[f.Forme].insert(Norme(paradigme.Vedette));
    }
  }
  return formes;
}

// Whitaker's lemmas of each word, from one run over all of them.
std::map<std::string, std::set<std::string>> LemmesWhitaker(const std::vector<std::string>& mots,
                                                            const std::filesystem::path& dossier) {
  {
    std::ofstream entree(dossier / "entree.txt");
    // Developer modes: the 22nd answer turns the pauses off (they would
    // swallow input lines); a blank line skips the rest.
    entree << "!\n";
    for (int i = 1; i <= 21; ++i) entree << "\n";
    entree << "N\n \n";
    for (const std::string& m : mots) entree << m << '\n';
  }
  const std::string commande =
      "cd \"" + dossier.string() + "\" && whitakers-words < entree.txt > sortie.txt 2>/dev/null";
  if (std::system(commande.c_str()) != 0) ADD_FAILURE() << "whitakers-words a échoué";
  std::ifstream sortie(dossier / "sortie.txt");
  // The output of each word follows its prompt "=>".
  std::map<std::string, std::set<std::string>> lemmes;
  std::string ligne;
  bool commence = false;
  std::size_t mot = 0;
  while (std::getline(sortie, ligne)) {
    if (!commence) {
      commence = ligne.find("skipping the rest") != std::string::npos;
      continue;
    }
    if (ligne.starts_with("=>")) {
      ++mot;
      ligne.erase(0, 2);
    }
    // Only the dictionary lines are read, for the lemma they begin with (a
    // pronoun's has none: any lemma is taken).
    if (mot == 0 || mot > mots.size() || !LigneDeDictionnaire(ligne)) continue;
    const std::string tete = ligne.substr(0, ligne.find_first_of(", "));
    lemmes[mots[mot - 1]].insert(tete.empty() ? "*" : Norme(tete));
  }
  if (mot < mots.size()) ADD_FAILURE() << "whitakers-words n'a lu que " << mot << " mots";
  return lemmes;
}

TEST(OracleWhitaker, ChaqueFormeDesTableauxEstLatine) {
  if (std::system("command -v whitakers-words >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "whitakers-words n'est pas installé";
  ChargeLexique(LECTURIEL_LEX);
  const auto formes = FormesDesTableaux(NombreVedettes());
  std::vector<std::string> mots;
  for (const auto& [forme, _] : formes) mots.push_back(Cp1252VersUtf8(forme));
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("oracle_whitaker_" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  const auto lemmes = LemmesWhitaker(mots, dossier);
  std::filesystem::remove_all(dossier);

  // The exceptions: form, headword, reason.
  std::set<std::pair<std::string, std::string>> exceptions, vues;
  std::ifstream fichier(LECTURIEL_ORACLE_EXCEPTIONS);
  for (std::string ligne; std::getline(fichier, ligne);) {
    if (ligne.empty() || ligne[0] == '#') continue;
    const auto t1 = ligne.find('\t'), t2 = ligne.find('\t', t1 + 1);
    exceptions.emplace(ligne.substr(0, t1), ligne.substr(t1 + 1, t2 - t1 - 1));
  }
  const char* journal = std::getenv("LECTURIEL_ORACLE_ECHECS");
  std::ofstream echecsJournal;
  if (journal) echecsJournal.open(journal);
  long echecs = 0, nonListes = 0;
  for (const auto& [forme, vedettes] : formes) {
    const std::string mot = Cp1252VersUtf8(forme);
    const auto it = lemmes.find(mot);
    for (const std::string& v : vedettes) {
      const bool reconnue = it != lemmes.end() && std::any_of(it->second.begin(), it->second.end(),
                                                              [&](const std::string& w) {
                                                                return Correspond(mot, v, w);
                                                              });
      if (reconnue) continue;
      ++echecs;
      const std::string inconnue = it == lemmes.end() ? "inconnue" : "autre vedette";
      if (journal) {
        echecsJournal << mot << '\t' << v << '\t' << inconnue << '\t';
        if (it != lemmes.end())
          for (const std::string& l : it->second) echecsJournal << l << ' ';
        echecsJournal << '\n';
      }
      if (exceptions.contains({mot, v})) {
        vues.emplace(mot, v);
        continue;
      }
      if (++nonListes <= 40) ADD_FAILURE() << mot << " (" << v << ") : " << inconnue;
    }
  }
  for (const auto& e : exceptions)
    if (!vues.contains(e))
      ADD_FAILURE() << "exception qui n'a plus lieu : " << e.first << " (" << e.second << ")";
  std::cout << formes.size() << " formes distinctes, " << echecs << " non reconnues ("
            << (formes.empty() ? 0.0 : 100.0 * static_cast<double>(echecs) / formes.size())
            << " %), " << exceptions.size() << " exceptions listées\n";
  EXPECT_EQ(nonListes, 0);
}

}  // namespace
