// The French error messages that more than one place raises or tests
// compare, named once, and the French reason for a system error code. All
// are Windows-1252; "%s" and "%d" are filled by Formate (erreur.h).
#pragma once

#include <string>

#include "lexical/cp1252_litteral.h"

inline constexpr const char* MessageOuvrirFichier = "Impossible d'ouvrir le fichier %s";
// The file, then the reason (RaisonSysteme or one of the reasons below).
inline constexpr const char* MessageLireFichier = "Impossible de lire le fichier %s : %s";
inline constexpr const char* MessageEcrireFichier = "Impossible d'écrire le fichier %s : %s"_1252;
inline constexpr const char* MessageLireDossier = "Impossible de lire le dossier %s";
inline constexpr const char* MessageLexiqueNonCharge = "Lexique non chargé"_1252;
inline constexpr const char* MessageMemoire = "Mémoire insuffisante pour charger le lexique"_1252;
inline constexpr const char* MessageLecture = "Erreur de lecture du flux";
inline constexpr const char* MessageEcriture = "Erreur d'écriture du flux"_1252;
inline constexpr const char* MessageValeur = "Valeur de propriété incorrecte"_1252;
inline constexpr const char* MessageDoublons =
    "La liste de chaînes n'autorise pas les doublons"_1252;
// The lexicon file, the byte offset, what was expected there, the error.
inline constexpr const char* MessageLexiqueEndommage =
    "Lexique %s endommagé à l'octet %s (attendu : %s) : %s"_1252;
inline constexpr const char* MessageIndice = "Indice de liste hors limites (%d)";

// Reasons that follow a file's name.
inline constexpr const char* RaisonMemoire = "mémoire insuffisante"_1252;
inline constexpr const char* RaisonPasOrdinaire = "ce n'est pas un fichier ordinaire";
inline constexpr const char* RaisonLectureSeule = "fichier en lecture seule";

// Whether the file was being read or written: a missing path and an
// unknown code read differently.
enum class Acces { Lecture, Ecriture };

// The French reason for an errno code ("accès refusé", "disque plein"...).
std::string RaisonSysteme(int code, Acces acces);
