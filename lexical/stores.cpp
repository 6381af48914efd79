#include "lexical/stores.h"

#include <cerrno>
#include <fstream>
#include <new>
#include <sstream>

#include "lexical/cp1252.h"
#include "lexical/fichier_atomique.h"
#include "lexical/flux.h"
#include "lexical/programme.h"

std::unique_ptr<TLexique> Lexique;
std::unique_ptr<TListeDes> Desinences;
std::unique_ptr<TListeIrreg> Irreguliers;

namespace {
std::string MessageOuverture(const std::string& chemin) {
  return Formate(MessageOuvrirFichier, {Utf8VersCp1252(chemin)});
}
}  // namespace

void ChargeLexique(TLecteur& lecteur) {
  LiberLexique();
  // Running out of memory is a load failure like the others, reported in
  // French; the store being built is freed by the unwinding.
  try {
    Lexique = TLexique::Lis(lecteur);
    Desinences = TListeDes::Lis(lecteur);
    Irreguliers = TListeIrreg::Lis(lecteur);
  } catch (const std::bad_alloc&) {
    throw Erreur(MessageMemoire);
  }
}

void ChargeLexique(const std::string& chemin) {
  LiberLexique();
  try {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) throw Erreur(MessageOuverture(chemin));
    TLecteur lecteur(fichier);
    ChargeLexique(lecteur);
  } catch (const std::bad_alloc&) {
    throw Erreur(MessageMemoire);
  }
}

void EcrisSections(TEcrivain& ecrivain, const TLexique& lexique, const TListeDes& desinences,
                   const TListeIrreg& irreguliers) {
  lexique.Ecris(ecrivain);
  desinences.Ecris(ecrivain);
  irreguliers.Ecris(ecrivain);
  ecrivain.Vide();
}

void EcrisFichierLexique(const std::string& chemin, const TLexique& lexique,
                         const TListeDes& desinences, const TListeIrreg& irreguliers) {
  std::string contenu;
  try {
    std::ostringstream flux(std::ios::binary);
    TEcrivain ecrivain(flux);
    EcrisSections(ecrivain, lexique, desinences, irreguliers);
    contenu = std::move(flux).str();
  } catch (const std::bad_alloc&) {
    EchecEcriture(chemin, ENOMEM);
  }
  RemplaceFichier(chemin, contenu);
}

void EcrisStores(const std::string& chemin) {
  if (!StoresPrets()) throw Erreur(MessageLexiqueNonCharge);
  EcrisFichierLexique(chemin, *Lexique, *Desinences, *Irreguliers);
}

std::string CheminLexiqueParDefaut() { return DossierProgramme() + "quirandole.lex"; }

bool StoresPrets() { return Lexique && Desinences && Irreguliers; }

void LiberLexique() {
  Lexique.reset();
  Desinences.reset();
  Irreguliers.reset();
}
