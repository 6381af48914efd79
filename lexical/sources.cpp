#include "sources.h"

TStoresSources LisSources(const std::string&) { return {}; }
void EcrisSources(const TLexique&, const TListeDes&, const TListeIrreg&, const std::string&) {}
std::uint32_t LisTraits(std::string_view) { return 0; }
std::string TexteTraits(std::uint32_t) { return "-"; }
