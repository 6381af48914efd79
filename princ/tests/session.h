// TSession: one session of the reading window as a teacher or a pupil has
// it, played line by line from a session file (sessions/*.txt): a
// throw-away program folder with the small lexicon of sessions/lexique/,
// the configuration and files written there, the window opened over them,
// then keys, pointer moves, right clicks, menu choices and answers to its
// questions, each followed by what the user must then see. A failed
// expectation is reported to Qt Test at the session file's line; Execute
// then returns false and the session should stop. The session owns its
// folder and its window; scripted services answer the window's questions
// and record what it says.
//
// A session file: "[name]" opens a session, '#' starts a comment line, $D
// stands for the program folder; words are cut as MotsDeLigne does.
// Before the window opens:
//   texte | classe            the sample text named in the configuration;
//                             classe adds notes/ for the notes, trace.txt
//   ini LINE                  a line of lecturiel.ini (the first one after
//                             an opening starts the file anew)
//   ecris|ajoute FILE BYTES [N]   a file written, or appended to N times
//   dossier|supprime|protege|utf16 FILE   a folder made; a file removed,
//                             made read-only, rewritten as UTF-16 with a mark
//   renomme FILE FILE
//   nom [NAME...]             the names typed at the prompt in turn, the
//                             last one again (none: cancelled)
//   reponses oui|non...       the answers to the next questions (then Non)
//   choix-ouvrir|choix-enregistrer [PATH]   the file dialogs' choice
// What the user does (TARGET: lecture, notes, fenetre or a widget's name;
// PLACE: a piece of the reading pane's text, then maybe a number of
// characters further, or a position):
//   ouvre | ferme             the window opened and made active | its close
//                             box (the close event the window system sends)
//   touche|appuie|relache KEYS TARGET [N]   keys as "Ctrl+S", "Shift"
//   tape TARGET TEXT | efface|cache TARGET | valeur TARGET N | clic TARGET
//   clic-entete TABLE COLUMN | commande ACTION [N]
//   curseur PLACE | survole PLACE | survole-dessous (below the text)
//   souris-presse|souris-glisse|souris-relache PLACE   the left button
//   clic-droit PLACE | choisis ITEM   a right click | an item of its menu
//   selectionne PLACE PLACE
//   molette TARGET ANGLE [N [sans-ctrl]]   with Ctrl unless said
//   redimensionne TARGET W H | separe N (the reading pane's height)
// What the user must then see:
//   invites|questions|questions-non|messages|erreurs|apropos|dialogues-ouvrir|
//   dialogues-enregistrer PATTERN...   all said since the last look, '*'
//                             standing for any text (questions-non: those
//                             whose default button is Non); questions,
//                             messages, errors and about boxes unlooked at
//                             the end fail
//   fenetre ouverte|fermee | lexique charge|absent | titre [WIDGET] TEXT
//   contenu FILE BYTES | contient FILE BYTES | absent FILE
//   notes|lecture TEXT | notes|lecture commence|contient|sans TEXT
//   modifiees oui|non (the notes) | latin modifiable|fige
//   mot WORD | bulle [TEXT] (nothing: no hint) | bulle-taille N
//   menu|sous-menu ITEM... (the context menu, open unless empty; any other
//   line closes it) | sous-menus N (its children)
//   barre cachee | barre PANE PANE PANE [TRACE] | taille N (both panes)
//   etat FichierNotes|FichierTexte|FichierTrace|NbLexique|Droits VALUE
//   selection TEXT [START] | curseur-a PLACE | defilement N | gras PLACE oui|non
//   visible|actif WIDGET oui|non | action ACTION TEXT SHORTCUT oui|non (offered)
//   menus TITLE... (the menu bar) | colonne TABLE N CELL... | lignes TABLE N
//   nombre WIDGET N (the window's widgets of that name)
//   dimensions TARGET W H | hauteur TARGET N | hauteur-min TARGET N
//   bulle-au-dessus PLACE (the hint ends above the line of PLACE)
//   onglet N TEXT | html|html-sans REGEX (the inflection tables)
//   elargit TABLE N DX (its window made DX wider, column N alone grows)
//   tableaux-entiers (the inflection tables fit their pane unwrapped)
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>

class QMenu;
class QPlainTextEdit;
class QTextEdit;
class QPoint;
class QWidget;
class TFenetreLecture;
class TServicesScriptes;

class TSession {
 public:
  TSession();
  ~TSession();
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  // One line of a session file; `fichier` and `numero` place it in
  // failure messages.
  bool Execute(const QByteArray& ligne, const QByteArray& fichier = "session", int numero = 0);
  // The end of a session: a question, message, error or about box the
  // window gave and the session did not look at fails it.
  bool Termine();

  QString Chemin(const QString& nom) const;
  TFenetreLecture* Fenetre() { return F.get(); }

 private:
  // A line of a session file as its handler reads it: the words, the verb,
  // the first two arguments as text, and the count the third one may give.
  struct TLigne {
    const QList<QByteArray>& m;
    const QByteArray& c;
    QString a1, a2;
    int fois;
    QStringList Reste(int i) const;  // the words from the i-th on
  };
  // The handler of a verb; false when the line failed.
  using TGeste = bool (*)(TSession&, const TLigne&);
  static std::map<QByteArray, TGeste> Table(
      std::initializer_list<std::pair<std::initializer_list<const char*>, TGeste>> lignes);
  static const std::map<QByteArray, TGeste>& GestesSansFenetre();
  static const std::map<QByteArray, TGeste>& GestesAvecFenetre();

  bool Etape(const QList<QByteArray>& mots);
  bool Entendu(const TLigne& ligne);
  QTextEdit* Lecture();
  QPlainTextEdit* Notes();
  QPoint PointFenetre(const QList<QByteArray>& mots, int i);
  static bool Fini();
  bool Verifie(bool vrai, const QString& quoi);
  bool Compare(const QStringList& obtenu, const QStringList& attendu);
  QWidget* Cible(const QByteArray& nom);
  QMenu& Menu();
  int Position(const QList<QByteArray>& mots, int i);
  QPoint Point(int position);
  void Ecris(const QString& nom, const QByteArray& octets, bool ajoute = false);

  QTemporaryDir Dossier;
  std::unique_ptr<TServicesScriptes> S;
  std::unique_ptr<TFenetreLecture> F;
  QByteArray Fichier, Commande;
  int Numero = 0;
  bool IniNeuf = true;
};

// The words of a session line: blanks separate them, "double quotes" hold
// blanks and the escapes \n \r \t \\ \" \xHH (one byte).
QList<QByteArray> MotsDeLigne(const QByteArray& ligne);
