// A small reader of the rich-text format (RTF) for Latin texts: groups,
// control words and symbols, \'hh and \uN escapes (Windows-1252 for bytes),
// paragraphs and line breaks, bold, italic, underline; destinations that hold
// no text (font and colour tables, style sheet, information, pictures,
// objects, headers, footers, notes, field instructions, \* groups) are
// skipped. Tables become tab-separated paragraphs. Anything else is ignored.
// Never throws on malformed input: unbalanced braces and truncated escapes
// are read as far as they go; nesting is bounded.
#pragma once

#include <string_view>

#include "fichiers/document_riche.h"

// True when the bytes start (after blanks) with "{\rtf".
bool EstRtf(std::string_view octets);

TDocumentRiche LisRtf(std::string_view octets);
