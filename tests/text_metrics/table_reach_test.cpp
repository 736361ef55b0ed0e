// The page breaks lines by a table of the desktop font's measures. The table must reach
// exactly as far as Qt does for every run the line breaker may measure in a lesson text, so
// that the page breaks every step text where the desktop does, at any width.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <string>

#include "platform/qt_text.h"
#include "tools/text_metrics/measure.h"
#include "training/step_box.h"  // the step text font
#include "training/step_table.h"

namespace {

TEST(TableReach, EveryRunBetweenSpacesOfEveryStepTextReachesAsFarAsQtMeasuresIt) {
    const MeasuredFont table = MeasureFont(kStepTextFontHeight);
    const FontMeasures measures = table.View();
    const QFontMetricsF qt(ArialOfHeight(kStepTextFontHeight));
    int runs = 0;
    for (int step = 0; step < kStepCount; ++step) {
        const std::string_view text = kStepTable[step].pszText;
        // Every run from the text's start or a space to a space or the end: the candidates of
        // the line breaker, and of the kerning across script changes (Cyrillic, Latin, Greek).
        for (std::size_t start = 0; start < text.size(); start = text.find(' ', start) + 1) {
            for (std::size_t end = text.find(' ', start + 1);; end = text.find(' ', end + 1)) {
                const std::string_view run =
                    text.substr(start, end == std::string_view::npos ? end : end - start);
                ASSERT_EQ(TableReach(run, measures), QtReach(run, qt))
                    << "step " << step << ": " << run;
                ++runs;
                if (end == std::string_view::npos) break;
            }
            if (text.find(' ', start) == std::string_view::npos) break;
        }
    }
    EXPECT_GT(runs, 10000);
}

TEST(TableReach, ACharacterMissingFromTheTableIsSaidToBeUnknown) {
    const MeasuredFont table = MeasureFont(kStepTextFontHeight);
    EXPECT_EQ(TableReach("", table.View()), 0);
    EXPECT_GT(TableReach("Шкала 1", table.View()), 0);
    EXPECT_EQ(TableReach("Шкала \u4E00", table.View()), -1);
}

}  // namespace
