// The page breaks lines by a table of the desktop font's measures. The table must reach
// exactly as far as Qt does for every run the line breaker may measure in a lesson or task
// text, so that the page breaks every such text where the desktop does, at any width.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <string>

#include "platform/qt_text.h"
#include "tools/text_metrics/measure.h"
#include "training/step_box.h"  // the step text font
#include "training/step_table.h"

namespace {

// Measured once: every pair of some four hundred characters.
const MeasuredFont& Table() {
    static const MeasuredFont table = MeasureFont(kStepTextFontHeight);
    return table;
}

TEST(TableReach, EveryRunBetweenSpacesOfEveryLessonAndTaskTextReachesAsFarAsQtMeasuresIt) {
    const FontMeasures measures = Table().View();
    const QFontMetricsF qt(ArialOfHeight(kStepTextFontHeight));
    std::vector<std::string> texts = TaskTexts(20);
    for (int step = 0; step < kStepCount; ++step) texts.emplace_back(kStepTable[step].pszText);
    int runs = 0;
    for (const std::string& whole : texts) {
        const std::string_view text = whole;
        // Every run from the text's start or a space to a space or the end: the candidates of
        // the line breaker, and of the kerning across script changes (Cyrillic, Latin, Greek).
        for (std::size_t start = 0; start < text.size(); start = text.find(' ', start) + 1) {
            for (std::size_t end = text.find(' ', start + 1);; end = text.find(' ', end + 1)) {
                const std::string_view run =
                    text.substr(start, end == std::string_view::npos ? end : end - start);
                ASSERT_EQ(TableReach(run, measures), QtReach(run, qt)) << run;
                ++runs;
                if (end == std::string_view::npos) break;
            }
            if (text.find(' ', start) == std::string_view::npos) break;
        }
    }
    EXPECT_GT(runs, 10000);
}

TEST(TableReach, ACharacterMissingFromTheTableIsSaidToBeUnknown) {
    EXPECT_EQ(TableReach("", Table().View()), 0);
    EXPECT_GT(TableReach("Шкала 1", Table().View()), 0);
    EXPECT_EQ(TableReach("Шкала \u4E00", Table().View()), -1);
}

}  // namespace
