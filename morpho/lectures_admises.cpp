#include "morpho/lectures_admises.h"

#include <string>

#include "lexical/cp1252_litteral.h"
#include "lexical/modeles.h"

namespace {

// The dictionary information of an entry: its meaning before " : ".
std::string_view Informations(const TDonneesLexicales& e) {
  const std::string_view sens = e.Sens;
  return sens.substr(0, sens.find(" : "));
}

bool Marque(const TDonneesLexicales& e, std::string_view marque) {
  return Informations(e).find(marque) != std::string_view::npos;
}

bool Deponent(const TModele& m) { return m.Verbe && m.FinCitation.ends_with('r'); }

// The comma-separated stems of a field; "-" (none) gives nothing.
bool ListeContient(std::string_view liste, std::string_view radical) {
  std::size_t debut = 0;
  while (debut <= liste.size()) {
    const std::size_t fin = std::min(liste.find(',', debut), liste.size());
    if (liste.substr(debut, fin - debut) == radical) return true;
    debut = fin + 1;
  }
  return false;
}

bool SansRadical(std::string_view liste) { return liste.empty() || liste == "-"; }

constexpr Morpho SystemeParfait = Trait::Parfait | Trait::PlusQueParfait | Trait::FuturAnterieur;

// The impersonal passive of an intransitive verb: the third person singular
// (itur, itum est), the infinitive, and the neuter singular nominative of
// the participle and the gerundive (itum est, eundum est).
std::optional<Morpho> PassifImpersonnel(Morpho m) {
  if (m & Trait::ToutesPersonnes) {
    if ((m & Trait::TroisiemePersonne) && (m & Trait::Singulier) && !(m & Trait::Imperatif))
      return m;
    return std::nullopt;
  }
  if (m & Trait::Infinitif) return m;
  if ((m & Trait::Nominatif) && (m & Trait::Neutre) && (m & Trait::Singulier))
    return (m & ~(Trait::TousCas | Trait::TousGenres)) | Trait::Nominatif | Trait::Neutre;
  return std::nullopt;
}

}  // namespace

bool SemiDeponent(const TDonneesLexicales& e) {
  const TModele& m = FicheModele(e.Modele);
  if (!m.Verbe || Deponent(m) || !SansRadical(e.RadicauxA) || SansRadical(e.RadicauxB))
    return false;
  const std::string_view info = Informations(e);
  for (std::size_t p = info.find("us sum"); p != std::string_view::npos;
       p = info.find("us sum", p + 1)) {
    const std::size_t fin = p + 6;
    if (fin == info.size() || info[fin] == ',' || info[fin] == ' ') return true;
  }
  return false;
}

ParfaitCompose ParfaitComposeDe(const TDonneesLexicales& e) {
  const TModele& m = FicheModele(e.Modele);
  if (!m.Verbe || m.Nom == "sum" || SansRadical(e.RadicauxB)) return ParfaitCompose::Aucun;
  if (Deponent(m) || SemiDeponent(e)) return ParfaitCompose::Actif;
  if (Marque(e, "sans passif")) return ParfaitCompose::Aucun;
  if (Marque(e, "intr.")) return ParfaitCompose::Impersonnel;
  return ParfaitCompose::Passif;
}

std::optional<Morpho> LectureAdmise(const TDonneesLexicales& e, std::string_view radical,
                                    std::string_view terminaison, const TLecture& d) {
  const TModele& modele = FicheModele(e.Modele);
  Morpho m = d.Morpho;
  if (modele.Partie == Partie::Adjectif) {
    if ((m & (Trait::Comparatif | Trait::Superlatif)) && Marque(e, "sans degrés"_1252))
      return std::nullopt;
    // One-termination adjectives: ueter-rimus, pauper-rimus, but
    // felic-issimus; ueter-a, uber-a, but ingent-ia.
    if (modele.Nom == "uetus" && (m & Trait::Superlatif)) {
      const bool enEr = radical.ends_with("er");
      if (terminaison.starts_with("rim") != enEr) return std::nullopt;
    }
    if (modele.Nom == "uetus" && terminaison == "a" && !radical.ends_with('r')) return std::nullopt;
    return m;
  }
  if (!modele.Verbe) return m;
  if ((m & Trait::Imperatif) && Marque(e, "sans impératif"_1252)) return std::nullopt;
  // An impersonal verb has only its third persons (decet, decent; no decueram).
  if ((m & (Trait::PremierePersonne | Trait::DeuxiemePersonne | Trait::Imperatif)) &&
      Marque(e, "impers."))
    return std::nullopt;
  // possum on pos-: only the forms in s- (pos-sum, pos-sim); potes, potest,
  // potero are listed.
  if (modele.Nom == "sum" && d.Radical == 1 && radical.ends_with('s') &&
      !terminaison.starts_with('s'))
    return std::nullopt;

  // Contracted perfects: audi-sti, redi-sse on a short stem in -i; dix-ti,
  // scrips-ti on a perfect in -si/-xi; am-asti, del-esse on stem 1 only
  // when the perfect is amau-, deleu-.
  if (d.Radical == 2) {
    if (terminaison.starts_with('s') && !radical.ends_with('i')) return std::nullopt;
    if (terminaison == "ti" && !radical.ends_with('s') && !radical.ends_with('x'))
      return std::nullopt;
  } else if (d.Radical == 1 && (m & SystemeParfait) && !terminaison.empty()) {
    std::string long_(radical);
    long_ += terminaison.front();
    long_ += 'u';
    if (!ListeContient(e.RadicauxA, long_)) return std::nullopt;
  }

  if (Deponent(modele) || !(m & Trait::Passif)) return m;
  if (SemiDeponent(e) && (m & Trait::Participe) && (m & Trait::Parfait))
    return (m & ~Trait::Passif) | Trait::Actif;
  if (Marque(e, "sans passif")) return std::nullopt;
  if (Marque(e, "intr.")) return PassifImpersonnel(m);
  return m;
}
