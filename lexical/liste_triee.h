// TListeTriee: the sorted keyed list that holds every store of Lecturiel.
// Items are (key, owned object) pairs kept sorted by CompareCles, which
// ignores letter case (ASCII and Windows-1252 capitals) and keeps accents
// significant. The list owns its objects. Each list has one policy for keys
// equal ignoring case: accepted (a new item goes before all equal keys, so
// equal keys stand in reverse insertion order), refused (Ajoute throws
// Erreur "La liste de chaînes n'autorise pas les doublons") or ignored (the
// list is left unchanged). Positions outside 0..Count-1 throw Erreur
// "Indice de liste hors limites (%d)".
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "lexical/erreur.h"
#include "lexical/messages.h"
#include "lexical/minuscules.h"

// <0, 0 or >0 as a sorts before, equals or after b ignoring case: two keys
// compare equal exactly when their Minuscules are the same bytes.
inline int CompareCles(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int x = Minuscule(static_cast<unsigned char>(a[i]));
    const int y = Minuscule(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Order of items sorted by key, then by rank among equal keys: the i-th
// value is the index of the item that goes i-th. Keys are folded once and
// compared as bytes; input already sorted by key costs one pass.
std::vector<std::uint32_t> OrdreDeTri(const std::vector<std::string_view>& cles,
                                      const std::vector<std::uint32_t>& rangs);

[[noreturn]] void ErreurIndice(int i);

template <class T>
class TListeTriee {
 public:
  enum class Doublons { Acceptes, Refuses, Ignores };
  // One item: key and owned object.
  using Element = std::pair<std::string, std::unique_ptr<T>>;

  explicit TListeTriee(Doublons politique) : politique_(politique) {}
  virtual ~TListeTriee() = default;
  TListeTriee(TListeTriee&&) noexcept = default;
  TListeTriee& operator=(TListeTriee&&) noexcept = default;

  Doublons Politique() const { return politique_; }

  // Binary search. True when some key equals cle ignoring case; position is
  // then the first of the equal keys, else where cle would be inserted.
  bool Find(std::string_view cle, int& position) const {
    auto it = std::lower_bound(
        elements_.begin(), elements_.end(), cle,
        [](const Element& e, std::string_view c) { return CompareCles(e.first, c) < 0; });
    position = static_cast<int>(it - elements_.begin());
    return it != elements_.end() && CompareCles(it->first, cle) == 0;
  }

  // Inserts (cle, objet) at its sorted place and returns the position; -1
  // when the key is present and duplicates are ignored (objet is dropped).
  // A null objet is replaced by a default-constructed one.
  int Ajoute(std::string cle, std::unique_ptr<T> objet) {
    int position = 0;
    if (Find(cle, position)) {
      if (politique_ == Doublons::Refuses) throw Erreur(MessageDoublons);
      if (politique_ == Doublons::Ignores) return -1;
    }
    if (!objet) objet = std::make_unique<T>();
    elements_.insert(elements_.begin() + position, Element{std::move(cle), std::move(objet)});
    return position;
  }

  // Same result as calling Ajoute on each item in order, in n log n: used to
  // fill a store from a file. With refused duplicates, the items before the
  // first duplicate are added and then Erreur is thrown.
  void AjouteTous(std::vector<Element> nouveaux) {
    std::vector<Element> suite;
    bool doublon = false;
    if (politique_ == Doublons::Acceptes) {
      suite = std::move(nouveaux);
    } else {
      suite.reserve(nouveaux.size() + elements_.size());
      std::unordered_set<std::string> vues;
      vues.reserve(elements_.size() + nouveaux.size());
      for (const auto& e : elements_) vues.insert(Minuscules(e.first));
      for (auto& [cle, objet] : nouveaux) {
        if (!vues.insert(Minuscules(cle)).second) {
          if (politique_ == Doublons::Refuses) {
            doublon = true;
            break;
          }
          continue;  // ignored: the first one stays
        }
        suite.push_back(Element{std::move(cle), std::move(objet)});
      }
    }
    for (auto& e : suite)
      if (!e.second) e.second = std::make_unique<T>();
    // Among equal keys the new items go first, the latest first, then the
    // items already there in their order: one insertion at a time does so.
    const auto n = static_cast<std::uint32_t>(suite.size());
    std::vector<std::uint32_t> rangs(n + elements_.size());
    for (std::uint32_t i = 0; i < rangs.size(); ++i)
      rangs[i] = i < n && politique_ == Doublons::Acceptes ? n - 1 - i : i;
    suite.insert(suite.end(), std::make_move_iterator(elements_.begin()),
                 std::make_move_iterator(elements_.end()));
    std::vector<std::string_view> cles;
    cles.reserve(suite.size());
    for (const auto& e : suite) cles.push_back(e.first);
    const std::vector<std::uint32_t> ordre = OrdreDeTri(cles, rangs);
    cles.clear();
    elements_.clear();
    elements_.reserve(suite.size());
    for (std::uint32_t i : ordre) elements_.push_back(std::move(suite[i]));
    if (doublon) throw Erreur(MessageDoublons);
  }

  int Count() const { return static_cast<int>(elements_.size()); }
  const std::string& Cle(int i) const { return At(i).first; }
  T& Objet(int i) { return *At(i).second; }
  const T& Objet(int i) const { return *At(i).second; }

  void Delete(int i) {
    At(i);
    elements_.erase(elements_.begin() + i);
  }
  void Clear() { elements_.clear(); }

 private:
  const Element& At(int i) const {
    if (i < 0 || i >= Count()) ErreurIndice(i);
    return elements_[static_cast<std::size_t>(i)];
  }
  Element& At(int i) {
    if (i < 0 || i >= Count()) ErreurIndice(i);
    return elements_[static_cast<std::size_t>(i)];
  }

  Doublons politique_;
  std::vector<Element> elements_;
};
