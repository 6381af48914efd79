#include "fichiers/document_riche.h"

std::string TParagraphe::Texte() const {
  std::string texte;
  for (const auto& segment : Segments) texte += segment.Texte;
  return texte;
}

std::string TDocumentRiche::Texte() const {
  std::string texte;
  for (std::size_t i = 0; i < Paragraphes.size(); ++i) {
    if (i > 0) texte += '\n';
    texte += Paragraphes[i].Texte();
  }
  return texte;
}
