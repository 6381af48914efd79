#include "princ/fichiers/rtf.h"

#include <gtest/gtest.h>

namespace {

TEST(Rtf, ReconnaitLeFormat) {
  for (const char* rtf : {"{\\rtf1\\ansi x}", "\xEF\xBB\xBF  \r\n{\\rtf1}"})
    EXPECT_TRUE(EstRtf(rtf)) << rtf;
  for (const char* texte : {"Ignoranti quem portum", "{\\rt"}) EXPECT_FALSE(EstRtf(texte)) << texte;
}

TEST(Rtf, ParagraphesEtStyles) {
  const auto doc = LisRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
      "\\pard {\\b Ignoranti} quem \\i portum\\i0  petat\\par\r\n\\ul nullus\\ulnone  suus\\par}");
  ASSERT_EQ(doc.Paragraphes.size(), 2u);
  const auto& p = doc.Paragraphes[0].Segments;
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0], (TSegment{"Ignoranti", true, false, false}));
  EXPECT_EQ(p[1], (TSegment{" quem ", false, false, false}));
  EXPECT_EQ(p[2], (TSegment{"portum", false, true, false}));
  EXPECT_EQ(p[3], (TSegment{" petat", false, false, false}));
  EXPECT_EQ(doc.Paragraphes[1].Segments[0], (TSegment{"nullus", false, false, true}));
  EXPECT_EQ(doc.Texte(), "Ignoranti quem portum petat\nnullus suus");
}

TEST(Rtf, EchappementsHexaEtUnicode) {
  // \'e9 is Windows-1252 e acute; \u363 u with macron, its fallback '?' dropped;
  // \uc2 makes two fallback characters, an escape counting as one.
  const auto doc = LisRtf("{\\rtf1 S\\'e9n\\'e8que \\u363?t {\\uc2\\u257\\'3f?x} \\u-3855?}");
  EXPECT_EQ(doc.Texte(), "S\xC3\xA9n\xC3\xA8que \xC5\xABt \xC4\x81x \xEF\x83\xB1");
  EXPECT_EQ(LisRtf("{\\rtf1 \\u55357?\\u56832?}").Texte(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(LisRtf("{\\rtf1 a\\\\b\\{c\\}d\\~e\\-f}").Texte(),
            "a\\b{c}d\xC2\xA0"
            "ef");
}

TEST(Rtf, DestinationsSansTexteSautees) {
  const auto doc = LisRtf(
      "{\\rtf1{\\info{\\title Titre}{\\author Moi}}{\\stylesheet{\\s0 Normal;}}"
      "{\\*\\generator Riched20;}{\\header en-t\\'eate}{\\pict\\pngblip 89504e47}"
      "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}} texte\\bin3 }}} fin}");
  EXPECT_EQ(doc.Texte(), "lien texte fin");
}

TEST(Rtf, LignesTabulationsEtTableaux) {
  const auto doc = LisRtf("{\\rtf1 a\\line b\\tab c\\cell d\\row e\\\n f}");
  ASSERT_EQ(doc.Paragraphes.size(), 3u);
  EXPECT_EQ(doc.Paragraphes[0].Texte(), "a\nb\tc\td");
  EXPECT_EQ(doc.Paragraphes[1].Texte(), "e");
  EXPECT_EQ(doc.Paragraphes[2].Texte(), " f");
}

TEST(Rtf, EntreeAbimeeLueSansPlanter) {
  // Truncations, stray braces, overlong words and numbers, deep nesting.
  const std::pair<std::string, std::string> cas[] = {
      {"{\\rtf1 abc", "abc"},
      {"}}}{\\rtf1 abc}}}", "abc"},
      {"{\\rtf1 a\\'4", "a"},
      {"{\\rtf1 a\\", "a"},
      {"{\\rtf1 \\u99999999999999999999? b}", " b"},
      {"{\\rtf1 \\bin999999999 abc}", ""},
      {"{\\rtf1 \\" + std::string(500, 'x') + " b}", "b"}};
  for (const auto& [rtf, texte] : cas) EXPECT_EQ(LisRtf(rtf).Texte(), texte) << rtf.substr(0, 40);
  EXPECT_EQ(LisRtf("").Paragraphes.size(), 1u);
  const auto doc =
      LisRtf("{\\rtf1 " + std::string(100000, '{') + "\\b x" + std::string(100000, '}') + " y}");
  EXPECT_EQ(doc.Texte(), "x y");
  EXPECT_FALSE(doc.Paragraphes[0].Segments.back().Gras);
}

}  // namespace
