#include "calc/failure.hpp"
#include "calc/field_set.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace coilwind {
namespace {

TEST(FieldSet, StartsWithTheStartupTexts) {
    const MemoryFieldSet fields;
    std::string texts;
    for (const FieldIndex index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18, 19, 20, 21, 23, 24}) {
        texts += fields.text(index) + "|";
    }
    EXPECT_EQ(texts, "KQ8*10|8|3.5||10||6.3|||\\|500||4.7|||||");
}

TEST(FieldSet, EveryOperationFailsForAnIndexThatNamesNoField) {
    MemoryFieldSet fields;
    for (const FieldIndex index : {10, 11, 12, 13, 14, 15, 16, 22, 25, 29, 1000, -1, -32768}) {
        EXPECT_THROW((void)fields.text(index), NoSuchField) << index;
        EXPECT_THROW(fields.setText(index, "1"), NoSuchField) << index;
        EXPECT_THROW((void)fields.number(index), NoSuchField) << index;
        EXPECT_THROW(fields.setNumber(index, 1.0, Pattern::OneDecimal), NoSuchField) << index;
        EXPECT_THROW(fields.focus(index), NoSuchField) << index;
    }
    EXPECT_EQ(fields.focused(), 0);
}

TEST(FieldSet, NumbersAreReadFromAndWrittenAsText) {
    MemoryFieldSet fields;
    fields.setNumber(field::kAl, 41.68, Pattern::OneDecimal);
    EXPECT_EQ(fields.text(field::kAl), "41.7");
    EXPECT_EQ(fields.number(field::kAl), 41.7);

    fields.setNumber(field::kCopperWeight, 0.7789, Pattern::ThreeDecimals, "\n\r");
    EXPECT_EQ(fields.text(field::kCopperWeight), "0.779\n\r");

    fields.setText(field::kInductance, "1e400");
    EXPECT_THROW((void)fields.number(field::kInductance), CalculationFault);
    EXPECT_EQ(fields.text(field::kInductance), "1e400"); // reading never changes a field

    for (const double notFinite : {INFINITY, -INFINITY, NAN}) {
        EXPECT_THROW(fields.setNumber(field::kInductance, notFinite, Pattern::OneDecimal),
                     CalculationFault);
    }
    EXPECT_EQ(fields.text(field::kInductance), "1e400");
}

// The in-memory field set keeps a number it has read: every way of changing the text, a copy
// included, must give the new text's number, and a number beyond range stays a fault.
TEST(FieldSet, AKeptNumberFollowsEveryChangeOfItsText) {
    MemoryFieldSet fields;
    EXPECT_EQ(fields.number(field::kInductance), 4.7);
    fields.setText(field::kInductance, "8x");
    EXPECT_EQ(fields.number(field::kInductance), 8);
    fields.setNumber(field::kInductance, 2.25, Pattern::OneDecimal);
    EXPECT_EQ(fields.number(field::kInductance), 2.3);
    MemoryFieldSet copy = fields;
    copy.setText(field::kInductance, "1e400");
    EXPECT_THROW((void)copy.number(field::kInductance), CalculationFault);
    EXPECT_THROW((void)copy.number(field::kInductance), CalculationFault); // kept, still a fault
    EXPECT_EQ(fields.number(field::kInductance), 2.3);
    copy = fields;
    EXPECT_EQ(copy.number(field::kInductance), 2.3);
    EXPECT_EQ(copy.number(field::kA), 8); // another field's number is its own
}

} // namespace
} // namespace coilwind
