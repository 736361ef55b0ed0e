#include "training/task_phrasing.h"

#include <cctype>
#include <cstring>
#include <iterator>

#include "model/readings.h"
#include "training/task_answers.h"

namespace training {

namespace {

std::string ScaleName(Scale s) {
    static const char* const kNames[] = {"1а", "1",  "2",  "3",  "4",  "5",  "6",  "7", "8",
                                         "9",  "10", "11", "12", "13", "14", "15", "16"};
    return kNames[int(s)];
}

// An index mark's name: nominative (and accusative), genitive, dative.
struct IndexWords {
    Index index;
    const char* words[3];
};
// clang-format off
const IndexWords kIndexNames[] = {
    {Index::Ten, {"индекс 10", "индекса 10", "индексу 10"}},
    {Index::Circle, {"круглый индекс", "круглого индекса", "круглому индексу"}},
    {Index::Triangle2, {"треугольный индекс", "треугольного индекса", "треугольному индексу"}},
    {Index::Triangle4, {"треугольный индекс", "треугольного индекса", "треугольному индексу"}},
    {Index::R, {"индекс R", "индекса R", "индексу R"}},
    {Index::T360, {"индекс t360", "индекса t360", "индексу t360"}},
    {Index::Hundred14, {"индекс 100", "индекса 100", "индексу 100"}},
    {Index::AM, {"индекс АМ", "индекса АМ", "индексу АМ"}},
    {Index::MM, {"индекс ММ", "индекса ММ", "индексу ММ"}},
    {Index::Feet, {"индекс ФУТЫ", "индекса ФУТЫ", "индексу ФУТЫ"}},
};
// clang-format on

// A value of scale s as the rule shows it: an angle in degrees (and minutes where the scale
// reads them), a number with a decimal comma.
std::string ValueText(Scale s, double value) {
    return IsAngle(s) ? AngleText(value, InArcMinutes(s, value)) : Decimal(value);
}

// How a mark is named in the case a phrase needs: an index by its name, a value on an angle
// scale as an angle, any other value as a number.
enum class Case { Nominative, Genitive, Dative, Accusative };

std::string Named(const Mark& m, Case c = Case::Nominative) {
    const std::string where = " на шкале " + ScaleName(m.scale);
    if (m.index != Index::None) {
        const int form = c == Case::Genitive ? 1 : c == Case::Dative ? 2 : 0;
        for (const IndexWords& w : kIndexNames)
            if (w.index == m.index) return w.words[form] + where;
    }
    static const char* const kNumber[] = {"число ", "числа ", "числу ", "число "};
    static const char* const kAngle[] = {"угол ", "угла ", "углу ", "угол "};
    return (IsAngle(m.scale) ? kAngle : kNumber)[int(c)] + ValueText(m.scale, m.value) + where;
}

StepNote Note(Mark m, Mark other = Mark{}) {
    StepNote n;
    n.mark = m;
    n.other = other;
    return n;
}

}  // namespace

std::string F(double v) { return Decimal(v); }
std::string Deg(double v) { return F(v) + "°"; }

std::string BindUnits(const std::string& text) {
    static const char* const kUnits[] = {"км/час", "км", "м/сек", "мин",     "м",
                                         "сек",    "с",  "футов", "морских", "сухопутных"};
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool afterNumber = i > 0 && ((text[i - 1] >= '0' && text[i - 1] <= '9') ||
                                           (i > 1 && text.compare(i - 2, 2, "°") == 0));
        bool unit = false;
        for (std::size_t u = 0; u < std::size(kUnits) && text[i] == ' ' && afterNumber && !unit;
             ++u) {
            const std::size_t n = std::strlen(kUnits[u]);
            const unsigned char next = i + 1 + n < text.size() ? text[i + 1 + n] : ' ';
            // The unit is a word of its own: no letter (Latin or Cyrillic) goes on after it.
            unit = text.compare(i + 1, n, kUnits[u]) == 0 && next != 0xD0 && next != 0xD1 &&
                   !std::isalpha(next);
        }
        if (unit)
            out += kNbsp;
        else
            out += text[i];
    }
    return out;
}

void SolutionSteps::Text(const std::string& text) {
    Add(StepNote{}, Act::Text, false, text + "...");
}
void SolutionSteps::Find(Mark m) {
    Add(Note(m), Act::Find, true, "Находим " + Named(m, Case::Accusative) + "...");
}
void SolutionSteps::FindCursor(Mark m) {
    Add(Note(m), Act::FindCursor, true,
        "Находим " + Named(m, Case::Accusative) + " и устанавливаем на него визир...");
}
void SolutionSteps::Bring(Mark slide, Mark body) {
    Add(Note(slide, body), Act::Bring, true,
        "Подводим " + Named(slide, Case::Accusative) + " к " + Named(body, Case::Dative) + "...");
}
void SolutionSteps::BringUnder(Mark slide) {
    Add(Note(slide), Act::BringUnder, true,
        "Подводим под визир " + Named(slide, Case::Accusative) + "...");
}
void SolutionSteps::CursorBring(Mark slide, Mark body) {
    Add(Note(slide, body), Act::CursorBring, true,
        "Устанавливаем визир на " + Named(body, Case::Accusative) + " и подводим под него " +
            Named(slide, Case::Accusative) + "...");
}
void SolutionSteps::Read(Mark result, Mark against) {
    AddRead(Note(result, against), Act::Read,
            "Против " + Named(against, Case::Genitive) + " смотрим на шкале " +
                ScaleName(result.scale));
}
void SolutionSteps::ReadUnder(Mark result) {
    AddRead(Note(result), Act::ReadUnder,
            "Под визиром смотрим на шкале " + ScaleName(result.scale));
}
void SolutionSteps::CursorRead(Mark result, Mark body) {
    AddRead(Note(result, body), Act::CursorRead,
            "Устанавливаем визир на " + Named(body, Case::Accusative) +
                " и смотрим под ним на шкале " + ScaleName(result.scale));
}

void SolutionSteps::Finish(const std::string& how) {
    std::string& text = m_out.texts[m_lastRead];
    text.resize(text.size() - 3);  // the "..." of a step that goes on
    // The answer as this reading gives it: where the lesson's way is a shortcut, that is what
    // the rule shows, and it lies within what is accepted.
    const std::string answer =
        ReadingAsAnswer(m_task, m_out.notes[std::size_t(m_lastRead)].mark.value);
    // Where the reading is the answer as it stands, it is not said twice.
    if (how.empty() && text.size() >= answer.size() &&
        text.compare(text.size() - answer.size(), answer.size(), answer) == 0) {
        text += ".";
        return;
    }
    text += ". " + how + (how.empty() ? "" : " ") + "Ответ: около " + answer + ".";
}

void SolutionSteps::Add(StepNote n, Act act, bool state, const std::string& text) {
    n.key = m_task.key;
    n.step = int(m_out.notes.size()) + 1;
    n.act = act;
    n.state = state;
    n.side = m_task.readOn >= Scale::S7 ? 1 : 0;
    m_out.notes.push_back(n);
    m_out.texts.push_back(BindUnits(text));
}
void SolutionSteps::AddRead(StepNote n, Act act, const std::string& text) {
    m_lastRead = int(m_out.notes.size());
    const double read = model::RoundToReading(n.mark.scale, n.mark.value);
    const bool time = m_task.form == AnswerForm::Minutes && n.mark.scale == Scale::S2;
    Add(n, act, true,
        text + " около " + (time ? MinutesText(read) : ValueText(n.mark.scale, read)) + "...");
}

}  // namespace training
