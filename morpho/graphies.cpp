#include "morpho/graphies.h"

#include <algorithm>

#include "lexical/chaines_latines.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/minuscules.h"
#include "lexical/vocabulaire.h"

namespace {

// A vowel with a diaeresis (poëta, aër, Troës), or with the accents some
// editions put on stressed or long syllables (égo, ést, quí, núnc), read as
// the plain vowel.
char SansTrema(char c) {
  switch (c) {
    case U'à'_1252:
    case U'á'_1252:
    case U'â'_1252:
    case U'ä'_1252:
      return 'a';
    case U'è'_1252:
    case U'é'_1252:
    case U'ê'_1252:
    case U'ë'_1252:
      return 'e';
    case U'ì'_1252:
    case U'í'_1252:
    case U'î'_1252:
    case U'ï'_1252:
      return 'i';
    case U'ò'_1252:
    case U'ó'_1252:
    case U'ô'_1252:
    case U'ö'_1252:
      return 'o';
    case U'ù'_1252:
    case U'ú'_1252:
    case U'û'_1252:
    case U'ü'_1252:
      return 'u';
    case U'ý'_1252:
    case U'ÿ'_1252:
      return 'y';
    case U'À'_1252:
    case U'Á'_1252:
    case U'Â'_1252:
    case U'Ä'_1252:
      return 'A';
    case U'È'_1252:
    case U'É'_1252:
    case U'Ê'_1252:
    case U'Ë'_1252:
      return 'E';
    case U'Ì'_1252:
    case U'Í'_1252:
    case U'Î'_1252:
    case U'Ï'_1252:
      return 'I';
    case U'Ò'_1252:
    case U'Ó'_1252:
    case U'Ô'_1252:
    case U'Ö'_1252:
      return 'O';
    case U'Ù'_1252:
    case U'Ú'_1252:
    case U'Û'_1252:
    case U'Ü'_1252:
      return 'U';
    case U'Ý'_1252:
      return 'Y';
    default:
      return c;
  }
}

enum class Lieu { Debut, Partout, Fin };
constexpr Lieu D = Lieu::Debut, P = Lieu::Partout, F = Lieu::Fin;
constexpr std::uint32_t GenitifSingulier = Trait::Genitif | Trait::Singulier,
                        VocatifSingulier = Trait::Vocatif | Trait::Singulier,
                        AccusatifSingulier = Trait::Accusatif | Trait::Singulier,
                        AccusatifPluriel = Trait::Accusatif | Trait::Pluriel,
                        GenitifPluriel = Trait::Genitif | Trait::Pluriel;

// One rewrite of the editions' spellings: `De` becomes `Vers`, at the start
// of the word, anywhere or at its end; the readings kept (Garde, 0: all).
struct TRegle {
  std::string_view De, Vers;
  Lieu Ou;
  std::uint32_t Garde = 0;
  // Applied only to words of at most this many letters (0: any length).
  std::size_t LongueurMax = 0;
};

// Prefixes are written assimilated or not, each way round; the lexicon
// follows one habit per word, so both are tried.
constexpr TRegle Regles[] = {
    {"adf", "aff", D},
    {"aff", "adf", D},
    {"adl", "all", D},
    {"all", "adl", D},
    {"adp", "app", D},
    {"app", "adp", D},
    {"adc", "acc", D},
    {"acc", "adc", D},
    {"adg", "agg", D},
    {"agg", "adg", D},
    {"adr", "arr", D},
    {"arr", "adr", D},
    {"ads", "ass", D},
    {"ass", "ads", D},
    {"adt", "att", D},
    {"att", "adt", D},
    {"adq", "acq", D},
    {"acq", "adq", D},
    {"conl", "coll", D},
    {"coll", "conl", D},
    {"conm", "comm", D},
    {"comm", "conm", D},
    {"conp", "comp", D},
    {"comp", "conp", D},
    {"conr", "corr", D},
    {"corr", "conr", D},
    {"inl", "ill", D},
    {"ill", "inl", D},
    {"inm", "imm", D},
    {"imm", "inm", D},
    {"inp", "imp", D},
    {"imp", "inp", D},
    {"inr", "irr", D},
    {"irr", "inr", D},
    {"subm", "summ", D},
    {"summ", "subm", D},
    {"subf", "suff", D},
    {"suff", "subf", D},
    {"subc", "succ", D},
    {"succ", "subc", D},
    {"subp", "supp", D},
    {"supp", "subp", D},
    {"obp", "opp", D},
    {"opp", "obp", D},
    // ex before s written or not (exspecto, expecto; exstitit, extitit).
    {"exs", "ex", D},
    {"ex", "exs", D},
    // Older spellings: quoius, quoi, quom, quor for cuius, cui, cum, cur.
    {"quoi", "cui", D},
    {"quom", "cum", D},
    {"quor", "cur", D},
    // uo for uu (seruos, uolt, diuom), -umus for -imus (optumus, existumo),
    // -undus for -endus (faciundum), n before q (tanquam), doubled
    // consonants (littus, caussa); and the reverse where editions differ.
    {"uo", "uu", P},
    {"uo", "ue", P},
    {"um", "im", P},
    {"und", "end", P},
    {"nq", "mq", P},
    {"mq", "nq", P},
    {"tt", "t", P},
    {"ss", "s", P},
    // The genitive in -i of nouns in -ius and -ium (negoti, ingeni) and the
    // vocative in -i of nouns in -ius (Vergili).
    {"i", "ii", F, GenitifSingulier},
    {"i", "ie", F, VocatifSingulier},
    // Perfects contracted by the loss of -u- (consuerant, nosse, audisti).
    {"runt", "uerunt", F},
    {"rant", "uerant", F},
    {"rat", "uerat", F},
    {"ram", "ueram", F},
    {"ras", "ueras", F},
    {"ramus", "ueramus", F},
    {"ratis", "ueratis", F},
    {"rint", "uerint", F},
    {"rit", "uerit", F},
    {"rim", "uerim", F},
    {"ro", "uero", F},
    {"sse", "uisse", F},
    {"sti", "uisti", F},
    {"stis", "uistis", F},
    {"ssem", "uissem", F},
    {"sses", "uisses", F},
    {"sset", "uisset", F},
    {"ssent", "uissent", F},
    {"xti", "xisti", F},
    {"xtis", "xistis", F},
    // The old genitive in -ai (aquai, uitai), the genitive plural in -ium of
    // nouns that have -um (ciuitatium), the passive infinitive in -ier
    // (percontarier), numeral adverbs in -iens (deciens).
    {"ai", "ae", F, GenitifSingulier},
    {"ium", "um", F, GenitifPluriel},
    {"ier", "i", F},
    {"iens", "ies", F},
    {"secu", "sequu", D},
    // est joined to the word before it (opust, necessest, certumst), -ne
    // shortened to -n (satin, uiden, egon, tun), the particles -ce, -cine,
    // -met and -pte (huiusce, hocine, nobismet, suapte), si and ec- joined
    // to a pronoun (siquis, ecquis).
    {"st", "", F},
    {"st", "s", F},
    {"n", "", F, 0, 6},
    {"n", "s", F, 0, 6},
    {"ce", "", F},
    {"unc", "um", F},
    {"anc", "am", F},
    {"mt", "mpt", P},
    {"cine", "c", F},
    {"met", "", F},
    {"pte", "", F},
    {"si", "", D},
    {"ec", "", D},
    // Greek case forms of Greek names and nouns: accusatives in -an, -en,
    // -in, -a, -ea and -as (Aenean, Mithridaten, Hectora, Persea,
    // Macedonas), the genitive in -es (rhetorices), -on for -um (Ilion).
    {"an", "am", F, AccusatifSingulier},
    {"en", "em", F, AccusatifSingulier},
    {"en", "am", F, AccusatifSingulier},
    {"in", "im", F, AccusatifSingulier},
    {"im", "idem", F, AccusatifSingulier},
    {"a", "em", F, AccusatifSingulier},
    {"ea", "eum", F, AccusatifSingulier},
    {"as", "es", F, AccusatifPluriel},
    {"es", "ae", F, GenitifSingulier},
    {"on", "um", F},
};

const std::string& FormeDe(const std::string& s) { return s; }
const std::string& FormeDe(const TVariante& v) { return v.Forme; }

// Adds a spelling unless it is empty, the word itself or already there.
template <class T>
void AjouteSiNouveau(std::vector<T>& liste, T v, std::string_view sauf) {
  if (FormeDe(v).empty() || FormeDe(v) == sauf) return;
  if (std::find(liste.begin(), liste.end(), v) == liste.end()) liste.push_back(std::move(v));
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
  // A word in capitals (a speaker's name in a dialogue, CESTIVS) is also
  // read as a name: its first letter alone a capital.
  std::string nom;
  if (telle.size() > 1 &&
      std::none_of(telle.begin(), telle.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
      minuscule[0] >= 'a' && minuscule[0] <= 'z') {
    nom = minuscule;
    nom[0] = static_cast<char>(nom[0] - 'a' + 'A');
  }
  graphies.push_back(telle);
  AjouteSiNouveau(graphies, std::move(uei), telle);
  AjouteSiNouveau(graphies, std::move(minuscule), telle);
  AjouteSiNouveau(graphies, std::move(nom), telle);
  return graphies;
}

std::vector<TVariante> VariantesDeGraphie(std::string_view mot) {
  std::vector<TVariante> variantes;
  if (mot.size() > LongueurMaxVariantes) return variantes;
  for (const TRegle& r : Regles) {
    if (r.LongueurMax != 0 && mot.size() > r.LongueurMax) continue;
    if (r.Ou == Lieu::Fin) {
      if (mot.size() > r.De.size() && mot.substr(mot.size() - r.De.size()) == r.De) {
        std::string v(mot.substr(0, mot.size() - r.De.size()));
        AjouteSiNouveau(variantes, TVariante{v.append(r.Vers), r.Garde}, mot);
      }
      continue;
    }
    std::string toutes;
    std::size_t lieux = 0, reste = 0;
    for (std::size_t p = mot.find(r.De); p != std::string_view::npos; p = mot.find(r.De, p + 1)) {
      if (r.Ou == Lieu::Debut && p != 0) break;
      std::string une(mot);
      une.replace(p, r.De.size(), r.Vers);
      AjouteSiNouveau(variantes, TVariante{std::move(une), r.Garde}, mot);
      // All places at once, left to right, places not overlapping.
      if (p >= reste) {
        toutes.append(mot.substr(reste, p - reste)).append(r.Vers);
        reste = p + r.De.size();
        ++lieux;
      }
    }
    if (lieux > 1)
      AjouteSiNouveau(variantes, TVariante{toutes.append(mot.substr(reste)), r.Garde}, mot);
  }
  return variantes;
}

std::vector<TVariante> ContracteesEnI(std::string_view mot) {
  std::vector<TVariante> variantes;
  if (mot.size() < 2 || mot.size() > LongueurMaxVariantes || mot.back() != 'i') return variantes;
  variantes.push_back({std::string(mot) + "i", GenitifSingulier});
  variantes.push_back({std::string(mot.substr(0, mot.size() - 1)) + "ie", VocatifSingulier});
  return variantes;
}
