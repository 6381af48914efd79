#include "lexical/stores.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/fichier_atomique.h"
#include "lexical/fichier_ordinaire.h"
#include "lexical/flux.h"
#include "lexical/programme.h"

std::unique_ptr<TLexique> Lexique;
std::unique_ptr<TListeDes> Desinences;
std::unique_ptr<TListeIrreg> Irreguliers;

namespace {
std::string MessageOuverture(const std::string& chemin) {
  return Formate(MessageOuvrirFichier, {Utf8VersCp1252(chemin)});
}

// No lexicon comes near it (the shipped one is a few megabytes); a bigger
// file is no lexicon.
constexpr std::size_t TailleMaxLexique = std::size_t{256} << 20;

// The checksum written after the three sections: a short string value
// "FNV1A64:" and 16 hexadecimal digits of the 64-bit FNV-1a hash of every
// byte before it. Loaders that predate it stop after the third section and
// never see it; FNV-1a tells any single changed byte, since each step maps
// distinct states to distinct states.
constexpr std::string_view MarqueEmpreinte =
    "\x06\x18"
    "FNV1A64:";
constexpr std::size_t TailleEmpreinte = MarqueEmpreinte.size() + 16;

std::uint64_t Fnv1a64(std::string_view octets) {
  std::uint64_t h = 0xcbf29ce484222325u;
  for (char c : octets) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3u;
  }
  return h;
}

std::string Empreinte(std::string_view contenu) {
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Fnv1a64(contenu)));
  return std::string(MarqueEmpreinte) + hex;
}

bool PorteEmpreinte(std::string_view octets) {
  return octets.size() >= TailleEmpreinte &&
         octets.substr(octets.size() - TailleEmpreinte, MarqueEmpreinte.size()) == MarqueEmpreinte;
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

EtatEmpreinte ChargeLexique(const std::string& chemin) {
  LiberLexique();
  try {
    std::error_code absent;
    if (!std::filesystem::exists(chemin, absent)) throw Erreur(MessageOuverture(chemin));
    std::string octets = LisFichierOrdinaire(chemin, TailleMaxLexique);
    const bool marque = PorteEmpreinte(octets);
    const std::size_t taille = octets.size();
    const std::string_view contenu =
        std::string_view(octets).substr(0, marque ? taille - TailleEmpreinte : taille);
    const bool juste =
        marque && Empreinte(contenu) == std::string_view(octets).substr(contenu.size());
    std::istringstream flux(std::move(octets), std::ios::binary);
    TLecteur lecteur(flux);
    try {
      ChargeLexique(lecteur);
    } catch (const Erreur& e) {
      if (std::string_view(e.what()) == MessageMemoire) throw;
      throw Erreur(Formate(MessageLexiqueEndommage,
                           {Utf8VersCp1252(chemin), std::to_string(lecteur.DebutValeur()),
                            lecteur.Attendu(), e.what()}));
    }
    // Anything after the sections but the checksum is damage too: no
    // program writes it.
    const std::uint64_t reste = lecteur.Reste();
    if (!marque) return reste == 0 ? EtatEmpreinte::Absente : EtatEmpreinte::Fausse;
    return juste && reste == TailleEmpreinte ? EtatEmpreinte::Juste : EtatEmpreinte::Fausse;
  } catch (const std::bad_alloc&) {
    throw Erreur(MessageMemoire);
  }
}

std::string AvertissementEmpreinte(const std::string& chemin) {
  return Formate(
      "Le lexique %s semble endommagé : son empreinte ne correspond pas à son contenu. "
      "Certaines analyses ou certains sens peuvent être faux ; réinstallez le programme "
      "pour retrouver le lexique d'origine."_1252,
      {Utf8VersCp1252(chemin)});
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
    contenu += Empreinte(contenu);
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
