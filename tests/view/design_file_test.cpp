#include "view/design_file.hpp"
#include "view/recent_designs.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwind {
namespace {

using namespace std::string_literals;

Design designWith(FieldIndex index, std::string text) {
    Design design = startupDesign();
    design.field(index) = std::move(text);
    return design;
}

// Texts a user can type or a step writes, each through a file and a link and back, byte for byte.
class DesignRoundTrip : public testing::TestWithParam<Design> {};

TEST_P(DesignRoundTrip, FileAndLinkGiveTheSameDesign) {
    const Design& design = GetParam();
    const std::string file = writeDesign(design);
    const DesignReading fromFile = readDesign(file);
    ASSERT_TRUE(fromFile.design) << fromFile.badKey << ": " << fromFile.problem;
    EXPECT_EQ(*fromFile.design, design);
    EXPECT_TRUE(fromFile.notes.empty());
    const DesignReading fromLink = readDesignFragment("#" + designFragment(design));
    ASSERT_TRUE(fromLink.design) << fromLink.problem;
    EXPECT_EQ(*fromLink.design, design);
    // The link's part after '#' needs no escaping in an address.
    EXPECT_EQ(designFragment(design).find_first_not_of(
                  "design=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
              std::string::npos);
}

Design everyTextChanged() {
    Design design;
    for (std::size_t slot = 0; slot < design.fields.size(); ++slot) {
        design.fields[slot] = "text " + std::to_string(slot);
    }
    design.coreType = "R CORE";
    design.pictureMode = PictureMode::Inductance;
    design.settings = startupDesign().settings;
    for (const auto& [key, text] : {std::pair{"series", "awg-heavy"},
                                    {"temperature", "-300"},
                                    {"alTolerance", "abc"},
                                    {"saturationFlux", ""},
                                    {"dcCurrent", "1.5"},
                                    {"enamelClass", "x"}}) {
        design.settings.at(key) = text;
    }
    return design;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DesignRoundTrip,
    testing::Values(startupDesign(), designWith(field::kCopperWeight, "0.761\n\r"),
                    designWith(field::kCoreModel, "工字 KQ8*10 \"x\" \\ / é 😀"),
                    designWith(field::kMaker, "\\"), designWith(field::kC, "a\0b\x01\x1f\x7f\t"s),
                    designWith(field::kE, "\u2028\u2029 </script>"),
                    designWith(field::kPinLength, ""),
                    designWith(field::kAl, std::string(100000, '9')), everyTextChanged()));

TEST(DesignFile, WritesOneReadableMemberPerLineInIndexOrder) {
    const std::string file = writeDesign(designWith(field::kCopperWeight, "0.761\n\r"));
    EXPECT_TRUE(file.starts_with("{\n  \"format\": \"coilwind-design\",\n  \"version\": 1,\n"));
    EXPECT_NE(file.find("\n    \"24\": \"0.761\\n\\r\"\n  },"), std::string::npos) << file;
    EXPECT_LT(file.find("\"9\""), file.find("\"17\""));
}

TEST(DesignFile, BytesThatAreNoUtf8BecomeReplacementCharactersAndAreCounted) {
    std::size_t replaced = 0;
    const std::string file =
        writeDesign(designWith(field::kCoreModel, "a\xff\xc3z\xed\xa0\x80"), &replaced);
    EXPECT_EQ(replaced, 5U);
    const DesignReading reading = readDesign(file);
    ASSERT_TRUE(reading.design);
    EXPECT_EQ(reading.design->field(field::kCoreModel), "a\uFFFD\uFFFDz\uFFFD\uFFFD\uFFFD");
}

struct BadFile {
    const char* name;
    std::string text;
    const char* badKey;
    const char* problem; // a part of the reason
};

std::string startupFile() {
    return writeDesign(startupDesign());
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class BadDesignFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadDesignFile, IsRefusedNamingTheFirstBadKey) {
    const DesignReading reading = readDesign(GetParam().text);
    EXPECT_FALSE(reading.design);
    EXPECT_EQ(reading.badKey, GetParam().badKey);
    EXPECT_NE(reading.problem.find(GetParam().problem), std::string::npos) << reading.problem;
    const std::string message = openRefusalText("x.coilwind", reading);
    EXPECT_NE(message.find("x.coilwind"), std::string::npos);
    EXPECT_NE(message.find(GetParam().badKey), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDesignFile,
    testing::Values(
        BadFile{"Empty", "", "(file)", "not JSON: line 1, column 1"},
        BadFile{"NotJson", "KQ8*10;8;3.5", "(file)", "not JSON"},
        BadFile{"CutShort", startupFile().substr(0, 120), "(file)", "not JSON"},
        BadFile{"TrailingText", startupFile() + "x", "(file)", "more after the end"},
        BadFile{"ByteOrderMark", "\xEF\xBB\xBF" + startupFile(), "(file)", "not JSON"},
        BadFile{"NotUtf8", replaced(startupFile(), "KQ8", "K\xC0\xAF"), "(file)", "not UTF-8"},
        BadFile{"LoneSurrogate", replaced(startupFile(), "KQ8", "\\ud800"), "(file)",
                "first half of a surrogate pair alone"},
        BadFile{"RawControl", replaced(startupFile(), "KQ8", "\t"), "(file)", "control character"},
        BadFile{"TooDeep", std::string(40, '[') + std::string(40, ']'), "(file)", "nested more"},
        BadFile{"Huge", std::string(kDesignFileLimit + 1, ' '), "(file)", "larger than 1024 KiB"},
        BadFile{"AList", "[]", "(file)", "expected an object, found a list"},
        BadFile{"OtherJson", "{\"name\": 1}", "format", "not a coilwind design file"},
        BadFile{"OtherFormat", replaced(startupFile(), "coilwind-design", "coilwind-recent"),
                "format", "expected \"coilwind-design\""},
        BadFile{"VersionAsText", replaced(startupFile(), "\"version\": 1", "\"version\": \"1\""),
                "version", "found a text"},
        BadFile{"VersionZero", replaced(startupFile(), "\"version\": 1", "\"version\": 0"),
                "version", "whole number"},
        BadFile{"VersionFraction", replaced(startupFile(), "\"version\": 1", "\"version\": 1.5"),
                "version", "whole number"},
        BadFile{"FieldAsNumber", replaced(startupFile(), "\"19\": \"4.7\"", "\"19\": 4.7"),
                "fields.19", "expected a text, found a number"},
        BadFile{"FieldMissing", replaced(startupFile(), "\"17\": \"500\",", ""), "fields.17",
                "missing"},
        BadFile{"FieldTwice",
                replaced(startupFile(), "\"17\": \"500\",", "\"17\": \"5\",\"17\": \"6\","),
                "fields.17", "twice"},
        BadFile{"NoSuchField",
                replaced(startupFile(), "\"17\": \"500\",", "\"17\": \"500\",\"22\": \"\","),
                "fields.22", "not a key"},
        BadFile{"UnknownKey",
                replaced(startupFile(), "\"coreType\"", "\"colour\": 1, \"coreType\""), "colour",
                "not a key"},
        BadFile{"CoreTypeMissing", replaced(startupFile(), "\"coreType\": \"KQ CORE\",", ""),
                "coreType", "missing"},
        BadFile{"PictureMode", replaced(startupFile(), "\"core\"", "\"CORE\""), "pictureMode",
                "expected \"core\" or \"inductance\""},
        BadFile{"Series", replaced(startupFile(), "iec-grade1", "iec-grade3"), "settings.series",
                "iec-grade1, iec-grade2, awg-heavy"},
        BadFile{"SettingAsNumber", replaced(startupFile(), "\"100\"", "100"),
                "settings.temperature", "expected a text"}),
    [](const testing::TestParamInfo<BadFile>& param) { return std::string(param.param.name); });

TEST(DesignFile, NewerVersionOpensWhatItCanWithANote) {
    std::string file = replaced(startupFile(), "\"version\": 1", "\"version\": 7");
    file = replaced(file, "\"coreType\"", "\"winding\": {\"layers\": 3}, \"coreType\"");
    file = replaced(file, "\"17\": \"500\",", "\"17\": \"600\", \"26\": \"x\",");
    file = replaced(file, "\"iec-grade1\"", "\"litz-12\"");
    const DesignReading reading = readDesign(file);
    ASSERT_TRUE(reading.design) << reading.problem;
    EXPECT_EQ(reading.design->field(field::kPermeability), "600");
    EXPECT_EQ(reading.design->settings.at("series"), startupDesign().settings.at("series"));
    ASSERT_EQ(reading.notes.size(), 2U);
    EXPECT_NE(reading.notes[0].find("format version 7"), std::string::npos);
    EXPECT_EQ(reading.notes[1],
              "left out, unknown to this version: fields.26 winding settings.series");
    // Still refused where the keys this version knows are not sound.
    EXPECT_FALSE(readDesign(replaced(file, "\"19\": \"4.7\"", "\"19\": null")).design);
}

TEST(DesignFile, SettingsOpenWithTheirStartupTextWhenMissingAndUnknownOnesAreNoted) {
    std::string file = replaced(startupFile(), "\"temperature\": \"100\"", "\"fanSpeed\": \"20\"");
    file = replaced(file, "\"alTolerance\": \"25\"", "\"alTolerance\": \"10\"");
    const DesignReading reading = readDesign(file);
    ASSERT_TRUE(reading.design) << reading.problem;
    EXPECT_EQ(reading.design->settings.at("temperature"), "100");
    EXPECT_EQ(reading.design->settings.at("alTolerance"), "10");
    EXPECT_EQ(reading.notes,
              std::vector<std::string>{"left out, unknown to this version: settings.fanSpeed"});
    EXPECT_NE(openNotesText("a.coilwind", reading).find("settings.fanSpeed"), std::string::npos);
}

TEST(DesignFile, DamagedLinksAreRefusedWithTheirReason) {
    const std::string fragment = designFragment(startupDesign());
    for (const std::string& bad :
         {std::string("#"), std::string("#top"), fragment + "*",
          fragment.substr(0, fragment.size() - 1), fragment.substr(0, fragment.size() / 2)}) {
        const DesignReading reading = readDesignFragment(bad);
        EXPECT_FALSE(reading.design) << bad;
        EXPECT_FALSE(linkRefusalText(reading).empty());
    }
}

TEST(DesignFile, SuggestedNamesAreSafeForEveryFileSystem) {
    EXPECT_EQ(suggestedFileName(startupDesign()), "KQ8_10.coilwind");
    EXPECT_EQ(suggestedFileName(designWith(field::kCoreModel, "a/b\\c:d\n. ")),
              "a_b_c_d_.coilwind");
    EXPECT_EQ(suggestedFileName(designWith(field::kCoreModel, "..")), "design.coilwind");
    EXPECT_TRUE(saveRefusalText("a", std::string(kDesignFileLimit + 1, 'x')));
    EXPECT_FALSE(saveRefusalText("a", startupFile()));
}

RecentDesign recent(int n) {
    return {"2026-12-07 10:" + std::to_string(n),
            designWith(field::kCoreModel, "core " + std::to_string(n))};
}

TEST(RecentDesigns, KeepTheNewestTwentyWithoutRepeats) {
    std::vector<RecentDesign> list;
    for (int n = 0; n < 25; ++n) {
        noteRecent(list, recent(n));
    }
    ASSERT_EQ(list.size(), kRecentLimit);
    EXPECT_EQ(list.front(), recent(24));
    EXPECT_EQ(list.back(), recent(5));
    noteRecent(list, {"later", recent(10).design}); // calculated again: moves up
    EXPECT_EQ(list.size(), kRecentLimit);
    EXPECT_EQ(list.front().time, "later");
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const RecentDesign& e) { return e.design == recent(10).design; }),
              1);
}

TEST(RecentDesigns, ReadBackAsWrittenAndForgetAll) {
    std::vector<RecentDesign> list;
    noteRecent(list, recent(1));
    noteRecent(list, {"t", designWith(field::kCopperWeight, "0.1\n\r")});
    EXPECT_EQ(readRecent(writeRecent(list)), list);
    EXPECT_TRUE(readRecent(writeRecent({})).empty());
    EXPECT_TRUE(readRecent("not json").empty());
    // An entry that cannot be read is left out; the others stay.
    const std::string damaged = replaced(writeRecent(list), "\"coreType\"", "\"coreType\":1,\"x\"");
    EXPECT_EQ(readRecent(damaged).size(), 1U);
    EXPECT_EQ(recentLabel({"t", designWith(field::kTurns, "12.0\n")}),
              "t  KQ8*10 · KQ CORE · L 4.7 uH · N 12.0 · d  mm");
}

} // namespace
} // namespace coilwind
