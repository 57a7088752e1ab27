#include "options/SettingsArea.h"
#include "support/NewImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace tevano {
namespace {

using Bytes = std::vector<std::uint8_t>;

using testing::NewImage;

void Put(RadioImage& image, IdField field, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        image[IdFieldOffset(field) + i] = bytes[i];
    }
}

Bytes FieldBytes(const RadioImage& image, IdField field) {
    const auto begin = image.begin() + static_cast<std::ptrdiff_t>(IdFieldOffset(field));
    return Bytes(begin, begin + kIdFieldSize);
}

TEST(IdFieldRead, CollectsDigitsAndLettersAcrossGaps) {
    struct Case {
        IdField field;
        Bytes bytes;
        std::string text;
    };
    const Case cases[] = {
        {IdField::Call, {0x31, 0x32, 0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF}, "12AB"},
        {IdField::Check, {0x61, 0x62, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "AB"},
        {IdField::Kill, {0x31, 0xFF, 0x32, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "12"},
        {IdField::Listen, {0x2A, 0x23, 0x00, 0x5B, 0x7B, 0x40, 0x60, 0x39}, "9"},
        {IdField::Id, {0x5A, 0x7A, 0x30, 0x30, 0x30, 0x30, 0x30, 0x41}, "ZZ00000A"},
        {IdField::Id, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        // The group ID takes digits only, from its first four bytes.
        {IdField::Group, {0x31, 0x41, 0x61, 0x32, 0x35, 0x36, 0x37, 0x38}, "12"},
    };
    for (const Case& c : cases) {
        RadioImage image = NewImage();
        Put(image, c.field, c.bytes);
        EXPECT_EQ(ReadIdField(image, c.field), c.text) << static_cast<int>(c.field);
    }
}

TEST(IdFieldWrite, StoresUpperCaseAsciiAndZeroForOtherCharacters) {
    struct Case {
        IdField field;
        std::string text;
        Bytes bytes;
    };
    const Case cases[] = {
        {IdField::Id, "7*9", {0x37, 0x30, 0x39, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Check, "ab9Z", {0x41, 0x42, 0x39, 0x5A, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Call, "", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Kill, "A B-", {0x41, 0x30, 0x42, 0x30, 0xFF, 0xFF, 0xFF, 0xFF}},
        // A character from outside ASCII takes one position, not one per UTF-8 byte.
        {IdField::Listen, "中1", {0x30, 0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Group, "2345", {0x31, 0x33, 0x34, 0x35, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Group, "2999", {0x31, 0x39, 0x39, 0x39, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Group, "0999", {0x30, 0x39, 0x39, 0x39, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Group, "234", {0x32, 0x33, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {IdField::Group, "A1", {0x30, 0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        RadioImage image = NewImage();
        Put(image, c.field, {1, 2, 3, 4, 5, 6, 7, 8});
        WriteIdField(image, c.field, c.text);
        EXPECT_EQ(FieldBytes(image, c.field), c.bytes) << c.text;
    }
}

TEST(IdFieldWrite, TextLongerThanTheFieldStopsAtItsEnd) {
    RadioImage image = NewImage();
    WriteIdField(image, IdField::Call, "123456789AB");
    EXPECT_EQ(FieldBytes(image, IdField::Call),
              (Bytes{0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38}));
    EXPECT_EQ(FieldBytes(image, IdField::Id), Bytes(8, 0xFF));
    // The last field of the area ends at 0x84F; the name area behind it stays as it was.
    WriteIdField(image, IdField::Listen, "ABCDEFGHIJ");
    EXPECT_EQ(image[0x84F], 'H');
    EXPECT_EQ(image[0x850], 0xFF);
}

} // namespace
} // namespace tevano
