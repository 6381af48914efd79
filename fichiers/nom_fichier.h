// NomDeFichier: a pupil's name as typed, made into something that can stand
// inside a file name, so that the notes file always lies in the notes folder
// whatever the pupil types. Works on UTF-8; never throws.
#pragma once

#include <string>
#include <string_view>

// Path separators, "..", control characters and the characters that some
// file systems refuse (: * ? " < > |) each become "-"; leading dots are
// removed (no hidden file); the result is cut to a length every file system
// takes, between two characters. An empty name stays empty.
std::string NomDeFichier(std::string_view nom);
