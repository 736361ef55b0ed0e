// Progress made through the model's own entry points, from a seed: every value the program
// could keep, the ends of every range among them.
#pragma once

#include <cstdio>
#include <random>
#include <string>

#include "model/rule_state.h"
#include "training/progress.h"
#include "training/task_kinds.h"

inline training::CProgress SampleProgress(uint32_t seed) {
    using namespace training;
    std::mt19937 random(seed);
    const auto pick = [&](int32_t low, int32_t high) {
        // The ends of the range come up as often as the inside.
        switch (random() % 3) {
            case 0: return low;
            case 1: return high;
            default: return low + int32_t(random() % uint32_t(int64_t(high) - low + 1));
        }
    };
    const auto date = [&] {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", pick(2000, 2099), pick(1, 12),
                      pick(1, 28));
        return std::string(text);
    };
    std::vector<uint32_t> kinds;
    for (int i = 0; training::kTaskKeys[i]; ++i) kinds.push_back(training::kTaskKeys[i]);
    const auto kind = [&] { return kinds[random() % kinds.size()]; };

    CProgress p;
    if (random() % 4)
        p.SetWindow({pick(1, kMaxFactor), pick(-kFarthestPlace, kFarthestPlace), pick(-50, 3000)});
    if (random() % 4)
        p.SetRule({pick(kScrollHoldMin, kScrollHoldMax), pick(kSlideMin, kSlideMax),
                   pick(kCursorMin, kCursorMax), pick(0, 1), pick(0, 1)});
    p.SetTaskBoxAtBottom(random() % 2);
    if (random() % 2) p.SetLastLesson(uint32_t(pick(1, 36)));
    if (random() % 2) p.SetLastKind(kind());
    for (int n = pick(0, 12); n > 0; --n) {
        const uint32_t key = uint32_t(pick(1, 36));
        p.StepReached(key, pick(1, StepsIn(key)));
        if (random() % 3 == 0) p.LessonFinished(key, date());
    }
    for (int n = pick(0, 40); n > 0; --n) {
        const uint32_t key = kind();
        p.TaskSet(key, date());
        if (random() % 2) p.FirstAnswerRight(key);
    }
    for (int n = pick(0, 3); n > 0; --n) {
        TestResult result{date(), uint32_t(pick(1, 999999)), {}, pick(1, 20), 0, pick(2, 5), {}};
        result.kinds = {kind()};
        static const char* const kAnswers[] = {"", "12,5", "3:07", "сорок", "\"x\"\\\n"};
        for (int i = 0; i < result.count; ++i) {
            const Verdict verdict = Verdict(random() % 4);
            result.rows.push_back(
                {result.kinds[0], kAnswers[random() % 5], verdict, pick(0, kMaxTestSeconds)});
            result.score += verdict == Verdict::Right ? 1 : 0;
        }
        p.AddTestResult(result);
    }
    return p;
}
