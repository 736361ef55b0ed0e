// The window in words: the same texts and buttons that the paint draws, read from the state
// the paint reads.
#include "app/main_frame.h"
#include "training/chooser.h"
#include "training/lesson_list.h"
#include "training/step_box.h"
#include "training/step_table.h"

namespace {

std::string TitleOf(int32_t key) {
    for (int i = 0; kLessonList[i].key != 0; ++i)
        if (int32_t(kLessonList[i].key) == key) {
            const std::string title = kLessonList[i].pszText;
            return title.substr(title.find_first_not_of(' '));
        }
    return "";
}

}  // namespace

bool CNarration::operator==(const CNarration& o) const {
    if (heading != o.heading || text != o.text || buttons.size() != o.buttons.size()) return false;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].caption != o.buttons[i].caption || !(buttons[i].rect == o.buttons[i].rect))
            return false;
    return true;
}

CNarration CMainFrame::Narration() const {
    CNarration n;
    const bool lessons = Current() == Activity::LessonChooser;
    if (lessons || Current() == Activity::TaskChooser) {
        n.heading = lessons ? "Выбор урока" : "Выбор задачи";
        n.buttons = {{"Отменить", ChooserButtonRect(0)},
                     {lessons ? "Выполнить" : "Начать", ChooserButtonRect(1)}};
        return n;
    }
    const std::optional<CRect> box = StepBoxRect();
    if (box) {
        n.heading = m_steps.m_nLesson > 0 ? TitleOf(m_steps.m_nLesson) : "Решение задачи";
        n.text = m_steps.Text();
        n.buttons = {{m_steps.Last() ? "Закончить" : "Далее...", StepButtonRect(*box)}};
        return n;
    }
    // A task's panel has real controls of its own; what changes in it is read out from here.
    if (TaskBoxShown()) {
        const CPanel panel = Panel();
        n.heading = panel.title;
        n.text = panel.problem;
        if (!panel.verdict.empty()) n.text += "\n" + panel.verdict;
        n.text += "\n" + panel.count;
    }
    return n;
}
