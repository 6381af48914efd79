// Fills a QTextDocument from the rich model of a Latin text file: one block
// per paragraph with the given first-line indent (pixels), bold, italic and
// underline kept, line breaks inside a paragraph as line separators.
#pragma once

#include <QtGlobal>

class QTextDocument;
struct TDocumentRiche;

void RemplitDocument(QTextDocument& document, const TDocumentRiche& riche,
                     qreal retraitPremiereLigne);
