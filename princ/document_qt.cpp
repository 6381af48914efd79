#include "princ/document_qt.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "fichiers/document_riche.h"

void RemplitDocument(QTextDocument& document, const TDocumentRiche& riche,
                     qreal retraitPremiereLigne) {
  document.clear();
  QTextCursor curseur(&document);
  QTextBlockFormat paragraphe;
  paragraphe.setTextIndent(retraitPremiereLigne);
  curseur.beginEditBlock();
  curseur.setBlockFormat(paragraphe);
  bool premier = true;
  for (const auto& p : riche.Paragraphes) {
    if (!premier) curseur.insertBlock(paragraphe, QTextCharFormat());
    premier = false;
    for (const auto& segment : p.Segments) {
      QTextCharFormat format;
      format.setFontWeight(segment.Gras ? QFont::Bold : QFont::Normal);
      format.setFontItalic(segment.Italique);
      format.setFontUnderline(segment.Souligne);
      QString texte = QString::fromStdString(segment.Texte);
      texte.replace(u'\n', QChar::LineSeparator);
      curseur.insertText(texte, format);
    }
  }
  curseur.endEditBlock();
  document.setModified(false);
}
