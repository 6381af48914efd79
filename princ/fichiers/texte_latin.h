// Reading a Latin text file for the reading pane: RTF files as rich text,
// any other file as plain text, one paragraph per line (CR LF, LF or CR).
// Plain text that starts with a UTF-16 byte-order mark (either byte order)
// is read as UTF-16; text that is valid UTF-8 as UTF-8 (a leading
// byte-order mark dropped); anything else as Windows-1252. Only regular
// files up to a size limit are read: a folder, a device or a named pipe
// would read as empty or without end. Throws Erreur (French message) when
// the file cannot be read, never std::bad_alloc.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "lexical/utf8.h"
#include "princ/fichiers/document_riche.h"

// Largest file read (texts, notes, configuration): no Latin text or notes
// come near it, and a bigger file would only freeze the window.
inline constexpr std::size_t TailleMaxFichier = std::size_t{64} << 20;

TDocumentRiche LisTexteLatin(const std::string& chemin);

// The whole file as bytes. Erreur "Impossible de lire le fichier %s : %s"
// when it is missing, unreadable, not a regular file, larger than `limite`
// bytes, or when memory runs out.
std::string LisOctets(const std::string& chemin, std::size_t limite = TailleMaxFichier);

// True when the bytes start with a UTF-16 byte-order mark.
bool EstUtf16(std::string_view octets);
// UTF-16 bytes after their byte-order mark to UTF-8; an unpaired surrogate
// or a lone last byte becomes U+FFFD.
std::string Utf16VersUtf8(std::string_view octets);

// Bytes of a text file to UTF-8 by the rule above.
std::string TexteVersUtf8(std::string_view octets);
