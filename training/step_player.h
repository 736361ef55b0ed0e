// Plays prepared steps one at a time: a lesson's from the step table, or a task's solution,
// whose steps are derived from its notes when it is shown. Where the steps come from is all
// that differs; what the rule does at each step and at the end is the window's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "training/lesson_placer.h"
#include "training/step_table.h"

namespace training {
struct Task;

// A solution's steps placed as the window shows them, each box measured in the step box's
// font; the records' texts point into texts.
Placement PlaceSolution(const std::vector<StepNote>& notes, const std::vector<std::string>& texts);
}  // namespace training

struct CStepPlayer {
    int32_t m_nLesson = 0;  // key of the running lesson; 0: none
    int32_t m_nStep = -1;   // its step, an index into the step table; -1: none
    // A shown solution: its placed steps, their texts and lines, and the current one (-1
    // while no solution is shown).
    std::vector<LessonStep> m_solution;
    std::vector<std::string> m_texts;
    std::vector<std::vector<std::string_view>> m_lines;
    int32_t m_nShowStep = -1;

    // Starts lesson key at its first step; false, playing nothing, when it has none.
    bool PlayLesson(uint32_t key);
    // Derives the steps of the task's solution and starts at the first.
    void PlaySolution(const training::Task& task);
    void Stop();
    bool Playing() const { return m_nLesson > 0 || m_nShowStep >= 0; }

    // The current step; only while playing.
    const LessonStep& Step() const;
    const char* Text() const;
    const std::vector<std::string_view>& Lines() const;
    bool Last() const;  // the button says "Закончить"
    // Goes to the next step; false, leaving the last one current, when there is none.
    bool Advance();

    // The box of the current step with its button and pointer, and the button's hit test.
    void Draw(CSurface& dc) const;
    bool OnButton(CPoint point) const;
};

bool operator==(const CStepPlayer& a, const CStepPlayer& b);
