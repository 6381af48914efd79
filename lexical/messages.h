// The French error messages that more than one place raises or tests
// compare, named once, and the French reason for a system error code. All
// are Windows-1252; "%s" and "%d" are filled by Formate (erreur.h).
#pragma once

#include <string>

inline constexpr const char* MessageOuvrirFichier = "Impossible d'ouvrir le fichier %s";
// The file, then the reason (RaisonSysteme or one of the reasons below).
inline constexpr const char* MessageLireFichier = "Impossible de lire le fichier %s : %s";
inline constexpr const char* MessageEcrireFichier =
    "Impossible d'\xE9"
    "crire le fichier %s : %s";
inline constexpr const char* MessageLireDossier = "Impossible de lire le dossier %s";
inline constexpr const char* MessageLexiqueNonCharge = "Lexique non charg\xE9";
inline constexpr const char* MessageMemoire = "M\xE9moire insuffisante pour charger le lexique";
inline constexpr const char* MessageLecture = "Erreur de lecture du flux";
inline constexpr const char* MessageEcriture =
    "Erreur d'\xE9"
    "criture du flux";
inline constexpr const char* MessageValeur = "Valeur de propri\xE9t\xE9 incorrecte";
inline constexpr const char* MessageDoublons = "La liste de cha\xEEnes n'autorise pas les doublons";
inline constexpr const char* MessageIndice = "Indice de liste hors limites (%d)";

// Reasons that follow a file's name.
inline constexpr const char* RaisonMemoire = "m\xE9moire insuffisante";
inline constexpr const char* RaisonPasOrdinaire = "ce n'est pas un fichier ordinaire";
inline constexpr const char* RaisonLectureSeule = "fichier en lecture seule";

// Whether the file was being read or written: a missing path and an
// unknown code read differently.
enum class Acces { Lecture, Ecriture };

// The French reason for an errno code ("accès refusé", "disque plein"...).
std::string RaisonSysteme(int code, Acces acces);
