// What the check of an answer found, as a value: the task box words it when it draws it, the
// tools print it as they like.
#pragma once

#include <string>

namespace training {

enum class Verdict { None, Right, Wrong, Invalid };

}  // namespace training

struct CVerdict {
    training::Verdict m_nKind = training::Verdict::None;  // None until the first check of a task
    std::string m_strNear;  // a wrong answer's right one, as the rule reads it ("4,5")
};

inline bool operator==(const CVerdict& a, const CVerdict& b) {
    return a.m_nKind == b.m_nKind && a.m_strNear == b.m_strNear;
}
