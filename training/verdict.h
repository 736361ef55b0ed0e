// What the check of an answer found, as a value: the task panel words it when it shows it, the
// tools print it as they like.
#pragma once

#include <cstdint>
#include <string>

namespace training {

enum class Verdict { None, Right, Wrong, Invalid };

}  // namespace training

struct CVerdict {
    training::Verdict m_nKind = training::Verdict::None;  // None until the first check of a task
    int8_t m_nSide = 0;       // a wrong answer: +1 above the right one, -1 below
    uint8_t m_bCounted = 0;   // a right answer: the task counts as solved
    uint8_t m_bRevealed = 0;  // the right answer may be told: shown, or wrong twice
    std::string m_strNear;    // once revealed: the answer as the rule reads it ("2:30", "4,5")
    std::string m_strLow, m_strHigh;  // once revealed: the answers the check takes, both ends
};

inline bool operator==(const CVerdict& a, const CVerdict& b) {
    return a.m_nKind == b.m_nKind && a.m_nSide == b.m_nSide && a.m_bCounted == b.m_bCounted &&
           a.m_bRevealed == b.m_bRevealed && a.m_strNear == b.m_strNear &&
           a.m_strLow == b.m_strLow && a.m_strHigh == b.m_strHigh;
}
