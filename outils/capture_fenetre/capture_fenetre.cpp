// Screenshot of the window as a pupil sees it: the sample sentence with the
// hint of one word. Needs a real display (run it under xvfb-run).
//   capture_fenetre SORTIE.png [MOT]
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "princ/services_qt.h"
#include "princ/tfprinc.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) return 2;
  const QString sortie = QString::fromLocal8Bit(argv[1]);
  const QString mot = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("petat");
  TServicesQt services;
  // The default layout, whatever the user's own settings keep.
  const QTemporaryDir reglages;
  TFenetreLecture fenetre(services, QCoreApplication::applicationFilePath().toStdString(),
                          reglages.filePath(QStringLiteral("fenetre.ini")).toStdString());
  fenetre.move(20, 20);
  fenetre.show();
  auto* riche = fenetre.findChild<QTextEdit*>(QStringLiteral("RichE"));
  auto survole = [&] {
    QTextCursor curseur(riche->document());
    curseur.setPosition(riche->toPlainText().indexOf(mot) + 1);
    const QRect r = riche->cursorRect(curseur);
    const QPoint point(r.x() + 2, r.center().y());
    QCursor::setPos(riche->viewport()->mapToGlobal(point));
    QMouseEvent mouvement(QEvent::MouseMove, point, riche->viewport()->mapToGlobal(point),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(riche->viewport(), &mouvement);
  };
  // The pointer enters first (which activates the window and hides any tip),
  // then moves over the word.
  QTimer::singleShot(800, survole);
  QTimer::singleShot(1600, survole);
  QTimer::singleShot(1900, [&] {
    const QRect zone = fenetre.frameGeometry().adjusted(-10, -10, 330, 120);
    fenetre.screen()->grabWindow(0, zone.x(), zone.y(), zone.width(), zone.height()).save(sortie);
    application.quit();
  });
  return application.exec();
}
