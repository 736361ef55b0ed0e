// Every step's text fits its box: wrapped as the step box draws it, in the height-14 text
// font from (left + 10, top + 10) to the box's right edge, it ends above the button. Text is
// measured with the real face, so the tests run with the application object of the test main.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "tests/catalogue/catalogue_support.h"
#include "training/step_box.h"

namespace {

constexpr int kTextFontHeight = 14;

}  // namespace

TEST(CatalogueText, EveryTextEndsAboveItsButton) {
    for (int i = 0; i < kStepCount; ++i) {
        const LessonStep& s = kStepTable[i];
        const CRect& b = s.rcBox;
        const CRect text =
            CSurface::MeasureText(s.pszText, {b.left + 10, b.top + 10, b.right, b.bottom},
                                  DT_WORDBREAK, CFont{kTextFontHeight});
        EXPECT_LE(text.right, b.right) << "record " << i;
        // The boxes of the tour and of lessons 2 and 23 are set by hand, for a slightly
        // narrower face; there a last line may reach the button, but the text still ends
        // inside its box.
        const bool handSet = s.key == 1 || s.key == 2 || s.key == 23;
        EXPECT_LE(text.bottom, handSet ? b.bottom : b.bottom - 40)
            << "record " << i << " (lesson " << s.key << "): " << s.pszText;
    }
}

TEST(CatalogueText, AWordTooLongForItsLineWouldShowAsOverflow) {
    // The measurement the test above relies on reports a text that cannot fit.
    const CRect box{30, 70, 210, 200};
    const char* longText =
        "Слово слово слово слово слово слово слово слово слово слово слово слово слово "
        "слово слово слово слово слово слово слово слово слово слово слово слово слово "
        "слово слово слово слово слово слово слово слово слово слово слово слово слово...";
    const CRect text =
        CSurface::MeasureText(longText, {box.left + 10, box.top + 10, box.right, box.bottom},
                              DT_WORDBREAK, CFont{kTextFontHeight});
    EXPECT_GT(text.bottom, box.bottom - 40);
}

namespace {

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at) words.emplace_back(line.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

bool IsNumber(const std::string& w) {
    static const std::regex number(R"([+-]?\d+(\.\d+)?)");
    return std::regex_match(w, number);
}

// A unit of measure, or a word for one, as it follows a number.
bool IsUnit(std::string w) {
    while (!w.empty() && std::strchr(".,:;)", w.back())) w.pop_back();
    static const std::regex unit(
        u8"(км|м|м/сек|км/час|сек|мин|градус\\S*|минут\\S*|секунд\\S*|метр\\S*|футов|миль)");
    return std::regex_match(w, unit);
}

bool IsOperator(const std::string& w) {
    return w == "=" || w == "+" || w == "-" || w == "*" || w == "/" || w == "≈";
}
bool IsFunction(const std::string& w) {
    return w == "sin" || w == "cos" || w == "tg" || w == "ctg";
}

// What is wrong with breaking between these two lines, or "" when nothing is.
std::string BadBreak(std::string_view before, std::string_view after) {
    const std::vector<std::string> a = Words(before), b = Words(after);
    if (a.empty() || b.empty()) return "an empty line";
    const std::string& last = a.back();
    const std::string& first = b.front();
    if (last.back() == '/') return "a line ends with /";
    if (first.front() == '/' || first.front() == '=') return "a line begins with / or =";
    if (IsOperator(first)) return "a line begins with an operator";
    if (IsOperator(last) && (last != "-" || (a.size() > 1 && IsNumber(a[a.size() - 2]))))
        return "a formula is broken after its operator";
    if (IsFunction(last)) return "a function is parted from its argument";
    if (IsNumber(last) && IsUnit(first)) return "a number is parted from its unit";
    return "";
}

}  // namespace

TEST(CatalogueText, NoLineBreaksAFormulaOrPartsANumberFromItsUnit) {
    // Lesson 23 is given whole, text and box: its second step parts 305 from its km/час.
    const std::set<int> given = {FindNextStep(23, FindNextStep(23, -1))};
    int breaks = 0;
    for (int i = 0; i < kStepCount; ++i) {
        const std::vector<std::string_view>& lines = StepTextLines(i);
        const std::string_view text = kStepTable[i].pszText;
        for (std::size_t n = 1; n < lines.size(); ++n, ++breaks) {
            // Every text fits its box with breaks at spaces alone: no word is cut.
            const std::size_t end =
                std::size_t(lines[n - 1].data() - text.data()) + lines[n - 1].size();
            EXPECT_EQ(text[end], ' ')
                << "record " << i << " cut inside a word: \"" << lines[n - 1] << "\"";
            const std::string why = BadBreak(lines[n - 1], lines[n]);
            EXPECT_TRUE(why.empty() || given.count(i))
                << "record " << i << " (lesson " << kStepTable[i].key << "): " << why << ": \""
                << lines[n - 1] << "\" | \"" << lines[n] << "\"";
        }
    }
    EXPECT_GT(breaks, 300);
}

TEST(CatalogueText, TheBreakRulesCatchWhatTheyAreFor) {
    EXPECT_EQ(BadBreak("скорость 490 км/", "час..."), "a line ends with /");
    EXPECT_EQ(BadBreak("путевой угол ФМПУ = МК + УС", "= 57 градусов"),
              "a line begins with / or =");
    EXPECT_EQ(BadBreak("угол 90 -", "альфа = 60"), "a formula is broken after its operator");
    EXPECT_EQ(BadBreak("например, 250 * sin", "42. Расчет"),
              "a function is parted from its argument");
    EXPECT_EQ(BadBreak("поправки 305", "км/час..."), "a number is parted from its unit");
    EXPECT_EQ(BadBreak("время 9", "минут..."), "a number is parted from its unit");
    EXPECT_EQ(BadBreak("результат -", "расстояние 63\u00A0км..."), "");
    EXPECT_EQ(BadBreak("на шкале 2", "к числу 23..."), "");
}
