// A test of several tasks in the main window: its tasks one after another in the panel beside a
// free rule, one answer each, the clock of the whole test, the end (the last task's "Завершить",
// or Escape once the user agrees) with the result kept and shown, and a result's solutions.
#include "app/main_frame.h"
#include "resources/ids.h"

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

bool CMainFrame::OnTestKey(KeyCode key, bool repeat) {
    switch (key) {
        case KEY_RETURN:
        case KEY_ENTER:
            // "Проверить" from the answer field; elsewhere Return is nobody's.
            if (!FieldHasKeys()) return false;
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
    // Taken, the answer leaves no field: the keys go back to the rule.
    if (m_test.m_exam->Answer(m_tasks.m_strAnswer, m_host.NowMs())) m_tasks.m_bFieldKeys = 0;
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
    SetBase(Activity::RuleFree);
    // The result is kept with what the program remembers, dated by the user's day.
    if (m_progress.AddTestResult(training::RecordOfTest(*m_test.m_exam, Today()))) StoreProgress();
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
    m_test.m_nRow = row;
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
