// Reading text files and the analyzer's output the same way on every
// platform, and writing the catalogue's data in its exact byte form.
#include <gtest/gtest.h>

#include "catalogue_record.h"
#include "json_writer.h"
#include "pugixml_texts.h"
#include "text_lines.h"

namespace katalog {
namespace {

using Lines = std::vector<std::string>;

TEST(DecodeTextLines, EncodingsAndLineBreaks) {
  // No byte-order mark: Windows-1252, with its five undefined bytes as controls.
  EXPECT_EQ(DecodeTextLines(std::string("Gr\xFC\xDF"
                                        "e \x80\x81\x9F")),
            (Lines{"Grüße €\xC2\x81Ÿ"}));
  // UTF-8 with its mark; a byte that is no UTF-8 becomes U+FFFD.
  EXPECT_EQ(DecodeTextLines(std::string("\xEF\xBB\xBFK\xC3\xB6ln \xC3(")),
            (Lines{"Köln \xEF\xBF\xBD("}));
  // UTF-16 both ways, a pair of surrogates, a lone one, and an odd last byte.
  EXPECT_EQ(DecodeTextLines(std::string("\xFF\xFE"
                                        "A\0\x3D\xD8\x00\xDE\x00\xD8"
                                        "B\0X",
                                        13)),
            (Lines{"A\xF0\x9F\x98\x80\xEF\xBF\xBD"
                   "B"}));
  EXPECT_EQ(DecodeTextLines(std::string("\xFE\xFF\0\xE4", 4)), (Lines{"ä"}));
  // CR LF, LF and CR each end a line; a break at the very end adds none.
  EXPECT_EQ(DecodeTextLines(std::string("a\r\nb\nc\rd\r\r\n\ne\r\n")),
            (Lines{"a", "b", "c", "d", "", "", "e"}));
  EXPECT_EQ(DecodeTextLines(std::string("\xFF\xFE\r\0\n\0x\0", 8)), (Lines{"", "x"}));
  EXPECT_EQ(DecodeTextLines(std::string()), Lines{});
}

TEST(ValidUtf8, RefusesWhatNoEncoderWrites) {
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"})
    EXPECT_EQ(ValidUtf8Length(bad, 0), 0u) << bad;
  EXPECT_EQ(ValidUtf8("a\xC3"), "a\xEF\xBF\xBD");
  EXPECT_EQ(ValidUtf8("\xF4\x8F\xBF\xBF"), "\xF4\x8F\xBF\xBF");  // U+10FFFF
}

std::string Json(const std::string& text) {
  std::string out;
  AppendJsonString(out, text);
  return out;
}

TEST(JsonString, EscapesWhatCouldEndTheScriptOrTheString) {
  EXPECT_EQ(Json("\"\\/\b\f\n\r\t\x01\x1f\x7f"), "\"\\\"\\\\/\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\"");
  EXPECT_EQ(Json("</script> & \xE2\x80\xA8\xE2\x80\xA9"),
            "\"\\u003c/script\\u003e \\u0026 \\u2028\\u2029\"");
  EXPECT_EQ(Json(std::string("ä\0€\xF0\x9F\x98\x80", 10)), "\"ä\\u0000€\xF0\x9F\x98\x80\"");
  EXPECT_EQ(Json("\xE2\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

TEST(JsonString, DescriptionSkipsBlankLinesAndTheTitle) {
  EXPECT_EQ(Description(" \t\r\n\r\n  Rom am Tiber \r\nzweite", "Rom"), "Rom am Tiber");
  EXPECT_EQ(Description("Rom\r\n  Rom \r\n\r\nAm Tiber", "Rom"), "Am Tiber");
  EXPECT_EQ(Description("Rom\r\nAm Tiber", "Rom 2"), "Am Tiber");
  EXPECT_EQ(Description("Rom\r\nAm Tiber", "Roma"), "Rom");
  EXPECT_EQ(Description("\r \n\x01", "Rom"), "");
  EXPECT_EQ(Description("eine\rzwei", ""), "eine");
}

WindowTexts Window() {
  WindowTexts window;
  window.labels = {{"MapSizeInfo", std::nullopt, "grosse Karte", std::nullopt},
                   {"ZielInfo", std::nullopt, "Spielziele", lister::Rgb{128, 0, 0}},
                   {"CultureInfo", std::string("Kultur"), "10", std::nullopt}};
  window.mapSide = 384;
  window.invasionCount = 3;
  window.cities = {
      {"Rom", false, {}, {}, {}},
      {"Ostia", true, {}, {{"Wein", "5 ", "WINE"}, {"Getreide", "8 ", {}}}, {}},
      {"Carthago", false, {}, {}, {}},
      {"Gades", true, {}, {{"Wein", "1 ", "WINE"}}, {{"Wolle", "2 ", {}}}},
  };
  window.invasions = {{"", false, {}}, {"Invasion 1", true, lister::Rgb{128, 0, 0}}};
  window.story = "Rom\r\nDie Stadt am Tiber";
  return window;
}

TEST(ScenarioJson, FactsAndLabelsAsTheWindowHasThem) {
  ScenarioEntry entry{"Rom", "Rom.scn", "k", {}, PictureFile{"karten/k-klein.png", 256, 128},
                      {},    Window()};
  const std::string json = ScenarioJson(entry);
  EXPECT_EQ(
      json.rfind("{\"id\":\"Rom\",\"file\":\"Rom.scn\",\"key\":\"k\",\"damage\":null,"
                 "\"thumbnail\":{\"path\":\"karten/k-klein.png\",\"width\":256,\"height\":128},"
                 "\"picture\":null,\"mapSide\":384,\"invasionCount\":3,"
                 "\"militaryRequestCount\":0,\"cityCount\":4,\"tradeCityCount\":2,"
                 "\"goodsSold\":[\"Wein\",\"Getreide\"],\"goodsBought\":[\"Wolle\"],"
                 "\"requestCount\":0,\"description\":\"Die Stadt am Tiber\",",
                 0),
      0u)
      << json;
  for (const char* field :
       {"\"labels\":[{\"name\":\"MapSizeInfo\",\"caption\":null,\"text\":\"grosse Karte\"},"
        "{\"name\":\"ZielInfo\",\"caption\":null,\"text\":\"Spielziele\",\"color\":\"#800000\"},"
        "{\"name\":\"CultureInfo\",\"caption\":\"Kultur\",\"text\":\"10\"}]",
        "{\"name\":\"Rom\",\"trades\":false,\"labels\":[],\"sells\":[],\"buys\":[]}",
        "{\"name\":\"Getreide\",\"count\":\"8 \",\"picture\":null}",
        "\"invasions\":[{\"text\":\"\",\"heading\":false,\"color\":null},{\"text\":\"Invasion "
        "1\",\"heading\":true,\"color\":\"#800000\"}]"})
    EXPECT_NE(json.find(field), std::string::npos) << field;
}

TEST(ScenarioJson, DamagedScenarioHasNoWindowFields) {
  ScenarioEntry entry{"X", "X.scn", "k", Damage{"Dateifehler", "kaputt"}, {}, {}, {}};
  const std::string json = ScenarioJson(entry);
  EXPECT_NE(json.find("\"damage\":{\"title\":\"Dateifehler\",\"text\":\"kaputt\"},\"thumbnail\":"
                      "null,\"picture\":null,\"mapSide\":null,\"invasionCount\":null,"),
            std::string::npos);
  EXPECT_NE(json.find("\"militaryRequests\":null,\"story\":null}"), std::string::npos);
  EXPECT_EQ(CatalogueJson({{"TabZiele", "Ziele"}}, {json, json}),
            "{\"format\":\"szenarienkatalog\",\"version\":2,\"captions\":{\"TabZiele\":"
            "\"Ziele\"},\"scenarios\":[" +
                json + "," + json + "]}");
}

// A document type declaration is refused, as the platform's XML parser
// refuses it for the window: its entities never reach a text.
TEST(PugixmlTexts, ReadsAsTheWindowsXmlDocumentDoes) {
  PugixmlTexts texts([](const std::string&, std::string&) { return false; });
  ASSERT_TRUE(texts.LoadBytes("<?xml version=\"1.0\"?><S><String id=\"A\"> x </String></S>"));
  EXPECT_EQ(texts.Lookup("A"), " x ");
  EXPECT_FALSE(
      texts.LoadBytes("<?xml version=\"1.0\"?><!DOCTYPE S [<!ENTITY e \"Lol\">]>"
                      "<S><String id=\"A\">&e;</String></S>"));
  EXPECT_EQ(texts.Lookup("A"), "");
  EXPECT_FALSE(texts.Load("egal.xml"));
}

// The record reads back what it wrote, and refuses any path a catalogue does
// not write, so that a changed record cannot make a run remove other files.
TEST(CatalogueRecord, ReadsWhatItWroteAndNoPathOutside) {
  CatalogueRecord record;
  record.program = "p";
  record.folders = {"karten", "bilder", "bilder/waren"};
  record.files = {"index.html", "karten/0123-klein.png", "bilder/waren/GRAIN.png"};
  record.scenarios = {{"Rom.scn", std::string(32, 'a'), {"-", "?", "p1:2"}}};
  const std::string text = RecordJson(record);
  CatalogueRecord read;
  ASSERT_TRUE(ParseRecord(text, read));
  EXPECT_EQ(RecordJson(read), text);
  for (const char* path : {"../x", "karten/../../x", "/etc/passwd", "karten/.versteckt", "Briefe/a",
                           "karten/a/b", "karten\\..\\x", "katalog-inhalt.json", "karten/"}) {
    std::string changed = text;
    changed.replace(changed.find("index.html"), 10, path);
    EXPECT_FALSE(ParseRecord(changed, read)) << path;
  }
  std::string folder = text;
  folder.replace(folder.find("\"karten\""), 8, "\"..\"");
  EXPECT_FALSE(ParseRecord(folder, read));
  for (const char* broken :
       {"", "{}", "[", "{\"format\":\"szenarienkatalog-inhalt\",\"version\":2}"})
    EXPECT_FALSE(ParseRecord(broken, read)) << broken;
}

}  // namespace
}  // namespace katalog
