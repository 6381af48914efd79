// Speed of the hover path: one pointer-move event over a word of a long Latin
// text, from the event to the tooltip text, with the shipped lexicon. Prints
// the median and the slowest time per event.
//   survol_bench CORPUS.conllu [NOMBRE_DE_PHRASES]
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "princ/services_qt.h"
#include "princ/tfprinc.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage : survol_bench CORPUS.conllu [NOMBRE_DE_PHRASES]\n");
    return 2;
  }
  const int phrases = argc > 2 ? std::atoi(argv[2]) : 400;
  std::ifstream corpus(argv[1]);
  QString texte;
  std::string ligne;
  for (int n = 0; n < phrases && std::getline(corpus, ligne);)
    if (ligne.rfind("# text = ", 0) == 0) {
      texte += QString::fromStdString(ligne.substr(9)) + (++n % 5 == 0 ? "\n" : " ");
    }
  TServicesQt services;
  // The default layout, whatever the user's own settings keep.
  const QTemporaryDir reglages;
  TFenetreLecture fenetre(services, QCoreApplication::applicationFilePath().toStdString(),
                          reglages.filePath(QStringLiteral("fenetre.ini")).toStdString());
  fenetre.resize(900, 700);
  fenetre.show();
  auto* riche = fenetre.findChild<QTextEdit*>(QStringLiteral("RichE"));
  riche->setPlainText(texte);
  QWidget* vue = riche->viewport();

  std::vector<double> durees, analyses;
  double pire = 0;
  std::string motLePlusLent;
  const QString plat = riche->toPlainText();
  // The first pass only warms up (first touch of the stores' memory).
  for (int passe = 0; passe < 2; ++passe)
    for (int p = 0; p + 1 < plat.size(); ++p) {
      if (!plat[p].isLetter() || (p > 0 && plat[p - 1].isLetter()))
        continue;  // first letter of each word
      QTextCursor curseur(riche->document());
      curseur.setPosition(p);
      riche->setTextCursor(curseur);
      riche->ensureCursorVisible();
      const QRect r = riche->cursorRect(curseur);
      const QPoint point(r.x() + 2, r.center().y());
      QMouseEvent mouvement(QEvent::MouseMove, point, vue->mapToGlobal(point), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
      const auto avant = std::chrono::steady_clock::now();
      fenetre.AnalyseMotAuPoint(point.x(), point.y());
      const double analyse =
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - avant)
              .count();
      const auto debut = std::chrono::steady_clock::now();
      QApplication::sendEvent(vue, &mouvement);
      const auto fin = std::chrono::steady_clock::now();
      if (fenetre.TexteBulle().isEmpty() || passe == 0) continue;
      analyses.push_back(analyse);
      if (analyse > pire) {
        pire = analyse;
        motLePlusLent = fenetre.Etat().MotCourant;
      }
      durees.push_back(std::chrono::duration<double, std::micro>(fin - debut).count());
    }
  if (durees.empty()) {
    std::fprintf(stderr, "aucun mot survol\u00e9 (lexique absent ?)\n");
    return 1;
  }
  std::sort(durees.begin(), durees.end());
  std::sort(analyses.begin(), analyses.end());
  std::printf("mot et analyse seuls : médiane %.1f µs, 99e centile %.1f µs, pire %.1f µs\n",
              analyses[analyses.size() / 2], analyses[analyses.size() * 99 / 100], analyses.back());
  std::printf(
      "événement complet (avec la bulle), %zu survols sur %lld caractères : médiane %.1f µs, 99e "
      "centile %.1f µs, pire %.1f µs\n",
      durees.size(), static_cast<long long>(plat.size()), durees[durees.size() / 2],
      durees[durees.size() * 99 / 100], durees.back());
  std::printf("mot le plus lent à analyser : %s\n", motLePlusLent.c_str());
  return 0;
}
