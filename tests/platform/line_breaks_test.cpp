// Line breaking, with a measure of one pixel a character, so that a width is a count of
// characters and every case can be read off the table.
#include "platform/line_breaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Characters(std::string_view run) {
    int n = 0;
    for (unsigned char c : run) n += (c & 0xC0) != 0x80;
    return n;
}

std::vector<std::string> Break(const std::string& text, int width) {
    std::vector<std::string> lines;
    for (std::string_view line : BreakLines(text, width, Characters)) lines.emplace_back(line);
    return lines;
}

#define NBSP "\u00A0"

struct Case {
    const char* what;
    std::string text;
    int width;
    std::vector<std::string> lines;
};

// clang-format off
const Case kCases[] = {
    {"nothing to draw", "", 10, {}},
    {"only spaces", "   ", 10, {}},
    {"a text that fits is one line", "шкала 2", 7, {"шкала 2"}},
    {"the space at a break belongs to neither line", "на шкале 2", 8, {"на шкале", "2"}},
    {"a run of spaces at a break goes too", "a   b", 2, {"a", "b"}},
    {"spaces between words that fit stay", "a   b", 5, {"a   b"}},
    {"leading spaces of the text stay", "  ab", 4, {"  ab"}},
    {"a slash is no break", "в м/сек на", 6, {"в", "м/сек", "на"}},
    {"an equals sign or a hyphen is no break", "УВ=330-180 x", 10, {"УВ=330-180", "x"}},
    {"a no-break space joins a number to its unit", "скорость 490" NBSP "км/час", 12,
     {"скорость", "490" NBSP "км/час"}},
    {"a formula joined by no-break spaces moves as one", "угол УС" NBSP "=" NBSP "57 градусов", 10,
     {"угол", "УС" NBSP "=" NBSP "57", "градусов"}},
    {"a word wider than the line is broken where it must be", "abcdefgh", 3, {"abc", "def", "gh"}},
    {"it starts a line of its own first", "ab abcdefg", 4, {"ab", "abcd", "efg"}},
    {"its rest takes the words that still fit", "abcdef g h", 5, {"abcde", "f g h"}},
    {"a joined run too wide is broken like a word", "ab" NBSP "cd", 3, {"ab" NBSP, "cd"}},
    {"letters of two bytes are never split", "жжжжж", 2, {"жж", "жж", "ж"}},
    {"a line narrower than a letter still takes one", "ab c", 0, {"a", "b", "c"}},
};
// clang-format on

TEST(LineBreaks, BreakOnlyAtSpacesAndInsideAWordOnlyWhereItMust) {
    for (const Case& c : kCases) EXPECT_EQ(Break(c.text, c.width), c.lines) << c.what;
}

}  // namespace
