// Must not compile: Windows-1252 has no Greek omega, so the literal stops
// the build, naming why (a test compiles this file and expects the name).
#include "lexical/cp1252_litteral.h"

const char* Omega = "Ω"_1252;
