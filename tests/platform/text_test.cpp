// Code page conversion, cell widths and the number forms.
#include "platform/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using platform::cell_width;
using platform::from_cp932;
using platform::number_text;
using platform::number_value;
using platform::to_cp932;

std::string utf8_of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

TEST(Text, WidthsOfMixedTexts) {
    EXPECT_EQ(cell_width(""), 0);
    EXPECT_EQ(cell_width("ﾍﾟｰｼﾞ"), 5);
    EXPECT_EQ(cell_width("ページ"), 6);
    EXPECT_EQ(cell_width("O  K"), 4);
    EXPECT_EQ(cell_width("第3ﾍﾟｰｼﾞ・ごうかく!"), 2 + 1 + 5 + 2 + 8 + 1);
    EXPECT_EQ(cell_width("１２ab"), 6);
}

// Every character the code page holds is as wide as its bytes there.
TEST(Text, WidthsAgreeWithTheCodePage) {
    int compared = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        const std::string utf8 = utf8_of(c);
        const std::string bytes = to_cp932(utf8);
        if (bytes == "?" && c != U'?') continue;  // not in the code page
        ASSERT_EQ(cell_width(utf8), static_cast<int>(bytes.size())) << "U+" << std::hex << static_cast<unsigned>(c);
        ++compared;
    }
    EXPECT_GT(compared, 7000);
}

TEST(Text, CodePageRoundTrips) {
    EXPECT_EQ(to_cp932("右指.BMP"), "\x89\x45\x8E\x77.BMP");
    EXPECT_EQ(to_cp932("ﾎﾟｺﾄﾐﾙ1.exe"), "\xCE\xDF\xBA\xC4\xD0\xD9" "1.exe");
    for (const std::string text : {"そのページはありません！", "\\ﾎﾟｺ.BMP", "C:\\ソフト\\表", "ABC 123", ""})
        EXPECT_EQ(from_cp932(to_cp932(text)), text);
    EXPECT_EQ(from_cp932("\x83\x5C"), "ソ");  // its second byte is the backslash byte
}

TEST(Text, WhatTheCodePageCannotHoldBecomesQuestionMarks) {
    EXPECT_EQ(to_cp932("aéb€c"), "a?b?c");
    EXPECT_EQ(to_cp932("a\xE3\x81"), "a?");         // cut-off UTF-8
    EXPECT_EQ(to_cp932("a\xFF" "b"), "a?b");        // no UTF-8 at all
    EXPECT_EQ(from_cp932("A\x85\x40" "B"), "A?B");  // unassigned pairs, each one '?'
    EXPECT_EQ(from_cp932("A\x85\xFC" "B"), "A?B");
    EXPECT_EQ(from_cp932("A\x81\xAD" "B"), "A?B");  // the lowest lead byte, a katakana byte after it
    EXPECT_EQ(from_cp932("A\xFC\xFC" "B"), "A?B");
    EXPECT_EQ(from_cp932("A\x80" "B"), "A?B");
    EXPECT_EQ(from_cp932("A\x81"), "A?");           // a lead byte at the end
}

TEST(Text, NumbersAsText) {
    EXPECT_EQ(number_text(3), " 3");
    EXPECT_EQ(number_text(12), " 12");
    EXPECT_EQ(number_text(-2), "-2");
    EXPECT_EQ(number_text(2.5), " 2.5");
    EXPECT_EQ(number_text(0), " 0");
    EXPECT_EQ(number_text(-0.0), " 0");
    EXPECT_EQ(number_text(32767), " 32767");
    EXPECT_EQ(number_text(-0.25), "-0.25");
}

TEST(Text, NumberValueOfTypedTexts) {
    EXPECT_EQ(number_value(" 4"), 4);
    EXPECT_EQ(number_value("  4  "), 4);
    EXPECT_EQ(number_value("1 2"), 1);
    EXPECT_EQ(number_value("x"), 0);
    EXPECT_EQ(number_value("x4"), 0);
    EXPECT_EQ(number_value("４"), 0);
    EXPECT_EQ(number_value("31.5"), 31.5);
    EXPECT_EQ(number_value("-3"), -3);
    EXPECT_EQ(number_value("+7"), 7);
    EXPECT_EQ(number_value(".5"), 0.5);
    EXPECT_EQ(number_value("-.5"), -0.5);
    EXPECT_EQ(number_value("12abc"), 12);
    EXPECT_EQ(number_value("1.2.3"), 1.2);
    EXPECT_EQ(number_value("1e3"), 1);
    EXPECT_EQ(number_value("007"), 7);
    for (const char* nothing : {"", "   ", ".", "-", "+", "- 3", "--3", "+-3"})
        EXPECT_EQ(number_value(nothing), 0) << '"' << nothing << '"';
    EXPECT_EQ(number_value("99999999999999999999"), 1e20);
    // Past what a double holds: too large is infinite, too small nothing.
    EXPECT_EQ(number_value("-1" + std::string(400, '0')), -HUGE_VAL);
    EXPECT_EQ(number_value("0." + std::string(400, '0') + "1"), 0);
    for (const double x : {0.0, 3.0, -2.0, 2.5, 40000.0}) EXPECT_EQ(number_value(number_text(x)), x);
}

}  // namespace
