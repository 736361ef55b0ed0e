// Tests of several tasks: the kind groups and lists, the papers variants draw, the ranges a
// key prints, a test as it goes, its mark and its CSV.
#include "training/exam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<uint32_t> AllKeys() {
    std::vector<uint32_t> keys;
    for (const uint32_t* k = training::kTaskKeys; *k; ++k) keys.push_back(*k);
    return keys;
}

double Parsed(const training::Task& task, const std::string& text) {
    double value = 0;
    EXPECT_TRUE(training::ParseAnswer(text, task.form, value)) << text;
    return value;
}

// RFC 4180 fields: quoted fields may hold commas, doubled quotes and line ends.
std::vector<std::vector<std::string>> ReadCsv(const std::string& csv) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
                field += csv[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    if (rows.back() == std::vector<std::string>(1)) rows.pop_back();
    return rows;
}

}  // namespace

TEST(Exam, MarksBeginAtTheirPercentages) {
    struct Case {
        int right, total, mark;
        training::MarkScale scale;
    };
    const training::MarkScale strict{95, 80, 50};
    // clang-format off
    const Case cases[] = {
        {18, 20, 5, {}}, {17, 20, 4, {}}, {15, 20, 4, {}}, {14, 20, 3, {}}, {12, 20, 3, {}},
        {11, 20, 2, {}}, {9, 10, 5, {}}, {6, 10, 3, {}}, {5, 10, 2, {}}, {27, 30, 5, {}},
        {26, 30, 4, {}}, {5, 5, 5, {}}, {4, 5, 4, {}}, {3, 5, 3, {}}, {2, 5, 2, {}},
        {0, 7, 2, {}}, {0, 0, 2, {}}, {18, 20, 4, strict}, {19, 20, 5, strict}, {8, 16, 3, strict},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(training::MarkOf(c.right, c.total, c.scale), c.mark)
            << c.right << " of " << c.total;
}

TEST(Exam, EveryKindBelongsToOneGroupAndListsReadBack) {
    std::map<uint32_t, int> groups;
    for (int g = 0; g < training::kKindGroupCount; ++g)
        for (const uint32_t* k = training::kKindGroups[g].keys; *k; ++k) ++groups[*k];
    for (const uint32_t key : AllKeys()) EXPECT_EQ(groups[key], 1) << "lesson " << key;
    EXPECT_EQ(groups.size(), AllKeys().size());

    struct Case {
        const char* list;
        std::vector<uint32_t> keys;  // empty: refused
    };
    const Case cases[] = {
        {"all", AllKeys()},
        {"turns, 2 ,wind", {2, 24, 25, 26, 27, 35, 36}},
        {"36,35,turns", {35, 36}},
        {"", {}},
        {"wind,,2", {}},
        {"5", {}},    // a lesson without tasks
        {"999", {}},  // no such lesson
        {"Wind", {}},
        {"2;3", {}},
    };
    for (const Case& c : cases) {
        std::vector<uint32_t> keys;
        std::string error;
        EXPECT_EQ(training::ParseKinds(c.list, keys, error), !c.keys.empty()) << c.list;
        if (c.keys.empty())
            EXPECT_FALSE(error.empty()) << c.list;
        else
            EXPECT_EQ(keys, c.keys) << c.list;
    }
    // Any choice written as a list reads back as itself.
    const std::vector<uint32_t> all = AllKeys();
    for (uint32_t mask = 1; mask < 4000; mask += 37) {
        std::vector<uint32_t> keys;
        for (std::size_t i = 0; i < all.size(); ++i)
            if ((mask * 2654435761u >> (i % 32)) & 1 || i == mask % all.size())
                keys.push_back(all[i]);
        std::vector<uint32_t> back;
        std::string error;
        ASSERT_TRUE(training::ParseKinds(training::KindsText(keys), back, error)) << error;
        EXPECT_EQ(back, keys) << training::KindsText(keys);
    }
}

// Whatever the variant: the paper is drawn again the same, each task is its kind's task of
// its seed, the kinds come in fair shares and never twice running, no two tasks are alike,
// and different variants set different papers.
TEST(Exam, VariantsDrawFairPapersAgainAlike) {
    const std::vector<std::vector<uint32_t>> choices = {AllKeys(), {35, 36}, {4}, {2, 16, 24, 33}};
    for (const std::vector<uint32_t>& kinds : choices) {
        std::set<std::vector<double>> seen;
        for (uint32_t variant = 1; variant <= 60; ++variant) {
            const int count = training::kMinTasks + int(variant % 16);
            const training::Paper paper = training::DrawPaper(variant, kinds, count);
            const training::Paper again = training::DrawPaper(variant, kinds, count);
            ASSERT_EQ(int(paper.tasks.size()), count);
            std::map<uint32_t, int> shares;
            std::vector<double> numbers;
            for (std::size_t i = 0; i < paper.tasks.size(); ++i) {
                const training::Task& t = paper.tasks[i];
                EXPECT_EQ(t.problem, again.tasks[i].problem);
                EXPECT_EQ(t.problem, training::DrawTask(t.key, t.seed).problem);
                ++shares[t.key];
                if (i > 0 && kinds.size() > 1) {
                    EXPECT_NE(t.key, paper.tasks[i - 1].key);
                }
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_NE(t.problem, paper.tasks[j].problem) << variant;
                numbers.push_back(t.key);
                numbers.insert(numbers.end(), t.numbers, t.numbers + t.count);
            }
            const int fair = count / int(kinds.size());
            for (const uint32_t key : kinds) {
                EXPECT_GE(shares[key], fair) << variant;
                EXPECT_LE(shares[key], fair + 1) << variant;
            }
            EXPECT_TRUE(seen.insert(numbers).second) << "variant " << variant << " repeats";
        }
    }
}
TEST(Exam, FreshVariantsAreVariants) {
    std::set<uint32_t> variants;
    for (uint64_t entropy : {0ull, 1ull, 99999ull, 0xFFFFFFFFull, ~0ull})
        for (uint64_t step = 0; step < 200; ++step) {
            const uint32_t v = training::FreshVariant(entropy + step * 0x100000001ull);
            EXPECT_GE(v, training::kMinVariant);
            EXPECT_LE(v, training::kMaxVariant);
            variants.insert(v);
        }
    EXPECT_GT(variants.size(), 900u);  // a clock's ticks do not land on a few variants
}

// The range a key prints: both bounds are taken by the check, and rounding them inward
// keeps most of what the check accepts.
TEST(Exam, AcceptedRangeHoldsOnlyRightAnswers) {
    for (uint32_t variant = 1; variant <= 40; ++variant) {
        for (const training::Task& task : training::DrawPaper(variant, AllKeys(), 20).tasks) {
            const training::AcceptedRange range = training::AcceptedRangeOf(task);
            SCOPED_TRACE(task.problem + " [" + range.lo + ", " + range.hi + "]");
            EXPECT_EQ(training::Check(task, range.lo), training::Verdict::Right);
            EXPECT_EQ(training::Check(task, range.hi), training::Verdict::Right);
            EXPECT_GE(Parsed(task, range.hi) - Parsed(task, range.lo),
                      0.75 * (task.high - task.low));
        }
    }
}

TEST(Exam, ATestKeepsTheFirstNumberAndTheTimes) {
    training::CExam test(training::DrawPaper(7, AllKeys(), 5), 1000);
    const std::vector<training::Task>& t = test.GetPaper().tasks;
    EXPECT_TRUE(test.Answer(training::AcceptedRangeOf(t[0]).lo, 4000));
    EXPECT_FALSE(test.Answer(training::AcceptedRangeOf(t[0]).hi, 4500));  // no second try
    test.Next(5000);
    EXPECT_TRUE(test.Answer(training::Decimal(t[1].answer * 3), 9000));
    EXPECT_FALSE(test.Answer(training::AcceptedRangeOf(t[1]).lo, 9100));
    test.Next(10000);
    EXPECT_FALSE(test.Answer("   ", 11000));
    EXPECT_FALSE(test.Answer("=1,\"2\"", 12000));  // no number: not taken, shown as typed
    test.Next(15000);
    EXPECT_TRUE(test.Answer(" " + training::AcceptedRangeOf(t[3]).hi + " ", 15500));
    test.End(20000);
    EXPECT_FALSE(test.Answer(training::AcceptedRangeOf(t[4]).lo, 21000));
    test.Next(22000);

    using training::Verdict;
    const Verdict outcomes[] = {Verdict::Right, Verdict::Wrong, Verdict::Invalid, Verdict::Right,
                                Verdict::None};
    const int64_t ms[] = {3000, 4000, 5000, 500, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(test.Rows()[i].outcome, outcomes[i]) << i;
        EXPECT_EQ(test.Rows()[i].ms, ms[i]) << i;
    }
    EXPECT_TRUE(test.Finished());
    EXPECT_EQ(test.Elapsed(99000), 19000);
    const training::Score score = test.Result();
    EXPECT_EQ(training::ScoreText(score), "2 из 5");
    EXPECT_EQ(score.mark, 2);

    // The CSV: the byte order mark, a header, one row a task with its columns, Cyrillic and
    // quoting intact, and what was typed kept from being run as a formula.
    const std::string csv = training::ResultCsv(test);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    const auto rows = ReadCsv(csv.substr(3));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"№", "Задача", "Ответ", "Принимается от",
                                                 "Принимается до", "Итог", "Время, с"}));
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(rows[i + 1].size(), 7u) << i;
        EXPECT_EQ(rows[i + 1][0], std::to_string(i + 1));
        EXPECT_EQ(rows[i + 1][1], t[i].problem);
        EXPECT_EQ(rows[i + 1][3], training::AcceptedRangeOf(t[i]).lo);
        EXPECT_EQ(rows[i + 1][5], training::OutcomeWord(outcomes[i]));
        EXPECT_EQ(rows[i + 1][6], std::to_string((ms[i] + 500) / 1000));
    }
    EXPECT_EQ(rows[1][2], training::AcceptedRangeOf(t[0]).lo);
    EXPECT_EQ(rows[3][2], "'=1,\"2\"");
    EXPECT_EQ(rows[4][2], training::AcceptedRangeOf(t[3]).hi);
    EXPECT_EQ(rows[5][2], "");
}

// What progress keeps of a test is a record it accepts, whatever was typed and however long
// it took: a long answer of Cyrillic text is cut on a letter's first byte, the hours a
// forgotten test stood open are capped, and the score and mark are the test's.
TEST(Exam, TheKeptRecordIsOneProgressTakes) {
    training::CExam test(training::DrawPaper(11, {2, 24, 35}, 5), 0);
    const std::vector<training::Task>& t = test.GetPaper().tasks;
    std::string letters;
    while (letters.size() < training::kMaxAnswerBytes + 11) letters += "ж";
    letters = "x" + letters;  // odd: a cut at the limit falls inside a letter
    EXPECT_FALSE(test.Answer(letters, 100));
    test.Next(200);
    EXPECT_TRUE(test.Answer(training::AcceptedRangeOf(t[1]).lo, 300));
    test.Next(400);
    test.End(int64_t(training::kMaxTestSeconds + 6) * 1000);

    const training::TestResult kept = training::RecordOfTest(test, "2026-12-08");
    training::CProgress progress;
    EXPECT_TRUE(training::IsValid(kept));
    EXPECT_TRUE(progress.AddTestResult(kept));
    EXPECT_EQ(kept.variant, 11u);
    EXPECT_EQ(kept.kinds, (std::vector<uint32_t>{2, 24, 35}));
    EXPECT_EQ(kept.count, 5);
    EXPECT_EQ(kept.score, 1);
    EXPECT_EQ(kept.mark, 2);
    ASSERT_EQ(kept.rows.size(), 5u);
    EXPECT_EQ(kept.rows[0].answer, letters.substr(0, training::kMaxAnswerBytes - 1));
    EXPECT_EQ(kept.rows[0].verdict, training::Verdict::Invalid);
    EXPECT_EQ(kept.rows[1].seconds, 0);
    EXPECT_EQ(kept.rows[2].seconds, training::kMaxTestSeconds);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(kept.rows[i].key, t[i].key);
}
