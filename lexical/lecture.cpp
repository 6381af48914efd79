#include "lexical/lecture.h"

#include "lexical/cp1252_litteral.h"
#include "lexical/flux.h"
#include "lexical/modeles.h"

Partie::TPartie TLecture::Partie() const { return PartieDuModele(Modele); }
int TLecture::NumCas() const { return IndexCas(Morpho); }
int TLecture::NumGenre() const { return IndexCategorie(Morpho, MasquesGenre); }
int TLecture::NumNombre() const { return IndexCategorie(Morpho, MasquesNombre); }
int TLecture::NumPersonne() const { return IndexCategorie(Morpho, MasquesPersonne); }
int TLecture::NumTemps() const { return IndexCategorie(Morpho, MasquesTemps); }
int TLecture::NumMode() const { return IndexCategorie(Morpho, MasquesMode); }
int TLecture::NumVoix() const { return IndexCategorie(Morpho, MasquesVoix); }

bool TLecture::Supin() const {
  return Partie() == Partie::Verbe && (Morpho & (Trait::Accusatif | Trait::Ablatif)) &&
         IndexCategorie(Morpho, MasquesMode) < 0;
}

namespace {
template <std::size_t N, std::size_t M>
void AjouteTermes(std::string& texte, Morpho m, const std::array<Morpho, N>& masques,
                  const std::array<std::string_view, M>& noms) {
  static_assert(N == M);
  for (std::size_t i = 0; i < N; ++i)
    if (m & masques[i]) {
      texte += ' ';
      texte += noms[i];
    }
}
}  // namespace

std::string TLecture::Libelle(bool avecModele) const {
  std::string texte;
  if (Supin()) {
    texte = (Morpho & Trait::Accusatif) ? "supin en -um" : "supin en -u";
  } else {
    AjouteTermes(texte, Morpho, MasquesPersonne, NomsPersonnes);
    // A case replaces what came before it, so a nominal reading starts with
    // its case and no blank.
    for (std::size_t i = 0; i < MasquesCas.size(); ++i)
      if (Morpho & MasquesCas[i]) texte = NomsCas[i];
    AjouteTermes(texte, Morpho, MasquesGenre, NomsGenres);
    AjouteTermes(texte, Morpho, MasquesNombre, NomsNombres);
    AjouteTermes(texte, Morpho, MasquesMode, NomsModes);
    AjouteTermes(texte, Morpho, MasquesTemps, NomsTemps);
    AjouteTermes(texte, Morpho, MasquesVoix, NomsVoix);
    AjouteTermes(texte, Morpho, MasquesDegre, NomsDegres);
  }
  if (avecModele) {
    texte += " modèle "_1252;
    if (Modele >= 0 && Modele < NombreModeles)
      texte += NomsModeles[static_cast<std::size_t>(Modele)];
    else
      texte += std::to_string(Modele);
    texte += " radical ";
    texte += std::to_string(Radical);
  }
  return texte;
}

TLecture TLecture::Lis(TLecteur& lecteur, std::string_view sorte, std::string_view nom) {
  TLecture d;
  d.Modele = lecteur.LisEntier();
  VerifiePlage(d.Modele, 0, NombreModeles - 1, "modèle"_1252, sorte, nom);
  d.Radical = lecteur.LisEntier();
  d.Morpho = static_cast<std::uint32_t>(lecteur.LisEntier());
  return d;
}

void TLecture::Ecris(TEcrivain& ecrivain) const {
  ecrivain.EcrisEntier(Modele);
  ecrivain.EcrisEntier(Radical);
  ecrivain.EcrisEntier(static_cast<std::int32_t>(Morpho));
}
