// The one way the program finds its own folder, where quirandole.lex and the
// configuration file stand beside the executable: the file the system says
// is running (/proc/self/exe, links followed). Never throws.
#pragma once

#include <string>
#include <string_view>

// The full path of the running executable, or empty when the system does
// not say.
std::string CheminProgramme();

// The folder of an executable's path, ending with '/'; empty for a bare
// file name (the current folder).
std::string DossierDuProgramme(std::string_view cheminProgramme);

// The folder of the running executable, ending with '/'; the current
// folder when the system does not say.
std::string DossierProgramme();
