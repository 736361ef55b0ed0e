#include "training/task_phrasing.h"

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
    const bool angle = m.scale == Scale::S1a || m.scale == Scale::S3 || m.scale == Scale::S4;
    static const char* const kNumber[] = {"число ", "числа ", "числу ", "число "};
    static const char* const kAngle[] = {"угол ", "угла ", "углу ", "угол "};
    return (angle ? kAngle : kNumber)[int(c)] + FormatNumber(m.value) + (angle ? "°" : "") + where;
}

StepNote Note(Mark m, Mark other = Mark{}) {
    StepNote n;
    n.mark = m;
    n.other = other;
    return n;
}

}  // namespace

std::string F(double v) { return FormatNumber(v); }
std::string Deg(double v) { return F(v) + "°"; }

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
    const std::string answer = RoundedAnswer(m_task);
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
    m_out.texts.push_back(text);
}
void SolutionSteps::AddRead(StepNote n, Act act, const std::string& text) {
    m_lastRead = int(m_out.notes.size());
    Add(n, act, true,
        text + " около " + FormatNumber(RoundToReading(n.mark.scale, n.mark.value)) + "...");
}

}  // namespace training
