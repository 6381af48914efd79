// What lemmatise writes to the terminal: words as the pupil gave them,
// never a raw control character (an escape sequence read in a file or an
// argument would otherwise drive the terminal). Pure functions, UTF-8 in
// and out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text with each control character (C0, DEL, C1) written as "\x1b".
std::string Visible(std::string_view utf8);

// The lines of the analyses of one word given in UTF-8, as the window
// analyses it (long and short vowel marks dropped, ligatures written out);
// the form line echoes the word as it was given. Each line is Visible.
std::vector<std::string> LignesAnalyses(std::string_view motUtf8);
