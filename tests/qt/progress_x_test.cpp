// The real window on an X display (Xvfb): what is chosen in one run is there in the next run
// on the same progress file. A run is a window made, shown, worked by keys and closed with
// Ctrl+Q, as the program's own main() does it.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "qt_support.h"
#include "resources/ids.h"

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

// Lesson 1 finished, lesson 3 begun, two kinds of task tried.
constexpr const char* kKept =
    R"({"format": 1, "chosen": {"lesson": 3, "task": 2},
        "lessons": {"1": {"step": 19, "finished": "2026-01-15"}, "3": {"step": 2}},
        "tasks": {"2": {"set": 7, "right": 5, "last": "2026-01-14"},
                  "3": {"set": 1, "right": 0, "last": "2026-01-15"}}})";

TEST(ProgressOnX, ChoosersMarkWhatWasDoneAndTheTableResetsAndTakesBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("progress.json"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(kKept);
    out.close();
    ProgramRun run(file);
    CQtMainWindow& w = *run.window;
    const auto mark = [&](int row) {
        return w.ListWidget()->item(row)->data(Qt::UserRole + 1).toString().toStdString();
    };
    FindCommand(w, ID_TRAINING)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return w.ListWidget() != nullptr; }));
    EXPECT_EQ(mark(0), "✓");
    EXPECT_EQ(mark(1), "");
    EXPECT_EQ(mark(2), "•");
    EXPECT_EQ(w.ListWidget()->currentRow(), 2);  // lesson 3, the last chosen
    EXPECT_EQ(w.ListWidget()->item(0)->text().toStdString(), " Обзор шкал Skalor");
    if (const char* shots = std::getenv("SKALOR_SHOTS"))
        w.grab().save(QString::fromUtf8(shots) + "/lesson_chooser_marks.png");
    run.Key(Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return w.ListWidget() == nullptr; }));
    FindCommand(w, ID_TASKS)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return w.ListWidget() != nullptr; }));
    EXPECT_EQ(mark(0), "5 из 7");
    EXPECT_EQ(mark(1), "0 из 1");
    EXPECT_EQ(mark(2), "");
    run.Key(Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return w.ListWidget() == nullptr; }));

    // The table: reset asks first; a "No" keeps everything, a "Yes" forgets, and the same
    // button then takes it back.
    std::vector<std::string> seen;
    int step = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(step == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog || dialog->objectName() != "ProgressDialog") return;
        auto* table = dialog->findChild<QTableWidget*>("ProgressTable");
        auto* reset = dialog->findChild<QPushButton*>("ResetProgress");
        seen.push_back(table->item(1, 1)->text().toStdString() + " / " +
                       reset->text().toStdString());
        if (step == 0 && std::getenv("SKALOR_SHOTS"))
            dialog->grab().save(QString::fromUtf8(std::getenv("SKALOR_SHOTS")) +
                                "/progress_table.png");
        // Queued: the question's own loop must not run inside this timer's tick.
        if (++step <= 3)
            QMetaObject::invokeMethod(reset, &QPushButton::click, Qt::QueuedConnection);
        else
            dialog->reject();
    });
    driver.start(20);
    FindCommand(w, ID_PROGRESS)->trigger();
    driver.stop();
    const std::vector<std::string> expected = {"пройден / Сбросить прогресс",
                                               "пройден / Сбросить прогресс", " / Вернуть прогресс",
                                               "пройден / Сбросить прогресс"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(w.Frame().Progress().Lessons().size(), 2u);
    EXPECT_EQ(w.Frame().Progress().Kinds().at(2).right, 5);
}

}  // namespace
