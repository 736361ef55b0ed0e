// The program window as it starts: title, menus, toolbar, the command states and the
// commands that end in a box or in leaving.
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "qt_support.h"
#include "resources/ids.h"
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
    {"Cторона 1", ID_SIDE1, "C", "Ctrl+1"},
    {"Cторона 2", ID_SIDE2, "C", "Ctrl+2"},
    {nullptr, 0, "", ""},
    {"Bыход", ID_EXIT, "B", "Ctrl+Q"},
};
const std::vector<ExpectedItem> kOperationsItems = {
    {"Oтменить", ID_UNDO, "O", "Ctrl+Z"},         {nullptr, 0, "", ""},
    {"Пpижать визирку", ID_CLAMP, "p", "Ctrl+L"}, {nullptr, 0, "", ""},
    {"Oбучение...", ID_TRAINING, "O", "Ctrl+T"},  {nullptr, 0, "", ""},
    {"Клавиши", ID_KEYS, "", ""},                 {"O программе...", ID_ABOUT, "O", ""},
};
const std::vector<ExpectedItem> kViewItems = {
    {"Крупнее", ID_VIEW_LARGER, "", "Ctrl++"},
    {"Мельче", ID_VIEW_SMALLER, "", "Ctrl+-"},
    {"Обычный размер", ID_VIEW_NORMAL, "", "Ctrl+0"},
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
    ASSERT_EQ(bar.size(), 3);
    ExpectMenu(bar[0]->menu(), "Файл", kFileItems);
    ExpectMenu(bar[1]->menu(), "Операции", kOperationsItems);
    ExpectMenu(bar[2]->menu(), "Вид", kViewItems);
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

    // The undo button is the strip's right half, each pixel a 2x2 block; the silver face
    // shows the toolbar through.
    const CPixmap strip = LoadImageResource(IDB_TOOLBAR);
    ASSERT_EQ(strip.Width(), 32);
    ASSERT_EQ(strip.Height(), 15);
    const QImage undo =
        buttons[1]->icon().pixmap(QSize(32, 30)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(undo.size(), QSize(32, 30));
    int glyph = 0;
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Colour source = strip.Pixel(16 + x, y);
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb shown = undo.pixel(2 * x + dx, 2 * y + dy);
                    if (source == Rgb(192, 192, 192)) {
                        EXPECT_EQ(qAlpha(shown), 0) << x << "," << y;
                    } else {
                        EXPECT_EQ(shown, QRgb(source)) << x << "," << y;
                    }
                }
            }
            glyph += source == Rgb(0, 0, 255);
        }
    }
    EXPECT_GT(glyph, 20);  // the blue undo glyph is there at all
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
    EXPECT_EQ(Frame().m_rule.m_bClamp, 1);
    EXPECT_TRUE(FindCommand(*window, ID_CLAMP)->isChecked());
    FindCommand(*window, ID_CLAMP)->trigger();
    EXPECT_EQ(Frame().m_rule.m_bClamp, 0);
    EXPECT_FALSE(FindCommand(*window, ID_CLAMP)->isChecked());

    FindCommand(*window, ID_SIDE2)->trigger();
    EXPECT_EQ(Frame().m_rule.m_nSide, 1);
    EXPECT_FALSE(FindCommand(*window, ID_SIDE1)->isChecked());
    EXPECT_TRUE(FindCommand(*window, ID_SIDE2)->isChecked());
    // Triggering the checked item again leaves exactly one mark.
    FindCommand(*window, ID_SIDE2)->trigger();
    EXPECT_EQ(Frame().m_rule.m_nSide, 1);
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
    Frame().m_rule.m_bClamp = 1;
    Frame().m_training.m_nLesson = 2;
    QMenu* operations = window->menuBar()->actions()[1]->menu();
    operations->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(WaitUntil([&] { return operations->isVisible(); }));
    EXPECT_TRUE(FindCommand(*window, ID_CLAMP)->isChecked());
    EXPECT_FALSE(FindCommand(*window, ID_CLAMP)->isEnabled());
    EXPECT_FALSE(FindCommand(*window, ID_SIDE1)->isEnabled());
    EXPECT_TRUE(FindCommand(*window, ID_TRAINING)->isEnabled());
    operations->close();
    Frame().m_training.m_nLesson = 0;
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

TEST_F(StartUp, PaintShowsTheComposedFrameEnlargedPixelForPixel) {
    FindCommand(*window, ID_SIDE2)->trigger();
    Frame().m_rule.m_nScroll = 30;
    Frame().m_rule.m_nCursor = -50;
    window->UpdateWindow();
    const CSurface* frame = Frame().Buffer();
    ASSERT_NE(frame, nullptr);
    const QImage shown = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int f = View().Factor();
    const QPoint o = View().Origin();
    ASSERT_EQ(f, 2);
    int mismatches = 0;
    for (int y = 0; y < kClientHeight; ++y)
        for (int x = 0; x < kClientWidth; ++x)
            for (int d = 0; d < f * f; ++d)
                mismatches +=
                    shown.pixel(o.x() + x * f + d % f, o.y() + y * f + d / f) != frame->Pixel(x, y);
    EXPECT_EQ(mismatches, 0);
    // The paint saw the state of the moment: the hairline at 119 - (-50) - 30 = 139.
    EXPECT_EQ(shown.pixel(o.x() + 139 * f, o.y() + 150 * f), QRgb(Rgb(255, 0, 0)));
    EXPECT_NE(shown.pixel(o.x() + 119 * f, o.y() + 150 * f), QRgb(Rgb(255, 0, 0)));
}

}  // namespace
