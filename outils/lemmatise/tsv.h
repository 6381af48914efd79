// The tab-separated output of `lemmatise --tsv`, which scripts rely on.
// One row per reading: form as read, headword, heading, model number,
// morphology word ("0x" + upper-case hexadecimal), description. An analysis
// without readings: one row whose last three fields are empty. A word without
// analysis: the form, "?", then four empty fields. No header line. Rows are
// UTF-8 without line end. Reads the global stores (Erreur when absent).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The headword of a heading: the text before its first ", " (all of it when
// there is none). Windows-1252.
std::string VedetteDeEntree(std::string_view entree);

std::vector<std::string> LignesTsv(std::string_view formeUtf8);

class TAnalyse;
// The row of one reading of an analysis (numero -1: the analysis without
// reading).
std::string LigneTsvLecture(std::string_view formeUtf8, const TAnalyse& a, int numero);
