#include "training/step_player.h"

#include <map>
#include <utility>

#include "training/step_box.h"
#include "training/task_kinds.h"

training::Placement training::PlaceSolution(const std::vector<StepNote>& notes,
                                            const std::vector<std::string>& texts) {
    std::vector<LessonStep> table(notes.size(), LessonStep{});
    for (std::size_t i = 0; i < table.size(); ++i) table[i].pszText = texts[i].c_str();
    // The box's text above its button, measured as the step box draws it; the placer tries
    // a few widths for each text, and each is measured once.
    std::map<std::pair<std::string, int>, int> heights;
    const TextHeight measure = [&heights](const char* text, int width) {
        auto [at, added] = heights.try_emplace({text, width}, 0);
        if (added) {
            const CRect r = CSurface::MeasureText(text, CRect{0, 0, width, 4000}, DT_WORDBREAK,
                                                  CFont{kStepTextFontHeight});
            at->second = r.bottom - r.top;
        }
        return at->second;
    };
    return PlaceAll(notes.data(), int(notes.size()), table.data(), measure);
}

bool CStepPlayer::PlayLesson(uint32_t key) {
    Stop();
    m_nStep = FindNextStep(key, -1);
    if (m_nStep >= 0) m_nLesson = int32_t(key);
    return m_nStep >= 0;
}

void CStepPlayer::PlaySolution(const training::Task& task) {
    Stop();
    // The same placer that derives the lessons' steps derives the solution's, boxes and all.
    const training::Solution solution = training::SolutionOf(task);
    m_texts = solution.texts;
    m_solution = training::PlaceSolution(solution.notes, m_texts).records;
    m_lines.clear();
    for (const LessonStep& s : m_solution) m_lines.push_back(BreakStepText(s.pszText, s.rcBox));
    m_nShowStep = 0;
}

void CStepPlayer::Stop() {
    m_nLesson = 0;
    m_nStep = -1;
    m_nShowStep = -1;
}

const LessonStep& CStepPlayer::Step() const {
    return m_nLesson > 0 ? kStepTable[m_nStep] : m_solution[std::size_t(m_nShowStep)];
}

const char* CStepPlayer::Text() const {
    return m_nLesson > 0 ? kStepTable[m_nStep].pszText : m_texts[std::size_t(m_nShowStep)].c_str();
}

const std::vector<std::string_view>& CStepPlayer::Lines() const {
    return m_nLesson > 0 ? StepTextLines(m_nStep) : m_lines[std::size_t(m_nShowStep)];
}

bool CStepPlayer::Last() const {
    return m_nLesson > 0 ? FindNextStep(uint32_t(m_nLesson), m_nStep) <= 0
                         : std::size_t(m_nShowStep) + 1 >= m_solution.size();
}

bool CStepPlayer::Advance() {
    if (Last()) return false;
    if (m_nLesson > 0)
        m_nStep = FindNextStep(uint32_t(m_nLesson), m_nStep);
    else
        ++m_nShowStep;
    return true;
}

void CStepPlayer::Draw(CSurface& dc) const { DrawStepBoxOf(dc, Step(), Last(), Lines()); }

bool CStepPlayer::OnButton(CPoint point) const {
    return HitTestBoxButton(point.x, point.y, Step().rcBox) > 0;
}

bool operator==(const CStepPlayer& a, const CStepPlayer& b) {
    if (a.m_nLesson != b.m_nLesson || a.m_nStep != b.m_nStep || a.m_nShowStep != b.m_nShowStep ||
        a.m_texts != b.m_texts || a.m_lines != b.m_lines ||
        a.m_solution.size() != b.m_solution.size())
        return false;
    // A solution's records point into their own player's texts, compared above.
    for (std::size_t i = 0; i < a.m_solution.size(); ++i) {
        const LessonStep &s = a.m_solution[i], &t = b.m_solution[i];
        if (s.key != t.key || s.bArrow != t.bArrow || !(s.ptArrow == t.ptArrow) ||
            s.bState != t.bState || s.nScroll != t.nScroll || s.nSlide != t.nSlide ||
            s.nCursor != t.nCursor || s.nSide != t.nSide || s.bClamp != t.bClamp ||
            !(s.rcBox == t.rcBox))
            return false;
    }
    return true;
}
