// A test of several tasks in the main window: its tasks one after another in the task box on a
// free rule, one answer each, the clock of the whole test, the end (the last task's "Завершить",
// or Escape once the user agrees) with the result kept and shown, and a result's solutions.
#include <cstdio>

#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/progress_store.h"

namespace {

// Minutes and seconds, "2:15"; hours as minutes past 59.
std::string Clock(int64_t ms) {
    const int64_t seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

}  // namespace

bool CMainFrame::StartTest(uint32_t variant, const std::vector<uint32_t>& kinds, int count) {
    if (!RulesOf(Current()).choosers || RulesOf(Current()).chooser) return false;
    training::Paper paper = training::DrawPaper(variant, kinds, count);
    if (paper.tasks.empty()) return false;
    EndGesture();
    // A test replaces a lesson, a task or a shown solution, and leaves no undo entry.
    if (m_steps.Playing()) m_steps.Stop();
    CloseTask();
    m_test.m_bFromResult = 0;
    m_test.m_exam.emplace(std::move(paper), m_host.NowMs());
    SetBase(Activity::Test);
    PutTestTask();
    m_host.SetTimer(TIMER_TEST, kTestTickMs);
    return true;
}

void CMainFrame::PutTestTask() {
    const training::CExam& exam = *m_test.m_exam;
    PutTask(exam.GetPaper().tasks[std::size_t(exam.Current())]);
}

CTaskBoxWords CMainFrame::TaskBoxWords() const {
    if (m_activity.Base() == Activity::Test) return TestWords();
    return PracticeWords(m_tasks.m_verdict, m_tasks.m_nSolved, m_tasks.m_nSet);
}

CTaskBoxWords CMainFrame::TestWords() const {
    const training::CExam& exam = *m_test.m_exam;
    const int current = exam.Current();
    CTaskBoxWords words;
    // The verdict waits for the result: the box says only whether the answer was taken.
    switch (exam.Rows()[std::size_t(current)].outcome) {
        case training::Verdict::Right:
        case training::Verdict::Wrong: words.verdict = "Ответ принят"; break;
        case training::Verdict::Invalid: words.verdict = "Введите число"; break;
        case training::Verdict::None: break;
    }
    const int total = int(exam.Rows().size());
    words.count = "Задача " + std::to_string(current + 1) + " из " + std::to_string(total) + ", " +
                  Clock(exam.Elapsed(m_host.NowMs()));
    words.captions[0] = "Проверить";
    words.captions[1] = current + 1 < total ? "Следующая" : "Завершить";
    words.captions[2] = nullptr;
    return words;
}

void CMainFrame::OnTestBoxPart(TaskBoxPart part) {
    switch (part) {
        case kTaskCheck: OnTestAnswer(); break;
        case kTaskShow: OnTestNext(); break;
        default: break;  // no third button in a test; the switch is the task box's
    }
}

bool CMainFrame::OnTestKey(KeyCode key, bool repeat) {
    switch (key) {
        case KEY_RETURN:
        case KEY_ENTER:
            if (!m_tasks.m_wndAnswer || !m_tasks.m_wndAnswer->HasFocus()) return false;
            if (!repeat) OnTestAnswer();
            return true;
        case KEY_ESCAPE:
            if (!repeat)
                m_host.AskYesNo("Зачёт",
                                "Закончить зачёт досрочно?\nЗадачи без ответа будут засчитаны "
                                "как нерешённые.",
                                ID_TEST_END);
            return true;
        default: return false;
    }
}

void CMainFrame::OnTestAnswer() {
    if (m_activity.Base() != Activity::Test) return;
    const std::string text =
        m_tasks.m_wndAnswer ? m_tasks.m_wndAnswer->GetText() : m_tasks.m_strAnswer;
    m_test.m_exam->Answer(text, m_host.NowMs());
    m_host.Invalidate();
}

void CMainFrame::OnTestNext() {
    if (m_activity.Base() != Activity::Test) return;
    // What stands in the field counts, as if "Проверить" had been pressed: typed and not
    // checked is still the answer given.
    OnTestAnswer();
    m_test.m_exam->Next(m_host.NowMs());
    if (m_test.m_exam->Finished())
        FinishTest();
    else
        PutTestTask();
}

void CMainFrame::OnTestEnd() {
    m_test.m_exam->End(m_host.NowMs());
    FinishTest();
}

void CMainFrame::FinishTest() {
    m_host.KillTimer(TIMER_TEST);
    if (m_tasks.m_wndAnswer) m_host.DestroyEditBox();
    m_tasks.m_wndAnswer = nullptr;
    SetBase(Activity::RuleFree);
    m_test.m_kept = training::RecordOfTest(*m_test.m_exam, training::DateOf(training::LocalNow()));
    // Once the window holds the progress store, the result goes to it: AddTestResult(*m_kept).
    m_host.Invalidate();
    m_host.ShowTestResult();
}

bool CMainFrame::ShowTestSolution(int row) {
    const training::CExam* exam = m_test.m_exam ? &*m_test.m_exam : nullptr;
    if (!exam || !exam->Finished() || row < 0 || row >= int(exam->Rows().size()) ||
        !RulesOf(Current()).choosers || RulesOf(Current()).chooser)
        return false;
    EndGesture();
    if (m_steps.Playing()) m_steps.Stop();
    CloseTask();
    m_steps.PlaySolution(exam->GetPaper().tasks[std::size_t(row)]);
    m_test.m_bFromResult = 1;
    SetBase(Activity::Solution);
    m_rule.m_bClamp = 0;  // as at the start of a lesson
    ApplyStep(m_steps.Step());
    m_host.Invalidate();
    return true;
}

void CMainFrame::OnTest() {
    EndGesture();
    m_host.OpenTestDialog();
}

void CMainFrame::OnPrintSheets() { m_host.OpenSheetsDialog(); }

void CMainFrame::OnUpdateTestEnd(CCmdUI& ui) const { ui.Enable(Current() == Activity::Test); }

// The key of a variant is no help during a test.
void CMainFrame::OnUpdatePrintSheets(CCmdUI& ui) const {
    ui.Enable(m_activity.Base() != Activity::Test);
}
