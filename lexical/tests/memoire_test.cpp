// Memory taken by loading a lexicon, counted by replacing the global
// allocation functions of this test program: every byte asked of operator
// new is added to a running total whose peak the tests read. Kept in a
// program of its own so that no other test pays for the counting.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "lexical/stores.h"
#include "lexical/tests/outils_test.h"

namespace {
std::atomic<std::size_t> EnCours{0}, Pic{0};

// Each block carries its size before the bytes handed out, so that delete
// can take it off the total.
constexpr std::size_t Entete = alignof(std::max_align_t);

void* Alloue(std::size_t n) {
  void* bloc = std::malloc(n + Entete);
  if (!bloc) throw std::bad_alloc();
  *static_cast<std::size_t*>(bloc) = n;
  const std::size_t maintenant = EnCours += n;
  std::size_t pic = Pic.load();
  while (maintenant > pic && !Pic.compare_exchange_weak(pic, maintenant)) {
  }
  return static_cast<char*>(bloc) + Entete;
}

void Libere(void* p) noexcept {
  if (!p) return;
  void* bloc = static_cast<char*>(p) - Entete;
  EnCours -= *static_cast<std::size_t*>(bloc);
  std::free(bloc);
}
}  // namespace

void* operator new(std::size_t n) { return Alloue(n); }
void* operator new[](std::size_t n) { return Alloue(n); }
void operator delete(void* p) noexcept { Libere(p); }
void operator delete[](void* p) noexcept { Libere(p); }
void operator delete(void* p, std::size_t) noexcept { Libere(p); }
void operator delete[](void* p, std::size_t) noexcept { Libere(p); }

namespace {

// The peak of bytes allocated while loading the file, above what was held
// before.
std::size_t PicDeChargement(const std::string& octets) {
  LiberLexique();
  const std::size_t avant = EnCours.load();
  Pic = avant;
  ChargeOctets(octets);
  const std::size_t pic = Pic.load() - avant;
  LiberLexique();
  return pic;
}

// One verb entry whose key is as long as half the file and whose two stem
// lists are one-letter stems: every stem once copied the whole key.
std::string LexiqueForge(std::size_t taille) {
  std::string liste;
  while (liste.size() < taille / 4) liste += "a,";
  const std::string cle(taille / 2, 'k');
  return Valeurs({1, cle, 17, -1, liste, liste, "x", 0, 0});
}

// Regression: a crafted 100 KB lexicon took 1.2 GB, because each stem index
// item held its own copy of the entry's key. The counting itself must see
// the allocations of the load (a measure that saw nothing would let any
// fault pass).
TEST(Memoire, UnLexiqueForgeResteProportionnelASaTaille) {
  const std::string octets = LexiqueForge(200 * 1024);
  ASSERT_GE(octets.size(), 200u * 1024);
  const std::size_t pic = PicDeChargement(octets);
  EXPECT_LT(pic, 64u << 20) << pic << " octets pour " << octets.size();
  EXPECT_GT(pic, 1u << 20);
  ChargeOctets(octets);
  EXPECT_EQ(Lexique->Radicaux2.Count(), Lexique->Radicaux3.Count());
  EXPECT_GE(Lexique->Radicaux2.Count(), 25000);
  LiberLexique();
}

}  // namespace
