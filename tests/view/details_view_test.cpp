#include "calc/commands.hpp"
#include "tests/calc/field_texts.hpp"
#include "view/details_report.hpp"
#include "view/winding_section.hpp"

#include <algorithm>
#include <gtest/gtest.h>

namespace coilwind {
namespace {

std::optional<std::string> figure(const DetailsView& view, std::string_view key) {
    for (const DetailsLine& line : view.figures) {
        if (line.key == key) {
            return line.value;
        }
    }
    ADD_FAILURE() << "no line " << key;
    return std::nullopt;
}

TEST(DetailsView, StartUpDrumDesignAndAMissingFigure) {
    MemoryFieldSet fields;
    // Before any calculation field 20 and 21 are empty: no whole turns, no wire, never a number.
    const DetailsView empty = viewDetails(fields, "KQ CORE", {});
    EXPECT_EQ(figure(empty, "whole-turns"), std::nullopt);
    EXPECT_EQ(figure(empty, "length"), std::nullopt);
    EXPECT_EQ(figure(empty, "series-end"), std::nullopt);
    EXPECT_FALSE(empty.details.reasons.empty());

    ASSERT_TRUE(calculate(fields, "KQ CORE").summary); // 10.6 turns, 0.761 mm
    const DetailsView view = viewDetails(fields, "KQ CORE", {});
    EXPECT_EQ(view.figures.size(), empty.figures.size()); // always the same lines
    // Nw = ceil(10.6) = 11; grade 1 0.630 mm (od 0.679 <= 0.761 < 0.762 of 0.710 mm);
    // floor(6.3 / 0.679) = 9 per layer, 2 layers, build 1.358 within (8 - 3.5) / 2 = 2.25.
    EXPECT_EQ(figure(view, "whole-turns"), "11");
    EXPECT_EQ(figure(view, "standard-wire"), "0.630 mm");
    EXPECT_EQ(figure(view, "series-end"), "否 (no)");
    EXPECT_EQ(figure(view, "wire-diameters"), "0.630 / 0.679");
    EXPECT_EQ(figure(view, "per-layer"), "9");
    EXPECT_EQ(figure(view, "layers"), "2");
    EXPECT_EQ(figure(view, "build"), "1.358");
    EXPECT_EQ(figure(view, "depth"), "2.250");
    EXPECT_EQ(figure(view, "fits"), "是 (yes)");
    // L = 41.7 x 11^2 / 1000 = 5.0457 uH, range x 0.75 and x 1.25.
    EXPECT_EQ(figure(view, "l-whole"), "5.046");
    EXPECT_EQ(figure(view, "l-range"), "3.784 – 6.307");
}

// The start-up drum at 1 A, 0.3 A p-p, 500 kHz: the rating's lines are the same with and
// without a current; only a current fills them, gives warnings and adds them to the report.
TEST(DetailsView, CurrentRatingOnlyWithACurrent) {
    MemoryFieldSet fields;
    ASSERT_TRUE(calculate(fields, "KQ CORE").summary);
    const DetailsView none = viewDetails(fields, "KQ CORE", {});
    EXPECT_FALSE(none.currentApplies);
    EXPECT_TRUE(none.currentWarnings.empty());
    EXPECT_TRUE(std::none_of(none.current.begin(), none.current.end(),
                             [](const DetailsLine& line) { return line.value.has_value(); }));
    EXPECT_EQ(composeDesignReport(fields, "KQ CORE", {}).find("Current rating"),
              std::string::npos);

    DetailsSettings settings;
    settings.current = {1.0, 0.3, 500, 25, 155};
    const DetailsView view = viewDetails(fields, "KQ CORE", settings);
    EXPECT_TRUE(view.currentApplies);
    ASSERT_EQ(view.current.size(), none.current.size());
    EXPECT_TRUE(std::all_of(view.current.begin(), view.current.end(),
                            [](const DetailsLine& line) { return line.value.has_value(); }));
    ASSERT_EQ(view.currentWarnings.size(), 1U);
    EXPECT_NE(view.currentWarnings[0].find("13 strands of 0.180 mm"), std::string::npos);
    const std::string report = composeDesignReport(fields, "KQ CORE", settings);
    EXPECT_NE(report.find("DC 1 A, ripple 0.3 A p-p at 500 kHz, ambient 25 °C, enamel class 155 "
                          "°C"),
              std::string::npos);
    EXPECT_NE(report.find("集肤深度 (mm): 0.095"), std::string::npos);
}

// A field 21 beyond the thickest size (5.000 mm, 5.093 overall) says so beside the pick.
TEST(DetailsView, TheSeriesEndsBelowField21) {
    const DetailsView view = viewDetails(fieldsWith(overlaid(kDrumResults, {{21, "6"}})), "", {});
    EXPECT_EQ(figure(view, "standard-wire"), "5.000 mm");
    EXPECT_EQ(figure(view, "series-end"),
              "是 (yes): largest size of the series; field 21 allows 6.000 mm");
}

// The second opinion from the core's shape, for both core types: the start-up disc lies outside
// the rod model, a 5 x 20 mm rod agrees with the quick formula at µ 125 and not at µ 400; the
// start-up drum's AL levels off as µ grows while the quick formula's grows with µ. The lines are
// the same for every design.
TEST(DetailsView, ShapeOpinionBesideTheQuickFormula) {
    struct Case {
        std::string a, b, mu, core;
        std::optional<std::string> al, turns;
        std::string note; // a word of the note; empty: no note
        bool warns;
    };
    const std::vector<Case> cases{
        {"8", "3.5", "500", "R CORE", std::nullopt, std::nullopt, "from 2 to 10; this core: 0.438",
         false},
        {"5", "20", "125", "R CORE", "14.9 (−6\u00a0%…+5\u00a0%)", "17.8 (17.2 – 18.2)", "", false},
        {"5", "20", "400", "R CORE", "15.9 (−6\u00a0%…+5\u00a0%)", "17.2 (16.7 – 17.6)",
         "3.1 times the rod model's", true},
        {"8", "3.5", "125", "KQ CORE", "27.3 (−3\u00a0%…+3\u00a0%)", "13.1 (12.9 – 13.3)",
         "drum model's AL is 2.6 times", true},
        {"8", "3.5", "500", "KQ CORE", "31.3 (−3\u00a0%…+3\u00a0%)", "12.3 (12.1 – 12.4)",
         "1.3 times the drum model's", true},
        {"8", "3.5", "2000", "KQ CORE", "32.5 (−3\u00a0%…+3\u00a0%)", "12.0 (11.8 – 12.2)",
         "5.1 times the drum model's", true},
        {"8", "3.5", "3000", "KQ CORE", std::nullopt, std::nullopt,
         "µ from 125 to 2000; this core: 3000", false},
    };
    for (const Case& c : cases) {
        MemoryFieldSet fields;
        fields.setText(field::kA, c.a);
        fields.setText(field::kB, c.b);
        fields.setText(field::kPermeability, c.mu);
        calculate(fields, c.core);
        const DetailsView view = viewDetails(fields, c.core, {});
        const ShapeOpinionView& shape = view.shapeOpinion;
        const auto line = [&](std::string_view key) {
            const auto found = std::find_if(shape.lines.begin(), shape.lines.end(),
                                            [&](const DetailsLine& l) { return l.key == key; });
            return found == shape.lines.end() ? std::optional<std::string>("missing")
                                              : found->value;
        };
        const std::string what = c.a + "x" + c.b + " mu " + c.mu + " " + c.core;
        EXPECT_EQ(line("shape-al"), c.al) << what;
        EXPECT_EQ(line("shape-turns"), c.turns) << what;
        EXPECT_EQ(shape.warns, c.warns) << what;
        EXPECT_EQ(shape.usableAsAl, c.al.has_value()) << what;
        EXPECT_EQ(shape.note.has_value(), !c.note.empty()) << what;
        if (shape.note) {
            EXPECT_NE(shape.note->find(c.note), std::string::npos) << *shape.note;
        }
        const std::string report = composeDesignReport(fields, c.core, {});
        EXPECT_NE(report.find(std::string(shape.title)), std::string::npos) << what;
    }
}

// The shape's AL goes into field 18 as the calibration's does, one decimal; no AL, no write.
TEST(DetailsView, ShapeAlUsedAsAl) {
    MemoryFieldSet fields;
    calculate(fields, "KQ CORE");
    EXPECT_EQ(fields.text(field::kAl), "41.7");
    const CalibrationOutcome written = applyShapeAl(fields, "KQ CORE", {});
    EXPECT_TRUE(written.written) << written.message;
    EXPECT_EQ(fields.text(field::kAl), "31.3");
    EXPECT_NE(written.message.find("31.3"), std::string::npos);

    MemoryFieldSet disc;
    calculate(disc, "R CORE");
    const CalibrationOutcome refused = applyShapeAl(disc, "R CORE", {});
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(disc.text(field::kAl), "902.2");
}

TEST(DetailsView, FigureTextKeepsHugeValuesShort) {
    EXPECT_EQ(figureText(1.23456, Pattern::ThreeDecimals), "1.235");
    EXPECT_EQ(figureText(2e300, Pattern::ThreeDecimals), "2e+300");
    EXPECT_EQ(figureText(std::numeric_limits<double>::infinity(), Pattern::OneDecimal),
              std::nullopt);
}

TEST(DesignReport, FieldsAsShownResultsAndDetails) {
    MemoryFieldSet fields;
    ASSERT_TRUE(calculate(fields, "KQ CORE").summary);
    const std::string report = composeDesignReport(fields, "KQ CORE", {});
    for (const char* expected :
         {"core type: KQ CORE\n", "core model (field 0): KQ8*10\n", "maker (field 9): \\\n",
          "AL, nH/N2 (field 18): 41.7\n", "copper weight, g (field 24): 0.779\n",
          "IEC 60317-0-1 grade 1; 100 °C; Bs 300 mT; AL tolerance ±25 %", "整数圈数: 11   [",
          "标准线规: 0.630 mm"}) {
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
    }
}

// L = 1e308: the turns overflow; a temperature the window refused stands as a NaN.
TEST(DesignReport, TheLastCalculationsStopAndARefusedSetting) {
    MemoryFieldSet fields;
    CalculationRecord record;
    record.note(calculate(fields, "KQ CORE"), fields, "KQ CORE");
    fields.setText(field::kInductance, "1e308");
    record.note(calculate(fields, "KQ CORE"), fields, "KQ CORE");
    const std::string report = composeDesignReport(
        fields, "KQ CORE", {.temperatureC = std::numeric_limits<double>::quiet_NaN()}, record);
    for (const char* expected :
         {"Last calculation\n  计算中止 at turns: ", "wanted inductance, uH (field 19): 1e308\n",
          "turns (field 20): 10.6   [results of an earlier design]\n",
          "temperature refused (from -55 to 250 °C)", "整数圈数: —", "电感量 (uH): 1e+308"}) {
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
    }
    EXPECT_EQ(report.find("nan"), std::string::npos);
}

TEST(Calibration, WritesFieldEighteenOrSaysWhy) {
    struct Case {
        const char* measured;
        const char* turns;
        std::string field18; // "" = unchanged
        const char* message;
    };
    const Case cases[] = {
        {"5", "10", "50.0", "已写入"},      // 1000 x 5 / 10^2
        {" 12.5 ", "20", "31.3", "已写入"}, // 31.25 rounds away from zero
        {"abc", "10", "", "measured L"},
        {"5uH", "10", "", "measured L"},
        {"-5", "10", "", "measured L"},
        {"5", "0", "", "turns"},
        {"5", "", "", "turns"},
        {"0.001", "1000", "", "0.0"}, // AL 1e-6 would show as 0.0
        {"1e308", "1e-100", "", "beyond the range"},
    };
    for (const Case& c : cases) {
        MemoryFieldSet fields;
        const CalibrationOutcome outcome = applyCalibration(fields, c.measured, c.turns);
        EXPECT_EQ(outcome.written, !c.field18.empty()) << c.measured << " " << c.turns;
        EXPECT_EQ(fields.text(field::kAl), c.field18) << c.measured << " " << c.turns;
        EXPECT_NE(outcome.message.find(c.message), std::string::npos) << outcome.message;
    }
}

// Six pixels per character, lines ten pixels high.
SectionArea area(double width, double height) {
    return {width, height, 10, [](std::string_view text) { return 6.0 * double(text.size()); }};
}

WindingDetails wound(long long turns, double od, LayerPlan plan) {
    WindingDetails details;
    details.wholeTurns = turns;
    details.standard = WoundWire{WireSize{"test", od - 0.04, od}, plan};
    return details;
}

bool inside(const SectionBox& box, double width, double height) {
    return box.left >= 0 && box.top >= 0 && box.left + box.width <= width &&
           box.top + box.height <= height;
}

TEST(WindingSection, DrumWithOverfill) {
    // A = 8, B = 3.5: depth 2.25. F = 1.2 with od 0.544: 2 per layer, 11 turns in 6 layers;
    // layers 5 and 6 (4 x 0.544 = 2.176 <= 2.25 < 2.72) lie beyond the depth: 2 + 1 turns.
    const DesignInputs design{CoreType::Drum, 8, 3.5, 1.2, 41.7, 4.7, 10.6, 0.761};
    const auto section =
        layoutSection(design, wound(11, 0.544, {2, 6, 3.264, false}), area(400, 300));
    ASSERT_TRUE(section && section->space);
    // Left margin: "(A-B)/2 2.250 mm" (96 px) + 18; width room 400 - 114 - 6 - 16 = 264 px for
    // 1.2 mm, height room 300 - 22 - 6 = 272 px for B/2 + build = 5.014 mm: the height decides.
    EXPECT_DOUBLE_EQ(section->pixelsPerMm, 272 / 5.014);
    ASSERT_EQ(section->turns.size(), 11U);
    EXPECT_EQ(std::count_if(section->turns.begin(), section->turns.end(),
                            [](const SectionTurn& t) { return t.overfill; }),
              3);
    const SectionBox& space = *section->space;
    const SectionTurn& first = section->turns.front();
    EXPECT_DOUBLE_EQ(first.x - first.radius, space.left);                // against the left flange
    EXPECT_NEAR(first.y + first.radius, space.top + space.height, 1e-9); // on the post
    EXPECT_EQ(section->flanges.size(), 2U);
    for (const SectionBox& box :
         {section->core, space, section->width.labelBox, section->depth->labelBox}) {
        EXPECT_TRUE(inside(box, 400, 300));
    }
    EXPECT_EQ(section->depth->label, "(A-B)/2 2.250 mm");
}

TEST(WindingSection, ManyTurnsAsBandsRodAndNothingToDraw) {
    // 10000 turns, 100 per layer in 100 layers: bands, not circles; a rod has no depth limit.
    const DesignInputs rod{CoreType::Rod, 8, 3.5, 0, 41.7, 4.7, 9999.5, 0.04};
    const auto section =
        layoutSection(rod, wound(10000, 0.035, {100, 100, 3.5, true}), area(400, 300));
    ASSERT_TRUE(section);
    EXPECT_TRUE(section->turns.empty());
    ASSERT_EQ(section->bands.size(), 2U); // 99 full layers, the last layer
    EXPECT_FALSE(section->bands[0].overfill || section->bands[1].overfill);
    EXPECT_TRUE(section->flanges.empty() && !section->space && !section->depth);
    EXPECT_EQ(section->width.label, "B 3.500 mm");

    // A drum wound 35 mm deep into 2.25 mm of room: shown up to twice the room above the rim,
    // the rest cut off, every band below the cut.
    DesignInputs drum = rod;
    drum.core = CoreType::Drum;
    drum.fMm = 6.3;
    const auto deep =
        layoutSection(drum, wound(100000, 0.035, {100, 1000, 35, false}), area(400, 300));
    ASSERT_TRUE(deep && deep->cut);
    EXPECT_TRUE(std::all_of(deep->bands.begin(), deep->bands.end(),
                            [&](const SectionBand& b) { return b.box.top >= deep->cut->y1; }));

    DesignInputs flat = rod;
    flat.core = CoreType::Drum;
    flat.aMm = 3; // A < B
    EXPECT_FALSE(layoutSection(flat, {}, area(400, 300)));
    EXPECT_FALSE(layoutSection(rod, {}, area(10, 10)));
}

} // namespace
} // namespace coilwind
