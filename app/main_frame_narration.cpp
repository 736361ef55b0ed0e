// The window in words: the same texts and buttons that the paint draws, read from the state
// the paint reads.
#include "app/main_frame.h"
#include "training/chooser.h"
#include "training/lesson_list.h"
#include "training/step_box.h"
#include "training/step_table.h"
#include "training/task_box.h"

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
    if (TaskBoxShown()) {
        const CTaskBoxLayout& l = m_tasks.m_layout;
        const CTaskBoxWords words = TaskBoxWords();
        n.heading = Current() == Activity::Test ? "Зачёт" : "Задача";
        n.text = m_tasks.m_task.problem;
        if (!words.verdict.empty()) n.text += "\n" + words.verdict;
        n.text += "\n" + words.count;
        for (int b = 0; b < 3; ++b)
            if (words.captions[b]) n.buttons.push_back({words.captions[b], l.buttons[b]});
        n.buttons.push_back(
            {m_tasks.m_bAtBottom ? "Окно задачи наверх" : "Окно задачи вниз", l.flip});
    }
    return n;
}
