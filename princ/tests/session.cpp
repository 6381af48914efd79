#include "princ/tests/session.h"

#include <sys/stat.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <QWindow>

#include "lexical/sources.h"
#include "lexical/stores.h"
#include "princ/dialogue_flexion.h"
#include "princ/tests/services_scriptes.h"
#include "princ/tfprinc.h"

namespace {

QString Q(const QByteArray& utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
QString OuiNon(bool oui) { return oui ? QStringLiteral("oui") : QStringLiteral("non"); }

// The texts of the items of a menu or the menu bar; nothing without one.
QStringList Textes(const QWidget* menu) {
  QStringList textes;
  for (const QAction* a : menu ? menu->actions() : QList<QAction*>()) textes << a->text();
  return textes;
}

// Qt's tooltip window while it shows, else null.
const QWidget* BulleVisible() {
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) return w;
  return nullptr;
}

}  // namespace

QList<QByteArray> MotsDeLigne(const QByteArray& ligne) {
  QList<QByteArray> mots;
  const int n = ligne.size();
  for (int i = 0; i < n; ++i) {
    if (ligne[i] == ' ' || ligne[i] == '\t') continue;
    QByteArray mot;
    if (ligne[i] != '"') {
      for (; i < n && ligne[i] != ' ' && ligne[i] != '\t'; ++i) mot += ligne[i];
    } else {
      for (++i; i < n && ligne[i] != '"'; ++i) {
        const char c = ligne[i] == '\\' && i + 1 < n ? ligne[++i] : 0;
        if (c == 'x') mot += static_cast<char>(ligne.mid(i + 1, 2).toInt(nullptr, 16));
        i += c == 'x' ? 2 : 0;
        if (c != 'x') mot += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c ? c : ligne[i];
      }
    }
    mots << mot;
  }
  return mots;
}

// The small lexicon of sessions/lexique/ covers the sample sentence (except
// its first word).
TSession::TSession() : S(std::make_unique<TServicesScriptes>()) {
  const TStoresSources stores = LisSources(LECTURIEL_SESSIONS "/lexique");
  EcrisFichierLexique(Chemin("quirandole.lex").toStdString(), *stores.Lexique, *stores.Desinences,
                      *stores.Irreguliers);
}

TSession::~TSession() {
  F.reset();
  QToolTip::hideText();
  LiberLexique();
}

QString TSession::Chemin(const QString& nom) const { return Dossier.path() + "/" + nom; }

void TSession::Ecris(const QString& nom, const QByteArray& octets, bool ajoute) {
  QDir().mkpath(QFileInfo(Chemin(nom)).path());
  QFile fichier(Chemin(nom));
  (void)fichier.open(ajoute ? QIODevice::Append : QIODevice::WriteOnly);
  fichier.write(octets);
}

bool TSession::Verifie(bool vrai, const QString& quoi) {
  return QTest::qVerify(vrai, Commande.constData(), qPrintable(quoi), Fichier.constData(), Numero);
}

bool TSession::Compare(const QStringList& obtenu, const QStringList& attendu) {
  return QTest::qCompare(obtenu, attendu, Commande.constData(), "attendu", Fichier.constData(),
                         Numero);
}

QMenu& TSession::Menu() { return *F->findChild<QMenu*>(QStringLiteral("PopupMenu1")); }

// The window itself when there is no such widget, after saying so.
QWidget* TSession::Cible(const QByteArray& nom) {
  // A dialog closed for good is not looked at any more.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const QByteArray vrai = nom == "lecture" ? "RichE" : nom == "notes" ? "Memo1" : nom;
  QWidget* cible = nom == "fenetre" ? F.get() : F->findChild<QWidget*>(Q(vrai));
  return Verifie(cible, "pas de " + Q(nom)) ? cible : F.get();
}

// The position of the piece of text in word i (plus the number in word i+1
// when there is one), or the number in word i itself; -1 when not found.
int TSession::Position(const QList<QByteArray>& mots, int i) {
  bool nombre = false;
  const int n = mots.value(i).toInt(&nombre);
  if (nombre) return n;
  const int p = static_cast<QTextEdit*>(Cible("lecture"))->toPlainText().indexOf(Q(mots.value(i)));
  Verifie(p >= 0, "introuvable dans le texte : " + Q(mots.value(i)));
  return p < 0 ? -1 : p + mots.value(i + 1).toInt();
}

// The middle of character `position` of the reading pane, in its viewport.
QPoint TSession::Point(int position) {
  auto* lecture = static_cast<QTextEdit*>(Cible("lecture"));
  QTextCursor curseur(lecture->document());
  curseur.setPosition(position);
  const QRect avant = lecture->cursorRect(curseur);
  curseur.setPosition(position + 1);
  const QRect apres = lecture->cursorRect(curseur);
  const int x = apres.y() == avant.y() ? (avant.x() + apres.x()) / 2 : avant.x() + 2;
  return {x, avant.center().y()};
}

bool TSession::Execute(const QByteArray& ligne, const QByteArray& fichier, int numero) {
  QList<QByteArray> mots = MotsDeLigne(ligne);
  if (mots.isEmpty() || mots[0].startsWith('#')) return true;
  for (QByteArray& mot : mots) mot.replace("$D", Dossier.path().toUtf8());
  Fichier = fichier;
  Numero = numero;
  Commande = ligne;
  // A menu left open would take the next keys and clicks.
  const bool menu = mots[0] == "choisis" || mots[0].contains("menu");
  if (F && !menu && Menu().isVisible()) Menu().hide();
  return Etape(mots);
}

bool TSession::Termine() {
  for (const char* liste : {"questions", "messages", "erreurs", "apropos"})
    if (!Execute(liste, Fichier, Numero)) return false;
  return true;
}

QTextEdit* TSession::Lecture() { return static_cast<QTextEdit*>(Cible("lecture")); }
QPlainTextEdit* TSession::Notes() { return static_cast<QPlainTextEdit*>(Cible("notes")); }

// The point of a piece of text of the reading pane, in the window.
QPoint TSession::PointFenetre(const QList<QByteArray>& mots, int i) {
  return Lecture()->viewport()->mapTo(F.get(), Point(Position(mots, i)));
}

bool TSession::Fini() { return !QTest::currentTestFailed(); }

QStringList TSession::TLigne::Reste(int i) const {
  QStringList r;
  for (; i < m.size(); ++i) r << Q(m[i]);
  return r;
}

// The files and the answers, before the window opens, and the opening.
const std::map<QByteArray, TSession::TGeste>& TSession::GestesSansFenetre() {
  static const std::map<QByteArray, TGeste> gestes = Table({
      {{"ini"},
       [](TSession& s, const TLigne& l) {
         s.Ecris(QStringLiteral("lecturiel.ini"), l.m.value(1) + "\n", !s.IniNeuf);
         s.IniNeuf = false;
         return s.Fini();
       }},
      {{"texte", "classe"},
       [](TSession& s, const TLigne& l) {
         s.Ecris(QStringLiteral("textes/texte.txt"),
                 TFenetreLecture::PhraseExemple().toUtf8() + "\n");
         s.Execute("ini [Fichier]", s.Fichier, s.Numero);
         s.Execute("ini Nom=$D/textes/texte.txt", s.Fichier, s.Numero);
         if (l.c == "classe") {
           QDir().mkpath(s.Chemin(QStringLiteral("notes")));
           for (const char* ini : {"[Sauvegarde]", "repertoire=$D/notes", "reptrace=$D/trace.txt"})
             s.Execute(QByteArray("ini ") + ini, s.Fichier, s.Numero);
         }
         return s.Fini();
       }},
      {{"ecris", "ajoute"},
       [](TSession& s, const TLigne& l) {
         s.Ecris(l.a1, l.m.value(2).repeated(l.fois), l.c == "ajoute");
         return s.Fini();
       }},
      {{"dossier"},
       [](TSession& s, const TLigne& l) {
         QDir().mkpath(s.Chemin(l.a1));
         return s.Fini();
       }},
      {{"supprime"},
       [](TSession& s, const TLigne& l) {
         QFile::remove(s.Chemin(l.a1));
         return s.Fini();
       }},
      {{"renomme"},
       [](TSession& s, const TLigne& l) {
         QFile::rename(s.Chemin(l.a1), s.Chemin(l.a2));
         return s.Fini();
       }},
      {{"protege"},
       [](TSession& s, const TLigne& l) {
         chmod(s.Chemin(l.a1).toLocal8Bit().constData(), 0444);
         return s.Fini();
       }},
      {{"utf16"},
       [](TSession& s, const TLigne& l) {
         QFile fichier(s.Chemin(l.a1));
         (void)fichier.open(QIODevice::ReadOnly);
         const QString texte = Q(fichier.readAll());
         fichier.close();
         s.Ecris(l.a1,
                 QByteArray("\xFF\xFE") +
                     QByteArray(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2));
         return s.Fini();
       }},
      {{"nom"},
       [](TSession& s, const TLigne& l) {
         s.S->Noms.clear();
         for (int i = 1; i < l.m.size(); ++i) s.S->Noms.push_back(Q(l.m[i]));
         if (s.S->Noms.empty()) s.S->Noms.push_back(std::nullopt);
         return s.Fini();
       }},
      {{"reponses"},
       [](TSession& s, const TLigne& l) {
         s.S->Reponses.clear();
         for (int i = 1; i < l.m.size(); ++i) s.S->Reponses.push_back(l.m[i] == "oui");
         return s.Fini();
       }},
      {{"choix-ouvrir", "choix-enregistrer"},
       [](TSession& s, const TLigne& l) {
         (l.c == "choix-ouvrir" ? s.S->FichierOuvert : s.S->FichierEnregistre) =
             l.m.size() > 1 ? std::optional(l.a1) : std::nullopt;
         return s.Fini();
       }},
      // What the user does.
      {{"ouvre"},
       [](TSession& s, const TLigne&) {
         s.F.reset();
         LiberLexique();  // each window loads its own
         s.F = std::make_unique<TFenetreLecture>(
             *s.S, s.Chemin(QStringLiteral("lecturiel")).toStdString(),
             s.Chemin(QStringLiteral("reglages/fenetre.ini")).toStdString());
         s.IniNeuf = true;
         if (s.F->Abandonnee()) return true;  // as the program, never shown
         s.F->show();
         // Shortcuts reach only the active window.
         s.F->activateWindow();
         return s.Verifie(QTest::qWaitForWindowActive(s.F.get()),
                          QStringLiteral("fenêtre inactive"));
       }},
  });
  return gestes;
}

const std::map<QByteArray, TSession::TGeste>& TSession::GestesAvecFenetre() {
  static const std::map<QByteArray, TGeste> gestes = Table({
      {{"ferme"},
       [](TSession& s, const TLigne&) {
         // The close box or Alt+F4: the close event the window system sends.
         QCloseEvent fermeture;
         QApplication::sendEvent(s.F->windowHandle(), &fermeture);
         return s.Fini();
       }},
      {{"touche", "appuie", "relache"},
       [](TSession& s, const TLigne& l) {
         const QKeyCombination touche =
             l.a1 == "Shift" ? QKeyCombination(Qt::Key_Shift) : QKeySequence::fromString(l.a1)[0];
         const auto action = l.c == "touche"   ? QTest::Click
                             : l.c == "appuie" ? QTest::Press
                                               : QTest::Release;
         for (int i = 0; i < l.fois; ++i)
           QTest::sendKeyEvent(action, s.Cible(l.m.value(2)), touche.key(), QString(),
                               touche.keyboardModifiers());
         return s.Fini();
       }},
      {{"tape"},
       [](TSession& s, const TLigne& l) {
         // As a keyboard types, characters outside Latin-1 included.
         for (const QChar car : l.a2)
           QTest::sendKeyEvent(QTest::Click, s.Cible(l.m.value(1)), Qt::Key_unknown, QString(car),
                               Qt::NoModifier);
         return s.Fini();
       }},
      {{"efface", "cache"},
       [](TSession& s, const TLigne& l) {
         QMetaObject::invokeMethod(s.Cible(l.m.value(1)), l.c == "cache" ? "hide" : "clear");
         return s.Fini();
       }},
      {{"valeur"},
       [](TSession& s, const TLigne& l) {
         s.Cible(l.m.value(1))->setProperty("value", l.m.value(2).toInt());
         return s.Fini();
       }},
      {{"redimensionne"},
       [](TSession& s, const TLigne& l) {
         s.Cible(l.m.value(1))->resize(l.m.value(2).toInt(), l.m.value(3).toInt());
         QApplication::processEvents();
         return s.Fini();
       }},
      {{"separe"},
       [](TSession& s, const TLigne& l) {
         auto* panneaux = s.F->findChild<QSplitter*>();
         const int total = panneaux->sizes().value(0) + panneaux->sizes().value(1);
         panneaux->setSizes({l.m.value(1).toInt(), total - l.m.value(1).toInt()});
         return s.Fini();
       }},
      {{"clic"},
       [](TSession& s, const TLigne& l) {
         QTest::mouseClick(s.Cible(l.m.value(1)), Qt::LeftButton);
         return s.Fini();
       }},
      {{"clic-entete"},
       [](TSession& s, const TLigne& l) {
         auto* table = qobject_cast<QTableWidget*>(s.Cible(l.m.value(1)));
         if (!s.Verifie(table, l.a1)) return false;
         QHeaderView* entetes = table->horizontalHeader();
         QTest::mouseClick(
             entetes->viewport(), Qt::LeftButton, {},
             {entetes->sectionViewportPosition(l.m.value(2).toInt()) + 5, entetes->height() / 2});
         return s.Fini();
       }},
      {{"commande"},
       [](TSession& s, const TLigne& l) {
         QAction* action = s.F->findChild<QAction*>(l.a1);
         for (int i = 0; s.Verifie(action, l.a1) && i < std::max(1, l.m.value(2).toInt()); ++i)
           action->trigger();
         return s.Fini();
       }},
      {{"curseur", "selectionne"},
       [](TSession& s, const TLigne& l) {
         // The caret put at a piece of text, or a selection from one to another.
         QTextCursor curseur = s.Lecture()->textCursor();
         curseur.setPosition(s.Position(l.m, 1));
         if (l.c == "selectionne") curseur.setPosition(s.Position(l.m, 2), QTextCursor::KeepAnchor);
         s.Lecture()->setTextCursor(curseur);
         if (l.c == "curseur") s.Lecture()->setFocus();
         return s.Fini();
       }},
      {{"survole", "survole-dessous", "souris-presse", "souris-glisse", "souris-relache"},
       [](TSession& s, const TLigne& l) {
         QWidget* vue = s.Lecture()->viewport();
         const QPoint point = l.c == "survole-dessous" ? QPoint(5, vue->height() - 2)
                              : l.c == "survole"       ? s.Point(s.Position(l.m, 1))
                                                       : s.Point(s.Position(l.m, 1)) - QPoint(2, 0);
         if (l.c == "souris-presse" || l.c == "souris-relache") {
           if (l.c == "souris-presse") QTest::mousePress(vue, Qt::LeftButton, {}, point);
           if (l.c == "souris-relache") QTest::mouseRelease(vue, Qt::LeftButton, {}, point);
         } else {
           QMouseEvent mouvement(QEvent::MouseMove, point, vue->mapToGlobal(point), Qt::NoButton,
                                 l.c == "souris-glisse" ? Qt::LeftButton : Qt::NoButton,
                                 Qt::NoModifier);
           QApplication::sendEvent(vue, &mouvement);
         }
         return s.Fini();
       }},
      {{"clic-droit"},
       [](TSession& s, const TLigne& l) {
         // The pointer moved onto the word (from the window's corner: Qt drops a
         // move to where the pointer already is) and the right button clicked in
         // the window, as the window system reports them.
         QTest::mouseMove(s.F->windowHandle(), {1, 1});
         QTest::mouseMove(s.F->windowHandle(), s.PointFenetre(l.m, 1));
         QTest::mouseClick(s.F->windowHandle(), Qt::RightButton, Qt::NoModifier,
                           s.PointFenetre(l.m, 1));
         return s.Fini();
       }},
      {{"choisis"},
       [](TSession& s, const TLigne& l) {
         QMenu* sous = s.Menu().isEmpty() ? nullptr : s.Menu().actions().first()->menu();
         QAction* choix = nullptr;
         for (QAction* action : sous ? sous->actions() : s.Menu().actions())
           if (action->text() == l.a1) choix = action;
         if (!s.Verifie(choix, QStringLiteral("pas dans le menu"))) return false;
         choix->trigger();
         s.Menu().hide();
         return s.Fini();
       }},
      {{"molette"},
       [](TSession& s, const TLigne& l) {
         const QPointF point(10, 10);
         auto* zone = qobject_cast<QAbstractScrollArea*>(s.Cible(l.m.value(1)));
         if (!s.Verifie(zone, l.a1)) return false;
         QWidget* vue = zone->viewport();
         for (int i = 0; i < l.fois; ++i) {
           QWheelEvent molette(point, vue->mapToGlobal(point), {}, {0, l.m.value(2).toInt()},
                               Qt::NoButton,
                               l.m.value(4) == "sans-ctrl" ? Qt::NoModifier : Qt::ControlModifier,
                               Qt::NoScrollPhase, false);
           QApplication::sendEvent(vue, &molette);
         }
         return s.Fini();
       }},
      // What the user must then see.
      {{"dimensions"},
       [](TSession& s, const TLigne& l) {
         QWidget* w = s.Cible(l.m.value(1));
         return s.Compare({QString::number(w->width()), QString::number(w->height())},
                          {l.a2, Q(l.m.value(3))});
       }},
      {{"hauteur", "hauteur-min"},
       [](TSession& s, const TLigne& l) {
         const int hauteur = s.Cible(l.m.value(1))->height();
         if (l.c == "hauteur-min")
           return s.Verifie(hauteur >= l.m.value(2).toInt(), QString::number(hauteur));
         return s.Compare({QString::number(hauteur)}, {l.a2});
       }},
      {{"bulle-au-dessus"},
       [](TSession& s, const TLigne& l) {
         // The hint ends above the line of the piece of text.
         const QWidget* bulle = BulleVisible();
         const QRect ligne = s.Lecture()->cursorRect([&] {
           QTextCursor curseur(s.Lecture()->document());
           curseur.setPosition(s.Position(l.m, 1));
           return curseur;
         }());
         const int haut = s.Lecture()->viewport()->mapToGlobal(ligne.topLeft()).y();
         return s.Verifie(bulle, QStringLiteral("pas de bulle")) &&
                s.Verifie(
                    bulle->geometry().bottom() < haut,
                    QStringLiteral("bulle %1, ligne %2").arg(bulle->geometry().bottom()).arg(haut));
       }},
      {{"fenetre"},
       [](TSession& s, const TLigne& l) {
         return s.Compare({s.F->isVisible() ? "ouverte" : "fermee"}, {l.a1});
       }},
      {{"contenu", "contient", "absent"},
       [](TSession& s, const TLigne& l) {
         QFile fichier(s.Chemin(l.a1));
         if (l.c == "absent") return s.Verifie(!fichier.exists(), s.Chemin(l.a1));
         (void)fichier.open(QIODevice::ReadOnly);
         const QByteArray octets = fichier.readAll();
         if (l.c == "contient") return s.Verifie(octets.contains(l.m.value(2)), Q(octets));
         return QTest::qCompare(octets, l.m.value(2), s.Commande, "attendu", s.Fichier, s.Numero);
       }},
      {{"notes", "lecture"},
       [](TSession& s, const TLigne& l) {
         const QString texte =
             l.c == "notes" ? s.Notes()->toPlainText() : s.Lecture()->toPlainText();
         if (l.m.value(1) == "commence") return s.Verifie(texte.startsWith(l.a2), texte);
         if (l.m.value(1) == "contient") return s.Verifie(texte.contains(l.a2), texte);
         if (l.m.value(1) == "sans") return s.Verifie(!texte.contains(l.a2), texte);
         return s.Compare({texte}, {l.a1});
       }},
      {{"modifiees"},
       [](TSession& s, const TLigne& l) {
         return s.Compare({OuiNon(s.Notes()->document()->isModified())}, {l.a1});
       }},
      {{"mot"},
       [](TSession& s, const TLigne& l) {
         return s.Compare({QString::fromLatin1(s.F->Etat().MotCourant)}, {l.a1});
       }},
      {{"bulle"},
       [](TSession& s, const TLigne& l) {
         // The hint's text, and Qt's tooltip that shows it.
         if (l.m.size() == 1)
           return s.Verifie(s.F->TexteBulle().isEmpty(), s.F->TexteBulle()) &&
                  s.Verifie(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000),
                            "bulle visible");
         return s.Verifie(s.F->TexteBulle().contains(l.a1), s.F->TexteBulle()) &&
                s.Verifie(QToolTip::isVisible() && QToolTip::text().contains(l.a1),
                          QToolTip::text());
       }},
      {{"bulle-taille"},
       [](TSession& s, const TLigne& l) {
         const QWidget* bulle = BulleVisible();
         return s.Verifie(bulle, QStringLiteral("pas de bulle")) &&
                s.Compare({QString::number(bulle->font().pointSize())}, {l.a1});
       }},
      {{"menu", "sous-menu"},
       [](TSession& s, const TLigne& l) {
         // A menu with items comes up as the active popup.
         if (l.m.size() > 1 &&
             !s.Verifie(QTest::qWaitFor(
                            [&] { return QApplication::activePopupWidget() == &s.Menu(); }, 2000),
                        QStringLiteral("le menu n'est pas ouvert")))
           return false;
         QMenu* sous = s.Menu().isEmpty() ? nullptr : s.Menu().actions().first()->menu();
         return s.Compare(Textes(l.c == "menu" ? &s.Menu() : sous), l.Reste(1));
       }},
      {{"nombre"},
       [](TSession& s, const TLigne& l) {
         QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
         return s.Compare({QString::number(s.F->findChildren<QWidget*>(l.a1).size())}, {l.a2});
       }},
      {{"sous-menus"},
       [](TSession& s, const TLigne& l) {
         QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
         return s.Compare({QString::number(s.Menu().findChildren<QMenu*>().size())}, {l.a1});
       }},
      {{"barre"},
       [](TSession& s, const TLigne& l) {
         QStringList volets;
         if (s.F->statusBar()->isVisible())
           for (int i = 0; i < 4; ++i)
             if (i < 3 || !s.F->TexteVolet(i).isEmpty()) volets << s.F->TexteVolet(i);
         return s.Compare(volets.isEmpty() ? QStringList{"cachee"} : volets, l.Reste(1));
       }},
      {{"taille"},
       [](TSession& s, const TLigne& l) {
         return s.Compare({QString::number(s.Lecture()->font().pointSize()),
                           QString::number(s.Notes()->font().pointSize())},
                          {l.a1, l.a1});
       }},
      {{"etat"},
       [](TSession& s, const TLigne& l) {
         const TEtatFenetre& e = s.F->Etat();
         const std::map<QByteArray, QString> champs = {
             {"FichierNotes", Q(e.FichierNotes)},
             {"FichierTexte", Q(e.FichierTexte)},
             {"FichierTrace", Q(e.FichierTrace)},
             {"NbLexique", QString::number(e.NbLexique)},
             {"Droits", QString::asprintf("%d %d %d %d %d", e.AutoLex, e.insereLex, e.insereMorpho,
                                          e.insereTr, e.evalSyntaxe)}};
         return s.Verifie(champs.count(l.m.value(1)), QStringLiteral("champ inconnu")) &&
                s.Compare({champs.at(l.m.value(1))}, {l.a2});
       }},
      {{"lexique"},
       [](TSession& s, const TLigne& l) {
         return s.Compare({StoresPrets() ? "charge" : "absent"}, {l.a1});
       }},
      {{"titre"},
       [](TSession& s, const TLigne& l) {
         QWidget* w = l.m.size() > 2 ? s.Cible(l.m.value(1)) : s.F.get();
         return s.Verifie(w, l.a1) && s.Compare({w->windowTitle()}, {l.m.size() > 2 ? l.a2 : l.a1});
       }},
      {{"latin"},
       [](TSession& s, const TLigne& l) {
         // The pane, the window's state and the menu's tick agree.
         const bool modifiable = !s.Lecture()->isReadOnly();
         return s.Verifie(
                    s.F->Etat().LatinModifiable == modifiable &&
                        s.F->findChild<QAction*>(QStringLiteral("Modifierlelatin1"))->isChecked() ==
                            modifiable,
                    QStringLiteral("état, volet et menu en désaccord")) &&
                s.Compare({modifiable ? "modifiable" : "fige"}, {l.a1});
       }},
      {{"selection"},
       [](TSession& s, const TLigne& l) {
         const QTextCursor curseur = s.Lecture()->textCursor();
         return s.Compare({curseur.selectedText()}, {l.a1}) &&
                (l.m.size() < 3 || s.Compare({QString::number(curseur.selectionStart())}, {l.a2}));
       }},
      {{"curseur-a"},
       [](TSession& s, const TLigne& l) {
         const int p = s.Position(l.m, 1);
         return s.Compare({QString::number(s.Lecture()->textCursor().position())},
                          {QString::number(p)});
       }},
      {{"defilement"},
       [](TSession& s, const TLigne& l) {
         QApplication::processEvents();
         const QScrollBar* barre = s.Lecture()->verticalScrollBar();
         return s.Verifie(barre->maximum() > 0, QStringLiteral("rien à faire défiler")) &&
                s.Compare({QString::number(barre->value())}, {l.a1});
       }},
      {{"gras"},
       [](TSession& s, const TLigne& l) {
         QTextCursor curseur(s.Lecture()->document());
         curseur.setPosition(s.Position(l.m, 1) + 1);
         return s.Compare({OuiNon(curseur.charFormat().fontWeight() == QFont::Bold)}, {l.a2});
       }},
      {{"visible", "actif"},
       [](TSession& s, const TLigne& l) {
         QWidget* w = s.F->findChild<QWidget*>(l.a1);
         if (w && w->isWindow() && l.a2 == "oui") (void)QTest::qWaitForWindowExposed(w);
         return s.Compare({OuiNon(w && (l.c == "visible" ? w->isVisible() : w->isEnabled()))},
                          {l.a2});
       }},
      {{"action"},
       [](TSession& s, const TLigne& l) {
         // An item of the main menus: its caption, shortcut and whether offered.
         QAction* action = s.F->findChild<QAction*>(l.a1);
         return s.Verifie(action, l.a1) && s.Compare({action->text(), action->shortcut().toString(),
                                                      OuiNon(action->isVisible())},
                                                     l.Reste(2));
       }},
      {{"menus"},
       [](TSession& s, const TLigne& l) { return s.Compare(Textes(s.F->menuBar()), l.Reste(1)); }},
      {{"colonne", "lignes"},
       [](TSession& s, const TLigne& l) {
         auto* table = qobject_cast<QTableWidget*>(s.Cible(l.m.value(1)));
         if (!s.Verifie(table, l.a1)) return false;
         if (l.c == "lignes") return s.Compare({QString::number(table->rowCount())}, {l.a2});
         QStringList colonne;
         for (int i = 0; i < table->rowCount(); ++i)
           colonne << table->item(i, l.m.value(2).toInt())->text();
         return s.Compare(colonne, l.Reste(3));
       }},
      {{"elargit"},
       [](TSession& s, const TLigne& l) {
         // The window of the table made wider: the columns that took the width.
         auto* table = qobject_cast<QTableWidget*>(s.Cible(l.m.value(1)));
         if (!s.Verifie(table, l.a1)) return false;
         QHeaderView* entetes = table->horizontalHeader();
         QList<int> avant;
         for (int i = 0; i < entetes->count(); ++i) avant << entetes->sectionSize(i);
         QWidget* fenetre = table->window();
         fenetre->resize(fenetre->width() + l.m.value(3).toInt(), fenetre->height());
         QApplication::processEvents();
         QStringList elargies;
         for (int i = 0; i < entetes->count(); ++i)
           if (entetes->sectionSize(i) - avant[i] >= l.m.value(3).toInt() / 2)
             elargies << QString::number(i);
         return s.Compare(elargies, {l.a2});
       }},
      {{"tableaux-entiers"},
       [](TSession& s, const TLigne&) {
         // The inflection tables as wide as they would be with room enough.
         auto* dialogue = s.F->findChild<TDialogueFlexion*>();
         auto* tableaux = dialogue ? dialogue->findChild<QTextBrowser*>() : nullptr;
         if (!s.Verifie(tableaux, QStringLiteral("pas de tableaux de flexion"))) return false;
         (void)QTest::qWaitForWindowExposed(dialogue);
         const std::unique_ptr<QTextDocument> mesure(tableaux->document()->clone());
         mesure->setTextWidth(-1);
         return s.Verifie(mesure->idealWidth() <= tableaux->viewport()->width(),
                          QStringLiteral("%1 > %2")
                              .arg(mesure->idealWidth())
                              .arg(tableaux->viewport()->width()));
       }},
      {{"onglet"},
       [](TSession& s, const TLigne& l) {
         auto* onglets = s.F->findChild<QTabWidget*>();
         return s.Verifie(onglets, l.a1) &&
                s.Compare({onglets->tabText(l.m.value(1).toInt())}, {l.a2});
       }},
      {{"html", "html-sans"},
       [](TSession& s, const TLigne& l) {
         auto* dialogue = s.F->findChild<TDialogueFlexion*>();
         if (!s.Verifie(dialogue, QStringLiteral("pas de tableaux de flexion"))) return false;
         const QString html = dialogue->Html();
         return s.Verifie(html.contains(QRegularExpression(l.a1)) == (l.c == "html"), html);
       }},
  });
  return gestes;
}

std::map<QByteArray, TSession::TGeste> TSession::Table(
    std::initializer_list<std::pair<std::initializer_list<const char*>, TGeste>> lignes) {
  std::map<QByteArray, TGeste> table;
  for (const auto& [verbes, geste] : lignes)
    for (const char* verbe : verbes) table.emplace(verbe, geste);
  return table;
}

// What the window said since the last look, then forgotten.
bool TSession::Entendu(const TLigne& l) {
  QStringList& dit = S->Dit[l.c];
  if (l.m.size() > 1) (void)QTest::qWaitFor([&] { return dit.size() >= l.m.size() - 1; }, 2000);
  QApplication::processEvents();
  QStringList obtenu = dit, attendu = l.Reste(1);
  dit.clear();
  for (int i = 0; i < std::min(obtenu.size(), attendu.size()); ++i) {
    QStringList morceaux = attendu[i].split(u'*');
    for (QString& morceau : morceaux) morceau = QRegularExpression::escape(morceau);
    const QRegularExpression motif(QRegularExpression::anchoredPattern(morceaux.join(".*")),
                                   QRegularExpression::DotMatchesEverythingOption);
    if (motif.match(obtenu[i]).hasMatch()) obtenu[i] = attendu[i];
  }
  return Compare(obtenu, attendu);
}

bool TSession::Etape(const QList<QByteArray>& m) {
  const TLigne ligne{m, m[0], Q(m.value(1)), Q(m.value(2)), std::max(1, m.value(3).toInt())};
  if (const auto geste = GestesSansFenetre().find(m[0]); geste != GestesSansFenetre().end())
    return geste->second(*this, ligne);
  if (S->Dit.count(m[0])) return Entendu(ligne);
  const auto geste = GestesAvecFenetre().find(m[0]);
  if (geste == GestesAvecFenetre().end()) return Verifie(false, QStringLiteral("ligne inconnue"));
  if (!F) return Verifie(false, QStringLiteral("la fenêtre n'est pas ouverte"));
  return geste->second(*this, ligne);
}
