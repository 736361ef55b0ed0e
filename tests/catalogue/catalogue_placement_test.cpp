// Every record against the note of what its step does: the pointer rings the mark the text
// names, the hairline passes through the value it is set on, brought marks stand together,
// and the result that the worked example's arithmetic gives stands where the text reads it.
// Columns come from the position rules of the scales, not from the placer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "model/scale_geometry.h"
#include "tests/catalogue/catalogue_support.h"
#include "tests/catalogue/placement_checks.h"
#include "training/lesson_annotations.h"

using namespace training;
using namespace catalogue_test;

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
        } else if (n.act == Act::ShowSide)
            EXPECT_EQ(kind, "s") << Where(n);
        else
            EXPECT_EQ(kind, n.state ? "ps" : "p") << Where(n);
    }
}

TEST(CataloguePlacement, PointersRingTheMarksTheTextsName) {
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        const LessonStep& s = kStepTable[i];
        if (!s.bArrow) continue;
        if (n.act == Act::PointScale) {
            const LessonStep& state = kStepTable[StateInForce(kStepTable, i)];
            const int pointer = s.ptArrow.x - 2 + state.nScroll;
            int first = 0, end = 0;
            ScaleColumns(n.mark.scale, first, end);
            const int column = pointer + (Slide(n.mark.scale) ? state.nSlide : 0);
            EXPECT_TRUE(column >= first && column <= end) << Where(n);
            EXPECT_TRUE(OnLine(n.mark.scale, s.ptArrow.y)) << Where(n);
            continue;
        }
        ExpectPointerOnItsMark(n, kStepTable, i);
    }
}

TEST(CataloguePlacement, EachStateDoesWhatItsTextSays) {
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        if (!kStepTable[i].bState || n.act == Act::ShowSide || n.act == Act::PointScale) continue;
        // A lesson's first state has the cursor at home, save lesson 2's, parked clear of its
        // marks.
        ExpectStateDoesWhatItSays(n, kStepTable, i, StepsOf(n.key).front(), n.key == 2 ? -578 : 0);
    }
}

TEST(CataloguePlacement, EveryLessonReadsItsResultWhereTheTextReadsIt) {
    std::set<uint32_t> reading, calculating;
    for (int i = 0; i < kStepCount; ++i)
        if (kStepTable[i].bState && kStepTable[i].key != 1) calculating.insert(kStepTable[i].key);
    for (int i = 0; i < kStepCount; ++i) {
        const StepNote& n = kStepNotes[i];
        if (!IsRead(n.act)) continue;
        reading.insert(n.key);
        ExpectResultWhereRead(n, kStepTable, i);

        // The text states the result to the digits it gives, as well as the rule reads it
        // (to about half a percent); a result read "около" (about) may be off by its last digit,
        // where the scale is graduated more coarsely than that digit.
        ASSERT_NE(n.stated, nullptr) << Where(n);
        const std::string text = kStepTable[i].pszText;
        EXPECT_NE(text.find(n.stated), std::string::npos) << Where(n) << ": " << text;
        const bool about = text.find(std::string("около ") + n.stated) != std::string::npos;
        // A decimal comma, or the point of the lessons kept as they were given.
        std::string stated = n.stated;
        const std::size_t mark = stated.find_first_of(".,");
        if (mark != std::string::npos) stated[mark] = '.';
        const double unit =
            mark != std::string::npos ? std::pow(10.0, -double(stated.size() - mark - 1)) : 1.0;
        EXPECT_LE(std::fabs(std::atof(stated.c_str()) - n.mark.value),
                  std::max((about ? 1.0 : 0.6) * unit, 0.005 * n.mark.value))
            << Where(n) << ": states " << n.stated << " for " << n.mark.value;
    }
    EXPECT_EQ(reading, calculating) << "a lesson that sets the rule reads no result";
}
