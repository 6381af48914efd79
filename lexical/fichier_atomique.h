// The one way the program replaces a file whole (the lexicon, its text
// sources, the pupil's notes): the new content goes to a temporary file in
// the same folder, is forced to disk, then renamed over the old file, and
// the rename is forced to disk too, so that a failure or a crash at any
// point leaves either the old file or the new one, never a mix. A replaced
// file keeps its permissions and owner; a symbolic link stays a link and the
// file it names is replaced. A file whose write rights were all taken away
// is refused (a teacher locks handed-in notes that way). The one case where
// the owner cannot be kept (another user's file in a folder we may write)
// rewrites the file in place instead, at the cost of the all-or-nothing
// guarantee. Every failure throws Erreur "Impossible d'écrire le fichier %s :
// raison" with the path in Windows-1252, never std::bad_alloc.
#pragma once

#include <string>
#include <string_view>

// `chemin` is the path as the system takes it (UTF-8).
void RemplaceFichier(const std::string& chemin, std::string_view contenu);

// Erreur for a file that could not be written: MessageEcrireFichier with the
// path and the reason.
[[noreturn]] void EchecEcriture(const std::string& chemin, const std::string& raison);
// Same with the reason of an errno code.
[[noreturn]] void EchecEcriture(const std::string& chemin, int code);
