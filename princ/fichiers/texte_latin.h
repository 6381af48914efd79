// Reading a Latin text file for the reading pane: RTF files as rich text,
// any other file as plain text, one paragraph per line (CR LF, LF or CR).
// Plain text that is valid UTF-8 is read as UTF-8 (a leading byte-order mark
// dropped), otherwise as Windows-1252. Throws Erreur (French message) when the
// file cannot be read.
#pragma once

#include <string>
#include <string_view>

#include "document_riche.h"

TDocumentRiche LisTexteLatin(const std::string& chemin);

// The whole file as bytes; Erreur "Impossible de lire le fichier %s : %s".
std::string LisOctets(const std::string& chemin);

bool EstUtf8Valide(std::string_view octets);

// Bytes of a text file to UTF-8 by the rule above.
std::string TexteVersUtf8(std::string_view octets);
