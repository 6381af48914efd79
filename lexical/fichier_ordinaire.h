// Reading a whole file into memory, as every file the program reads by name
// is read (texts, notes, configuration, lexicon, corpora): only a regular
// file, up to a size limit. A folder, a device or a named pipe would read as
// empty, without end (/dev/zero) or wait forever for a writer (a FIFO); each
// is refused before it is opened. Throws Erreur "Impossible de lire le
// fichier %s : raison" (French reason), or std::bad_alloc when memory runs
// out, which each caller turns into its own French message.
#pragma once

#include <cstddef>
#include <string>

// The whole file as bytes; refused when it is missing, unreadable, not a
// regular file or larger than `limite` bytes.
std::string LisFichierOrdinaire(const std::string& chemin, std::size_t limite);

// The French reason a file of more than `limite` bytes is refused.
std::string RaisonTropVolumineux(std::size_t limite);
