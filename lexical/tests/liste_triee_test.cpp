#include "lexical/liste_triee.h"

#include <gtest/gtest.h>

#include <map>

#include "lexical/tests/outils_test.h"

namespace {
const auto Ordre = [](const std::string& a, const std::string& b) { return CompareCles(a, b) < 0; };
using Liste = TListeTriee<int>;
using Contenus = std::vector<std::pair<std::string, int>>;

// Short keys over few letters, with capitals and accents, so that equal
// keys, case variants and both ends of the list come up often.
std::string CleAuHasard(std::mt19937& alea) { return TexteAuHasard(alea, 3, "aAbB\xE9\xC9z"); }

Contenus Contenu(const Liste& l) {
  Contenus c;
  for (int i = 0; i < l.Count(); ++i) c.emplace_back(l.Cle(i), l.Objet(i));
  return c;
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

// Each policy against a std::multimap: accepted duplicates go before the
// equal keys, ignored ones leave the list as it was, a refused one throws and
// stops the filling. Inserting a batch must give the same list and refusal as
// inserting its items one by one, also into a list that is not empty.
TEST(ListeTriee, CommeUnModeleMultimapUnParUnEtEnLot) {
  std::mt19937 alea(7);
  for (auto politique :
       {Liste::Doublons::Acceptes, Liste::Doublons::Ignores, Liste::Doublons::Refuses}) {
    for (int essai = 0; essai < 20; ++essai) {
      Liste unParUn(politique), enLot(politique);
      std::multimap<std::string, int, decltype(Ordre)> modele;
      std::vector<std::pair<std::string, std::unique_ptr<int>>> lot;
      int refus = -1;  // the item refused, if any
      for (int i = 0; i < 200 && refus < 0; ++i) {
        const std::string cle = CleAuHasard(alea);
        if (i < 5)
          MessageDe([&] { enLot.Ajoute(cle, std::make_unique<int>(i)); });
        else
          lot.emplace_back(cle, std::make_unique<int>(i));
        const bool present = modele.count(cle) > 0;
        if (present && politique == Liste::Doublons::Refuses) {
          EXPECT_EQ(MessageDe([&] { unParUn.Ajoute(cle, std::make_unique<int>(i)); }),
                    "La liste de cha\xEEnes n'autorise pas les doublons");
          refus = i;
        } else if (present && politique == Liste::Doublons::Ignores) {
          EXPECT_EQ(unParUn.Ajoute(cle, std::make_unique<int>(i)), -1);
        } else {
          const auto ici = modele.emplace_hint(modele.lower_bound(cle), cle, i);
          EXPECT_EQ(unParUn.Ajoute(cle, std::make_unique<int>(i)),
                    std::distance(modele.begin(), ici));
        }
      }
      ASSERT_EQ(Contenu(unParUn), Contenus(modele.begin(), modele.end()));
      EXPECT_EQ(MessageDe([&] { enLot.AjouteTous(std::move(lot)); }),
                refus >= 5 ? MessageDoublons : "aucune erreur");
      ASSERT_EQ(Contenu(enLot), Contenu(unParUn));

      for (int k = 0; k < 5 && unParUn.Count() > 0; ++k) {
        const int j = std::uniform_int_distribution<int>(0, unParUn.Count() - 1)(alea);
        modele.erase(std::next(modele.begin(), j));
        unParUn.Delete(j);
      }
      ASSERT_EQ(Contenu(unParUn), Contenus(modele.begin(), modele.end()));
      for (int k = 0; k < 20; ++k) {
        const std::string cle = CleAuHasard(alea);
        int position = -1;
        EXPECT_EQ(unParUn.Find(cle, position), modele.count(cle) > 0) << cle;
        EXPECT_EQ(position, std::distance(modele.begin(), modele.lower_bound(cle))) << cle;
      }
    }
  }
}

TEST(ListeTriee, PositionsHorsLimites) {
  Liste l(Liste::Doublons::Acceptes);
  l.Ajoute("a", nullptr);
  EXPECT_EQ(l.Objet(0), 0);  // a null object becomes a default one
  EXPECT_EQ(MessageDe([&] { l.Cle(1); }), "Indice de liste hors limites (1)");
  EXPECT_EQ(MessageDe([&] { l.Objet(-1); }), "Indice de liste hors limites (-1)");
  EXPECT_EQ(MessageDe([&] { l.Delete(5); }), "Indice de liste hors limites (5)");
  l.Clear();
  int position = -1;
  EXPECT_FALSE(l.Find("a", position));
  EXPECT_EQ(position, 0);
}
