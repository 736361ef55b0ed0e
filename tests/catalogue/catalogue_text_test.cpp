// Every step's text fits its box: wrapped as the step box draws it, in the height-14 text
// font from (left + 10, top + 10) to the box's right edge, it ends above the button. Text is
// measured with the real face, so the tests run with the application object of the test main.
#include <gtest/gtest.h>

#include "platform/surface.h"
#include "tests/catalogue/catalogue_support.h"

namespace {

constexpr int kTextFontHeight = 14;

}  // namespace

TEST(CatalogueText, EveryTextEndsAboveItsButton) {
    for (int i = 0; i < kStepCount; ++i) {
        const LessonStep& s = kStepTable[i];
        const CRect& b = s.rcBox;
        const CRect text = CSurface::MeasureText(s.pszText, {b.left + 10, b.top + 10, b.right, b.bottom},
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
    const char* longText = "Слово слово слово слово слово слово слово слово слово слово слово слово слово "
                           "слово слово слово слово слово слово слово слово слово слово слово слово слово "
                           "слово слово слово слово слово слово слово слово слово слово слово слово слово...";
    const CRect text = CSurface::MeasureText(longText, {box.left + 10, box.top + 10, box.right, box.bottom},
                                             DT_WORDBREAK, CFont{kTextFontHeight});
    EXPECT_GT(text.bottom, box.bottom - 40);
}
