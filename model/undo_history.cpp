#include "model/undo_history.h"

#include <cstring>

void CUndoHistory::PushUndo(int32_t slide, int32_t scroll, int32_t cursor) {
    // Everything moves one place toward index 0; the oldest entry falls off.
    constexpr std::size_t kKept = (kEntries - 1) * sizeof(int32_t);
    std::memmove(m_anUndoSlide, m_anUndoSlide + 1, kKept);
    std::memmove(m_anUndoScroll, m_anUndoScroll + 1, kKept);
    std::memmove(m_anUndoCursor, m_anUndoCursor + 1, kKept);
    m_anUndoSlide[kEntries - 1] = slide;
    m_anUndoScroll[kEntries - 1] = scroll;
    m_anUndoCursor[kEntries - 1] = cursor;
    if (++m_nUndoCount > kMaxUndo) m_nUndoCount = kMaxUndo;
}

void CUndoHistory::StepBack(CRuleState& rule) {
    // Everything moves one place toward index 99; entry 0 stays, so the oldest position is
    // then held twice and remains reachable.
    constexpr std::size_t kKept = (kEntries - 1) * sizeof(int32_t);
    std::memmove(m_anUndoSlide + 1, m_anUndoSlide, kKept);
    std::memmove(m_anUndoScroll + 1, m_anUndoScroll, kKept);
    std::memmove(m_anUndoCursor + 1, m_anUndoCursor, kKept);
    rule.m_nSlide = m_anUndoSlide[kEntries - 1];
    rule.m_nScroll = m_anUndoScroll[kEntries - 1];
    rule.m_nCursor = m_anUndoCursor[kEntries - 1];
    --m_nUndoCount;
}

bool operator==(const CUndoHistory& a, const CUndoHistory& b) {
    return a.m_nUndoCount == b.m_nUndoCount &&
           std::memcmp(a.m_anUndoSlide, b.m_anUndoSlide, sizeof a.m_anUndoSlide) == 0 &&
           std::memcmp(a.m_anUndoScroll, b.m_anUndoScroll, sizeof a.m_anUndoScroll) == 0 &&
           std::memcmp(a.m_anUndoCursor, b.m_anUndoCursor, sizeof a.m_anUndoCursor) == 0;
}
