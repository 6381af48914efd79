#include "morpho/graphies.h"

#include <algorithm>

#include "lexical/chaines_latines.h"

namespace {

// A vowel with a diaeresis, read as the plain vowel (poëta, aër, Troës).
char SansTrema(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0xE4:
      return 'a';
    case 0xEB:
      return 'e';
    case 0xEF:
      return 'i';
    case 0xF6:
      return 'o';
    case 0xFC:
      return 'u';
    case 0xFF:
      return 'y';
    case 0xC4:
      return 'A';
    case 0xCB:
      return 'E';
    case 0xCF:
      return 'I';
    case 0xD6:
      return 'O';
    case 0xDC:
      return 'U';
    default:
      return c;
  }
}

std::string Minuscules(std::string_view forme) {
  std::string s(forme);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// One rewrite of the editions' spellings: `de` becomes `vers`, at the start
// of the word only or anywhere.
struct TRegle {
  std::string_view De, Vers;
  bool DebutSeulement;
};

// Prefixes are written assimilated or not, each way round; the lexicon
// follows one habit per word, so both are tried.
constexpr TRegle Regles[] = {
    {"adf", "aff", true},
    {"aff", "adf", true},
    {"adl", "all", true},
    {"all", "adl", true},
    {"adp", "app", true},
    {"app", "adp", true},
    {"adc", "acc", true},
    {"acc", "adc", true},
    {"adg", "agg", true},
    {"agg", "adg", true},
    {"adr", "arr", true},
    {"arr", "adr", true},
    {"ads", "ass", true},
    {"ass", "ads", true},
    {"adt", "att", true},
    {"att", "adt", true},
    {"adq", "acq", true},
    {"acq", "adq", true},
    {"conl", "coll", true},
    {"coll", "conl", true},
    {"conm", "comm", true},
    {"comm", "conm", true},
    {"conp", "comp", true},
    {"comp", "conp", true},
    {"conr", "corr", true},
    {"corr", "conr", true},
    {"inl", "ill", true},
    {"ill", "inl", true},
    {"inm", "imm", true},
    {"imm", "inm", true},
    {"inp", "imp", true},
    {"imp", "inp", true},
    {"inr", "irr", true},
    {"irr", "inr", true},
    {"subm", "summ", true},
    {"summ", "subm", true},
    {"subf", "suff", true},
    {"suff", "subf", true},
    {"subc", "succ", true},
    {"succ", "subc", true},
    {"subp", "supp", true},
    {"supp", "subp", true},
    {"obp", "opp", true},
    {"opp", "obp", true},
    // ex before s written or not (exspecto, expecto; exstitit, extitit).
    {"exs", "ex", true},
    {"ex", "exs", true},
    // Older spellings: quoius, quoi, quom, quor for cuius, cui, cum, cur.
    {"quoi", "cui", true},
    {"quom", "cum", true},
    {"quor", "cur", true},
    // uo for uu (seruos, uolt, diuom), -umus for -imus (optumus, existumo),
    // -undus for -endus (faciundum), n before q (tanquam), doubled
    // consonants (littus, caussa); and the reverse where editions differ.
    {"uo", "uu", false},
    {"um", "im", false},
    {"und", "end", false},
    {"nq", "mq", false},
    {"mq", "nq", false},
    {"tt", "t", false},
    {"ss", "s", false},
};

void AjouteSiNouveau(std::vector<std::string>& liste, std::string s, std::string_view sauf) {
  if (s.empty() || s == sauf) return;
  if (std::find(liste.begin(), liste.end(), s) == liste.end()) liste.push_back(std::move(s));
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
  graphies.push_back(telle);
  AjouteSiNouveau(graphies, std::move(uei), {});
  AjouteSiNouveau(graphies, std::move(minuscule), {});
  return graphies;
}

std::vector<std::string> VariantesDeGraphie(std::string_view mot) {
  std::vector<std::string> variantes;
  if (mot.size() > LongueurMaxVariantes) return variantes;
  for (const TRegle& r : Regles) {
    std::string toutes;
    std::size_t lieux = 0, reste = 0;
    for (std::size_t p = mot.find(r.De); p != std::string_view::npos; p = mot.find(r.De, p + 1)) {
      if (r.DebutSeulement && p != 0) break;
      std::string une(mot);
      une.replace(p, r.De.size(), r.Vers);
      AjouteSiNouveau(variantes, std::move(une), mot);
      // All places at once, left to right, places not overlapping.
      if (p >= reste) {
        toutes.append(mot.substr(reste, p - reste)).append(r.Vers);
        reste = p + r.De.size();
        ++lieux;
      }
    }
    if (lieux > 1) AjouteSiNouveau(variantes, toutes.append(mot.substr(reste)), mot);
  }
  return variantes;
}
