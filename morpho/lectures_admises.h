// What an entry's stems may take of the endings of its model. The endings
// table is shared by every word of a model, but Latin is not that regular:
// the contracted perfects (amasti, audisse, dixti) exist only on some perfect
// stems, an intransitive verb has no personal passive, a semi-deponent
// (audeo, ausus sum) has an active perfect participle, a pronominal
// adjective has no comparative. The analysis and the inflection tables ask
// the same question here, so a table never shows a form the analysis would
// refuse, nor the reverse. The entry's dictionary information (the text of
// its meaning before " : ") carries the marks a dictionary prints: "intr."
// (only the impersonal passive: itur, itum est), "sans passif", "sans
// impératif", "sans degrés" (Windows-1252), "impers." (third persons only),
// and a perfect cited as "ausus sum". Pure functions; nothing fails.
#pragma once

#include <optional>
#include <string_view>

#include "lexical/lecture.h"
#include "lexical/lexique.h"

// The reading `d` of the ending `terminaison` on the stem `radical` of the
// entry `e`, as the entry gives it (the voice of a semi-deponent's
// participle made active, an intransitive's impersonal passive narrowed to
// the neuter singular), or nothing when the entry has no such form.
std::optional<Morpho> LectureAdmise(const TDonneesLexicales& e, std::string_view radical,
                                    std::string_view terminaison, const TLecture& d);

// How a verb entry builds its perfect with sum: not at all (no supine stem,
// sum, no passive), in the impersonal passive only (itum est), in the
// passive (amatus sum) or in the active (imitatus sum, ausus sum).
enum class ParfaitCompose { Aucun, Impersonnel, Passif, Actif };
ParfaitCompose ParfaitComposeDe(const TDonneesLexicales& e);

// Whether a verb entry is a semi-deponent: no perfect stem of its own, its
// perfect cited with sum ("ausus sum").
bool SemiDeponent(const TDonneesLexicales& e);
