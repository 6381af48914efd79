// TBanc: a throw-away program folder for window tests: a small lexicon built
// from text sources through the lexical API, the configuration file, Latin
// texts and notes files, and the window started over them. Also registers
// the window test classes; main() runs the one named on the command line.
#pragma once

#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "princ/tests/services_scriptes.h"
#include "princ/tfprinc.h"

std::map<std::string, std::function<QObject*()>>& ClassesDeTest();
struct TInscription {
  TInscription(const char* nom, std::function<QObject*()> fabrique) {
    ClassesDeTest()[nom] = std::move(fabrique);
  }
};
#define LECTURIEL_TEST(Classe) \
  static TInscription inscription##Classe(#Classe, [] { return new Classe; });

class TBanc {
 public:
  TBanc();
  ~TBanc();

  std::string Chemin(const std::string& nom) const;
  QString QChemin(const std::string& nom) const { return QString::fromStdString(Chemin(nom)); }
  void Ecris(const std::string& nom, const std::string& octets) const;
  std::string Lis(const std::string& nom) const;
  void Ini(const std::string& contenu) const { Ecris("lecturiel.ini", contenu); }
  // Configured mode: textes/texte.txt holds the sample sentence and the INI
  // names it, followed by `suite` (further sections).
  void Texte(const std::string& suite = "");
  // The usual configured mode: notes go to notes/, the trace to trace.txt,
  // plus `droits` lines for [Droits].
  void Configure(const std::string& droits = "");

  TFPrinc& Ouvre();
  void Ferme();

  TFPrinc& Fenetre() { return *F; }
  QTextEdit& RichE();
  QPlainTextEdit& Memo1();
  QMenu& Menu();                       // the context menu
  QMenu* SousMenu();                   // its submenu of insertions, if any
  QAction* Commande(const char* nom);  // a main menu command
  // The context menu opened over `morceau`, and an item of its submenu.
  void MenuSur(const QString& morceau);
  QAction* Insertion(const QString& texte);

  // The middle of character `position` of the reading pane, in viewport
  // coordinates, and the pointer moved there (dragging with `boutons`).
  QPoint PointDe(int position);
  int PositionDe(const QString& morceau, int decalage = 0);
  void Survole(const QString& morceau, int decalage = 0);
  void SurvolePoint(const QPoint& point, Qt::MouseButtons boutons = Qt::NoButton);
  void Selectionne(int debut, int fin);

  TServicesScriptes Services;

 private:
  QTemporaryDir Dossier;
  std::unique_ptr<TFPrinc> F;
};
