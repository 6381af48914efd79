#include "morpho/contexte.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/erreur.h"
#include "lexical/fichier_ordinaire.h"
#include "lexical/messages.h"
#include "lexical/minuscules.h"
#include "lexical/modeles.h"
#include "morpho/lemmatise.h"
#include "morpho/vocabulaire_texte.h"
#include "pointeur/texte_riche.h"

namespace {

constexpr std::string_view Version = "# lecturiel-contexte 1";
// Bits of the morphology word a tag keeps: case and number, person, mood.
constexpr Morpho MasqueEtiquette = 0xFFu | (0x7u << 11) | (0x7Fu << 20);
// Weight of the back-off (heading and tag counts) against the counts of a
// form, and of a class's prior against its counts after a given tag.
// (Measured on half the gold treebank left out of training, the figures
// move by less than 0.1 point between half and four times these values.)
constexpr double PoidsRepli = 2.0;
constexpr double PoidsTransition = 5.0;
// Weight of a tag's share of its class against its counts after a given
// tag (tuned on half the gold treebank left out of training: between 300
// and 1000 the figures do not move; 5 loses 0.1 point).
constexpr double PoidsDansClasse = 300.0;
// Emissions are P(reading | form) / P(tag)^Exposant, as in a hybrid tagger.
constexpr double Exposant = 0.8;

std::uint64_t Fnv1a(std::string_view octets) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (const char c : octets) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3ull;
  }
  return h;
}

std::string CleForme(std::string_view forme) {
  std::string s = Minuscules(forme);
  for (char& c : s) {
    if (c == 'v') c = 'u';
    if (c == 'j') c = 'i';
  }
  return s;
}

std::string_view CleEntete(std::string_view entree) {
  const std::size_t i = entree.find(" : ");
  return i == std::string_view::npos ? entree : entree.substr(0, i);
}

// "I:adv." for "ita, adv." and the like; "I" when the heading names no class.
std::string ClasseInvariable(std::string_view entree) {
  const std::string_view cle = CleEntete(entree);
  const std::size_t i = cle.find(", ");
  if (i == std::string_view::npos) return "I";
  std::string_view reste = cle.substr(i + 2);
  while (!reste.empty() && reste.front() == ' ') reste.remove_prefix(1);
  return "I:" + std::string(reste.substr(0, reste.find(' ')));
}

std::uint64_t CleNumerique(int partie, Morpho morpho) {
  return static_cast<std::uint64_t>(static_cast<std::uint32_t>(partie)) << 32 |
         (morpho & MasqueEtiquette);
}

// "3:8104800" (part of speech, hexadecimal bits) as a numeric key; nothing
// for the other tags.
std::optional<std::uint64_t> CleNumeriqueDe(std::string_view etiquette) {
  const std::size_t deux = etiquette.find(':');
  if (deux != 1 || etiquette[0] < '0' || etiquette[0] > '9') return std::nullopt;
  std::uint32_t bits = 0;
  const char* debut = etiquette.data() + 2;
  const char* fin = etiquette.data() + etiquette.size();
  const auto [p, ec] = std::from_chars(debut, fin, bits, 16);
  if (ec != std::errc() || p != fin || debut == fin) return std::nullopt;
  return CleNumerique(etiquette[0] - '0', bits);
}

// Most keys are plain ASCII, which needs no conversion.
std::string VersCp1252(std::string_view utf8) {
  for (const char c : utf8)
    if (static_cast<unsigned char>(c) >= 0x80) return Utf8VersCp1252(utf8);
  return std::string(utf8);
}

constexpr double Puissance10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};

// Decimal digits only (from_chars alone would take a sign or stop early).
bool Chiffres(std::string_view texte, std::uint64_t& n) {
  const auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
  return ec == std::errc() && fin == texte.data() + texte.size() && texte.front() != '+';
}

// The largest model read: ten times the shipped one.
constexpr std::size_t TailleMaxModele = std::size_t{32} << 20;

// Reads the file line after line, every fault an Erreur naming the line.
class TLectureFichier {
 public:
  TLectureFichier(std::string_view texte, const std::string& origine)
      : texte_(texte), origine_(origine) {}

  bool Fin() const { return position_ >= texte_.size(); }

  std::string_view Ligne() {
    if (Fin()) throw Faute("fin de fichier inattendue");
    const std::size_t fin = texte_.find('\n', position_);
    if (fin == std::string_view::npos) throw Faute("dernière ligne sans fin de ligne"_1252);
    const std::string_view l = texte_.substr(position_, fin - position_);
    position_ = fin + 1;
    ++numero_;
    return l;
  }

  Erreur Faute(const std::string& message) const {
    return Erreur(Formate("Modèle du contexte endommagé (%s:%d) : %s"_1252,
                          {origine_, std::to_string(numero_), message}));
  }

  std::size_t Taille(std::string_view texte) const {
    std::uint64_t n = 0;
    if (texte.empty() || !Chiffres(texte, n) || n > 10'000'000) throw Faute("nombre invalide");
    return static_cast<std::size_t>(n);
  }

  double Compte(std::string_view texte) const {
    // Counts are written "123.45": digits, a point, digits.
    const std::size_t point = texte.find('.');
    const std::string_view entier = texte.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : texte.substr(point + 1);
    std::uint64_t e = 0, f = 0;
    if (entier.empty() || entier.size() > 12 || fraction.size() > 6 ||
        (point != std::string_view::npos && fraction.empty()) || !Chiffres(entier, e) ||
        (!fraction.empty() && !Chiffres(fraction, f)))
      throw Faute("compte invalide");
    return static_cast<double>(e) + static_cast<double>(f) / Puissance10[fraction.size()];
  }

 private:
  std::string_view texte_;
  const std::string& origine_;
  std::size_t position_ = 0;
  int numero_ = 0;
};

// "key TAB count".
std::pair<std::string_view, double> CleEtCompte(TLectureFichier& f, std::string_view l) {
  const std::size_t tab = l.rfind('\t');
  if (tab == std::string_view::npos || tab == 0) throw f.Faute("deux champs attendus");
  return {l.substr(0, tab), f.Compte(l.substr(tab + 1))};
}

}  // namespace

void TModeleContexte::TIndexCles::Prepare(std::size_t nombre, std::size_t octets) {
  std::size_t taille = 16;
  while (taille < 2 * nombre) taille *= 2;
  cases_.assign(taille, 0);
  debuts_.reserve(nombre + 1);
  octets_.reserve(octets);
}

std::string_view TModeleContexte::TIndexCles::Cle(std::uint32_t i) const {
  return std::string_view(octets_).substr(debuts_[i], debuts_[i + 1] - debuts_[i]);
}

int TModeleContexte::TIndexCles::Ajoute(std::string_view cle) {
  if (2 * debuts_.size() > cases_.size()) {
    // More keys than prepared for: a larger table, the keys placed again.
    std::vector<std::uint32_t> anciennes = std::move(cases_);
    cases_.assign(std::max<std::size_t>(16, 2 * anciennes.size()), 0);
    const std::size_t masque = cases_.size() - 1;
    for (const std::uint32_t c : anciennes) {
      if (c == 0) continue;
      std::size_t k = std::hash<std::string_view>()(Cle(c - 1)) & masque;
      while (cases_[k] != 0) k = (k + 1) & masque;
      cases_[k] = c;
    }
  }
  const std::size_t masque = cases_.size() - 1;
  std::size_t k = std::hash<std::string_view>()(cle) & masque;
  for (; cases_[k] != 0; k = (k + 1) & masque)
    if (Cle(cases_[k] - 1) == cle) return -1;
  const auto numero = static_cast<std::uint32_t>(debuts_.size() - 1);
  octets_.append(cle);
  debuts_.push_back(static_cast<std::uint32_t>(octets_.size()));
  cases_[k] = numero + 1;
  return static_cast<int>(numero);
}

int TModeleContexte::TIndexCles::Cherche(std::string_view cle) const {
  if (cases_.empty()) return -1;
  const std::size_t masque = cases_.size() - 1;
  for (std::size_t k = std::hash<std::string_view>()(cle) & masque; cases_[k] != 0;
       k = (k + 1) & masque)
    if (Cle(cases_[k] - 1) == cle) return static_cast<int>(cases_[k] - 1);
  return -1;
}

std::vector<TLectureProbable> LecturesDe(const TListeAnalyses* liste) {
  std::vector<TLectureProbable> lectures;
  if (!liste) return lectures;
  for (int i = 0; i < liste->Count(); ++i) {
    const TAnalyse& a = liste->Analyse(i);
    if (a.Lectures.empty()) lectures.push_back({i, -1, 0});
    for (int j = 0; j < static_cast<int>(a.Lectures.size()); ++j) lectures.push_back({i, j, 0});
  }
  return lectures;
}

TModeleContexte TModeleContexte::DeTexte(std::string_view utf8, const std::string& origine) {
  TLectureFichier f(utf8, origine);
  if (f.Fin() || f.Ligne() != Version) throw f.Faute("ce n'est pas un modèle du contexte"_1252);
  // The checksum line ends the file and covers every byte before it.
  {
    const std::size_t debut = utf8.rfind("somme\t");
    if (debut == std::string_view::npos || (debut > 0 && utf8[debut - 1] != '\n'))
      throw Erreur(
          Formate("Modèle du contexte endommagé (%s) : somme de contrôle absente"_1252, {origine}));
    char attendu[20];
    std::snprintf(attendu, sizeof attendu, "%016llx",
                  static_cast<unsigned long long>(Fnv1a(utf8.substr(0, debut))));
    if (utf8.substr(debut + 6) != std::string(attendu) + "\n")
      throw Erreur(
          Formate("Modèle du contexte endommagé (%s) : somme de contrôle fausse"_1252, {origine}));
  }
  std::string_view l = f.Ligne();
  while (!l.empty() && l.front() == '#') l = f.Ligne();
  TModeleContexte m;
  const auto section = [&](std::string_view nom) {
    const std::size_t tab = l.find('\t');
    if (tab == std::string_view::npos || l.substr(0, tab) != nom)
      throw f.Faute("section « "_1252 + std::string(nom) + " » attendue"_1252);
    return f.Taille(l.substr(tab + 1));
  };

  const std::size_t n = section("etiquettes");
  if (n < 2) throw f.Faute("trop peu d'étiquettes"_1252);
  m.n_ = n;
  std::vector<double> comptes(n);
  double total = 0;
  // The class of each tag, for the transitions: an invariable word's own
  // tag falls in the tag of its class (adv., conj....); the other tags are
  // their own class.
  std::vector<std::string> classesInvariables(n);
  for (std::size_t i = 0; i < n; ++i) {
    const auto [cle, compte] = CleEtCompte(f, f.Ligne());
    if (!m.etiquettes_.emplace(Utf8VersCp1252(cle), static_cast<int>(i)).second)
      throw f.Faute("étiquette en double"_1252);
    if (const auto numerique = CleNumeriqueDe(cle)) {
      m.etiquettesNumeriques_.emplace(*numerique, static_cast<int>(i));
    } else if (cle.starts_with("L:")) {
      classesInvariables[i] = ClasseInvariable(Utf8VersCp1252(cle.substr(2)));
    }
    comptes[i] = compte;
    total += compte;
  }
  const auto inconnu = m.etiquettes_.find("?");
  if (inconnu == m.etiquettes_.end()) throw f.Faute("étiquette « ? » absente"_1252);
  m.inconnu_ = inconnu->second;
  m.prior_.resize(n);
  m.diviseurs_.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    m.prior_[i] = (comptes[i] + 0.5) / (total + 0.5 * static_cast<double>(n));
    m.diviseurs_[i] = std::pow(m.prior_[i], Exposant);
  }

  l = f.Ligne();
  const std::size_t nt = section("transitions");
  // The counts first, made into probabilities in place below.
  m.transitions_.assign(n * n, 0.0);
  std::vector<double> depart(n, 0.0);
  for (std::size_t k = 0; k < nt; ++k) {
    const std::string_view t = f.Ligne();
    const std::size_t t1 = t.find('\t'), t2 = t.find('\t', t1 == t.npos ? t1 : t1 + 1);
    if (t2 == std::string_view::npos) throw f.Faute("trois champs attendus");
    const std::size_t a = f.Taille(t.substr(0, t1)), b = f.Taille(t.substr(t1 + 1, t2 - t1 - 1));
    if (a >= n || b >= n) throw f.Faute("étiquette hors limites"_1252);
    const double c = f.Compte(t.substr(t2 + 1));
    m.transitions_[a * n + b] += c;
    depart[a] += c;
  }
  std::vector<std::size_t> classe(n);
  for (std::size_t b = 0; b < n; ++b) {
    classe[b] = b;
    if (classesInvariables[b].empty()) continue;
    const auto c = m.etiquettes_.find(classesInvariables[b]);
    if (c != m.etiquettes_.end()) classe[b] = static_cast<std::size_t>(c->second);
  }
  std::vector<double> priorClasse(n, 0.0), parClasse(n);
  for (std::size_t b = 0; b < n; ++b) priorClasse[classe[b]] += m.prior_[b];
  // P(b | a) = P(class of b | a) P(b | a, class): the class from its own
  // counts after a, then b within its class from its counts after a
  // smoothed towards its share of the class anywhere.  A rare word with its
  // own tag (honeste, adv.) then follows a tag as its class does, instead
  // of almost never for want of counts after that tag.
  for (std::size_t a = 0; a < n; ++a) {
    double* ligne = &m.transitions_[a * n];
    std::fill(parClasse.begin(), parClasse.end(), 0.0);
    for (std::size_t b = 0; b < n; ++b) parClasse[classe[b]] += ligne[b];
    for (std::size_t b = 0; b < n; ++b) {
      const std::size_t c = classe[b];
      const double pClasse =
          (parClasse[c] + PoidsTransition * priorClasse[c]) / (depart[a] + PoidsTransition);
      ligne[b] = pClasse * (ligne[b] + PoidsDansClasse * m.prior_[b] / priorClasse[c]) /
                 (parClasse[c] + PoidsDansClasse);
    }
  }

  l = f.Ligne();
  const std::size_t ne = section("entetes");
  m.comptesEntetes_.reserve(ne);
  m.entetes_.Prepare(ne, ne * 24);
  for (std::size_t i = 0; i < ne; ++i) {
    const auto [cle, compte] = CleEtCompte(f, f.Ligne());
    if (m.entetes_.Ajoute(VersCp1252(cle)) < 0) throw f.Faute("vedette en double");
    m.comptesEntetes_.push_back(compte);
  }

  l = f.Ligne();
  const std::size_t nf = section("formes");
  m.formes_.Prepare(nf, nf * 8);
  m.comptesFormes_.reserve(nf);
  m.emissions_.reserve(nf * 2);
  for (std::size_t i = 0; i < nf; ++i) {
    const std::string_view ligne = f.Ligne();
    const std::size_t tab = ligne.find('\t');
    if (tab == std::string_view::npos || tab == 0) throw f.Faute("forme sans comptes");
    TFormeConnue connue;
    connue.Debut = static_cast<std::uint32_t>(m.emissions_.size());
    std::string_view reste = ligne.substr(tab + 1);
    while (!reste.empty()) {
      const std::size_t espace = std::min(reste.find(' '), reste.size());
      const std::string_view triplet = reste.substr(0, espace);
      reste.remove_prefix(std::min(espace + 1, reste.size()));
      const std::size_t d1 = triplet.find(':'),
                        d2 = triplet.find(':', d1 == triplet.npos ? d1 : d1 + 1);
      if (d2 == std::string_view::npos) throw f.Faute("compte de forme invalide");
      const std::size_t e = f.Taille(triplet.substr(0, d1)),
                        t = f.Taille(triplet.substr(d1 + 1, d2 - d1 - 1));
      if (e >= ne || t >= n) throw f.Faute("indice hors limites");
      const double c = f.Compte(triplet.substr(d2 + 1));
      m.emissions_.push_back({static_cast<int>(e), static_cast<int>(t), c});
      ++connue.Nombre;
      connue.Total += c;
    }
    if (m.formes_.Ajoute(VersCp1252(ligne.substr(0, tab))) < 0) throw f.Faute("forme en double");
    m.comptesFormes_.push_back(connue);
  }
  if (!f.Ligne().starts_with("somme\t") || !f.Fin()) throw f.Faute("fin de fichier attendue");
  return m;
}

TModeleContexte TModeleContexte::Lis(const std::string& chemin) {
  // Only a regular file, within a bound: a pipe or a device put in its
  // place must not hang the program.
  return DeTexte(LisFichierOrdinaire(chemin, TailleMaxModele), Utf8VersCp1252(chemin));
}

int TModeleContexte::EtiquetteDe(const TAnalyse& a, int numero) const {
  std::string cle;
  if (numero < 0) {
    const auto lexicalisee = etiquettes_.find("L:" + std::string(CleEntete(a.Entree)));
    if (lexicalisee != etiquettes_.end()) return lexicalisee->second;
    cle = ClasseInvariable(a.Entree);
  } else {
    const TLecture& d = a.Lectures[static_cast<std::size_t>(numero)];
    const auto n = etiquettesNumeriques_.find(CleNumerique(PartieDuModele(d.Modele), d.Morpho));
    return n == etiquettesNumeriques_.end() ? inconnu_ : n->second;
  }
  const auto it = etiquettes_.find(cle);
  return it == etiquettes_.end() ? inconnu_ : it->second;
}

int TModeleContexte::EnteteDe(const TAnalyse& a) const {
  return entetes_.Cherche(CleEntete(a.Entree));
}

std::vector<std::vector<TLectureProbable>> TModeleContexte::Ordonne(
    const std::vector<std::string>& formes,
    const std::vector<const TListeAnalyses*>& listes) const {
  const std::size_t nMots = std::min(formes.size(), listes.size());
  std::vector<std::vector<TLectureProbable>> lectures(nMots);
  // The states of each word (its readings, or the unknown tag alone) with
  // their tags and emission weights.
  std::vector<std::vector<int>> etats(nMots);
  std::vector<std::vector<double>> emissions(nMots);
  for (std::size_t i = 0; i < nMots; ++i) {
    lectures[i] = LecturesDe(listes[i]);
    if (lectures[i].empty()) {
      etats[i] = {inconnu_};
      emissions[i] = {1.0};
      continue;
    }
    const int connue = formes_.Cherche(CleForme(formes[i]));
    const TFormeConnue* fc =
        connue < 0 ? nullptr : &comptesFormes_[static_cast<std::size_t>(connue)];
    std::vector<double> repli(lectures[i].size()), compte(lectures[i].size(), 0.0);
    double sommeRepli = 0;
    for (std::size_t k = 0; k < lectures[i].size(); ++k) {
      const TAnalyse& a = listes[i]->Analyse(lectures[i][k].Analyse);
      const int t = EtiquetteDe(a, lectures[i][k].Numero);
      const int e = EnteteDe(a);
      etats[i].push_back(t);
      repli[k] = ((e >= 0 ? comptesEntetes_[static_cast<std::size_t>(e)] : 0.0) + 0.5) *
                 prior_[static_cast<std::size_t>(t)];
      sommeRepli += repli[k];
      if (fc)
        for (std::uint32_t j = fc->Debut; j < fc->Debut + fc->Nombre; ++j)
          if (const TEmission& em = emissions_[j]; em.Entete == e && em.Etiquette == t)
            compte[k] += em.Compte;
    }
    const double total = fc ? fc->Total : 0.0;
    for (std::size_t k = 0; k < lectures[i].size(); ++k) {
      const double p = (compte[k] + PoidsRepli * repli[k] / sommeRepli) / (total + PoidsRepli);
      emissions[i].push_back(p / diviseurs_[static_cast<std::size_t>(etats[i][k])]);
    }
  }

  // Forward-backward, each step scaled to sum 1; tag 0 bounds the sentence.
  const auto transition = [&](int a, int b) {
    return transitions_[static_cast<std::size_t>(a) * n_ + static_cast<std::size_t>(b)];
  };
  std::vector<std::vector<double>> avant(nMots), arriere(nMots);
  for (std::size_t i = 0; i < nMots; ++i) {
    avant[i].assign(etats[i].size(), 0.0);
    double somme = 0;
    for (std::size_t k = 0; k < etats[i].size(); ++k) {
      double s = 0;
      if (i == 0) {
        s = transition(0, etats[i][k]);
      } else {
        for (std::size_t j = 0; j < etats[i - 1].size(); ++j)
          s += avant[i - 1][j] * transition(etats[i - 1][j], etats[i][k]);
      }
      avant[i][k] = s * emissions[i][k];
      somme += avant[i][k];
    }
    if (somme > 0)
      for (double& v : avant[i]) v /= somme;
  }
  for (std::size_t r = nMots; r-- > 0;) {
    arriere[r].assign(etats[r].size(), 0.0);
    double somme = 0;
    for (std::size_t k = 0; k < etats[r].size(); ++k) {
      double s = 0;
      if (r + 1 == nMots) {
        s = transition(etats[r][k], 0);
      } else {
        for (std::size_t j = 0; j < etats[r + 1].size(); ++j)
          s += transition(etats[r][k], etats[r + 1][j]) * emissions[r + 1][j] * arriere[r + 1][j];
      }
      arriere[r][k] = s;
      somme += s;
    }
    if (somme > 0)
      for (double& v : arriere[r]) v /= somme;
  }
  for (std::size_t i = 0; i < nMots; ++i) {
    double somme = 0;
    for (std::size_t k = 0; k < lectures[i].size(); ++k) somme += avant[i][k] * arriere[i][k];
    for (std::size_t k = 0; k < lectures[i].size(); ++k)
      lectures[i][k].Probabilite = somme > 0 ? avant[i][k] * arriere[i][k] / somme
                                             : 1.0 / static_cast<double>(lectures[i].size());
    // Headings by the sum of their readings' probabilities (what the lemma
    // is likely to be), the readings of a heading together under it.
    std::vector<double> parAnalyse(static_cast<std::size_t>(listes[i] ? listes[i]->Count() : 0));
    for (const TLectureProbable& l : lectures[i])
      parAnalyse[static_cast<std::size_t>(l.Analyse)] += l.Probabilite;
    std::stable_sort(lectures[i].begin(), lectures[i].end(),
                     [&](const TLectureProbable& a, const TLectureProbable& b) {
                       const double pa = parAnalyse[static_cast<std::size_t>(a.Analyse)],
                                    pb = parAnalyse[static_cast<std::size_t>(b.Analyse)];
                       if (pa != pb) return pa > pb;
                       if (a.Analyse != b.Analyse) return a.Analyse < b.Analyse;
                       return a.Probabilite > b.Probabilite;
                     });
  }
  return lectures;
}

std::string CheminContextePres(const std::string& chemin) {
  const std::size_t barre = chemin.find_last_of('/');
  return (barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1)) +
         "contexte.txt";
}

std::unique_ptr<TModeleContexte> ChargeContexte(const std::string& cheminLexique,
                                                std::string& message) {
  const std::string chemin = CheminContextePres(cheminLexique);
  try {
    return std::make_unique<TModeleContexte>(TModeleContexte::Lis(chemin));
  } catch (const Erreur& e) {
    message = std::string(e.what()) + " ; lectures dans l'ordre alphabétique des vedettes"_1252;
    return nullptr;
  }
}

std::vector<std::vector<TLectureProbable>> OrdonneLectures(
    const TModeleContexte* modele, const std::vector<std::string>& formes,
    const std::vector<const TListeAnalyses*>& listes) {
  if (modele) return modele->Ordonne(formes, listes);
  std::vector<std::vector<TLectureProbable>> lectures;
  for (const TListeAnalyses* liste : listes) {
    lectures.push_back(LecturesDe(liste));
    for (TLectureProbable& l : lectures.back())
      l.Probabilite = 1.0 / static_cast<double>(lectures.back().size());
  }
  return lectures;
}

std::vector<std::vector<TMotDuTexte>> PhrasesDuTexte(std::string_view texte) {
  std::vector<std::vector<TMotDuTexte>> phrases(1);
  std::size_t finPrecedent = 0;
  PourChaqueMot(texte, [&](int index, std::string_view mot) {
    const std::string_view entre =
        texte.substr(finPrecedent, static_cast<std::size_t>(index) - finPrecedent);
    if (!phrases.back().empty() && entre.find_first_of(".;:?!") != std::string_view::npos)
      phrases.emplace_back();
    phrases.back().push_back({index, std::string(mot)});
    finPrecedent = static_cast<std::size_t>(index) + mot.size();
  });
  if (phrases.back().empty()) phrases.pop_back();
  return phrases;
}

TPhraseLue LisPhrase(const TModeleContexte* modele, const std::vector<std::string>& formes) {
  TPhraseLue phrase;
  std::vector<const TListeAnalyses*> listes;
  for (const std::string& forme : formes) {
    std::unique_ptr<TListeAnalyses> liste = Lemmatise(forme);
    listes.push_back(liste.get());
    phrase.Analyses.push_back(std::move(liste));
  }
  phrase.Lectures = OrdonneLectures(modele, formes, listes);
  return phrase;
}

TMotLu LisMotEnContexte(const TModeleContexte* modele, std::string_view paragraphe, int position) {
  TMotLu mot;
  for (const auto& phrase : PhrasesDuTexte(paragraphe)) {
    for (std::size_t i = 0; i < phrase.size(); ++i) {
      const TMotDuTexte& m = phrase[i];
      if (position < m.Index || position >= m.Index + static_cast<int>(m.Forme.size())) continue;
      mot.Forme = m.Forme;
      if (!modele) return mot;
      const std::size_t debut = i > FenetreContexte ? i - FenetreContexte : 0;
      const std::size_t fin = std::min(phrase.size(), i + FenetreContexte + 1);
      std::vector<std::string> formes;
      for (std::size_t k = debut; k < fin; ++k) formes.push_back(phrase[k].Forme);
      TPhraseLue lue = LisPhrase(modele, formes);
      mot.Analyses = std::move(lue.Analyses[i - debut]);
      mot.Lectures = std::move(lue.Lectures[i - debut]);
      return mot;
    }
  }
  return mot;
}

std::vector<int> OrdreDesAnalyses(const std::vector<TLectureProbable>& lectures) {
  std::vector<int> ordre;
  for (const TLectureProbable& l : lectures)
    if (std::find(ordre.begin(), ordre.end(), l.Analyse) == ordre.end()) ordre.push_back(l.Analyse);
  return ordre;
}

std::vector<std::string> LignesOrdonnees(const TListeAnalyses& liste,
                                         const std::vector<TLectureProbable>& lectures) {
  std::vector<std::string> lignes{liste.Forme};
  int analyse = -1;
  for (const TLectureProbable& l : lectures) {
    const TAnalyse& a = liste.Analyse(l.Analyse);
    if (l.Analyse != analyse) lignes.push_back("  " + a.Entree);
    analyse = l.Analyse;
    if (l.Numero >= 0)
      lignes.push_back("    " + a.Lectures[static_cast<std::size_t>(l.Numero)].Libelle(false));
  }
  return lignes;
}

std::vector<std::string> TexteAnalysesEnContexte(const TModeleContexte* modele,
                                                 std::string_view paragraphe, int position) {
  const TMotLu mot = LisMotEnContexte(modele, paragraphe, position);
  if (mot.Forme.empty()) return {};
  if (!mot.Analyses) return TexteAnalyses(mot.Forme, Disposition::Complete);
  return LignesOrdonnees(*mot.Analyses, mot.Lectures);
}

TContexteDuMot ContexteAuPoint(const ITexteRiche& texte, int x, int y) {
  return ContexteAIndex(texte, texte.CaractereDuPoint(x, y));
}

TContexteDuMot ContexteAIndex(const ITexteRiche& texte, int i) {
  constexpr int Marge = 160;
  TContexteDuMot c;
  if (i < 0 || i >= texte.Longueur()) return c;
  const int debut = std::max(0, i - Marge);
  // Line breaks may take two bytes: the position is the length of the text
  // before the character, as bytes.
  c.Texte = i > debut ? texte.TexteIntervalle(debut, i - debut) : std::string();
  c.Position = static_cast<int>(c.Texte.size());
  c.Texte += texte.TexteIntervalle(i, std::min(Marge, texte.Longueur() - i));
  return c;
}
