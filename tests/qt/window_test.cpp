// The program window as it starts: title, menus, toolbar, the command states and the
// commands that end in a box or in leaving.
#include <QBackingStore>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "platform/headless/headless_host.h"
#include "qt_support.h"
#include "resources/ids.h"
#include "tests/support/seed_rule.h"
#include "training/step_table.h"
#include "view/image_set.h"

namespace {

struct ExpectedItem {
    const char* caption;  // nullptr: a separator
    int id;
    const char* latin;     // the Latin letters the caption carries, in order
    const char* shortcut;  // as the menu shows it, "" for none
};

// The captions byte for byte. Latin letters: C, B, O as first letters, p in "Пpижать".
const std::vector<ExpectedItem> kFileItems = {
    // clang-format off
    {"Cторона 1", ID_SIDE1, "C", "Ctrl+1"},
    {"Cторона 2", ID_SIDE2, "C", "Ctrl+2"},
    {nullptr, 0, "", ""},
    {"Печать заданий...", ID_PRINT_SHEETS, "", "Ctrl+P"},
    {nullptr, 0, "", ""},
    {"Bыход", ID_EXIT, "B", "Ctrl+Q"},
    // clang-format on
};
const std::vector<ExpectedItem> kOperationsItems = {
    // clang-format off
    {"Oтменить", ID_UNDO, "O", "Ctrl+Z"},         {nullptr, 0, "", ""},
    {"Пpижать визирку", ID_CLAMP, "p", "Ctrl+L"}, {nullptr, 0, "", ""},
    {"Oбучение...", ID_TRAINING, "O", "Ctrl+T"},  {"Задачи...", ID_TASKS, "", "Ctrl+E"},
    {"Прогресс...", ID_PROGRESS, "", ""},         {"Зачёт...", ID_TEST, "", "Ctrl+K"},
    {nullptr, 0, "", ""},
    {"Клавиши", ID_KEYS, "", ""},                 {"O программе...", ID_ABOUT, "O", ""},
    // clang-format on
};
const std::vector<ExpectedItem> kHelpItems = {
    {"Шкалы линейки", ID_HELP_SCALES, "", "F1"},
};
const std::vector<ExpectedItem> kViewItems = {
    // clang-format off
    {"Крупнее", ID_VIEW_LARGER, "", "Ctrl++"},
    {"Мельче", ID_VIEW_SMALLER, "", "Ctrl+-"},
    {"Обычный размер", ID_VIEW_NORMAL, "", "Ctrl+0"},
    // clang-format on
};

// What the menu shows: the text without Qt's mnemonic mark.
QString Visible(QString text) { return text.remove(QLatin1Char('&')); }

// The letter after the mark, upper case; empty without one.
QString Mnemonic(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toUpper() : QString();
}

std::string LatinLetters(const QString& text) {
    std::string latin;
    for (QChar c : text)
        if (c.isLetter() && c.script() == QChar::Script_Latin) latin += char(c.unicode());
    return latin;
}

// Each item has a letter of its own for Alt and typing, and shows its key.
void ExpectMenu(QMenu* menu, const char* caption, const std::vector<ExpectedItem>& items) {
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Visible(menu->title()).toUtf8(), QByteArray(caption));
    EXPECT_EQ(Mnemonic(menu->title()), Visible(menu->title()).left(1));
    EXPECT_EQ(LatinLetters(menu->title()), "");
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(items.size())) << caption;
    QStringList mnemonics;
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* action = actions[qsizetype(i)];
        if (!items[i].caption) {
            EXPECT_TRUE(action->isSeparator()) << caption << " item " << i;
            continue;
        }
        EXPECT_FALSE(action->isSeparator()) << caption << " item " << i;
        EXPECT_EQ(Visible(action->text()).toUtf8(), QByteArray(items[i].caption))
            << caption << " item " << i;
        EXPECT_EQ(LatinLetters(Visible(action->text())), items[i].latin) << items[i].caption;
        EXPECT_EQ(action->data().toInt(), items[i].id) << items[i].caption;
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText).toStdString(),
                  items[i].shortcut)
            << items[i].caption;
        const QString mnemonic = Mnemonic(action->text());
        EXPECT_FALSE(mnemonic.isEmpty()) << items[i].caption;
        EXPECT_FALSE(mnemonics.contains(mnemonic)) << items[i].caption << " shares its letter";
        mnemonics << mnemonic;
    }
}

using StartUp = WindowTest;

TEST_F(StartUp, TitleMenusAndSeparatorsAreExact) {
    EXPECT_EQ(window->windowTitle().toUtf8(), QByteArray("Skalor"));
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    ExpectMenu(bar[0]->menu(), "Файл", kFileItems);
    ExpectMenu(bar[1]->menu(), "Операции", kOperationsItems);
    ExpectMenu(bar[2]->menu(), "Справка", kHelpItems);
    ExpectMenu(bar[3]->menu(), "Вид", kViewItems);
}

TEST_F(StartUp, ToolbarHasTheTwoButtonsCutFromTheStrip) {
    const QList<QAction*> buttons = window->CommandBar().actions();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->data().toInt(), ID_TB_BUTTON1);
    EXPECT_EQ(buttons[1]->data().toInt(), ID_TB_UNDO);
    EXPECT_TRUE(buttons[0]->toolTip().isEmpty());
    EXPECT_EQ(buttons[1]->toolTip().toUtf8(), QByteArray("Отменить последнее движение"));
    EXPECT_FALSE(window->CommandBar().isMovable());
    EXPECT_EQ(window->CommandBar().iconSize(), QSize(32, 30));

    // The undo button is the right half of the strip drawn at k = 2, the factor here: its own
    // pixels, not the 16 x 15 strip enlarged; the silver face shows the toolbar through.
    const CPixmap strip = LoadImageResource(IDB_TOOLBAR, 2);
    ASSERT_EQ(strip.Width(), 64);
    ASSERT_EQ(strip.Height(), 30);
    const QImage undo =
        buttons[1]->icon().pixmap(QSize(32, 30)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(undo.size(), QSize(32, 30));
    int glyph = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Colour source = strip.Pixel(32 + x, y);
            const QRgb shown = undo.pixel(x, y);
            if (source == Rgb(192, 192, 192))
                EXPECT_EQ(qAlpha(shown), 0) << x << "," << y;
            else
                EXPECT_EQ(shown, QRgb(source)) << x << "," << y;
            glyph += (source & 0xFF) > 200 && ((source >> 16) & 0xFF) < 100;
        }
    }
    EXPECT_GT(glyph, 80);  // the blue undo glyph is there at all
    // The first button is blank: all face.
    const QImage blank =
        buttons[0]->icon().pixmap(QSize(32, 30)).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x) ASSERT_EQ(qAlpha(blank.pixel(x, y)), 0);
}

TEST_F(StartUp, CommandStatesAreTheInitialOnes) {
    EXPECT_FALSE(FindCommand(*window, ID_UNDO)->isEnabled());
    EXPECT_FALSE(FindCommand(*window, ID_TB_UNDO, true)->isEnabled());
    EXPECT_FALSE(FindCommand(*window, ID_TB_BUTTON1, true)->isEnabled());
    EXPECT_TRUE(FindCommand(*window, ID_SIDE1)->isChecked());
    EXPECT_FALSE(FindCommand(*window, ID_SIDE2)->isChecked());
    EXPECT_FALSE(FindCommand(*window, ID_CLAMP)->isChecked());
    for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_TRAINING, ID_ABOUT, ID_EXIT})
        EXPECT_TRUE(FindCommand(*window, id)->isEnabled()) << id;
    // Items that are never checked show no check box either.
    EXPECT_FALSE(FindCommand(*window, ID_EXIT)->isCheckable());
}

TEST_F(StartUp, CommandsRunAndTheirStatesFollow) {
    FindCommand(*window, ID_CLAMP)->trigger();
    EXPECT_EQ(Frame().State().m_rule.m_bClamp, 1);
    EXPECT_TRUE(FindCommand(*window, ID_CLAMP)->isChecked());
    FindCommand(*window, ID_CLAMP)->trigger();
    EXPECT_EQ(Frame().State().m_rule.m_bClamp, 0);
    EXPECT_FALSE(FindCommand(*window, ID_CLAMP)->isChecked());

    FindCommand(*window, ID_SIDE2)->trigger();
    EXPECT_EQ(Frame().State().m_rule.m_nSide, 1);
    EXPECT_FALSE(FindCommand(*window, ID_SIDE1)->isChecked());
    EXPECT_TRUE(FindCommand(*window, ID_SIDE2)->isChecked());
    // Triggering the checked item again leaves exactly one mark.
    FindCommand(*window, ID_SIDE2)->trigger();
    EXPECT_EQ(Frame().State().m_rule.m_nSide, 1);
    EXPECT_FALSE(FindCommand(*window, ID_SIDE1)->isChecked());
    EXPECT_TRUE(FindCommand(*window, ID_SIDE2)->isChecked());

    // The chooser greys the side, clamp, undo and training items.
    FindCommand(*window, ID_TRAINING)->trigger();
    for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_UNDO, ID_TRAINING})
        EXPECT_FALSE(FindCommand(*window, id)->isEnabled()) << id;
    EXPECT_TRUE(FindCommand(*window, ID_ABOUT)->isEnabled());
}

TEST_F(StartUp, OpeningAMenuAsksTheUpdateRulesAgain) {
    // A state change the window was not told about: the menu must still show it.
    SeedRule(Frame(), [](CRuleState& r) { r.m_bClamp = 1; });
    Frame().SeedLesson(2, FindNextStep(2, -1));
    Frame().Seed(CActivity{Activity::Lesson, Activity::Lesson});
    QMenu* operations = window->menuBar()->actions()[1]->menu();
    operations->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(WaitUntil([&] { return operations->isVisible(); }));
    EXPECT_TRUE(FindCommand(*window, ID_CLAMP)->isChecked());
    EXPECT_FALSE(FindCommand(*window, ID_CLAMP)->isEnabled());
    EXPECT_FALSE(FindCommand(*window, ID_SIDE1)->isEnabled());
    EXPECT_TRUE(FindCommand(*window, ID_TRAINING)->isEnabled());
    operations->close();
    Frame().SeedLesson(0, -1);
    Frame().Seed(CActivity{});
}

TEST_F(StartUp, AboutShowsItsModalBoxWithOkOnly) {
    CModalCatcher catcher;
    FindCommand(*window, ID_ABOUT)->trigger();  // returns once the box is answered
    EXPECT_EQ(catcher.seen, 1);
    EXPECT_EQ(catcher.title, "О программе");
    EXPECT_EQ(catcher.text.rfind("Навигационная линейка штурмана Skalor.\nВерсия 1.2.1\n", 0), 0u)
        << catcher.text;
    EXPECT_EQ(std::count(catcher.text.begin(), catcher.text.end(), '\n'), 3);
    EXPECT_EQ(catcher.buttons, QMessageBox::Ok);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartUp, ExitClosesTheWindowWhenTheLoopGetsToIt) {
    QAction* exit = FindCommand(*window, ID_EXIT);
    ASSERT_EQ(Visible(exit->text()).toUtf8(), QByteArray("Bыход"));
    exit->trigger();
    EXPECT_TRUE(window->isVisible());  // a queued close, not one inside the handler
    EXPECT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
}

// The view at factors 1 to 3 on a screen of ratio 1 (k = factor): what the window shows is
// the frame the logic composes at k, pixel for pixel, in the window's own image (where the
// view composes it in place) and in a grab (where it is drawn in one plain copy); and a press
// on device pixel (X, Y) of the frame reaches the logic at (X / k, Y / k), rounded down.
TEST_F(StartUp, TheFrameIsShownOneToOneAtEveryFactorAndPressesMapBack) {
    FindCommand(*window, ID_SIDE2)->trigger();
    SeedRule(Frame(), [](CRuleState& r) {
        r.m_nScroll = 30;
        r.m_nCursor = -50;
    });
    const QSize chrome = window->size() - View().size();
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(testing::Message() << "factor " << k);
        window->resize(chrome + QSize(kClientWidth * k + 6, kClientHeight * k + 4));
        ASSERT_TRUE(WaitUntil([&] { return View().Factor() == k; })) << View().Factor();
        ASSERT_EQ(View().Scale(), k);
        ASSERT_EQ(View().Origin(), QPoint(3, 2));
        window->UpdateWindow();

        CHeadlessHost host;
        CMainFrame logic(host);
        logic.OnSide2();
        logic.Seed(Frame().State().m_rule);
        CSurface expected(kClientWidth, kClientHeight, k);
        logic.OnPaint(expected);

        const QImage* backing = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
        ASSERT_NE(backing, nullptr);
        const QPoint corner = View().mapTo(window.get(), View().Origin());
        const QImage grabbed = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
        int inPlace = 0, copied = 0;
        for (int y = 0; y < expected.Height(); ++y)
            for (int x = 0; x < expected.Width(); ++x) {
                const QRgb want = expected.Pixel(x, y);
                inPlace += backing->pixel(corner.x() + x, corner.y() + y) != want;
                copied += grabbed.pixel(3 + x, 2 + y) != want;
            }
        EXPECT_EQ(inPlace, 0);
        EXPECT_EQ(copied, 0);
        // The hairline at 119 - (-50) - 30 = 139, k device pixels wide.
        EXPECT_EQ(grabbed.pixel(3 + 139 * k + k - 1, 2 + 150 * k), QRgb(Rgb(255, 0, 0)));
        EXPECT_NE(grabbed.pixel(3 + 139 * k + k, 2 + 150 * k), QRgb(Rgb(255, 0, 0)));

        for (const QPoint device : {QPoint(0, 0), QPoint(k - 1, k - 1), QPoint(3 * k + 2, 5 * k),
                                    QPoint(240 * k - 1, 200 * k + k - 1)}) {
            QTest::mousePress(&View(), Qt::LeftButton, {}, View().Origin() + device);
            EXPECT_EQ(Frame().State().m_gesture.m_nLastX, device.x() / k) << device.x();
            QTest::mouseRelease(&View(), Qt::LeftButton, {}, View().Origin() + device);
        }
    }
}

// On a screen of device pixel ratio 2 (ctest runs this with QT_SCALE_FACTOR=2): the window
// of factor 2 composes its frame at k = 4, shows it 1:1 in its backing image, and a press on
// device pixel X of the frame reaches the logic at X / 4.
TEST_F(StartUp, OnAScreenOfRatioTwoTheFrameIsComposedAtTwiceTheFactor) {
    if (View().devicePixelRatioF() != 2.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    ASSERT_EQ(View().Factor(), 2);
    ASSERT_EQ(View().Scale(), 4);
    SeedRule(Frame(), [](CRuleState& r) { r.m_nScroll = 300; });
    window->UpdateWindow();
    CHeadlessHost host;
    CMainFrame logic(host);
    logic.Seed(Frame().State().m_rule);
    CSurface expected(kClientWidth, kClientHeight, 4);
    logic.OnPaint(expected);
    const QImage* backing = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
    ASSERT_NE(backing, nullptr);
    const QPoint corner = View().mapTo(window.get(), View().Origin()) * 2;
    int wrong = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            wrong += backing->pixel(corner.x() + x, corner.y() + y) != expected.Pixel(x, y);
    EXPECT_EQ(wrong, 0);
    for (const int device : {0, 402, 958}) {
        QTest::mousePress(&View(), Qt::LeftButton, {}, View().Origin() + QPoint(device / 2, 300));
        EXPECT_EQ(Frame().State().m_gesture.m_nLastX, device / 4) << device;
        QTest::mouseRelease(&View(), Qt::LeftButton, {}, View().Origin() + QPoint(device / 2, 300));
    }
}

}  // namespace
