// TLecteur and TEcrivain: the tagged-value encoding of quirandole.lex, and the
// only code that touches its bytes. Little-endian tags:
//   0x02 int8, 0x03 int16, 0x04 int32,
//   0x06 string (1-byte length), 0x0C string (4-byte length),
//   0x12 UTF-16LE string (4-byte count of code units), 0x14 UTF-8 string (4-byte byte count).
// Both go through a 1024-byte buffer over a stream they borrow (the stream
// must outlive them). Reading fails with Erreur "Erreur de lecture du flux"
// when the data ends inside a value or a length exceeds what is left, and
// with "Valeur de propriété incorrecte" for a tag not allowed where it
// stands; it never allocates more than what is left of the stream.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "lexical/messages.h"

class TLecteur {
 public:
  // Reads from the current position of the stream to its end.
  explicit TLecteur(std::istream& flux);
  TLecteur(const TLecteur&) = delete;
  TLecteur& operator=(const TLecteur&) = delete;

  // Any of the three integer tags.
  std::int32_t LisEntier();
  // Any of the four string tags; UTF-16 and UTF-8 come back as Windows-1252
  // ('?' for what it cannot hold).
  std::string LisChaine();

  // Bytes not yet read.
  std::uint64_t Reste() const { return reste_ + (fin_ - pos_); }
  // Bytes read so far, and where the last value asked for starts (from the
  // reader's first byte) with what it had to be ("un entier", "une
  // chaîne"): what a message about a damaged file names.
  std::uint64_t Position() const { return lus_ - (fin_ - pos_); }
  std::uint64_t DebutValeur() const { return debutValeur_; }
  const char* Attendu() const { return attendu_; }

 private:
  std::uint8_t LisOctet();
  void LisOctets(char* destination, std::uint64_t n);
  std::uint32_t LisNaturel(int octets);
  void Remplis();

  std::istream& flux_;
  std::uint64_t reste_ = 0;  // bytes still in the stream, beyond the buffer
  std::uint64_t lus_ = 0;    // bytes taken from the stream into the buffer
  std::uint64_t debutValeur_ = 0;
  const char* attendu_ = "";
  std::array<char, 1024> tampon_{};
  std::size_t pos_ = 0, fin_ = 0;
};

// Refuses a field read outside [min, max] with Erreur "<sorte> « <nom> » :
// <champ> <valeur> hors limites (de min à max)": the record is named
// ("entrée « amo »"), so that a damaged file says where it is damaged.
// All Windows-1252.
void VerifiePlage(std::int32_t valeur, std::int32_t min, std::int32_t max, std::string_view champ,
                  std::string_view sorte, std::string_view nom);

class TEcrivain {
 public:
  explicit TEcrivain(std::ostream& flux);
  // Flushes what is left (errors are swallowed here: call Vide to see them).
  ~TEcrivain();
  TEcrivain(const TEcrivain&) = delete;
  TEcrivain& operator=(const TEcrivain&) = delete;

  // Smallest of 0x02, 0x03, 0x04 that holds the value.
  void EcrisEntier(std::int32_t valeur);
  // A string with a byte >= 0x80 goes as 0x14 UTF-8; else 0x06 up to 255
  // bytes, 0x0C beyond.
  void EcrisChaine(std::string_view cp1252);
  // Writes the buffer to the stream; throws Erreur when the stream fails.
  void Vide();

 private:
  void EcrisOctets(const char* source, std::size_t n);
  void EcrisNaturel(std::uint32_t valeur, int octets);

  std::ostream& flux_;
  std::array<char, 1024> tampon_{};
  std::size_t pos_ = 0;
};
