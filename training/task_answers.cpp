#include "training/task_answers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/graduation_steps.h"

namespace training {

double ReadingTolerance(Scale s, double value) { return model::GraduationInterval(s, value) / 2; }

double RoundToReading(Scale s, double value) {
    const double half = ReadingTolerance(s, value);
    return half > 0 ? std::round(value / half) * half : value;
}

std::string FormatNumber(double value) {
    if (value == 0) return "0";
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 2 - magnitude);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string RoundedAnswer(const Task& task) {
    if (task.form == AnswerForm::Minutes && task.tolerance < 0.5) {
        // Below ten minutes scale 2 reads tens of seconds: minutes and seconds, to five.
        const long seconds = std::lround(task.answer * 12) * 5;
        char text[32];
        std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
        return text;
    }
    if (task.form == AnswerForm::Seconds) return FormatNumber(double(std::lround(task.answer)));
    return FormatNumber(RoundToReading(task.readOn, task.reading) * task.factor);
}

bool ParseAnswer(const std::string& text, AnswerForm form, double& value) {
    // Blanks (a no-break space too) may stand anywhere; a comma is a decimal point.
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        s += c == ',' ? '.' : c;
    }
    double sign = 1;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        sign = s[0] == '-' ? -1 : 1;
        s.erase(0, 1);
    }
    // A number is digits with at most one point and at least one digit.
    const auto number = [](const std::string& part, double& out, bool whole) {
        int digits = 0, points = 0;
        for (const char c : part) {
            if (c >= '0' && c <= '9')
                ++digits;
            else if (c == '.' && !whole)
                ++points;
            else
                return false;
        }
        if (digits == 0 || points > 1 || part.size() > 12) return false;
        out = std::strtod(part.c_str(), nullptr);
        return true;
    };
    const std::size_t colon = s.find(':');
    if (colon != std::string::npos) {
        if (form == AnswerForm::Plain) return false;
        double minutes = 0, seconds = 0;
        const std::string sec = s.substr(colon + 1);
        if (!number(s.substr(0, colon), minutes, true) || sec.size() != 2 ||
            !number(sec, seconds, true) || seconds >= 60)
            return false;
        const double total = minutes * 60 + seconds;  // in seconds
        value = sign * (form == AnswerForm::Minutes ? total / 60 : total);
        return true;
    }
    double v = 0;
    if (!number(s, v, false)) return false;
    value = sign * v;
    return true;
}

Verdict Check(const Task& task, const std::string& text) {
    double value = 0;
    if (!ParseAnswer(text, task.form, value)) return Verdict::Invalid;
    // Inclusive, also when the bound is a fraction that binary numbers cannot hold (a twelfth).
    const double slack = 1e-9 * std::max(1.0, std::fabs(task.answer));
    return std::fabs(value - task.answer) <= task.tolerance + slack ? Verdict::Right
                                                                    : Verdict::Wrong;
}

}  // namespace training
