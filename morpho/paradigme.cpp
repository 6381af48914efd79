#include "morpho/paradigme.h"

#include <algorithm>
#include <memory>

#include "lexical/chaines_latines.h"
#include "lexical/erreur.h"
#include "lexical/messages.h"
#include "lexical/modeles.h"
#include "lexical/stores.h"
#include "morpho/analyses.h"
#include "morpho/lectures_admises.h"
#include "morpho/lemmatise.h"

namespace {

bool RenvoiCf(const std::string& sens) { return sens.find("cf. ") != std::string::npos; }

std::vector<std::string> Champs(const std::string& liste) {
  std::vector<std::string> champs;
  std::size_t debut = 0;
  while (debut <= liste.size()) {
    const std::size_t fin = std::min(liste.find(',', debut), liste.size());
    if (fin > debut) champs.push_back(liste.substr(debut, fin - debut));
    debut = fin + 1;
  }
  return champs;
}

// Whether the irregular readings `irr` cover every bit of the regular `reg`,
// in the same degree: melior stands for bonior, not for bonus; and a supine,
// which has no mood, only by a supine.
bool Couvre(Morpho irr, Morpho reg) {
  constexpr Morpho degres = Trait::Comparatif | Trait::Superlatif;
  constexpr Morpho modes = TousLesBits(MasquesMode);
  return (reg & ~irr) == 0 && (reg & degres) == (irr & degres) &&
         ((reg & modes) == 0) == ((irr & modes) == 0);
}

void AjouteSansDoublon(std::vector<TFormeFlechie>& formes, TFormeFlechie f) {
  for (const TFormeFlechie& g : formes)
    if (g.Forme == f.Forme && g.Traits == f.Traits) return;
  formes.push_back(std::move(f));
}

// The tenses of sum that make the perfect system with a participle, each
// with the tense and mood it makes: amatus sum, eram, ero; sim, essem.
struct TTempsCompose {
  Morpho Traits;  // of the compound form
  const char* Formes[6];
};
constexpr TTempsCompose TempsComposes[] = {
    {Trait::Indicatif | Trait::Parfait, {"sum", "es", "est", "sumus", "estis", "sunt"}},
    {Trait::Indicatif | Trait::PlusQueParfait,
     {"eram", "eras", "erat", "eramus", "eratis", "erant"}},
    {Trait::Indicatif | Trait::FuturAnterieur,
     {"ero", "eris", "erit", "erimus", "eritis", "erunt"}},
    {Trait::Subjonctif | Trait::Parfait, {"sim", "sis", "sit", "simus", "sitis", "sint"}},
    {Trait::Subjonctif | Trait::PlusQueParfait,
     {"essem", "esses", "esset", "essemus", "essetis", "essent"}},
};
constexpr Morpho Personnes[6] = {
    Trait::PremierePersonne | Trait::Singulier,  Trait::DeuxiemePersonne | Trait::Singulier,
    Trait::TroisiemePersonne | Trait::Singulier, Trait::PremierePersonne | Trait::Pluriel,
    Trait::DeuxiemePersonne | Trait::Pluriel,    Trait::TroisiemePersonne | Trait::Pluriel};

// The forms a grammar writes in two words on the supine stem `s`: the
// perfect system with sum, the future infinitive (amaturum esse), the
// perfect and future passive infinitives (amatum esse, amatum iri).
void AjouteComposees(std::vector<TFormeFlechie>& formes, const TDonneesLexicales& e,
                     const std::string& s) {
  const ParfaitCompose sorte = ParfaitComposeDe(e);
  const TModele& modele = FicheModele(e.Modele);
  if (modele.Nom == "sum") {
    formes.push_back(
        {s + "urum esse", Trait::Infinitif | Trait::Futur | Trait::Actif, OrigineForme::Composee});
    return;
  }
  if (sorte != ParfaitCompose::Aucun) {
    const Morpho voix = sorte == ParfaitCompose::Actif ? Trait::Actif : Trait::Passif;
    for (const TTempsCompose& t : TempsComposes)
      for (int p = 0; p < 6; ++p) {
        if (sorte == ParfaitCompose::Impersonnel && p != 2) continue;
        const std::string participe = s + (sorte == ParfaitCompose::Impersonnel ? "um"
                                           : p < 3                              ? "us"
                                                                                : "i");
        formes.push_back({participe + " " + t.Formes[p], t.Traits | Personnes[p] | voix,
                          OrigineForme::Composee});
      }
    formes.push_back(
        {s + "um esse", Trait::Infinitif | Trait::Parfait | voix, OrigineForme::Composee});
  }
  formes.push_back(
      {s + "urum esse", Trait::Infinitif | Trait::Futur | Trait::Actif, OrigineForme::Composee});
  if (sorte == ParfaitCompose::Passif)
    formes.push_back(
        {s + "um iri", Trait::Infinitif | Trait::Futur | Trait::Passif, OrigineForme::Composee});
}

}  // namespace

TFlechisseur::TFlechisseur() {
  if (!StoresPrets()) throw Erreur(MessageLexiqueNonCharge);
  for (int i = 0; i < Desinences->Count(); ++i) {
    std::string terminaison = Desinences->Cle(i);
    std::reverse(terminaison.begin(), terminaison.end());
    for (const TLecture& d : Desinences->Lectures(i))
      if (d.Modele >= 0 && d.Modele < NombreModeles)
        desinences_[static_cast<std::size_t>(d.Modele)].emplace_back(terminaison, d);
  }
  for (int i = 0; i < Irreguliers->Count(); ++i)
    for (const TLectureIrreguliere& d : Irreguliers->Lectures(i))
      irreguliers_[d.Lemme].push_back({Irreguliers->Cle(i), d.Modele, d.Morpho, d.Archaique});
}

TParadigme TFlechisseur::Paradigme(int position) const {
  const TLexique& lex = *Lexique;
  const TDonneesLexicales& direct = lex.Donnees(position);
  if (RenvoiCf(direct.Sens)) {
    // The heading of a cross-reference is the target's: its paradigm is the
    // target's, found as the analysis finds it.
    const std::string cible = lex.Vedette(position);
    const TDonneesLexicales& e = lex.DonneesApresRenvoi(position);
    if (cible != lex.Cle(position))
      if (const auto p = lex.PremiereEntreeDeModele(cible, e.Modele);
          p && !RenvoiCf(lex.Donnees(*p).Sens))
        return Paradigme(*p);
  }
  TParadigme r;
  r.Position = position;
  r.Vedette = lex.Cle(position);
  r.Entree = r.Vedette + ", " + direct.Sens;
  r.Modele = direct.Modele;
  r.Genre = direct.Genre;
  if (r.Modele < 0 || r.Modele >= NombreModeles) return r;
  const Morpho genre = (r.Genre >= Genre::Masculin && r.Genre <= Genre::Neutre)
                           ? MasquesGenre[static_cast<std::size_t>(r.Genre)]
                           : 0;

  std::vector<TFormeFlechie> regulieres;
  const TModele& modele = FicheModele(r.Modele);
  if (modele.Partie == Partie::Nom && r.Genre == Genre::Neutre)
    regulieres.push_back(
        {r.Vedette, Trait::Accusatif | Trait::Singulier | genre, OrigineForme::Vedette});
  // A pronoun whose forms are listed has no reading of its own as a
  // headword (ipse is no feminine), as in the analysis.
  bool formesListees = false;
  if (auto it = irreguliers_.find(r.Vedette); it != irreguliers_.end())
    formesListees = std::any_of(it->second.begin(), it->second.end(),
                                [&](const TIrreg& i) { return i.Forme == r.Vedette; });
  if (const Morpho m = MorphoDeVedette(direct);
      m != 0 && !(modele.Partie == Partie::Pronom && formesListees)) {
    // One reading per case, as the analysis gives them (rex: nominative, vocative).
    for (Morpho cas : MasquesCas)
      if (m & cas)
        regulieres.push_back(
            {r.Vedette, (m & ~Trait::TousCas) | cas | genre, OrigineForme::Vedette});
    if (!(m & Trait::TousCas)) regulieres.push_back({r.Vedette, m | genre, OrigineForme::Vedette});
  }

  // The stems of each stem number, as the analysis finds them again.
  std::array<std::vector<std::string>, 4> radicaux;
  if (modele.RadicalUnListe) {
    radicaux[1] = Champs(direct.RadicauxA);
  } else if (const std::string_view fin = modele.FinCitation;
             !fin.empty() && std::string_view(r.Vedette).ends_with(fin)) {
    radicaux[1].push_back(r.Vedette.substr(0, r.Vedette.size() - fin.size()));
  } else if (PlurielSeul(r.Entree, direct)) {
    // A noun cited in the plural (nuptiae, liberi): the headword without
    // the ending of the nominative plural, as its singular key gives it to
    // the analysis.
    for (const auto& [terminaison, d] : desinences_[static_cast<std::size_t>(r.Modele)])
      if (d.Radical == 1 && (d.Morpho & Trait::Nominatif) && (d.Morpho & Trait::Pluriel) &&
          r.Vedette.size() > terminaison.size() && r.Vedette.ends_with(terminaison)) {
        radicaux[1].push_back(r.Vedette.substr(0, r.Vedette.size() - terminaison.size()));
        break;
      }
  }
  if (modele.Verbe) {
    radicaux[2] = Champs(direct.RadicauxA);
    radicaux[3] = Champs(direct.RadicauxB);
  }
  for (const auto& [terminaison, d] : desinences_[static_cast<std::size_t>(r.Modele)]) {
    if (d.Radical < 1 || d.Radical > 3) continue;
    for (const std::string& radical : radicaux[static_cast<std::size_t>(d.Radical)])
      if (const auto m = LectureAdmise(direct, radical, terminaison, d))
        regulieres.push_back({radical + terminaison, *m | genre,
                              d.Supin() ? OrigineForme::Supin : OrigineForme::Desinence});
  }

  std::vector<TFormeFlechie> irregulieres;
  if (auto it = irreguliers_.find(r.Vedette); it != irreguliers_.end()) {
    for (const TIrreg& i : it->second) {
      if (i.Modele != r.Modele) continue;
      // The analysis files an irregular form under the first entry of its
      // key and model only.
      if (lex.PremiereEntreeDeModele(r.Vedette, r.Modele) != position) continue;
      irregulieres.push_back({i.Forme, i.Traits | genre, OrigineForme::Irreguliere, i.Archaique});
    }
  }

  for (TFormeFlechie& f : regulieres) {
    const bool remplacee = std::any_of(
        irregulieres.begin(), irregulieres.end(),
        [&](const TFormeFlechie& i) { return !i.Archaique && Couvre(i.Traits, f.Traits); });
    if (!remplacee) AjouteSansDoublon(r.Formes, std::move(f));
  }
  // The archaic forms last, after the classical ones of their cell.
  std::stable_partition(irregulieres.begin(), irregulieres.end(),
                        [](const TFormeFlechie& f) { return !f.Archaique; });
  for (TFormeFlechie& f : irregulieres) AjouteSansDoublon(r.Formes, std::move(f));
  if (modele.Verbe)
    for (const std::string& supin : radicaux[3]) AjouteComposees(r.Formes, direct, supin);
  // A noun used only in the plural (penates, maiores) has no singular, as in
  // the analysis.
  if (PlurielSeul(r.Entree, direct))
    std::erase_if(r.Formes, [](const TFormeFlechie& f) { return f.Traits & Trait::Singulier; });
  return r;
}

std::vector<TParadigme> ParadigmesDuMot(std::string_view mot) {
  const std::unique_ptr<TListeAnalyses> analyses = Lemmatise(mot);
  std::vector<TParadigme> resultat;
  if (!analyses) return resultat;
  const TFlechisseur flechisseur;
  const TLexique& lex = *Lexique;
  std::vector<int> vues;
  for (int i = 0; i < analyses->Count(); ++i) {
    const TAnalyse& a = analyses->Analyse(i);
    const std::string vedette = a.Entree.substr(0, a.Entree.find(", "));
    std::vector<int> modeles;
    for (const TLecture& d : a.Lectures)
      if (std::find(modeles.begin(), modeles.end(), d.Modele) == modeles.end())
        modeles.push_back(d.Modele);
    if (modeles.empty()) modeles.push_back(ModeleInvariable);
    int p = 0;
    lex.Find(vedette, p);
    for (; p < lex.Count() && CompareCles(lex.Cle(p), vedette) == 0; ++p) {
      const TDonneesLexicales& e = lex.Donnees(p);
      if (RenvoiCf(e.Sens)) continue;
      if (CompareCles(lex.Cle(p) + ", " + e.Sens, a.Entree) != 0) continue;
      if (std::find(modeles.begin(), modeles.end(), e.Modele) == modeles.end()) continue;
      if (std::find(vues.begin(), vues.end(), p) != vues.end()) continue;
      vues.push_back(p);
      resultat.push_back(flechisseur.Paradigme(p));
    }
  }
  return resultat;
}
