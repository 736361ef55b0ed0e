// What the rule can show and how the trainer writes and reads numbers, worked by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/readings.h"
#include "training/setting_spread.h"
#include "training/task_answers.h"
#include "training/task_kinds.h"

using model::Scale;
using training::AnswerForm;

// One column on scales 1 and 2 is a factor 10^(1/392) = 1.00589; on scale 3 near 50° a column
// is 0.40° (d column / d angle = 392.6 cot a / (ln 10 · 57.3°)). The reading step is half
// the graduation where each end falls.
TEST(TaskReadings, RangeIsThePixelsEitherWayAndHalfAGraduation) {
    struct Case {
        Scale scale;
        double value;
        int pixels;
        double low, high;
    };
    // clang-format off
    const Case cases[] = {
        {Scale::S1, 199, 1, 197.83 - 2.5, 200.17 + 5},    // by 5 below 200, by 10 above
        {Scale::S3, 49.8, 2, 49.016 - 0.5, 50.607 + 1},   // by 1° below 50°, by 2° above
        {Scale::S2, 9.9, 1, 9.842 - 1.0 / 12, 9.958 + 1.0 / 12},  // by ten seconds below 10
        {Scale::S1, 582.4, 0, 582.4 - 5, 582.4 + 5},
    };
    // clang-format on
    for (const Case& c : cases) {
        const model::ReadingRange r = model::ReadableRange(c.scale, c.value, c.pixels);
        EXPECT_NEAR(r.low, c.low, 0.01) << c.value;
        EXPECT_NEAR(r.high, c.high, 0.01) << c.value;
    }
    EXPECT_DOUBLE_EQ(model::RoundToReading(Scale::S1, 423.3), 425);
    EXPECT_DOUBLE_EQ(model::RoundToReading(Scale::S1, 422.5), 425);  // half away from zero
    EXPECT_DOUBLE_EQ(model::RoundToReading(Scale::S3, 58.9), 59);
    EXPECT_DOUBLE_EQ(model::RoundToReading(Scale::S3, 21.75), 22);
    EXPECT_DOUBLE_EQ(model::RoundToReading(Scale::S2, 4.8) * 60, 290);  // to five seconds
}

// Whole tasks worked by hand: the range is the reading with each setting a pixel off (scales 1
// and 2 run 392 columns a decade, so a pixel is a factor 1.00589; scale 3 near 50° runs 2.5
// columns a degree) and half the graduation where each end falls, times the reading factor.
TEST(TaskReadings, HandWorkedTasksAcceptWhatTheRuleCanShow) {
    struct Case {
        uint32_t key;
        double numbers[2];
        const char* answer;
        training::Verdict verdict;
    };
    using training::Verdict;
    // clang-format off
    const Case cases[] = {
        // 91 × 64 = 5824 read a tenth on scale 1, by tens there: a pixel either way is
        // 578.99..585.83, and 5 more: 5739.9..5908.3. The slide moves in whole pixels, so 5880
        // is what a cadet may read.
        {2, {91, 64}, "5880", Verdict::Right},
        {2, {91, 64}, "5905", Verdict::Right},
        {2, {91, 64}, "5910", Verdict::Wrong},
        {2, {91, 64}, "6100", Verdict::Wrong},
        {2, {91, 64}, "5740", Verdict::Right},
        {2, {91, 64}, "5735", Verdict::Wrong},
        // 50 × 40 = 2000 at the change of scale 1's step: 198.83 is read by fives below 200,
        // 201.18 by tens above it: 1963.3..2061.8.
        {2, {50, 40}, "1964", Verdict::Right},
        {2, {50, 40}, "1963", Verdict::Wrong},
        {2, {50, 40}, "2061", Verdict::Right},
        {2, {50, 40}, "2062", Verdict::Wrong},
        // The greatest drift at 300 km/h and 230 km/h of wind, asin 0.7667 = 50.05°, read on
        // scale 3 under the hairline on the slide, two settings: 49.26..50.87, graduated by 1°
        // below 50° and by 2° above it: 48.76..51.87.
        {24, {300, 230}, "48,8", Verdict::Right},
        {24, {300, 230}, "48,7", Verdict::Wrong},
        {24, {300, 230}, "51,8", Verdict::Right},
        {24, {300, 230}, "51,9", Verdict::Wrong},
    };
    // clang-format on
    for (const Case& c : cases) {
        const training::Task t = training::TaskWith(c.key, c.numbers);
        EXPECT_EQ(training::Check(t, c.answer), c.verdict)
            << t.problem << " " << c.answer << ": " << t.low << ".." << t.high;
    }
}

// A setting made against a part that a former setting placed carries that one's error on.
TEST(TaskReadings, SettingsAddTheirPixels) {
    using training::Act;
    using training::Mark;
    using training::StepNote;
    const auto note = [](Act act, Scale a, Scale b = Scale::S1) {
        StepNote n;
        n.act = act;
        n.mark = Mark{a, 30, training::Index::None};
        n.other = Mark{b, 30, training::Index::None};
        return n;
    };
    // clang-format off
    // a × b: the slide set, the product read against it
    const StepNote product[] = {note(Act::Bring, Scale::S2, Scale::S1), note(Act::Read, Scale::S1, Scale::S2)};
    // a / sin b: the hairline, the slide under it, read against a slide mark
    const StepNote quotient[] = {note(Act::FindCursor, Scale::S5), note(Act::BringUnder, Scale::S3),
                                 note(Act::Read, Scale::S5, Scale::S4)};
    // the hairline on the slide and read on the body: the hairline and the slide's two settings
    const StepNote ground[] = {note(Act::CursorBring, Scale::S3, Scale::S5),
                               note(Act::CursorRead, Scale::S3, Scale::S5),
                               note(Act::FindCursor, Scale::S3), note(Act::ReadUnder, Scale::S5)};
    // under the hairline on the slide that was brought under it: only the slide's own setting
    const StepNote under[] = {note(Act::FindCursor, Scale::S5), note(Act::BringUnder, Scale::S3),
                              note(Act::ReadUnder, Scale::S3)};
    // clang-format on
    EXPECT_EQ(training::SettingSpread(product, 2), 1);
    EXPECT_EQ(training::SettingSpread(quotient, 3), 2);
    EXPECT_EQ(training::SettingSpread(ground, 4), 3);
    EXPECT_EQ(training::SettingSpread(under, 3), 1);
    EXPECT_EQ(training::SettingSpread(product, 1), 0);
}

TEST(TaskReadings, NumbersAreWrittenAsRead) {
    const std::pair<std::string, std::string> cases[] = {
        {training::Decimal(0.6825), "0,683"},   // half away from zero
        {training::Decimal(0.125), "0,125"},    // three significant digits
        {training::Decimal(109.5), "109,5"},    // as two decimals hold it
        {training::Decimal(1.0 / 3), "0,333"},  //
        {training::Decimal(0.5736), "0,574"},   //
        {training::Decimal(4250), "4250"},      // a whole number keeps its digits
        {training::Decimal(11500), "11500"},    //
        {training::Decimal(9.996), "10"},       // rounded up to the next decade
        {training::Decimal(-53), "−53"},        //
        {training::Decimal(-0.0), "0"},         //
        {training::AngleText(2 + 40.0 / 60, true), "2°40′"},
        {training::AngleText(5, true), "5°"},
        {training::AngleText(35.4, false), "35,4°"},
        // below ten minutes scale 2 is read to five seconds, and a reading carries
        {training::MinutesText(model::RoundToReading(Scale::S2, 4.8)), "4 мин 50 с"},
        {training::MinutesText(model::RoundToReading(Scale::S2, 4 + 47.0 / 60)), "4 мин 45 с"},
        {training::MinutesText(model::RoundToReading(Scale::S2, 9 + 58.0 / 60)), "10 мин"},
        {training::MinutesText(model::RoundToReading(Scale::S2, 10.2)), "10 мин"},
        {training::MinutesText(12.5), "12 мин 30 с"},
        {training::MinutesText(72), "72 мин"},
        {training::SecondsText(279.6), "280 с"},
    };
    for (const auto& c : cases) {
        std::string expected = c.second;  // blanks before a unit are no-break spaces
        for (const char* unit : {" мин", " с"})
            for (std::size_t at = 0; (at = expected.find(unit, at)) != std::string::npos;)
                expected.replace(at, 1, training::kNbsp);
        EXPECT_EQ(c.first, expected);
    }
}

TEST(TaskReadings, AnswersAreParsedAsTypedOrRefused) {
    struct Case {
        const char* text;
        AnswerForm form;
        bool ok;
        double value;
    };
    // clang-format off
    const Case cases[] = {
        {"276", AnswerForm::Plain, true, 276},
        {" 27,6 ", AnswerForm::Plain, true, 27.6},
        {"1 220", AnswerForm::Plain, true, 1220},
        {"1\xC2\xA0" "220", AnswerForm::Plain, true, 1220},
        {"−3,5", AnswerForm::Plain, true, -3.5},
        {"+4", AnswerForm::Plain, true, 4},
        {"7:20", AnswerForm::Minutes, true, 22.0 / 3},
        {"4 мин 50 с", AnswerForm::Minutes, true, 4 + 50.0 / 60},
        {"4мин", AnswerForm::Minutes, true, 4},
        {"290 с", AnswerForm::Minutes, true, 290.0 / 60},
        {"79 с", AnswerForm::Seconds, true, 79},
        {"2:30", AnswerForm::Seconds, true, 150},
        {"4 мин 40 с", AnswerForm::Seconds, true, 280},
        {"2°40'", AnswerForm::Degrees, true, 2 + 40.0 / 60},
        {"2°40′", AnswerForm::Degrees, true, 2 + 40.0 / 60},
        {"2°", AnswerForm::Degrees, true, 2},
        {"2,5°", AnswerForm::Degrees, true, 2.5},
        {"7:60", AnswerForm::Minutes, false, 0},
        {"7:75", AnswerForm::Minutes, false, 0},
        {"7:2", AnswerForm::Minutes, false, 0},
        {"4 мин 60 с", AnswerForm::Minutes, false, 0},
        {"4,5 мин 10 с", AnswerForm::Minutes, false, 0},
        {"4 с 10 мин", AnswerForm::Minutes, false, 0},
        {"2°60′", AnswerForm::Degrees, false, 0},
        {"2°40′", AnswerForm::Plain, false, 0},
        {"7:20", AnswerForm::Plain, false, 0},
        {"79 с", AnswerForm::Plain, false, 0},
        {"", AnswerForm::Plain, false, 0},
        {"12a", AnswerForm::Plain, false, 0},
        {"-", AnswerForm::Plain, false, 0},
        {"1e3", AnswerForm::Plain, false, 0},
        {"около 5", AnswerForm::Plain, false, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        double v = 0;
        EXPECT_EQ(training::ParseAnswer(c.text, c.form, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(v, c.value, 1e-9) << c.text;
        }
    }
}
