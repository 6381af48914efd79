// A word list written in a documented text file of the tree and compiled
// into the program (outils/cmake/listes_embarquees.cmake): each [section] of
// the file becomes one Windows-1252 text of blank-separated words, of static
// storage. Nothing fails: a section the file lacks reads as an empty list.
#pragma once

#include <span>
#include <string_view>

struct TListeEmbarquee {
  std::string_view Nom;
  std::string_view Mots;
};

// The words of the section named nom, blank-separated; empty when none.
constexpr std::string_view MotsDeLaSection(std::span<const TListeEmbarquee> listes,
                                           std::string_view nom) {
  for (const TListeEmbarquee& liste : listes)
    if (liste.Nom == nom) return liste.Mots;
  return {};
}

// Whether test holds for one of the blank-separated words, tried in order.
template <class Test>
constexpr bool UnDesMots(std::string_view mots, Test test) {
  while (!mots.empty()) {
    const std::size_t blanc = mots.find(' ');
    if (test(mots.substr(0, blanc))) return true;
    mots = blanc == std::string_view::npos ? std::string_view() : mots.substr(blanc + 1);
  }
  return false;
}
