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

bool TSession::Etape(const QList<QByteArray>& m) {
  const QByteArray& c = m[0];
  const QString a1 = Q(m.value(1)), a2 = Q(m.value(2));
  const int fois = std::max(1, m.value(3).toInt());
  const auto lecture = [this] { return static_cast<QTextEdit*>(Cible("lecture")); };
  const auto notes = [this] { return static_cast<QPlainTextEdit*>(Cible("notes")); };
  const auto reste = [&](int i) {
    QStringList r;
    for (; i < m.size(); ++i) r << Q(m[i]);
    return r;
  };
  const auto pointFenetre = [&](int i) {
    return lecture()->viewport()->mapTo(F.get(), Point(Position(m, i)));
  };

  // The files and the answers, before the window opens.
  if (c == "ini") {
    Ecris(QStringLiteral("lecturiel.ini"), m.value(1) + "\n", !IniNeuf);
    IniNeuf = false;
  } else if (c == "texte" || c == "classe") {
    Ecris(QStringLiteral("textes/texte.txt"), TFPrinc::PhraseExemple().toUtf8() + "\n");
    Execute("ini [Fichier]", Fichier, Numero);
    Execute("ini Nom=$D/textes/texte.txt", Fichier, Numero);
    if (c == "classe") {
      QDir().mkpath(Chemin(QStringLiteral("notes")));
      for (const char* l : {"[Sauvegarde]", "repertoire=$D/notes", "reptrace=$D/trace.txt"})
        Execute(QByteArray("ini ") + l, Fichier, Numero);
    }
  } else if (c == "ecris" || c == "ajoute") {
    Ecris(a1, m.value(2).repeated(fois), c == "ajoute");
  } else if (c == "dossier") {
    QDir().mkpath(Chemin(a1));
  } else if (c == "supprime") {
    QFile::remove(Chemin(a1));
  } else if (c == "renomme") {
    QFile::rename(Chemin(a1), Chemin(a2));
  } else if (c == "protege") {
    chmod(Chemin(a1).toLocal8Bit().constData(), 0444);
  } else if (c == "utf16") {
    QFile fichier(Chemin(a1));
    (void)fichier.open(QIODevice::ReadOnly);
    const QString texte = Q(fichier.readAll());
    fichier.close();
    Ecris(a1, QByteArray("\xFF\xFE") +
                  QByteArray(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2));
  } else if (c == "nom") {
    S->Noms.clear();
    for (int i = 1; i < m.size(); ++i) S->Noms.push_back(Q(m[i]));
    if (S->Noms.empty()) S->Noms.push_back(std::nullopt);
  } else if (c == "reponses") {
    S->Reponses.clear();
    for (int i = 1; i < m.size(); ++i) S->Reponses.push_back(m[i] == "oui");
  } else if (c == "choix-ouvrir" || c == "choix-enregistrer") {
    (c == "choix-ouvrir" ? S->FichierOuvert : S->FichierEnregistre) =
        m.size() > 1 ? std::optional(a1) : std::nullopt;

    // What the user does.
  } else if (c == "ouvre") {
    F.reset();
    LiberLexique();  // each window loads its own
    F = std::make_unique<TFPrinc>(*S, Chemin(QStringLiteral("lecturiel")).toStdString(),
                                  Chemin(QStringLiteral("reglages/fenetre.ini")).toStdString());
    IniNeuf = true;
    if (F->Abandonnee()) return true;  // as the program, never shown
    F->show();
    // Shortcuts reach only the active window.
    F->activateWindow();
    return Verifie(QTest::qWaitForWindowActive(F.get()), QStringLiteral("fenêtre inactive"));

    // What the window said since the last look, then forgotten.
  } else if (S->Dit.count(c)) {
    QStringList& dit = S->Dit[c];
    if (m.size() > 1) (void)QTest::qWaitFor([&] { return dit.size() >= m.size() - 1; }, 2000);
    QApplication::processEvents();
    QStringList obtenu = dit, attendu = reste(1);
    dit.clear();
    for (int i = 0; i < std::min(obtenu.size(), attendu.size()); ++i) {
      QStringList morceaux = attendu[i].split(u'*');
      for (QString& morceau : morceaux) morceau = QRegularExpression::escape(morceau);
      const QRegularExpression motif(QRegularExpression::anchoredPattern(morceaux.join(".*")),
                                     QRegularExpression::DotMatchesEverythingOption);
      if (motif.match(obtenu[i]).hasMatch()) obtenu[i] = attendu[i];
    }
    return Compare(obtenu, attendu);
  } else if (!F) {
    return Verifie(false, QStringLiteral("la fenêtre n'est pas ouverte"));
  } else if (c == "ferme") {
    // The close box or Alt+F4: the close event the window system sends.
    QCloseEvent fermeture;
    QApplication::sendEvent(F->windowHandle(), &fermeture);
  } else if (c == "touche" || c == "appuie" || c == "relache") {
    const QKeyCombination touche =
        a1 == "Shift" ? QKeyCombination(Qt::Key_Shift) : QKeySequence::fromString(a1)[0];
    const auto action = c == "touche"   ? QTest::Click
                        : c == "appuie" ? QTest::Press
                                        : QTest::Release;
    for (int i = 0; i < fois; ++i)
      QTest::sendKeyEvent(action, Cible(m.value(2)), touche.key(), QString(),
                          touche.keyboardModifiers());
  } else if (c == "tape") {
    // As a keyboard types, characters outside Latin-1 included.
    for (const QChar car : a2)
      QTest::sendKeyEvent(QTest::Click, Cible(m.value(1)), Qt::Key_unknown, QString(car),
                          Qt::NoModifier);
  } else if (c == "efface" || c == "cache") {
    QMetaObject::invokeMethod(Cible(m.value(1)), c == "cache" ? "hide" : "clear");
  } else if (c == "valeur") {
    Cible(m.value(1))->setProperty("value", m.value(2).toInt());
  } else if (c == "redimensionne") {
    Cible(m.value(1))->resize(m.value(2).toInt(), m.value(3).toInt());
    QApplication::processEvents();
  } else if (c == "separe") {
    auto* panneaux = F->findChild<QSplitter*>();
    const int total = panneaux->sizes().value(0) + panneaux->sizes().value(1);
    panneaux->setSizes({m.value(1).toInt(), total - m.value(1).toInt()});
  } else if (c == "clic") {
    QTest::mouseClick(Cible(m.value(1)), Qt::LeftButton);
  } else if (c == "clic-entete") {
    auto* table = qobject_cast<QTableWidget*>(Cible(m.value(1)));
    if (!Verifie(table, a1)) return false;
    QHeaderView* entetes = table->horizontalHeader();
    QTest::mouseClick(
        entetes->viewport(), Qt::LeftButton, {},
        {entetes->sectionViewportPosition(m.value(2).toInt()) + 5, entetes->height() / 2});
  } else if (c == "commande") {
    QAction* action = F->findChild<QAction*>(a1);
    for (int i = 0; Verifie(action, a1) && i < std::max(1, m.value(2).toInt()); ++i)
      action->trigger();
  } else if (c == "curseur") {
    QTextCursor curseur = lecture()->textCursor();
    curseur.setPosition(Position(m, 1));
    lecture()->setTextCursor(curseur);
    lecture()->setFocus();
  } else if (c == "survole" || c == "survole-dessous" || c.startsWith("souris-")) {
    QWidget* vue = lecture()->viewport();
    const QPoint point = c == "survole-dessous" ? QPoint(5, vue->height() - 2)
                         : c == "survole"       ? Point(Position(m, 1))
                                                : Point(Position(m, 1)) - QPoint(2, 0);
    if (c == "souris-presse" || c == "souris-relache") {
      if (c == "souris-presse") QTest::mousePress(vue, Qt::LeftButton, {}, point);
      if (c == "souris-relache") QTest::mouseRelease(vue, Qt::LeftButton, {}, point);
    } else {
      QMouseEvent mouvement(QEvent::MouseMove, point, vue->mapToGlobal(point), Qt::NoButton,
                            c == "souris-glisse" ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(vue, &mouvement);
    }
  } else if (c == "clic-droit") {
    // The pointer moved onto the word (from the window's corner: Qt drops a
    // move to where the pointer already is) and the right button clicked in
    // the window, as the window system reports them.
    QTest::mouseMove(F->windowHandle(), {1, 1});
    QTest::mouseMove(F->windowHandle(), pointFenetre(1));
    QTest::mouseClick(F->windowHandle(), Qt::RightButton, Qt::NoModifier, pointFenetre(1));
  } else if (c == "choisis") {
    QMenu* sous = Menu().isEmpty() ? nullptr : Menu().actions().first()->menu();
    QAction* choix = nullptr;
    for (QAction* action : sous ? sous->actions() : Menu().actions())
      if (action->text() == a1) choix = action;
    if (!Verifie(choix, QStringLiteral("pas dans le menu"))) return false;
    choix->trigger();
    Menu().hide();
  } else if (c == "selectionne") {
    QTextCursor curseur = lecture()->textCursor();
    curseur.setPosition(Position(m, 1));
    curseur.setPosition(Position(m, 2), QTextCursor::KeepAnchor);
    lecture()->setTextCursor(curseur);
  } else if (c == "molette") {
    const QPointF point(10, 10);
    auto* zone = qobject_cast<QAbstractScrollArea*>(Cible(m.value(1)));
    if (!Verifie(zone, a1)) return false;
    QWidget* vue = zone->viewport();
    for (int i = 0; i < fois; ++i) {
      QWheelEvent molette(point, vue->mapToGlobal(point), {}, {0, m.value(2).toInt()}, Qt::NoButton,
                          m.value(4) == "sans-ctrl" ? Qt::NoModifier : Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
      QApplication::sendEvent(vue, &molette);
    }

    // What the user must then see.
  } else if (c == "dimensions") {
    QWidget* w = Cible(m.value(1));
    return Compare({QString::number(w->width()), QString::number(w->height())},
                   {a2, Q(m.value(3))});
  } else if (c == "hauteur" || c == "hauteur-min") {
    const int hauteur = Cible(m.value(1))->height();
    if (c == "hauteur-min") return Verifie(hauteur >= m.value(2).toInt(), QString::number(hauteur));
    return Compare({QString::number(hauteur)}, {a2});
  } else if (c == "bulle-au-dessus") {
    // The hint ends above the line of the piece of text.
    QWidget* bulle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QTipLabel") && w->isVisible()) bulle = w;
    const QRect ligne = lecture()->cursorRect([&] {
      QTextCursor curseur(lecture()->document());
      curseur.setPosition(Position(m, 1));
      return curseur;
    }());
    const int haut = lecture()->viewport()->mapToGlobal(ligne.topLeft()).y();
    return Verifie(bulle, QStringLiteral("pas de bulle")) &&
           Verifie(bulle->geometry().bottom() < haut,
                   QStringLiteral("bulle %1, ligne %2").arg(bulle->geometry().bottom()).arg(haut));
  } else if (c == "fenetre") {
    return Compare({F->isVisible() ? "ouverte" : "fermee"}, {a1});
  } else if (c == "contenu" || c == "contient" || c == "absent") {
    QFile fichier(Chemin(a1));
    if (c == "absent") return Verifie(!fichier.exists(), Chemin(a1));
    (void)fichier.open(QIODevice::ReadOnly);
    const QByteArray octets = fichier.readAll();
    if (c == "contient") return Verifie(octets.contains(m.value(2)), Q(octets));
    return QTest::qCompare(octets, m.value(2), Commande, "attendu", Fichier, Numero);
  } else if (c == "notes" || c == "lecture") {
    const QString texte = c == "notes" ? notes()->toPlainText() : lecture()->toPlainText();
    if (m.value(1) == "commence") return Verifie(texte.startsWith(a2), texte);
    if (m.value(1) == "contient") return Verifie(texte.contains(a2), texte);
    if (m.value(1) == "sans") return Verifie(!texte.contains(a2), texte);
    return Compare({texte}, {a1});
  } else if (c == "modifiees") {
    return Compare({OuiNon(notes()->document()->isModified())}, {a1});
  } else if (c == "mot") {
    return Compare({QString::fromLatin1(F->Etat().MotCourant)}, {a1});
  } else if (c == "bulle") {
    // The hint's text, and Qt's tooltip that shows it.
    if (m.size() == 1)
      return Verifie(F->TexteBulle().isEmpty(), F->TexteBulle()) &&
             Verifie(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000), "bulle visible");
    return Verifie(F->TexteBulle().contains(a1), F->TexteBulle()) &&
           Verifie(QToolTip::isVisible() && QToolTip::text().contains(a1), QToolTip::text());
  } else if (c == "bulle-taille") {
    QWidget* bulle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QTipLabel") && w->isVisible()) bulle = w;
    return Verifie(bulle, QStringLiteral("pas de bulle")) &&
           Compare({QString::number(bulle->font().pointSize())}, {a1});
  } else if (c == "menu" || c == "sous-menu") {
    // A menu with items comes up as the active popup.
    if (m.size() > 1 &&
        !Verifie(
            QTest::qWaitFor([&] { return QApplication::activePopupWidget() == &Menu(); }, 2000),
            QStringLiteral("le menu n'est pas ouvert")))
      return false;
    QMenu* sous = Menu().isEmpty() ? nullptr : Menu().actions().first()->menu();
    return Compare(Textes(c == "menu" ? &Menu() : sous), reste(1));
  } else if (c == "nombre") {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Compare({QString::number(F->findChildren<QWidget*>(a1).size())}, {a2});
  } else if (c == "sous-menus") {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Compare({QString::number(Menu().findChildren<QMenu*>().size())}, {a1});
  } else if (c == "barre") {
    QStringList volets;
    if (F->statusBar()->isVisible())
      for (int i = 0; i < 4; ++i)
        if (i < 3 || !F->TexteVolet(i).isEmpty()) volets << F->TexteVolet(i);
    return Compare(volets.isEmpty() ? QStringList{"cachee"} : volets, reste(1));
  } else if (c == "taille") {
    return Compare({QString::number(lecture()->font().pointSize()),
                    QString::number(notes()->font().pointSize())},
                   {a1, a1});
  } else if (c == "etat") {
    const TEtatFPrinc& e = F->Etat();
    const std::map<QByteArray, QString> champs = {
        {"FichierNotes", Q(e.FichierNotes)},
        {"FichierTexte", Q(e.FichierTexte)},
        {"FichierTrace", Q(e.FichierTrace)},
        {"NbLexique", QString::number(e.NbLexique)},
        {"Droits", QString::asprintf("%d %d %d %d %d", e.AutoLex, e.insereLex, e.insereMorpho,
                                     e.insereTr, e.evalSyntaxe)}};
    return Verifie(champs.count(m.value(1)), QStringLiteral("champ inconnu")) &&
           Compare({champs.at(m.value(1))}, {a2});
  } else if (c == "lexique") {
    return Compare({StoresPrets() ? "charge" : "absent"}, {a1});
  } else if (c == "titre") {
    QWidget* w = m.size() > 2 ? Cible(m.value(1)) : F.get();
    return Verifie(w, a1) && Compare({w->windowTitle()}, {m.size() > 2 ? a2 : a1});
  } else if (c == "latin") {
    // The pane, the window's state and the menu's tick agree.
    const bool modifiable = !lecture()->isReadOnly();
    return Verifie(F->Etat().LatinModifiable == modifiable &&
                       F->findChild<QAction*>(QStringLiteral("Modifierlelatin1"))->isChecked() ==
                           modifiable,
                   QStringLiteral("état, volet et menu en désaccord")) &&
           Compare({modifiable ? "modifiable" : "fige"}, {a1});
  } else if (c == "selection") {
    const QTextCursor curseur = lecture()->textCursor();
    return Compare({curseur.selectedText()}, {a1}) &&
           (m.size() < 3 || Compare({QString::number(curseur.selectionStart())}, {a2}));
  } else if (c == "curseur-a") {
    const int p = Position(m, 1);
    return Compare({QString::number(lecture()->textCursor().position())}, {QString::number(p)});
  } else if (c == "defilement") {
    QApplication::processEvents();
    const QScrollBar* barre = lecture()->verticalScrollBar();
    return Verifie(barre->maximum() > 0, QStringLiteral("rien à faire défiler")) &&
           Compare({QString::number(barre->value())}, {a1});
  } else if (c == "gras") {
    QTextCursor curseur(lecture()->document());
    curseur.setPosition(Position(m, 1) + 1);
    return Compare({OuiNon(curseur.charFormat().fontWeight() == QFont::Bold)}, {a2});
  } else if (c == "visible" || c == "actif") {
    QWidget* w = F->findChild<QWidget*>(a1);
    if (w && w->isWindow() && a2 == "oui") (void)QTest::qWaitForWindowExposed(w);
    return Compare({OuiNon(w && (c == "visible" ? w->isVisible() : w->isEnabled()))}, {a2});
  } else if (c == "action") {
    // An item of the main menus: its caption, shortcut and whether offered.
    QAction* action = F->findChild<QAction*>(a1);
    return Verifie(action, a1) &&
           Compare({action->text(), action->shortcut().toString(), OuiNon(action->isVisible())},
                   reste(2));
  } else if (c == "menus") {
    return Compare(Textes(F->menuBar()), reste(1));
  } else if (c == "colonne" || c == "lignes") {
    auto* table = qobject_cast<QTableWidget*>(Cible(m.value(1)));
    if (!Verifie(table, a1)) return false;
    if (c == "lignes") return Compare({QString::number(table->rowCount())}, {a2});
    QStringList colonne;
    for (int i = 0; i < table->rowCount(); ++i)
      colonne << table->item(i, m.value(2).toInt())->text();
    return Compare(colonne, reste(3));
  } else if (c == "elargit") {
    // The window of the table made wider: the columns that took the width.
    auto* table = qobject_cast<QTableWidget*>(Cible(m.value(1)));
    if (!Verifie(table, a1)) return false;
    QHeaderView* entetes = table->horizontalHeader();
    QList<int> avant;
    for (int i = 0; i < entetes->count(); ++i) avant << entetes->sectionSize(i);
    QWidget* fenetre = table->window();
    fenetre->resize(fenetre->width() + m.value(3).toInt(), fenetre->height());
    QApplication::processEvents();
    QStringList elargies;
    for (int i = 0; i < entetes->count(); ++i)
      if (entetes->sectionSize(i) - avant[i] >= m.value(3).toInt() / 2)
        elargies << QString::number(i);
    return Compare(elargies, {a2});
  } else if (c == "tableaux-entiers") {
    // The inflection tables as wide as they would be with room enough.
    auto* dialogue = F->findChild<TDialogueFlexion*>();
    auto* tableaux = dialogue ? dialogue->findChild<QTextBrowser*>() : nullptr;
    if (!Verifie(tableaux, QStringLiteral("pas de tableaux de flexion"))) return false;
    (void)QTest::qWaitForWindowExposed(dialogue);
    const std::unique_ptr<QTextDocument> mesure(tableaux->document()->clone());
    mesure->setTextWidth(-1);
    return Verifie(
        mesure->idealWidth() <= tableaux->viewport()->width(),
        QStringLiteral("%1 > %2").arg(mesure->idealWidth()).arg(tableaux->viewport()->width()));
  } else if (c == "onglet") {
    auto* onglets = F->findChild<QTabWidget*>();
    return Verifie(onglets, a1) && Compare({onglets->tabText(m.value(1).toInt())}, {a2});
  } else if (c == "html" || c == "html-sans") {
    auto* dialogue = F->findChild<TDialogueFlexion*>();
    if (!Verifie(dialogue, QStringLiteral("pas de tableaux de flexion"))) return false;
    const QString html = dialogue->Html();
    return Verifie(html.contains(QRegularExpression(a1)) == (c == "html"), html);
  } else {
    return Verifie(false, QStringLiteral("ligne inconnue"));
  }
  return !QTest::currentTestFailed();
}
