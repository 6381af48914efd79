#include "lexical/messages.h"

#include <cerrno>

#include "lexical/cp1252_litteral.h"

std::string RaisonSysteme(int code, Acces acces) {
  const bool lecture = acces == Acces::Lecture;
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      // A file read is missing; a file written is missing its folder.
      return lecture ? "fichier introuvable" : "dossier introuvable";
    case EACCES:
    case EPERM:
      return "accès refusé"_1252;
    case ENOSPC:
    case EDQUOT:
      return "disque plein";
    case EROFS:
      return "support en lecture seule";
    case EISDIR:
      return "c'est un dossier";
    case ELOOP:
      return "trop de liens symboliques";
    case ENOMEM:
      return RaisonMemoire;
    default:
      return lecture ? "erreur de lecture" : "erreur d'écriture"_1252;
  }
}
