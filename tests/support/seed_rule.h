// A test fixture for the rule: the window's rule with a change, stored back unchecked, as
// the replay tool's `set` stores it.
#pragma once

#include "app/main_frame.h"

template <class Change>
void SeedRule(CMainFrame& frame, Change change) {
    CRuleState rule = frame.State().m_rule;
    change(rule);
    frame.Seed(rule);
}
