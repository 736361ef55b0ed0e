// The menus by the keyboard in either layout, and the help on the scales, in the real window.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include "frontend/qt/help_window.h"
#include "frontend/qt/menu_keys.h"
#include "model/scale_bands.h"
#include "qt_support.h"
#include "resources/ids.h"
#include "training/scale_help.h"
#include "view/image_set.h"

namespace {

// A key as X11 delivers it: its key code (the Linux input code plus 8), Qt's key and the text
// it types in the layout group that is active.
struct XKey {
    quint32 code;
    int qtKey;
    const char* text;
};
constexpr XKey kLatinA{38, Qt::Key_A, "a"}, kRussianA{38, 0x0424, "ф"};
constexpr XKey kLatinB{56, Qt::Key_B, "b"}, kRussianB{56, 0x0418, "и"};
constexpr XKey kLatinD{40, Qt::Key_D, "d"}, kRussianD{40, 0x0412, "в"};
constexpr XKey kLatinJ{44, Qt::Key_J, "j"}, kLatinComma{59, Qt::Key_Comma, ","};

using MenusAndHelp = WindowTest;

// Delivered to the widget that has the keys, as the platform delivers a key that no shortcut
// took.
void Type(const XKey& key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* to = QApplication::activePopupWidget();
    if (!to) to = QApplication::focusWidget();
    ASSERT_NE(to, nullptr);
    QKeyEvent press(QEvent::KeyPress, key.qtKey, mods, key.code, 0, 0, QString::fromUtf8(key.text));
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key.qtKey, mods, key.code, 0, 0,
                      QString::fromUtf8(key.text));
    QApplication::sendEvent(to, &release);
}

QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

TEST_F(MenusAndHelp, AltAndTheMenusLetterOpensItInEitherLayout) {
    EXPECT_EQ(UsKeyOf(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::AltModifier, 38, 0, 0, "a")), 'a');
    EXPECT_EQ(UsKeyOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Comma, {}, "б")), ',');
    const struct {
        XKey key;
        int menu;  // -1: none opens
    } cases[] = {{kLatinA, 0}, {kRussianA, 0}, {kLatinJ, 1}, {kLatinB, -1}, {kRussianB, -1}};
    const QList<QAction*> heads = window->menuBar()->actions();
    ASSERT_EQ(heads.size(), 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key.text);
        View().setFocus();
        Type(c.key, Qt::AltModifier);
        if (c.menu < 0) {
            EXPECT_EQ(OpenMenu(), nullptr);
            continue;
        }
        ASSERT_TRUE(WaitUntil([&] { return OpenMenu() != nullptr; }));
        EXPECT_EQ(OpenMenu(), heads[c.menu]->menu());
        OpenMenu()->close();
        ASSERT_TRUE(WaitUntil([&] { return OpenMenu() == nullptr; }));
    }
    // In "Операции", the key of Б runs "Oбучение..." from the Latin layout too.
    View().setFocus();
    Type(kLatinJ, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return OpenMenu() != nullptr; }));
    Type(kLatinComma);
    EXPECT_TRUE(WaitUntil([&] { return Frame().Current() == Activity::LessonChooser; }));
}

// In "Файл", И (the key of the Latin B that "Bыход" starts with) does nothing, В leaves.
TEST_F(MenusAndHelp, InFileTheKeyOfCyrillicIDoesNothingAndVLeaves) {
    for (const XKey& exit : {kLatinD, kRussianD}) {
        SCOPED_TRACE(exit.text);
        if (!window) SetUp();
        View().setFocus();
        Type(kLatinA, Qt::AltModifier);
        ASSERT_TRUE(WaitUntil([&] { return OpenMenu() != nullptr; }));
        Type(kLatinB);
        Type(kRussianB);
        QTest::qWait(50);
        EXPECT_NE(OpenMenu(), nullptr);
        EXPECT_TRUE(window->isVisible());
        Type(exit);
        EXPECT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
        window.reset();
    }
}

// F1 opens the help; each page shows its scale's stretch of the strip pixel for pixel, and a
// press on the scale's name shows that stretch on the rule. With SKALOR_HELP_SHOTS set, the
// pages of scales 2 and 16 are saved there to be looked at.
TEST_F(MenusAndHelp, F1OpensTheHelpAndANamesPressShowsTheScale) {
    View().setFocus();
    QTest::keyClick(&View(), Qt::Key_F1);
    CHelpWindow* help = window->HelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return help->isVisible(); }));
    ASSERT_EQ(help->List().count(), training::kScaleHelpCount);
    const QString shots = qEnvironmentVariable("SKALOR_HELP_SHOTS");
    for (int index : {2, 16}) {
        const training::ScaleHelpPage& page = training::ScaleHelp(index);
        SCOPED_TRACE(page.title);
        help->List().setCurrentRow(index);
        EXPECT_EQ(help->Title().text().contains(QString::fromUtf8(page.title.c_str())), true);
        EXPECT_EQ(help->Text().text().toStdString(), page.text);
        const CPixmap want = LoadImagePart(page.image, page.picture, 2);  // factor 2
        const QImage shown =
            help->Picture().pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), QSize(want.Width(), want.Height()));
        int wrong = 0;
        for (int y = 0; y < want.Height(); ++y)
            for (int x = 0; x < want.Width(); ++x) wrong += shown.pixel(x, y) != want.Pixel(x, y);
        EXPECT_EQ(wrong, 0);
        if (!shots.isEmpty())
            help->grab().save(QDir(shots).filePath(QStringLiteral("help-%1.png").arg(index)));

        emit help->Title().linkActivated(QStringLiteral("#"));
        EXPECT_EQ(Frame().State().m_rule.m_nSide, page.side);
        const int first = model::BandOf(page.scale).firstColumn;
        EXPECT_GE(first, Frame().State().m_rule.m_nScroll);
        EXPECT_LT(first, Frame().State().m_rule.m_nScroll + 236);
    }
    // While a lesson holds the rule, the name's press moves nothing.
    ASSERT_TRUE(Frame().OnCommand(ID_TRAINING));
    const CRuleState before = Frame().State().m_rule;
    help->List().setCurrentRow(0);
    emit help->Title().linkActivated(QStringLiteral("#"));
    EXPECT_EQ(Frame().State().m_rule.m_nSide, before.m_nSide);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, before.m_nScroll);
}

}  // namespace
