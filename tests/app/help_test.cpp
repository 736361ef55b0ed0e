// The menus' letters in either keyboard layout, the help's pages on the scales, and the
// help's press on a scale's name.
#include <gtest/gtest.h>

#include <string>

#include "app/main_frame.h"
#include "model/scale_bands.h"
#include "model/scale_geometry.h"
#include "platform/headless/headless_host.h"
#include "platform/layout.h"
#include "resources/ids.h"
#include "resources/menus.h"
#include "training/lesson_annotations.h"
#include "training/scale_help.h"
#include "training/step_table.h"
#include "view/image_set.h"

namespace {

using model::Scale;

struct KeyCase {
    int menu;           // -1: the bar
    const char* typed;  // what the key types in the layout in use
    char usKey;         // the key's place
    int picks;          // the bar's menu, or the item's command; -1 for none
};

// clang-format off
const KeyCase kKeyCases[] = {
    {-1, "a", 'a', 0},  {-1, "ф", 'a', 0},  {-1, "Ф", 0, 0},     // Latin and Russian layout
    {-1, "j", 'j', 1},  {-1, "o", 'o', -1},                      // О is on J, O carries щ
    {-1, "c", 'c', 2},  {-1, "d", 'd', 3},  {-1, "b", 'b', -1},
    {-1, "", 0, -1},    {-1, "x", 0, -1},
    {0, "d", 'd', ID_EXIT},  {0, "в", 'd', ID_EXIT},  {0, "В", 0, ID_EXIT},
    {0, "b", 'b', -1},       {0, "и", 'b', -1},       {0, "B", 0, -1},  // the look-alike is not it
    {0, "и", 'd', -1},       // a Cyrillic layout picks by what it types, not by the key's place
    {0, "1", '1', ID_SIDE1}, {0, "2", '2', ID_SIDE2},
    {0, "g", 'g', ID_PRINT_SHEETS}, {0, "п", 'g', ID_PRINT_SHEETS},  // П is on G
    {1, "x", 'x', ID_TEST},  {1, "ч", 'x', ID_TEST},  {1, "p", 'p', ID_TASKS},
    {1, "j", 'j', ID_UNDO},  {1, "o", 'o', -1},  {1, ",", ',', ID_TRAINING},
    {1, "б", ',', ID_TRAINING}, {1, "u", 'u', ID_ABOUT}, {1, "q", 'q', -1},
    {2, "i", 'i', ID_HELP_SCALES}, {2, "Ш", 0, ID_HELP_SCALES},
};
// clang-format on

TEST(MenuKeys, ALetterIsTheCyrillicOneInEitherLayout) {
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(testing::Message()
                     << "menu " << c.menu << " typed '" << c.typed << "' key '" << c.usKey << "'");
        if (c.menu < 0) {
            EXPECT_EQ(MenuOfKey(c.typed, c.usKey), c.picks);
        } else {
            const int item = ItemOfKey(kMenuBar[c.menu], c.typed, c.usKey);
            EXPECT_EQ(item < 0 ? -1 : kMenuBar[c.menu].items[item].id, c.picks);
        }
    }
    // The underline stands on the letter the user sees, a Latin look-alike included.
    int length = 0;
    EXPECT_EQ(MnemonicAt("Bыход", "В", length), 0);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(MnemonicAt("Oбучение...", "б", length), 1);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(MnemonicAt("Cторона 1", "1", length), 14);
    EXPECT_EQ(MnemonicAt("Клавиши", "Q", length), -1);
}

struct PageCase {
    Scale scale;
    const char* title;  // the start of the page's title
    const char* says;   // a fact the text must state
};

// clang-format off
const PageCase kPages[training::kScaleHelpCount] = {
    {Scale::S1, "Шкала 1 - расстояния", "от 1 до 6 через 0.1"},
    {Scale::S1a, "Шкала 1а - углы", "Диапазон: от 30 до 360°."},
    {Scale::S2, "Шкала 2 - время", "от 1 до 10 через 1/6"},
    {Scale::S3, "Шкала 3 - синусы", "конечная отметка 90°"},
    {Scale::S4, "Шкала 4 - тангенсы", "от 0.5 до 5 через 1/6°"},
    {Scale::S5, "Шкала 5 - радиусов", "Вычисление синуса угла"},
    {Scale::S6, "Шкала 6 - дополнительная", "конечная отметка 31.6"},
    {Scale::S7, "Шкала 7 - суммы", "от -120 до 100 через 10°"},
    {Scale::S8, "Шкала 8 - исправленные", "Диапазон: от 0.4 до 12 км."},
    {Scale::S9, "Шкала 9 - высота", "от 0.4 до 2 через 0.05 км"},
    {Scale::S10, "Шкала 10 - температура", "от -75 до -30 через 5°"},
    {Scale::S11, "Шкала 11 - температура", "Определ. истинной скорости"},
    {Scale::S12, "Шкала 12 - высота", "справа налево"},
    {Scale::S13, "Шкала 13 - высота", "от 0 до 11 через 1 км"},
    {Scale::S14, "Шкала 14 - исправленная", "Определ. истинной скорости"},
    {Scale::S15, "Шкала 15 - высота", "от 1000 до 1200 через 20 км/ч"},
    {Scale::S16, "Шкала 16 - последняя", "от 500 до 1400 через 50 км/ч"},
};
// clang-format on

TEST(ScaleHelp, APageForEveryScaleWithItsFactsAndItsPicture) {
    for (int i = 0; i < training::kScaleHelpCount; ++i) {
        const training::ScaleHelpPage& page = training::ScaleHelp(i);
        const PageCase& want = kPages[i];
        SCOPED_TRACE(want.title);
        ASSERT_EQ(page.scale, want.scale);
        EXPECT_EQ(page.title.rfind(want.title, 0), 0u) << page.title;
        EXPECT_NE(page.text.find(want.says), std::string::npos) << page.text;
        // Every scale is in the tour; only those on side 1 serve multiplication.
        EXPECT_NE(page.text.find("Уроки: Обзор шкал Skalor"), std::string::npos);
        EXPECT_EQ(page.text.find("Умножение чисел") != std::string::npos,
                  want.scale == Scale::S1 || want.scale == Scale::S2);
        EXPECT_EQ(page.side, model::SideOf(want.scale));

        // The picture is the scale's own stretch of its strip: its ticks from end to end, its
        // baseline drawn across it.
        const model::ScaleBand& band = model::BandOf(want.scale);
        const CRect& p = page.picture;
        EXPECT_EQ(page.image, band.image);
        EXPECT_LE(p.left, band.firstColumn);
        EXPECT_GT(p.right, band.lastColumn);
        EXPECT_LE(p.top, std::min(band.tickTop, band.labelTop));
        EXPECT_GT(p.bottom, std::max(band.tickBottom, band.labelBottom));
        EXPECT_LT(p.Width(), band.lastColumn - band.firstColumn + 40);
        EXPECT_LT(p.Height(), model::StripHeight(band.image));
        for (int k : {1, 3}) {
            const CPixmap cut = LoadImagePart(page.image, p, k);
            ASSERT_EQ(cut.Width(), p.Width() * k);
            ASSERT_EQ(cut.Height(), p.Height() * k);
            const int y = (band.baseline - p.top) * k + k / 2;
            int ink = 0;
            for (int c = band.firstColumn; c <= band.lastColumn; ++c)
                ink += cut.Pixel((c - p.left) * k + k / 2, y) != Rgb(255, 255, 255);
            EXPECT_GT(ink, (band.lastColumn - band.firstColumn) * 9 / 10) << "k " << k;
        }
    }
}

// The press on a scale's name: its side, and its stretch in the window (the whole of it where
// it fits), wherever the slide stands; one undo entry; nothing while a lesson holds the rule.
TEST(ScaleHelp, ThePressOnANameShowsTheScaleOnTheRule) {
    constexpr int kWindowColumns = kClientWidth - 2 * kRuleWindowX;
    for (int slide : {0, -300, 250}) {
        for (int i = 0; i < training::kScaleHelpCount; ++i) {
            const Scale scale = training::ScaleHelp(i).scale;
            SCOPED_TRACE(testing::Message() << training::ScaleHelp(i).title << ", slide " << slide);
            CHeadlessHost host;
            CMainFrame frame(host);
            CRuleState rule;
            rule.m_nSlide = slide;
            rule.m_nScroll = 900;
            frame.Seed(rule);
            CUndoHistory undo;
            undo.PushUndo(slide, 900, 0);  // as the moves that led there left it
            frame.Seed(undo);
            ASSERT_TRUE(frame.ShowScale(scale));
            EXPECT_EQ(frame.State().m_rule.m_nSide, model::SideOf(scale));
            EXPECT_EQ(frame.State().m_rule.m_nSlide, slide);
            const model::ScaleBand& band = model::BandOf(scale);
            const int shift = model::OnSlide(scale) ? slide : 0;
            const int first = band.firstColumn - shift, last = band.lastColumn - shift;
            const int scroll = frame.State().m_rule.m_nScroll;
            ASSERT_GE(scroll, kScrollMin);
            ASSERT_LE(scroll, kScrollMax);
            // In view where the scroll's limits let it be.
            if (first >= kScrollMin && first < kScrollMax + kWindowColumns) {
                EXPECT_GE(first, scroll);
                EXPECT_LT(first, scroll + kWindowColumns);
            }
            if (last - first < kWindowColumns - 20 && last < kScrollMax + kWindowColumns &&
                first >= kScrollMin) {
                EXPECT_LT(last, scroll + kWindowColumns);
            }
            EXPECT_EQ(frame.State().m_undo.m_nUndoCount, scroll != 900 ? 2 : 1);
            if (scroll != 900) {
                ASSERT_TRUE(frame.OnCommand(ID_UNDO));
                EXPECT_EQ(frame.State().m_rule.m_nScroll, 900);
            }
        }
    }
    CHeadlessHost host;
    CMainFrame frame(host);
    frame.SeedLesson(2, FindNextStep(2, -1));
    frame.Seed(CActivity{Activity::Lesson, Activity::Lesson});
    CRuleState rule;
    rule.m_nScroll = 5;
    frame.Seed(rule);
    EXPECT_FALSE(frame.ShowScale(Scale::S16));
    EXPECT_EQ(frame.State().m_rule.m_nSide, 0);
    EXPECT_EQ(frame.State().m_rule.m_nScroll, 5);
}

}  // namespace
