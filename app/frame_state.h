// The main window's whole state, part by part: the rule and its undo history (model/), the
// stylus and key gestures (input/), training and practice with the step player (training/),
// and the activity that says which of them has the window. The window holds it privately;
// tools and tests read it whole and compare it.
#pragma once

#include "app/activity.h"
#include "input/gesture.h"
#include "input/keys.h"
#include "model/rule_state.h"
#include "model/undo_history.h"
#include "training/exam.h"
#include "training/step_player.h"
#include "training/task_state.h"
#include "training/training_state.h"

struct CFrameState {
    CRuleState m_rule;
    CUndoHistory m_undo;
    CGestureState m_gesture;
    CTrainingState m_training;
    CKeyGesture m_keys;
    CTaskState m_tasks;
    CStepPlayer m_steps;
    CActivity m_activity;
    CTestState m_test;
};

bool operator==(const CFrameState& a, const CFrameState& b);
