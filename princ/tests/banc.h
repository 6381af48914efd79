// TBanc: a throw-away program folder for window tests: a small lexicon built
// from text sources through the lexical API, the configuration file, Latin
// texts and notes files, and the window started over them.
#pragma once

#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>
#include <string>

#include "services_scriptes.h"
#include "tfprinc.h"

class QPlainTextEdit;

class TBanc {
 public:
  TBanc();
  ~TBanc();

  std::string Chemin(const std::string& nom) const;
  void Ecris(const std::string& nom, const std::string& octets) const;
  std::string Lis(const std::string& nom) const;
  void Ini(const std::string& contenu) const { Ecris("lecturiel.ini", contenu); }
  // The usual configured mode: text.txt holds the sample sentence, notes go
  // to notes/, the trace to trace.txt, plus `droits` lines for [Droits].
  void Configure(const std::string& droits = "");
  void SansLexique() const;

  TFPrinc& Ouvre();
  void Ferme();

  TFPrinc& Fenetre() { return *F; }
  QTextEdit& RichE();
  QPlainTextEdit& Memo1();

  // The middle of character `position` of the reading pane, in viewport
  // coordinates, and the pointer moved there.
  QPoint PointDe(int position);
  int PositionDe(const QString& morceau, int decalage = 0);
  void Survole(const QString& morceau, int decalage = 0);
  void SurvolePoint(const QPoint& point);
  void Selectionne(int debut, int fin);

  TServicesScriptes Services;

 private:
  QTemporaryDir Dossier;
  std::unique_ptr<TFPrinc> F;
};
