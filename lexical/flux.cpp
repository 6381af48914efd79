#include "lexical/flux.h"

#include <algorithm>
#include <limits>

#include "lexical/cp1252.h"
#include "lexical/cp1252_litteral.h"
#include "lexical/erreur.h"

namespace {
enum Etiquette : std::uint8_t {
  Entier8 = 0x02,
  Entier16 = 0x03,
  Entier32 = 0x04,
  Chaine = 0x06,
  ChaineLongue = 0x0C,
  ChaineLarge = 0x12,
  ChaineUtf8 = 0x14,
};
}  // namespace

TLecteur::TLecteur(std::istream& flux) : flux_(flux) {
  // The size left tells a length prefix that runs past the end before
  // anything is allocated for it. A stream that cannot seek counts as
  // unbounded; strings are then still read piece by piece, never allocated
  // ahead of the bytes actually there.
  reste_ = std::numeric_limits<std::uint64_t>::max() / 2;
  const auto debut = flux_.tellg();
  if (debut != std::istream::pos_type(-1) && flux_.seekg(0, std::ios::end)) {
    const auto fin = flux_.tellg();
    flux_.seekg(debut);
    if (fin != std::istream::pos_type(-1) && fin >= debut)
      reste_ = static_cast<std::uint64_t>(fin - debut);
  }
  flux_.clear();
}

void TLecteur::Remplis() {
  pos_ = 0;
  fin_ = 0;
  if (reste_ == 0) return;
  const auto demande =
      static_cast<std::streamsize>(std::min<std::uint64_t>(tampon_.size(), reste_));
  flux_.read(tampon_.data(), demande);
  fin_ = static_cast<std::size_t>(flux_.gcount());
  lus_ += fin_;
  reste_ = fin_ == 0 ? 0 : reste_ - fin_;
}

std::uint8_t TLecteur::LisOctet() {
  if (pos_ == fin_) Remplis();
  if (pos_ == fin_) throw Erreur(MessageLecture);
  return static_cast<std::uint8_t>(tampon_[pos_++]);
}

void TLecteur::LisOctets(char* destination, std::uint64_t n) {
  while (n > 0) {
    if (pos_ == fin_) Remplis();
    if (pos_ == fin_) throw Erreur(MessageLecture);
    const std::size_t k = static_cast<std::size_t>(std::min<std::uint64_t>(n, fin_ - pos_));
    std::copy_n(tampon_.data() + pos_, k, destination);
    pos_ += k;
    destination += k;
    n -= k;
  }
}

std::uint32_t TLecteur::LisNaturel(int octets) {
  std::uint32_t valeur = 0;
  for (int i = 0; i < octets; ++i) valeur |= std::uint32_t{LisOctet()} << (8 * i);
  return valeur;
}

std::int32_t TLecteur::LisEntier() {
  debutValeur_ = Position();
  attendu_ = "un entier";
  switch (LisOctet()) {
    case Entier8:
      return static_cast<std::int8_t>(LisNaturel(1));
    case Entier16:
      return static_cast<std::int16_t>(LisNaturel(2));
    case Entier32:
      return static_cast<std::int32_t>(LisNaturel(4));
    default:
      throw Erreur(MessageValeur);
  }
}

std::string TLecteur::LisChaine() {
  debutValeur_ = Position();
  attendu_ = "une chaîne"_1252;
  const std::uint8_t etiquette = LisOctet();
  std::uint64_t longueur = 0;  // in bytes
  switch (etiquette) {
    case Chaine:
      longueur = LisOctet();
      break;
    case ChaineLongue:
    case ChaineUtf8:
      longueur = LisNaturel(4);
      break;
    case ChaineLarge:
      longueur = std::uint64_t{LisNaturel(4)} * 2;
      break;
    default:
      throw Erreur(MessageValeur);
  }
  if (longueur > Reste()) throw Erreur(MessageLecture);
  // Grown piece by piece, so a stream of unknown size cannot make it
  // allocate ahead of its bytes.
  std::string octets;
  std::uint64_t lus = 0;
  while (lus < longueur) {
    const std::uint64_t morceau = std::min<std::uint64_t>(longueur - lus, 1 << 16);
    octets.resize(static_cast<std::size_t>(lus + morceau));
    LisOctets(octets.data() + lus, morceau);
    lus += morceau;
  }
  if (etiquette == ChaineUtf8) return Utf8VersCp1252(octets);
  if (etiquette == ChaineLarge) {
    std::u16string unites(octets.size() / 2, u'\0');
    for (std::size_t i = 0; i < unites.size(); ++i)
      unites[i] = static_cast<char16_t>(static_cast<std::uint8_t>(octets[2 * i]) |
                                        (static_cast<std::uint8_t>(octets[2 * i + 1]) << 8));
    return Utf16VersCp1252(unites);
  }
  return octets;
}

void VerifiePlage(std::int32_t valeur, std::int32_t min, std::int32_t max, std::string_view champ,
                  std::string_view sorte, std::string_view nom) {
  if (valeur >= min && valeur <= max) return;
  throw Erreur(Formate(
      "%s « %s » : %s %s hors limites (de %s à %s)"_1252,
      {sorte, nom, champ, std::to_string(valeur), std::to_string(min), std::to_string(max)}));
}

TEcrivain::TEcrivain(std::ostream& flux) : flux_(flux) {}

TEcrivain::~TEcrivain() {
  try {
    Vide();
  } catch (...) {
    // Nothing can be reported from a destructor; callers who care call Vide.
  }
}

void TEcrivain::EcrisOctets(const char* source, std::size_t n) {
  while (n > 0) {
    if (pos_ == tampon_.size()) Vide();
    const std::size_t k = std::min(n, tampon_.size() - pos_);
    std::copy_n(source, k, tampon_.data() + pos_);
    pos_ += k;
    source += k;
    n -= k;
  }
}

void TEcrivain::EcrisNaturel(std::uint32_t valeur, int octets) {
  char b[4];
  for (int i = 0; i < octets; ++i) b[i] = static_cast<char>((valeur >> (8 * i)) & 0xFF);
  EcrisOctets(b, static_cast<std::size_t>(octets));
}

void TEcrivain::EcrisEntier(std::int32_t valeur) {
  char etiquette;
  int octets;
  if (valeur >= -128 && valeur <= 127) {
    etiquette = Entier8;
    octets = 1;
  } else if (valeur >= -32768 && valeur <= 32767) {
    etiquette = Entier16;
    octets = 2;
  } else {
    etiquette = Entier32;
    octets = 4;
  }
  EcrisOctets(&etiquette, 1);
  EcrisNaturel(static_cast<std::uint32_t>(valeur), octets);
}

void TEcrivain::EcrisChaine(std::string_view cp1252) {
  const bool ascii = std::all_of(cp1252.begin(), cp1252.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::string utf8;
  std::string_view octets = cp1252;
  char etiquette;
  if (!ascii) {
    utf8 = Cp1252VersUtf8(cp1252);
    octets = utf8;
    etiquette = ChaineUtf8;
  } else if (octets.size() <= 255) {
    etiquette = Chaine;
  } else {
    etiquette = ChaineLongue;
  }
  if (octets.size() > std::numeric_limits<std::uint32_t>::max())
    throw Erreur("Chaîne trop longue pour le fichier lexique"_1252);
  EcrisOctets(&etiquette, 1);
  EcrisNaturel(static_cast<std::uint32_t>(octets.size()), etiquette == Chaine ? 1 : 4);
  EcrisOctets(octets.data(), octets.size());
}

void TEcrivain::Vide() {
  if (pos_ > 0) {
    flux_.write(tampon_.data(), static_cast<std::streamsize>(pos_));
    pos_ = 0;
  }
  flux_.flush();
  if (!flux_) throw Erreur(MessageEcriture);
}
