// Allocation failure on demand, for tests that check how a loader meets an
// exhausted memory. Include in exactly one file of a test program: it
// replaces the global operator new of that program. While the countdown is
// negative (the default) every allocation behaves as usual.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <string>

#include "lexical/erreur.h"

namespace echec_allocation {
// The number of allocations that still succeed before one fails; -1: none fails.
inline long Restantes = -1;
}  // namespace echec_allocation

void* operator new(std::size_t taille) {
  if (echec_allocation::Restantes >= 0 && echec_allocation::Restantes-- == 0)
    throw std::bad_alloc();
  if (void* p = std::malloc(taille ? taille : 1)) return p;
  throw std::bad_alloc();
}
// operator new above is malloc, so free is its match (GCC cannot see it).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpragmas"
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace echec_allocation {
// Runs `action` once with the k-th allocation failing, for k = 0, 1, ...
// until a run meets no failure; `verifie` sees each run's outcome (the
// exception caught, or nullptr). Returns the number of runs.
template <class Action, class Verifie>
long ChaqueEchec(Action action, Verifie verifie) {
  for (long k = 0;; ++k) {
    Restantes = k;
    std::exception_ptr issue;
    try {
      action();
    } catch (...) {
      issue = std::current_exception();
    }
    const bool echecSurvenu = Restantes < 0;
    Restantes = -1;
    verifie(issue);
    if (!echecSurvenu) return k + 1;
  }
}

// Runs `action` with each of its allocations failing in turn: each run but
// the last must fail with a French Erreur holding `message`, never let
// std::bad_alloc or another exception out. Returns the number of runs.
template <class Action>
long SeulementDesErreursFrancaises(Action action, const std::string& message) {
  long erreurs = 0;
  const long essais = ChaqueEchec(action, [&](std::exception_ptr issue) {
    if (!issue) return;
    try {
      std::rethrow_exception(issue);
    } catch (const Erreur& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
      ++erreurs;
    } catch (const std::exception& e) {
      ADD_FAILURE() << "exception " << e.what();
    }
  });
  EXPECT_EQ(erreurs, essais - 1);
  return essais;
}
}  // namespace echec_allocation
