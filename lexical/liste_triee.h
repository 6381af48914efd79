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
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "erreur.h"

// Byte of a key as compared: capitals folded to lower case.
unsigned char MinusculeCle(unsigned char c);

// <0, 0 or >0 as a sorts before, equals or after b ignoring case.
int CompareCles(std::string_view a, std::string_view b);

// The key with its capitals folded: two keys compare equal exactly when
// their folded forms are the same bytes.
std::string ClePliee(std::string_view cle);

inline constexpr const char* MessageDoublons = "La liste de cha\xEEnes n'autorise pas les doublons";

[[noreturn]] void ErreurIndice(int i);

template <class T>
class TListeTriee {
 public:
  enum class Doublons { Acceptes, Refuses, Ignores };

  explicit TListeTriee(Doublons politique) : politique_(politique) {}
  virtual ~TListeTriee() = default;
  TListeTriee(TListeTriee&&) noexcept = default;
  TListeTriee& operator=(TListeTriee&&) noexcept = default;

  Doublons Politique() const { return politique_; }

  // Binary search. True when some key equals cle ignoring case; position is
  // then the first of the equal keys, else where cle would be inserted.
  bool Find(std::string_view cle, int& position) const {
    auto it = std::lower_bound(elements_.begin(), elements_.end(), cle,
                               [](const Element& e, std::string_view c) {
                                 return CompareCles(e.Cle, c) < 0;
                               });
    position = static_cast<int>(it - elements_.begin());
    return it != elements_.end() && CompareCles(it->Cle, cle) == 0;
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
  void AjouteTous(std::vector<std::pair<std::string, std::unique_ptr<T>>> nouveaux) {
    std::vector<Element> suite;
    suite.reserve(nouveaux.size());
    bool doublon = false;
    if (politique_ == Doublons::Acceptes) {
      // Reversed, then stable-sorted ahead of the existing items: equal keys
      // end up latest first, as with one insertion at a time.
      for (auto it = nouveaux.rbegin(); it != nouveaux.rend(); ++it)
        suite.push_back(Element{std::move(it->first), std::move(it->second)});
    } else {
      std::unordered_set<std::string> vues;
      vues.reserve(elements_.size() + nouveaux.size());
      for (const auto& e : elements_) vues.insert(ClePliee(e.Cle));
      for (auto& [cle, objet] : nouveaux) {
        if (!vues.insert(ClePliee(cle)).second) {
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
      if (!e.Objet) e.Objet = std::make_unique<T>();
    suite.insert(suite.end(), std::make_move_iterator(elements_.begin()),
                 std::make_move_iterator(elements_.end()));
    std::stable_sort(suite.begin(), suite.end(), [](const Element& a, const Element& b) {
      return CompareCles(a.Cle, b.Cle) < 0;
    });
    elements_ = std::move(suite);
    if (doublon) throw Erreur(MessageDoublons);
  }

  int Count() const { return static_cast<int>(elements_.size()); }
  const std::string& Cle(int i) const { return At(i).Cle; }
  T& Objet(int i) { return *At(i).Objet; }
  const T& Objet(int i) const { return *At(i).Objet; }

  void Delete(int i) {
    At(i);
    elements_.erase(elements_.begin() + i);
  }
  void Clear() { elements_.clear(); }

 private:
  struct Element {
    std::string Cle;
    std::unique_ptr<T> Objet;
  };

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
