// What the window is doing, and what may happen while it does it: one row a activity. The
// enable rules, the routing of a press and of a key, and whether the rule is free all read
// this table and nothing else.
#pragma once

#include <cstdint>

enum class Activity : uint8_t {
    RuleFree,       // nothing but the rule
    LessonChooser,  // the lesson list over whatever runs beneath
    Lesson,         // a lesson's steps hold the rule
    TaskChooser,    // the task list, as the lesson list
    Task,           // a task's panel beside a free rule
    Solution,       // a task's solution played as lesson steps
    Test,           // a test of several tasks: a task's panel, the rule free
};
constexpr int kActivityCount = 7;

// Who gets a press (and, for the keys, a key without modifiers) first.
enum class Taker : uint8_t { Rule, LessonList, TaskList, Steps, TaskPanel };

struct ActivityRules {
    Activity activity;
    bool ruleFree;   // side, clamp and undo enabled; presses, keys and the wheel move the rule
    bool choosers;   // the lesson and the task chooser may open (they share the one list box)
    bool chooser;    // a chooser: it opens over another activity and gives the window back
    Taker taker;     // who gets a press and a key first
    bool listNotes;  // the list box's notifications reach the window (id 1, IDOK's)
};

// clang-format off
constexpr ActivityRules kActivityRules[kActivityCount] = {
    // activity                ruleFree choosers chooser taker              listNotes
    {Activity::RuleFree,       true,    true,    false,  Taker::Rule,       false},
    {Activity::LessonChooser,  false,   false,   true,   Taker::LessonList, true},
    {Activity::Lesson,         false,   true,    false,  Taker::Steps,      false},
    {Activity::TaskChooser,    false,   false,   true,   Taker::TaskList,   false},
    {Activity::Task,           true,    true,    false,  Taker::TaskPanel,  false},
    {Activity::Solution,       false,   true,    false,  Taker::Steps,      false},
    {Activity::Test,           true,    false,   false,  Taker::TaskPanel,  false},
};
// clang-format on

constexpr const ActivityRules& RulesOf(Activity a) { return kActivityRules[int(a)]; }

// The activity with what a chooser returns to when it closes.
struct CActivity {
    Activity m_nNow = Activity::RuleFree;
    Activity m_nUnder = Activity::RuleFree;  // beneath an open chooser; else as m_nNow
    // What runs beneath a chooser, or what runs.
    Activity Base() const { return RulesOf(m_nNow).chooser ? m_nUnder : m_nNow; }
};

inline bool operator==(const CActivity& a, const CActivity& b) {
    return a.m_nNow == b.m_nNow && a.m_nUnder == b.m_nUnder;
}
