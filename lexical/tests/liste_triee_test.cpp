#include "liste_triee.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {
struct Ordre {
  bool operator()(const std::string& a, const std::string& b) const {
    return CompareCles(a, b) < 0;
  }
};
using Liste = TListeTriee<int>;

// Short keys over few letters, with capitals and accents, so that equal
// keys, case variants and both ends of the list come up often.
std::string CleAuHasard(std::mt19937& alea) {
  static const std::string lettres = "aAbB\xE9\xC9z";
  std::string cle;
  const int n = std::uniform_int_distribution<int>(0, 3)(alea);
  for (int i = 0; i < n; ++i)
    cle += lettres[std::uniform_int_distribution<std::size_t>(0, lettres.size() - 1)(alea)];
  return cle;
}

std::vector<std::pair<std::string, int>> Contenu(const Liste& l) {
  std::vector<std::pair<std::string, int>> c;
  for (int i = 0; i < l.Count(); ++i) c.emplace_back(l.Cle(i), l.Objet(i));
  return c;
}

std::string Message(auto f) {
  try {
    f();
  } catch (const Erreur& e) {
    return e.what();
  }
  return "aucune erreur";
}
}  // namespace

TEST(CompareCles, IgnoreLaCasseGardeLesAccents) {
  EXPECT_EQ(CompareCles("Roma", "roma"), 0);
  EXPECT_EQ(CompareCles("\xC9T\xC9", "\xE9t\xE9"), 0);  // ÉTÉ / été
  EXPECT_EQ(CompareCles("\x8C", "\x9C"), 0);            // Œ / œ
  EXPECT_NE(CompareCles("e", "\xE9"), 0);
  EXPECT_LT(CompareCles("am", "amo"), 0);
  EXPECT_LT(CompareCles("", "a"), 0);
  EXPECT_GT(CompareCles("b", "A"), 0);
}

TEST(ListeTriee, DoublonsAcceptesCommeUnModeleMultimap) {
  std::mt19937 alea(7);
  for (int essai = 0; essai < 20; ++essai) {
    Liste liste(Liste::Doublons::Acceptes);
    std::multimap<std::string, int, Ordre> modele;
    for (int i = 0; i < 300; ++i) {
      const std::string cle = CleAuHasard(alea);
      // The model inserts before every equal key, as the list must.
      modele.emplace_hint(modele.lower_bound(cle), cle, i);
      liste.Ajoute(cle, std::make_unique<int>(i));
      if (i % 50 == 0 && liste.Count() > 0) {
        const int j = std::uniform_int_distribution<int>(0, liste.Count() - 1)(alea);
        auto it = std::next(modele.begin(), j);
        modele.erase(it);
        liste.Delete(j);
      }
    }
    std::vector<std::pair<std::string, int>> attendu(modele.begin(), modele.end());
    ASSERT_EQ(Contenu(liste), attendu);
    for (int k = 0; k < 50; ++k) {
      const std::string cle = CleAuHasard(alea);
      int position = -1;
      const bool trouve = liste.Find(cle, position);
      EXPECT_EQ(trouve, modele.count(cle) > 0) << cle;
      EXPECT_EQ(position, std::distance(modele.begin(), modele.lower_bound(cle))) << cle;
    }
  }
}

TEST(ListeTriee, EnLotCommeUnParUnPourLesTroisPolitiques) {
  std::mt19937 alea(11);
  for (auto politique :
       {Liste::Doublons::Acceptes, Liste::Doublons::Ignores, Liste::Doublons::Refuses}) {
    for (int essai = 0; essai < 20; ++essai) {
      Liste unParUn(politique), enLot(politique);
      // Some items before the batch, to check it merges with them.
      for (int i = 0; i < 5; ++i) {
        const std::string cle = CleAuHasard(alea);
        try {
          unParUn.Ajoute(cle, std::make_unique<int>(-i));
          enLot.Ajoute(cle, std::make_unique<int>(-i));
        } catch (const Erreur&) {
        }
      }
      std::vector<std::pair<std::string, std::unique_ptr<int>>> lot;
      bool refus = false;
      for (int i = 0; i < 40; ++i) {
        const std::string cle = CleAuHasard(alea);
        lot.emplace_back(cle, std::make_unique<int>(i));
        if (!refus) {
          try {
            unParUn.Ajoute(cle, std::make_unique<int>(i));
          } catch (const Erreur&) {
            refus = true;
          }
        }
      }
      bool refusLot = false;
      try {
        enLot.AjouteTous(std::move(lot));
      } catch (const Erreur& e) {
        refusLot = true;
        EXPECT_EQ(std::string(e.what()), MessageDoublons);
      }
      EXPECT_EQ(refusLot, refus);
      ASSERT_EQ(Contenu(enLot), Contenu(unParUn));
    }
  }
}

TEST(ListeTriee, DoublonsRefusesOuIgnores) {
  Liste refuse(Liste::Doublons::Refuses);
  EXPECT_EQ(refuse.Ajoute("est", std::make_unique<int>(1)), 0);
  EXPECT_EQ(Message([&] { refuse.Ajoute("EST", std::make_unique<int>(2)); }),
            "La liste de cha\xEEnes n'autorise pas les doublons");
  EXPECT_EQ(refuse.Count(), 1);

  Liste ignore(Liste::Doublons::Ignores);
  ignore.Ajoute("b", std::make_unique<int>(1));
  EXPECT_EQ(ignore.Ajoute("a", std::make_unique<int>(2)), 0);
  EXPECT_EQ(ignore.Ajoute("B", std::make_unique<int>(3)), -1);
  EXPECT_EQ(Contenu(ignore), (std::vector<std::pair<std::string, int>>{{"a", 2}, {"b", 1}}));
}

TEST(ListeTriee, PositionsHorsLimites) {
  Liste l(Liste::Doublons::Acceptes);
  l.Ajoute("a", nullptr);
  EXPECT_EQ(l.Objet(0), 0);  // a null object becomes a default one
  EXPECT_EQ(Message([&] { l.Cle(1); }), "Indice de liste hors limites (1)");
  EXPECT_EQ(Message([&] { l.Objet(-1); }), "Indice de liste hors limites (-1)");
  EXPECT_EQ(Message([&] { l.Delete(5); }), "Indice de liste hors limites (5)");
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  int position = -1;
  EXPECT_FALSE(l.Find("a", position));
  EXPECT_EQ(position, 0);
}
