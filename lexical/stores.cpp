#include "lexical/stores.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

#include "lexical/cp1252.h"
#include "lexical/flux.h"

std::unique_ptr<TLexique> Lexique;
std::unique_ptr<TListeDes> Desinences;
std::unique_ptr<TListeIrreg> Irreguliers;

namespace {
std::string MessageOuverture(const std::string& chemin) {
  return Formate("Impossible d'ouvrir le fichier %s", {Utf8VersCp1252(chemin)});
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
  Lexique->Modifie = false;
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
  // Written beside the target and renamed over it, so that a failure half
  // way leaves the previous file whole.
  const std::string provisoire = chemin + ".provisoire";
  {
    std::ofstream fichier(provisoire, std::ios::binary | std::ios::trunc);
    if (!fichier) throw Erreur(MessageOuverture(chemin));
    try {
      TEcrivain ecrivain(fichier);
      EcrisSections(ecrivain, lexique, desinences, irreguliers);
      fichier.close();
      if (!fichier)
        throw Erreur(
            "Erreur d'\xE9"
            "criture du flux");
    } catch (...) {
      std::error_code ignore;
      std::filesystem::remove(provisoire, ignore);
      throw;
    }
  }
  std::error_code erreur;
  std::filesystem::rename(provisoire, chemin, erreur);
  if (erreur) {
    std::filesystem::remove(provisoire, erreur);
    throw Erreur(MessageOuverture(chemin));
  }
}

void EcrisStores(const std::string& chemin) {
  if (!StoresPrets()) throw Erreur("Lexique non charg\xE9");
  EcrisFichierLexique(chemin, *Lexique, *Desinences, *Irreguliers);
}

std::string CheminLexiqueParDefaut() {
  std::error_code erreur;
  const auto programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
  const auto dossier = erreur ? std::filesystem::current_path() : programme.parent_path();
  return (dossier / "quirandole.lex").string();
}

void SauveLexique() {
  const std::string chemin = CheminLexiqueParDefaut();
  // Only an existing file is replaced: a missing one means the program is
  // not where its data is, which saving must not hide.
  std::error_code erreur;
  if (!std::filesystem::is_regular_file(chemin, erreur)) throw Erreur(MessageOuverture(chemin));
  EcrisStores(chemin);
  Lexique->Modifie = false;
}

bool StoresPrets() { return Lexique && Desinences && Irreguliers; }

void LiberLexique() {
  Lexique.reset();
  Desinences.reset();
  Irreguliers.reset();
}
