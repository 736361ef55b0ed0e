// Every record against the note of what its step does: the pointer rings the mark the text
// names, the hairline passes through the value it is set on, brought marks stand together,
// and the result that the worked example's arithmetic gives stands where the text reads it.
// Columns come from the position rules of the scales, not from the placer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "tests/catalogue/catalogue_support.h"
#include "training/lesson_annotations.h"

using namespace catalogue;
using namespace catalogue_test;

namespace {

// Columns of the index marks in the artwork, and the strip that carries each scale.
double RuleColumn(const Mark& m) {
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
    return artwork::Column(m.scale, m.value);
}

bool Slide(Scale s) {
    return s == Scale::S2 || s == Scale::S3 || s == Scale::S4 || s == Scale::S9 || s == Scale::S16 ||
           s == Scale::S10 || s == Scale::S11 || s == Scale::S14;
}

// The band of client y that the lessons use as a scale's line.
bool OnLine(Scale s, int y) {
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
        case Scale::S10: case Scale::S11: case Scale::S14: return y >= 169 && y <= 189;
        case Scale::S12: case Scale::S15: return y >= 199 && y <= 210;
        case Scale::S13: return y == 229;
    }
    return false;
}

// Where two marks of adjacent scales meet, the ring may sit on the border between them.
bool OnBorder(const Mark& a, const Mark& b, int y) {
    auto pair = [&](Scale p, Scale q) { return (a.scale == p && b.scale == q) || (a.scale == q && b.scale == p); };
    return (pair(Scale::S4, Scale::S5) && y == 194) || (pair(Scale::S1, Scale::S2) && (y == 104 || y == 105));
}

// A mark's column carried over to the body strip in the given slide position.
double BodyColumn(const Mark& m, int slide) { return RuleColumn(m) - (Slide(m.scale) ? slide : 0); }

// Body column of the pointer, and of the hairline.
int PointerColumn(const LessonStep& step, const LessonStep& state) { return step.ptArrow.x - 2 + state.nScroll; }
int Hairline(const LessonStep& state) { return 117 - state.nCursor; }

// The pointer rings the mark: on its column or up to 2 columns left of it.
void ExpectRinged(double column, int pointer, const std::string& where) {
    EXPECT_TRUE(pointer >= column - 2.5 && pointer <= column + 0.5)
        << where << ": pointer at column " << pointer << ", mark at " << column;
}

std::string Where(const StepNote& n) { return "lesson " + std::to_string(n.key) + " step " + std::to_string(n.step); }

}  // namespace

TEST(CataloguePlacement, EveryRecordHasANoteOfItsKind) {
    ASSERT_EQ(kStepNoteCount, kStepCount);
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        const LessonStep& s = kStepTable[i];
        ASSERT_EQ(n.key, s.key) << i;
        ASSERT_EQ(StepsOf(n.key).at(n.step - 1), i) << Where(n);
        const std::string kind = Kind(s);
        if (n.act == Act::Text) {
            EXPECT_EQ(kind, "t") << Where(n);
        }
        else if (n.act == Act::ShowSide) EXPECT_EQ(kind, "s") << Where(n);
        else EXPECT_EQ(kind, n.state ? "ps" : "p") << Where(n);
    }
}

TEST(CataloguePlacement, PointersRingTheMarksTheTextsName) {
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        const LessonStep& s = kStepTable[i];
        if (!s.bArrow) continue;
        int last = i;
        while (!kStepTable[last].bState) --last;  // the state in force
        const LessonStep& state = kStepTable[last];
        ASSERT_EQ(state.key, s.key) << Where(n);
        const int pointer = PointerColumn(s, state);

        if (n.act == Act::PointScale) {
            int first = 0, end = 0;
            ScaleColumns(n.mark.scale, first, end);
            const int column = pointer + (Slide(n.mark.scale) ? state.nSlide : 0);
            EXPECT_TRUE(column >= first && column <= end) << Where(n);
            EXPECT_TRUE(OnLine(n.mark.scale, s.ptArrow.y)) << Where(n);
            continue;
        }
        EXPECT_TRUE(OnLine(n.mark.scale, s.ptArrow.y) || OnBorder(n.mark, n.other, s.ptArrow.y))
            << Where(n) << ": y " << s.ptArrow.y;
        switch (n.act) {
            case Act::Find:
                ExpectRinged(BodyColumn(n.mark, state.nSlide), pointer, Where(n));
                break;
            case Act::Read:  // a result between graduations is read opposite its mark
                ExpectRinged(BodyColumn(n.other, state.nSlide), pointer, Where(n));
                break;
            case Act::Bring:
                ExpectRinged(BodyColumn(n.other, 0), pointer, Where(n));
                break;
            default:  // the ring stands on the hairline or up to 2 pixels left of it
                const int x = 119 - state.nCursor - state.nScroll;
                EXPECT_TRUE(s.ptArrow.x >= x - 2 && s.ptArrow.x <= x) << Where(n) << ": hairline at x " << x;
                break;
        }
    }
}

TEST(CataloguePlacement, EachStateDoesWhatItsTextSays) {
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        const LessonStep& s = kStepTable[i];
        if (!s.bState || n.act == Act::ShowSide || n.act == Act::PointScale) continue;
        int before = i - 1;
        while (before >= 0 && kStepTable[before].key == s.key && !kStepTable[before].bState) --before;
        const bool first = before < 0 || kStepTable[before].key != s.key;
        const LessonStep& prev = kStepTable[first ? i : before];
        const bool setsCursor = n.act == Act::FindCursor || n.act == Act::CursorBring || n.act == Act::CursorRead;
        const bool bringsSlide = n.act == Act::Bring || n.act == Act::BringUnder || n.act == Act::CursorBring;

        // Only a step that brings marks together moves the slide; only one that sets the
        // cursor on a value moves the cursor (a lesson's first state has both at home, save
        // lesson 2's cursor, parked clear of its marks).
        if (!bringsSlide) {
            EXPECT_EQ(s.nSlide, first ? 0 : prev.nSlide) << Where(n);
        }
        if (!setsCursor) {
            EXPECT_EQ(s.nCursor, first ? (s.key == 2 ? -578 : 0) : prev.nCursor) << Where(n);
        }

        const double hairline = Hairline(s);
        if (setsCursor) {
            const Mark& on = n.act == Act::FindCursor ? n.mark : n.other;
            EXPECT_NEAR(BodyColumn(on, s.nSlide), hairline, 1.0) << Where(n) << ": hairline off the value";
        }
        if (n.act == Act::Bring) {
            EXPECT_NEAR(BodyColumn(n.mark, s.nSlide), BodyColumn(n.other, 0), 1.0) << Where(n) << ": marks apart";
        }
        if (n.act == Act::BringUnder || n.act == Act::CursorBring) {
            EXPECT_NEAR(BodyColumn(n.mark, s.nSlide), hairline, 1.0) << Where(n) << ": mark off the hairline";
        }
    }
}

TEST(CataloguePlacement, EveryLessonReadsItsResultWhereTheTextReadsIt) {
    std::set<uint32_t> reading, calculating;
    for (int i = 0; i < kStepCount; ++i)
        if (kStepTable[i].bState && kStepTable[i].key != 1) calculating.insert(kStepTable[i].key);
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        if (n.act != Act::Read && n.act != Act::ReadUnder && n.act != Act::CursorRead) continue;
        reading.insert(n.key);
        int last = i;
        while (!kStepTable[last].bState) --last;
        const LessonStep& state = kStepTable[last];
        const double result = BodyColumn(n.mark, state.nSlide);
        const double against = n.act == Act::Read ? BodyColumn(n.other, state.nSlide) : Hairline(state);
        EXPECT_NEAR(result, against, 2.0) << Where(n) << ": the result is not where the text reads it";

        // The text states the result to the digits it gives, as well as the rule reads it
        // (to about half a percent); a result read "около" (about) may be off by its last digit,
        // where the scale is graduated more coarsely than that digit.
        ASSERT_NE(n.stated, nullptr) << Where(n);
        const std::string text = kStepTable[i].pszText;
        EXPECT_NE(text.find(n.stated), std::string::npos) << Where(n) << ": " << text;
        const bool about = text.find(std::string("около ") + n.stated) != std::string::npos;
        const char* dot = std::strchr(n.stated, '.');
        const double unit = dot ? std::pow(10.0, -double(std::strlen(dot + 1))) : 1.0;
        EXPECT_LE(std::fabs(std::atof(n.stated) - n.mark.value),
                  std::max((about ? 1.0 : 0.6) * unit, 0.005 * n.mark.value))
            << Where(n) << ": states " << n.stated << " for " << n.mark.value;
    }
    EXPECT_EQ(reading, calculating) << "a lesson that sets the rule reads no result";
}
