// Reading a Latin text file for the reading pane: RTF files as rich text,
// any other file as plain text, one paragraph per line (CR LF, LF or CR).
// Plain text that starts with a UTF-16 byte-order mark (either byte order),
// or whose bytes plainly are UTF-16 without one (zero high bytes), is read
// as UTF-16; text that is valid UTF-8 as UTF-8 (a leading byte-order mark
// dropped); anything else as Windows-1252. Bytes that are no text at all
// (zero bytes, control characters) are refused: MessageNonTexte. Only regular
// files up to a size limit are read: a folder, a device or a named pipe
// would read as empty or without end. Throws Erreur (French message) when
// the file cannot be read, never std::bad_alloc.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "lexical/cp1252_litteral.h"
#include "lexical/utf8.h"
#include "princ/fichiers/document_riche.h"

// Largest file read (texts, notes, configuration): no Latin text or notes
// come near it, and a bigger file would only freeze the window.
inline constexpr std::size_t TailleMaxFichier = std::size_t{64} << 20;

// Most paragraphs of a plain text the reading pane is given: it lays out
// some 100 000 lines a second, so this keeps a text under about two seconds
// (the longest Latin works have a few tens of thousands of lines).
inline constexpr std::size_t ParagraphesMaxFenetre = 200000;

inline constexpr const char* MessageNonTexte = "Le fichier %s ne semble pas être un texte"_1252;

// The document; a plain text of more than `maxParagraphes` lines is refused
// (Erreur "Impossible de lire le fichier %s : texte trop long...") before
// any paragraph is built.
TDocumentRiche LisTexteLatin(const std::string& chemin,
                             std::size_t maxParagraphes = ParagraphesMaxFenetre);

// Only the text of the file, as LisTexteLatin(chemin).Texte() gives it
// (UTF-8, paragraphs joined by "\n") whatever its number of lines: plain
// text takes no memory per line, for the tools that read whole files.
std::string LisTexteSeul(const std::string& chemin);

// The same two from bytes already read; `chemin` only names the file in
// messages.
TDocumentRiche DocumentDesOctets(std::string_view octets, const std::string& chemin,
                                 std::size_t maxParagraphes = ParagraphesMaxFenetre);
std::string TexteSeulDesOctets(std::string_view octets, const std::string& chemin);

// True when the bytes are no text by the rule above.
bool SembleBinaire(std::string_view octets);

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
