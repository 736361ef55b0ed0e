#include "training/task_answers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/graduation_steps.h"
#include "model/readings.h"

namespace training {

namespace {

const std::string kMinus = "\xE2\x88\x92";

// Half away from zero, also for a decimal tie that binary holds a hair below it.
double RoundHalfAway(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double q = value * scale;
    return std::round(q + std::copysign(1e-9 * std::max(1.0, std::fabs(q)), q)) / scale;
}

// The answer field's text with every way of writing a thing brought to one ASCII letter:
// blanks dropped, ',' for '.', '-' for a minus, 'd' for a degree, '\'' for a minute of arc,
// 'm' for "мин", 's' for "с" or "сек", ':' as it is. Empty when something else is there.
bool Normalise(const std::string& text, std::string& out) {
    // Longer spellings first: "сек" before "с".
    static const struct {
        const char* spelling;
        const char* as;
    } kSpellings[] = {
        {" ", ""},
        {"\t", ""},
        {"\xC2\xA0", ""},
        {"\xE2\x80\xAF", ""},
        {"\xE2\x80\x89", ""},
        {",", "."},
        {"\xE2\x88\x92", "-"},
        {"\xC2\xB0", "d"},
        {"\xE2\x80\xB2", "'"},
        {"мин", "m"},
        {"сек", "s"},
        {"с", "s"},
    };
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        bool known = false;
        for (const auto& k : kSpellings) {
            const std::string s = k.spelling;
            if (text.compare(i, s.size(), s) == 0) {
                out += k.as;
                i += s.size();
                known = true;
                break;
            }
        }
        if (known) continue;
        const char c = text[i++];
        if (!((c >= '0' && c <= '9') || c == '.' || c == ':' || c == '\'' || c == '+' || c == '-'))
            return false;
        out += c;
    }
    return true;
}

// Reads a number at s[i]: digits with at most one point, at least one digit; whole refuses a
// point.
bool Number(const std::string& s, std::size_t& i, bool whole, double& out) {
    const std::size_t start = i;
    int digits = 0, points = 0;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++digits;
        else if (s[i] == '.' && !whole)
            ++points;
        else
            break;
    }
    if (digits == 0 || points > 1 || i - start > 12) return false;
    out = std::strtod(s.substr(start, i - start).c_str(), nullptr);
    return true;
}

// A part below a larger unit: whole and below 60.
bool Sixtieths(const std::string& s, std::size_t& i, double& out) {
    return Number(s, i, true, out) && out < 60;
}

}  // namespace

std::string Decimal(double value) {
    if (value == 0) return "0";
    // A number that two decimals hold (a reading of 109.5, an input of 8.5) is written as it
    // is; any other to three significant digits.
    int decimals = 0;
    while (decimals < 2 && std::fabs(RoundHalfAway(value, decimals) - value) > 1e-9) ++decimals;
    if (std::fabs(RoundHalfAway(value, decimals) - value) > 1e-9)
        decimals = std::max(0, 2 - int(std::floor(std::log10(std::fabs(value)))));
    value = RoundHalfAway(value, decimals);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value));
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    std::replace(s.begin(), s.end(), '.', ',');
    return (value < 0 && s != "0" ? kMinus : "") + s;
}

std::string AngleText(double degrees, bool inMinutes) {
    if (!inMinutes) return Decimal(degrees) + "°";
    const long minutes = std::lround(std::fabs(degrees) * 60);
    std::string s = (degrees < 0 && minutes > 0 ? kMinus : "") + std::to_string(minutes / 60) + "°";
    if (minutes % 60) s += std::to_string(minutes % 60) + "′";
    return s;
}

std::string MinutesText(double minutes) {
    const long seconds = std::lround(minutes * 60);
    if (seconds >= 3600) return std::to_string(std::lround(minutes)) + kNbsp + "мин";
    std::string s = std::to_string(seconds / 60) + kNbsp + "мин";
    if (seconds % 60) s += " " + std::to_string(seconds % 60) + kNbsp + "с";
    return s;
}

std::string SecondsText(double seconds) {
    return std::to_string(std::lround(seconds)) + kNbsp + "с";
}

bool IsAngle(Scale s) { return s == Scale::S1a || s == Scale::S3 || s == Scale::S4; }

bool InArcMinutes(Scale s, double value) {
    return IsAngle(s) && std::fabs(model::GraduationInterval(s, value) * 6 - 1) < 1e-9;
}

std::string RoundedAnswer(const Task& task) { return ReadingAsAnswer(task, task.reading); }

std::string ReadingAsAnswer(const Task& task, double reading) {
    const double read = model::RoundToReading(task.readOn, reading) * task.factor;
    switch (task.form) {
        case AnswerForm::Minutes: return MinutesText(read);
        case AnswerForm::Seconds: return SecondsText(read);
        case AnswerForm::Degrees: return AngleText(read, InArcMinutes(task.readOn, reading));
        case AnswerForm::Plain: break;
    }
    return Decimal(read);
}

bool ParseAnswer(const std::string& text, AnswerForm form, double& value) {
    std::string s;
    if (!Normalise(text, s)) return false;
    double sign = 1;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) sign = s[i++] == '-' ? -1 : 1;
    const bool time = form == AnswerForm::Minutes || form == AnswerForm::Seconds;
    // In seconds: a time's parts; in degrees: an angle's.
    double whole = 0, part = 0, v = 0;
    if (time && s.find(':') != std::string::npos) {
        // m:ss, the seconds always two digits
        if (!Number(s, i, true, whole) || i >= s.size() || s[i++] != ':' || s.size() - i != 2 ||
            !Sixtieths(s, i, part))
            return false;
        v = whole * 60 + part;
    } else {
        if (!Number(s, i, false, whole)) return false;
        if (i == s.size()) {
            value = sign * whole;  // a plain number is in the form's own unit
            return true;
        }
        const char unit = s[i++];
        if (time && unit == 's') {
            v = whole;
        } else if (time && unit == 'm') {
            v = whole * 60;
            if (i < s.size()) {
                if (whole != std::floor(whole) || !Sixtieths(s, i, part) || i >= s.size() ||
                    s[i++] != 's')
                    return false;
                v += part;
            }
        } else if (form == AnswerForm::Degrees && unit == 'd') {
            v = whole * 60;
            if (i < s.size()) {
                if (whole != std::floor(whole) || !Sixtieths(s, i, part)) return false;
                if (i < s.size() && s[i] == '\'') ++i;
                v += part;
            }
        } else {
            return false;
        }
        if (i != s.size()) return false;
    }
    // v is in seconds of time, or in minutes of arc
    value = sign * (form == AnswerForm::Seconds ? v : v / 60);
    return true;
}

Verdict Check(const Task& task, const std::string& text) {
    double value = 0;
    if (!ParseAnswer(text, task.form, value)) return Verdict::Invalid;
    // Inclusive, also when the bound is a fraction that binary numbers cannot hold (a twelfth).
    const double slack = 1e-9 * std::max(1.0, std::fabs(task.answer));
    return value >= task.low - slack && value <= task.high + slack ? Verdict::Right
                                                                   : Verdict::Wrong;
}

}  // namespace training
