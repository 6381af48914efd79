#include "princ/texte_riche_qt.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "fichiers/graphie.h"
#include "lexical/cp1252.h"

int TTexteRicheQt::CaractereDuPoint(int x, int y) const {
  const QTextDocument* document = Edition.document();
  const QPointF point(x + Edition.horizontalScrollBar()->value(),
                      y + Edition.verticalScrollBar()->value());
  const int proche = document->documentLayout()->hitTest(point, Qt::FuzzyHit);
  if (proche < 0) return -1;
  const QTextBlock bloc = document->findBlock(proche);
  const QTextLayout* disposition = bloc.layout();
  if (!bloc.isValid() || !disposition) return -1;
  const QPointF local = point - document->documentLayout()->blockBoundingRect(bloc).topLeft();
  for (int i = 0; i < disposition->lineCount(); ++i) {
    const QTextLine ligne = disposition->lineAt(i);
    if (local.y() < ligne.y() || local.y() >= ligne.y() + ligne.height()) continue;
    if (local.x() < ligne.x() || local.x() > ligne.x() + ligne.naturalTextWidth()) return -1;
    return bloc.position() + ligne.xToCursor(local.x(), QTextLine::CursorOnCharacter);
  }
  return -1;
}

int TTexteRicheQt::Longueur() const { return Edition.document()->characterCount() - 1; }

std::string TTexteRicheQt::TexteIntervalle(int debut, int longueur) const {
  const int fin = std::min(debut + longueur, Longueur());
  if (debut < 0 || debut >= fin) return {};
  QTextCursor curseur(Edition.document());
  curseur.setPosition(debut);
  curseur.setPosition(fin, QTextCursor::KeepAnchor);
  QString texte = curseur.selectedText();
  texte.replace(QChar::ParagraphSeparator, u'\n')
      .replace(QChar::LineSeparator, u'\n')
      .replace(QChar::Nbsp, u' ');
  return Utf8VersCp1252(SansQuantites(texte.toStdString()));
}

ClasseCaractere TTexteRicheQt::Classe(int position) const {
  if (position < 0 || position >= Longueur()) return ClasseCaractere::FinDeLigne;
  const QChar c = Edition.document()->characterAt(position);
  if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' || c == u'\r')
    return ClasseCaractere::FinDeLigne;
  if (c.isSpace()) return ClasseCaractere::Blanc;
  // A vowel length mark belongs to its letter, and is dropped as the text
  // is read for the analysis.
  if (c.isMark()) return ClasseCaractere::Mot;
  // The character as the analysis will read it (a marked vowel plain, a
  // ligature written out, a character the code page lacks as '?'), cut by
  // the rule the vocabulary and the tools follow.
  const std::string lu = Utf8VersCp1252(SansQuantites(QString(c).toStdString()));
  for (const char octet : lu)
    if (ClasseDuCaractere(static_cast<unsigned char>(octet)) != ClasseCaractere::Mot)
      return ClasseCaractere::Ponctuation;
  return lu.empty() ? ClasseCaractere::Ponctuation : ClasseCaractere::Mot;
}
