// The proofs a placed step must pass, for the lessons' records and for a task's solution
// alike: the pointer rings the mark the step names, the hairline passes through the value it is
// set on, brought marks stand together, and a result stands where it is read. Columns come from
// the position rules of the scales and the index marks' columns, not from the placer.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "training/lesson_annotations.h"
#include "training/step_table.h"

namespace catalogue_test {

using namespace training;

// Columns of the index marks in the artwork.
inline double RuleColumn(const Mark& m) {
    switch (m.index) {
        case Index::Ten: return 443;
        case Index::Circle: return 662;
        case Index::Triangle2: return 749;
        case Index::Triangle4: return 836;
        case Index::R: return 403;
        case Index::T360: return 973;
        case Index::Hundred14: return 418;
        case Index::AM: return 568;
        case Index::MM: return 612;
        case Index::Feet: return 791;
        case Index::None: break;
    }
    return model::Column(m.scale, m.value);
}

inline bool Slide(Scale s) {
    return s == Scale::S2 || s == Scale::S3 || s == Scale::S4 || s == Scale::S9 ||
           s == Scale::S16 || s == Scale::S10 || s == Scale::S11 || s == Scale::S14;
}

// The band of client y that the lessons use as a scale's line.
inline bool OnLine(Scale s, int y) {
    switch (s) {
        case Scale::S1a: return y >= 64 && y <= 76;
        case Scale::S1: return y >= 86 && y <= 100;
        case Scale::S2: return y >= 109 && y <= 130;
        case Scale::S3: return y >= 150 && y <= 164;
        case Scale::S4: return y >= 171 && y <= 189;
        case Scale::S5: return y >= 200 && y <= 212;
        case Scale::S6: return y >= 236 && y <= 246;
        case Scale::S7: return y == 99;
        case Scale::S8: return y == 96;
        case Scale::S9: return y == 115;
        case Scale::S16: return y == 139;
        case Scale::S10:
        case Scale::S11:
        case Scale::S14: return y >= 169 && y <= 189;
        case Scale::S12:
        case Scale::S15: return y >= 199 && y <= 210;
        case Scale::S13: return y == 229;
    }
    return false;
}

// Where two marks of adjacent scales meet, the ring may sit on the border between them.
inline bool OnBorder(const Mark& a, const Mark& b, int y) {
    auto pair = [&](Scale p, Scale q) {
        return (a.scale == p && b.scale == q) || (a.scale == q && b.scale == p);
    };
    return (pair(Scale::S4, Scale::S5) && y == 194) ||
           (pair(Scale::S1, Scale::S2) && (y == 104 || y == 105));
}

// A mark's column carried over to the body strip in the given slide position.
inline double BodyColumn(const Mark& m, int slide) {
    return RuleColumn(m) - (Slide(m.scale) ? slide : 0);
}

inline int Hairline(const LessonStep& state) { return 117 - state.nCursor; }

inline std::string Where(const StepNote& n) {
    return "lesson " + std::to_string(n.key) + " step " + std::to_string(n.step);
}

// The index of the record whose state is in force at record i: i itself or the latest before
// it in the same lesson.
inline int StateInForce(const LessonStep* records, int i) {
    while (!records[i].bState) --i;
    return i;
}

// The pointer of record i rings the mark that its note names: on its column or up to 2
// columns left of it, on the scale's line; a pointer at the hairline stands on it or up to 2
// pixels left.
inline void ExpectPointerOnItsMark(const StepNote& n, const LessonStep* records, int i) {
    const LessonStep& s = records[i];
    const LessonStep& state = records[StateInForce(records, i)];
    ASSERT_EQ(state.key, s.key) << Where(n);
    const int pointer = s.ptArrow.x - 2 + state.nScroll;
    const auto ringed = [&](double column) {
        EXPECT_TRUE(pointer >= column - 2.5 && pointer <= column + 0.5)
            << Where(n) << ": pointer at column " << pointer << ", mark at " << column;
    };
    EXPECT_TRUE(OnLine(n.mark.scale, s.ptArrow.y) || OnBorder(n.mark, n.other, s.ptArrow.y))
        << Where(n) << ": y " << s.ptArrow.y;
    switch (n.act) {
        case Act::Find: ringed(BodyColumn(n.mark, state.nSlide)); break;
        case Act::Read: ringed(BodyColumn(n.other, state.nSlide)); break;  // read opposite its mark
        case Act::Bring: ringed(BodyColumn(n.other, 0)); break;
        default: {
            const int x = 119 - state.nCursor - state.nScroll;
            EXPECT_TRUE(s.ptArrow.x >= x - 2 && s.ptArrow.x <= x)
                << Where(n) << ": hairline at x " << x;
        }
    }
}

// A state step moves the slide only when it brings marks together, and the cursor only when
// it sets it on a value; then the hairline passes through the value and brought marks meet.
// firstCursor is the cursor a lesson's first state holds when its step sets none; slack is
// how far (in columns) a drawn mark may stand from its rule: the lessons' marks stand within a
// column, any mark of the artwork within one and a half.
inline void ExpectStateDoesWhatItSays(const StepNote& n, const LessonStep* records, int i,
                                      int first, int firstCursor, double slack = 1.0) {
    const LessonStep& s = records[i];
    int before = i - 1;
    while (before >= first && !records[before].bState) --before;
    const bool isFirst = before < first;
    const LessonStep& prev = records[isFirst ? i : before];
    const bool setsCursor =
        n.act == Act::FindCursor || n.act == Act::CursorBring || n.act == Act::CursorRead;
    const bool bringsSlide =
        n.act == Act::Bring || n.act == Act::BringUnder || n.act == Act::CursorBring;
    if (!bringsSlide) {
        EXPECT_EQ(s.nSlide, isFirst ? 0 : prev.nSlide) << Where(n);
    }
    if (!setsCursor) {
        EXPECT_EQ(s.nCursor, isFirst ? firstCursor : prev.nCursor) << Where(n);
    }
    const double hairline = Hairline(s);
    if (setsCursor) {
        const Mark& on = n.act == Act::FindCursor ? n.mark : n.other;
        EXPECT_NEAR(BodyColumn(on, s.nSlide), hairline, slack)
            << Where(n) << ": hairline off the value";
    }
    if (n.act == Act::Bring) {
        EXPECT_NEAR(BodyColumn(n.mark, s.nSlide), BodyColumn(n.other, 0), slack)
            << Where(n) << ": marks apart";
    }
    if (n.act == Act::BringUnder || n.act == Act::CursorBring) {
        EXPECT_NEAR(BodyColumn(n.mark, s.nSlide), hairline, slack)
            << Where(n) << ": mark off the hairline";
    }
}

// A read's result stands (within slack columns) opposite the mark it is read against, or under
// the hairline.
inline void ExpectResultWhereRead(const StepNote& n, const LessonStep* records, int i,
                                  double slack = 2.0) {
    const LessonStep& state = records[StateInForce(records, i)];
    const double result = BodyColumn(n.mark, state.nSlide);
    const double against = n.act == Act::Read ? BodyColumn(n.other, state.nSlide) : Hairline(state);
    EXPECT_NEAR(result, against, slack)
        << Where(n) << ": the result is not where the text reads it";
}

inline bool IsRead(Act act) {
    return act == Act::Read || act == Act::ReadUnder || act == Act::CursorRead;
}

}  // namespace catalogue_test
