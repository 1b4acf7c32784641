#include "calc/commands.hpp"
#include "view/catalogue_table.hpp"
#include "view/core_picture.hpp"
#include "view/current_lines.hpp"
#include "view/details_report.hpp"
#include "view/details_settings.hpp"
#include "view/front_texts.hpp"
#include "calc/text.hpp"
#include "view/window_description.hpp"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace coilwind {
namespace {

TEST(Filled, PutsTheValuesWhereThePatternSays) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        const char* expected;
    };
    const Case cases[] = {
        {"%1 of %2", {"a", "b"}, "a of b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"more than %1 %: %2", {"25", "4.0"}, "more than 25 %: 4.0"}, // "%" and ":" stay
        {"%3 has no value", {"a"}, "%3 has no value"},
        {"100%", {}, "100%"},
        {"%1", {"%2"}, "%2"}, // a value is not read again
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filled(c.pattern, c.values), c.expected) << c.pattern;
    }
}

TEST(CompiledCatalogue, EnglishFromTheSameFileAsTheDesktop) {
    EXPECT_TRUE(compiledCatalogue("zh").empty()); // the window's own texts need none
    EXPECT_TRUE(compiledCatalogue("fr").empty());
    const auto english = compiledCatalogue("en");
    EXPECT_EQ(lookUp(english, "Window", "计算"), "Calculate");
    EXPECT_EQ(lookUp(english, "Settings", "• 不在范围内 (refused): %1"), "• Refused: %1");
    EXPECT_EQ(lookUp(english, "Window", "no such text"), "no such text");
    EXPECT_EQ(lookUp(english, "Front", "计算"), "计算"); // the context counts
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const CatalogueEntry& entry : english) {
        EXPECT_NE(std::string_view(entry.translation), "") << entry.source;
        EXPECT_TRUE(seen.emplace(entry.context, entry.source).second) << entry.source;
    }
}

// Han characters (U+4E00 to U+9FFF: lead bytes E4 to E9) and full-width forms (U+FF00 to U+FFEF).
bool hasChinese(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if ((byte >= 0xE4 && byte <= 0xE9) || (byte == 0xEF && next >= 0xBC && next <= 0xBF)) {
            return true;
        }
    }
    return false;
}

std::string englishLookUp(const char* context, const char* source) {
    return lookUp(compiledCatalogue("en"), context, source);
}

class English : public ::testing::Test {
protected:
    void SetUp() override { useCatalogue(englishLookUp); }
    void TearDown() override { useCatalogue(nullptr); }
    void expectEnglish(std::string_view text) {
        EXPECT_FALSE(hasChinese(text)) << text;
    }
    void expectEnglish(const std::vector<DetailsLine>& lines) {
        for (const DetailsLine& line : lines) {
            expectEnglish(line.caption);
            expectEnglish(line.english);
            expectEnglish(line.value.value_or(""));
        }
    }
};

// The window, the details, the report and the messages of a drum and a rod design, each
// calculated, stopped, and changed since, hold no Chinese left untranslated.
TEST_F(English, TheWholeProgramSpeaksEnglish) {
    for (const ControlDescription& control : windowDescription()) {
        expectEnglish(captionText(control));
        expectEnglish(toolTipText(control));
    }
    for (const FrontText& text : frontTexts()) {
        expectEnglish(frontText(text.key));
        expectEnglish(frontToolTip(text.key));
    }
    for (const PictureMode mode : {PictureMode::Core, PictureMode::Inductance}) {
        for (const CoreType core : {CoreType::Drum, CoreType::Rod}) {
            expectEnglish(corePictureOf(mode, core).description);
        }
    }
    DetailsSettings settings;
    settings.current.dcCurrentA = 30; // warm enough for every warning of the current rating
    settings.current.rippleCurrentA = 20;
    settings.current.frequencyKhz = 500;
    for (const std::string_view core : {kDrumCoreText, kRodCoreText}) {
        MemoryFieldSet fields;
        CalculationRecord record;
        expectEnglish(viewDetails(fields, core, settings, record).status.outcome);
        record.note(calculate(fields, core), fields, core);
        const DetailsView calculated = viewDetails(fields, core, settings, record);
        ASSERT_TRUE(calculated.currentApplies);
        for (const DetailsView& view : {calculated}) {
            expectEnglish(view.figures);
            expectEnglish(view.shapeOpinion.lines);
            expectEnglish(view.current);
            for (const auto& text : {view.shapeOpinion.validation, view.shapeOpinion.note}) {
                expectEnglish(text.value_or(""));
            }
            expectEnglish(view.shapeOpinion.title);
            expectEnglish(view.shapeOpinion.explanation);
            for (const std::string& warning : view.currentWarnings) {
                expectEnglish(warning);
            }
        }
        fields.setText(field::kPermeability, "0"); // AL 0.0: the turns divide by zero
        fields.setText(field::kA, "8,5");          // a decimal comma: the input check's error
        record.note(calculate(fields, core), fields, core);
        fields.setText(field::kInductance, "8");
        const DetailsView view = viewDetails(fields, core, settings, record);
        EXPECT_TRUE(view.status.stopped);
        ASSERT_TRUE(view.status.changed);
        ASSERT_FALSE(view.checks.empty());
        for (const std::string& text : {view.status.outcome, *view.status.changed,
                                        composeDesignReport(fields, core, settings, record)}) {
            expectEnglish(text);
        }
        for (const CheckLine& check : view.checks) {
            expectEnglish(check.text);
        }
        expectEnglish(view.inputs);
        expectEnglish(view.figures);
        for (const auto& [measured, turns] : {std::pair{"12.5", "20"}, {"x", "20"}, {"1", "x"},
                                              {"0.001", "1000"}, {"1e308", "1e-100"}}) {
            expectEnglish(applyCalibration(fields, measured, turns).message);
        }
    }
    // A shape no core has.
    MemoryFieldSet impossible;
    impossible.setText(field::kA, "-5");
    CalculationRecord record;
    record.note(calculate(impossible, kRodCoreText), impossible, kRodCoreText);
    expectEnglish(composeDesignReport(impossible, kRodCoreText, settings, record));
    for (const NumberSetting& setting : numberSettings()) {
        expectEnglish(settingCaption(setting.text));
        expectEnglish(settingBoxToolTip(setting));
    }
    expectEnglish(settingCaption(kSeriesText));
    expectEnglish(currentExplanation());
    expectEnglish(settingRefusal(kTemperatureLimit, "-300"));
    DetailsSettings refused;
    for (const SettingRefusal& refusal :
         readNumberSettings(refused, [](std::string_view) { return std::string("x"); })) {
        expectEnglish(refusal.line);
    }
}

} // namespace
} // namespace coilwind
