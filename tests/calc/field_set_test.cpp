#include "calc/failure.hpp"
#include "calc/field_set.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace coilwind {
namespace {

TEST(FieldSet, StartsWithTheStartupTexts) {
    const std::map<FieldIndex, std::string> expected{
        {0, "KQ8*10"}, {1, "8"}, {2, "3.5"}, {3, ""},   {4, "10"},   {5, ""},
        {6, "6.3"},    {7, ""},  {8, ""},    {9, "\\"}, {17, "500"}, {18, ""},
        {19, "4.7"},   {20, ""}, {21, ""},   {23, ""},  {24, ""}};
    const MemoryFieldSet fields;
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(fields.text(index), text) << "field " << index;
    }
    EXPECT_EQ(kFields.size(), expected.size());
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
}

TEST(FieldSet, RefusesToWriteANonFiniteValue) {
    MemoryFieldSet fields;
    fields.setText(field::kTurns, "keep");
    EXPECT_THROW(fields.setNumber(field::kTurns, INFINITY, Pattern::OneDecimal), CalculationFault);
    EXPECT_THROW(fields.setNumber(field::kTurns, NAN, Pattern::OneDecimal), CalculationFault);
    EXPECT_EQ(fields.text(field::kTurns), "keep");
}

} // namespace
} // namespace coilwind
