// Practice's handlers of the main window: the task chooser, the task box with its answer field
// and buttons, and the solution shown as lesson steps.
#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/chooser.h"
#include "training/lesson_placer.h"
#include "training/step_box.h"

namespace {

// The box's text above its button, measured as the step box draws it.
int TextHeight(const char* text, int width) {
    const CRect r = CSurface::MeasureText(text, CRect{0, 0, width, 4000}, DT_WORDBREAK,
                                          CFont{kStepTextFontHeight});
    return r.bottom - r.top;
}

// Where the box hides least of the scales a kind works with: against the bottom when they
// are all on the top strip and the upper slide (scales 1a, 1 and 2), else against the top.
bool BoxAtBottom(const tasks::Task& task) {
    for (const catalogue::StepNote& n : tasks::SolutionOf(task).notes) {
        if (n.act == catalogue::Act::Text) continue;
        for (artwork::Scale s : {n.mark.scale, n.other.scale})
            if (s != artwork::Scale::S1a && s != artwork::Scale::S1 && s != artwork::Scale::S2)
                return false;
    }
    return true;
}

}  // namespace

void CMainFrame::StowAnswer() {
    // The field goes while a chooser or a solution has the window; what it held comes back.
    if (!m_tasks.m_wndAnswer) return;
    m_tasks.m_strAnswer = m_tasks.m_wndAnswer->GetText();
    m_host.DestroyEditBox();
    m_tasks.m_wndAnswer = nullptr;
}

void CMainFrame::OnTasks() {
    EndGesture();  // as the lesson chooser: no drag or hold goes on behind the panel
    StowAnswer();
    m_tasks.m_bChooserOpen = 1;
    m_tasks.m_bChooserCreated = 0;
    m_host.Invalidate();
}

void CMainFrame::OnTaskChooserPress(CPoint point) {
    CloseTaskChooser(HitTestChooser(m_tasks.m_wndTaskList, point.x, point.y));
}

void CMainFrame::CloseTaskChooser(int32_t r) {
    if (r < 0) return;
    m_host.DestroyListBox();
    m_tasks.m_wndTaskList = nullptr;
    m_tasks.m_bChooserOpen = 0;
    if (r > 0) StartTask(uint32_t(r), m_tasks.m_nNextSeed++);
    m_host.Invalidate();
}

void CMainFrame::StartTask(uint32_t key, uint32_t seed) {
    if (!tasks::HasTaskKind(key)) return;
    // A task replaces a running lesson, as another lesson would, and leaves no undo entry.
    m_training.m_nLesson = 0;
    m_training.m_nStep = -1;
    CloseTask();
    m_tasks.m_task = tasks::DrawTask(key, seed);
    m_tasks.m_bOpen = 1;
    m_tasks.m_bAtBottom = BoxAtBottom(m_tasks.m_task);
    m_tasks.m_strAnswer.clear();
    m_tasks.m_strVerdict.clear();
    m_tasks.m_bSolved = 0;
    m_tasks.m_bShown = 0;
    ++m_tasks.m_nSet;
    LayOutTaskBox();
    // The problem is solved on its kind's side.
    if (m_tasks.m_task.readOn >= artwork::Scale::S7)
        OnSide2();
    else
        OnSide1();
    m_host.Invalidate();
}

void CMainFrame::LayOutTaskBox() {
    m_tasks.m_problemLines = BreakTaskText(m_tasks.m_task.problem);
    m_tasks.m_layout = LayoutTaskBox(int(m_tasks.m_problemLines.size()), m_tasks.m_bAtBottom);
    if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->Move(m_tasks.m_layout.field);
}

void CMainFrame::CloseTask() {
    if (m_tasks.m_wndAnswer) m_host.DestroyEditBox();
    m_tasks.m_wndAnswer = nullptr;
    if (!m_tasks.m_bOpen) return;
    m_tasks.m_bOpen = 0;
    m_tasks.m_nShowStep = -1;
    m_host.Invalidate();
}

bool CMainFrame::OnTaskBoxPress(CPoint point) {
    const CRect& box = m_tasks.m_layout.box;
    if (point.x < box.left || point.x > box.right || point.y < box.top || point.y > box.bottom) {
        // A press on the rule takes the keys from the answer field: they move the rule again.
        if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->KillFocus();
        return false;
    }
    // A press on the box leaves the keys with the answer field.
    if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->SetFocus();
    switch (HitTestTaskBox(m_tasks.m_layout, point.x, point.y)) {
        case kTaskCheck: OnTaskCheck(); break;
        case kTaskShow: OnTaskShow(); break;
        case kTaskClose: CloseTask(); break;
        case kTaskFlip:
            m_tasks.m_bAtBottom = !m_tasks.m_bAtBottom;
            LayOutTaskBox();
            m_host.Invalidate();
            break;
        case kTaskNowhere: break;  // the box's own ground: the rule under it is not touched
    }
    return true;
}

tasks::Verdict CMainFrame::OnTaskCheck() {
    if (!m_tasks.m_bOpen || m_tasks.m_nShowStep >= 0) return tasks::Verdict::Invalid;
    const std::string text =
        m_tasks.m_wndAnswer ? m_tasks.m_wndAnswer->GetText() : m_tasks.m_strAnswer;
    const tasks::Verdict v = tasks::Check(m_tasks.m_task, text);
    switch (v) {
        case tasks::Verdict::Invalid: m_tasks.m_strVerdict = "Введите число"; break;
        case tasks::Verdict::Right:
            m_tasks.m_strVerdict = "Верно";
            if (!m_tasks.m_bSolved && !m_tasks.m_bShown) ++m_tasks.m_nSolved;
            m_tasks.m_bSolved = 1;
            break;
        case tasks::Verdict::Wrong:
            m_tasks.m_strVerdict = "Неверно: около " + tasks::RoundedAnswer(m_tasks.m_task);
            break;
    }
    m_host.Invalidate();
    return v;
}

void CMainFrame::OnTaskShow() {
    if (!m_tasks.m_bOpen || m_tasks.m_nShowStep >= 0) return;
    EndGesture();  // the solution holds the rule as a lesson does: no drag goes on under it
    // The same placer that derives the lessons' steps derives the solution's, boxes and all.
    const tasks::Solution solution = tasks::SolutionOf(m_tasks.m_task);
    m_tasks.m_texts = solution.texts;
    std::vector<LessonStep> texts(solution.notes.size(), LessonStep{});
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i].pszText = m_tasks.m_texts[i].c_str();
    m_tasks.m_solution = catalogue::PlaceAll(solution.notes.data(), int(solution.notes.size()),
                                             texts.data(), TextHeight)
                             .records;
    m_tasks.m_lines.clear();
    for (LessonStep& s : m_tasks.m_solution)
        m_tasks.m_lines.push_back(BreakStepText(s.pszText, s.rcBox));

    StowAnswer();
    m_tasks.m_bShown = 1;
    m_tasks.m_nShowStep = 0;
    m_rule.m_bClamp = 0;  // as at the start of a lesson
    ApplyStep(m_tasks.m_solution[0]);
    m_host.Invalidate();
}

void CMainFrame::ApplyStep(const LessonStep& step) {
    if (!step.bState) return;
    m_rule.m_nScroll = step.nScroll;
    m_rule.m_nSlide = step.nSlide;
    m_rule.m_nCursor = step.nCursor;
    m_rule.m_bClamp = step.bClamp;
    if (step.nSide == 0)
        OnSide1();
    else
        OnSide2();
}

void CMainFrame::OnSolutionPress(CPoint point) {
    if (HitTestBoxButton(point.x, point.y,
                         m_tasks.m_solution[std::size_t(m_tasks.m_nShowStep)].rcBox) < 1)
        return;
    AdvanceSolution();
}

void CMainFrame::AdvanceSolution() {
    const std::vector<LessonStep>& steps = m_tasks.m_solution;
    if (++m_tasks.m_nShowStep >= int32_t(steps.size())) {
        FinishSolution();
        return;
    }
    ApplyStep(steps[std::size_t(m_tasks.m_nShowStep)]);
    m_host.Invalidate();
}

void CMainFrame::FinishSolution() {
    // As at the end of a lesson: the rule stays where the solution left it, one undo entry,
    // and the task box comes back.
    m_tasks.m_nShowStep = -1;
    m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
    m_host.Invalidate();
}

std::optional<CRect> CMainFrame::StepBoxRect() const {
    if (m_training.m_nLesson > 0) return kStepTable[m_training.m_nStep].rcBox;
    if (m_tasks.m_nShowStep >= 0) return m_tasks.m_solution[std::size_t(m_tasks.m_nShowStep)].rcBox;
    return std::nullopt;
}

void CMainFrame::PaintTasks(CSurface& dc) {
    // An open chooser hides the task's box as it hides a lesson's (the field is stowed).
    if (m_training.m_bListOpen || m_tasks.m_bChooserOpen) {
        if (m_tasks.m_bChooserOpen) DrawChooser(dc, "Начать");
        return;
    }
    if (m_tasks.m_nShowStep >= 0) {
        const std::size_t i = std::size_t(m_tasks.m_nShowStep);
        DrawStepBoxOf(dc, m_tasks.m_solution[i], i + 1 == m_tasks.m_solution.size(),
                      m_tasks.m_lines[i]);
    } else if (m_tasks.m_bOpen) {
        const std::string count = SolvedCount(m_tasks.m_nSolved, m_tasks.m_nSet);
        const std::string answer =
            m_tasks.m_wndAnswer ? m_tasks.m_wndAnswer->GetText() : m_tasks.m_strAnswer;
        DrawTaskBox(dc, m_tasks.m_layout, m_tasks.m_problemLines, answer, m_tasks.m_strVerdict,
                    count);
    }
}

void CMainFrame::AfterPaintTasks() {
    // The list box and the answer field are real child windows, made once what lies under
    // them is on the window.
    if (m_tasks.m_bChooserOpen && !m_tasks.m_bChooserCreated) {
        m_tasks.m_wndTaskList = m_host.CreateListBox(kLessonListRect, IDC_LESSON_LIST);
        if (m_tasks.m_wndTaskList) FillTaskList(*m_tasks.m_wndTaskList);
        m_tasks.m_bChooserCreated = 1;
    }
    if (m_tasks.m_bOpen && m_tasks.m_nShowStep < 0 && !m_tasks.m_wndAnswer &&
        !m_tasks.m_bChooserOpen && !m_training.m_bListOpen) {
        m_tasks.m_wndAnswer = m_host.CreateEditBox(m_tasks.m_layout.field, IDC_ANSWER);
        if (m_tasks.m_wndAnswer) {
            m_tasks.m_wndAnswer->SetText(m_tasks.m_strAnswer.c_str());
            m_tasks.m_wndAnswer->SetFocus();
        }
    }
}
