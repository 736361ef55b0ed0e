// The real window on an X display (Xvfb): what is chosen in one run is there in the next run
// on the same progress file. A run is a window made, shown, worked by keys and closed with
// Ctrl+Q, as the program's own main() does it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_support.h"

namespace {

class ProgramRun {
  public:
    explicit ProgramRun(const QString& file) : window(std::make_unique<CQtMainWindow>()) {
        window->KeepProgressIn(file);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(window->windowHandle(), key, mods);
    }
    const CRuleState& Rule() { return window->Frame().State().m_rule; }

    std::unique_ptr<CQtMainWindow> window;
};

TEST(ProgressOnX, FactorSideRuleAndPlaceComeBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("cadet/progress.json"));
    QPoint place;
    CRuleState left;
    {
        ProgramRun first(file);
        ASSERT_GT(first.window->Factor(), 1) << "Xvfb's screen fits a larger start";
        while (first.window->Factor() > 1) {
            const int was = first.window->Factor();
            first.Key(Qt::Key_Minus, Qt::ControlModifier);
            ASSERT_TRUE(WaitUntil([&] { return first.window->Factor() < was; }));
        }
        first.Key(Qt::Key_2, Qt::ControlModifier);
        ASSERT_TRUE(WaitUntil([&] { return first.Rule().m_nSide == 1; }));
        first.Key(Qt::Key_Right, Qt::ShiftModifier);    // the slide 20 pixels
        first.Key(Qt::Key_Right, Qt::ControlModifier);  // the cursor 1 pixel
        first.Key(Qt::Key_End);                         // the view to the rule's right end
        ASSERT_TRUE(WaitUntil([&] { return first.Rule().m_nScroll != 0; }));
        first.window->move(first.window->pos() + QPoint(37, 23));
        ASSERT_TRUE(WaitUntil([&] { return first.window->isVisible(); }));
        place = first.window->pos();
        first.Key(Qt::Key_Q, Qt::ControlModifier);
        ASSERT_TRUE(WaitUntil([&] { return !first.window->isVisible(); }));
        left = first.Rule();
        EXPECT_NE(left.m_nSlide, 0);
        EXPECT_NE(left.m_nCursor, 0);
    }
    ASSERT_TRUE(QFile::exists(file));
    ProgramRun second(file);
    EXPECT_EQ(second.window->Factor(), 1);
    EXPECT_EQ(second.Rule().m_nSide, 1);
    EXPECT_EQ(second.Rule().m_nSlide, left.m_nSlide);
    EXPECT_EQ(second.Rule().m_nCursor, left.m_nCursor);
    EXPECT_EQ(second.Rule().m_nScroll, left.m_nScroll);
    EXPECT_EQ(second.window->pos(), place);
}

}  // namespace
