#include "training/progress.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>

#include "model/rule_state.h"
#include "training/step_table.h"
#include "training/task_kinds.h"

namespace training {

using nlohmann::json;

namespace {

bool InRange64(int64_t value, int64_t low, int64_t high) { return value >= low && value <= high; }

bool IsKnownLesson(uint32_t key) { return StepsIn(key) > 0; }

// A JSON integer as a signed 64-bit number; one beyond that stands at its end, out of every
// range.
int64_t Wide(const json& v) {
    if (v.is_number_unsigned()) return int64_t(std::min<uint64_t>(v.get<uint64_t>(), INT64_MAX));
    return v.get<int64_t>();
}

// clang-format off
constexpr struct { Verdict verdict; const char* name; } kVerdicts[] = {
    {Verdict::Right, "right"},
    {Verdict::Wrong, "wrong"},
    {Verdict::Invalid, "invalid"},
    {Verdict::None, "none"},
};
// clang-format on

const char* NameOf(Verdict verdict) {
    for (const auto& v : kVerdicts)
        if (v.verdict == verdict) return v.name;
    return "none";
}

}  // namespace

bool IsDate(const std::string& text) {
    int year = 0, month = 0, day = 0;
    char tail = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) return false;
    if (year < 2000 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

int32_t StepsIn(uint32_t key) {
    if (key == 0) return 0;
    int32_t steps = 0;
    for (int i = 0; i < kStepCount; ++i) steps += kStepTable[i].key == key ? 1 : 0;
    return steps;
}

bool IsValid(const WindowPlace& place) {
    return InRange(place.factor, 1, kMaxFactor) &&
           InRange(place.x, -kFarthestPlace, kFarthestPlace) &&
           InRange(place.y, -kFarthestPlace, kFarthestPlace);
}

// Where press-and-hold panning stops is the farthest the view goes; the lesson steps stay
// within the same limits.
bool IsValid(const RulePlace& place) {
    return InRange(place.scroll, kScrollHoldMin, kScrollHoldMax) &&
           InRange(place.slide, kSlideMin, kSlideMax) &&
           InRange(place.cursor, kCursorMin, kCursorMax) && InRange(place.side, 0, 1) &&
           InRange(place.clamp, 0, 1);
}

bool IsValid(uint32_t key, const LessonRecord& record) {
    const int32_t steps = StepsIn(key);
    if (steps == 0 || !InRange(record.furthest, 1, steps)) return false;
    return record.finishedOn.empty() || (IsDate(record.finishedOn) && record.furthest == steps);
}

bool IsValid(uint32_t key, const KindRecord& record) {
    return training::HasTaskKind(key) && InRange(record.set, 1, kMaxCount) &&
           InRange(record.right, 0, record.set) && IsDate(record.last);
}

bool IsValid(const TestResult& result) {
    if (!IsDate(result.date) || result.variant == 0 || result.kinds.empty() ||
        !InRange(result.count, 1, kMaxTestTasks) ||
        result.rows.size() != std::size_t(result.count) || !InRange(result.mark, 2, 5))
        return false;
    const std::set<uint32_t> kinds(result.kinds.begin(), result.kinds.end());
    if (kinds.size() != result.kinds.size()) return false;
    for (uint32_t key : kinds)
        if (!training::HasTaskKind(key)) return false;
    int32_t right = 0;
    for (const TestRow& row : result.rows) {
        if (!kinds.count(row.key) || row.answer.size() > kMaxAnswerBytes ||
            !InRange(row.seconds, 0, kMaxTestSeconds))
            return false;
        right += row.verdict == Verdict::Right ? 1 : 0;
    }
    return result.score == right;
}

bool CProgress::SetWindow(const WindowPlace& place) {
    if (!IsValid(place)) return false;
    m_window = place;
    return true;
}

bool CProgress::SetRule(const RulePlace& place) {
    if (!IsValid(place)) return false;
    m_rule = place;
    return true;
}

bool CProgress::SetLastLesson(uint32_t key) {
    if (!IsKnownLesson(key)) return false;
    m_nLastLesson = key;
    return true;
}

bool CProgress::SetLastKind(uint32_t key) {
    if (!training::HasTaskKind(key)) return false;
    m_nLastKind = key;
    return true;
}

bool CProgress::SetLesson(uint32_t key, const LessonRecord& record) {
    if (!IsValid(key, record)) return false;
    m_lessons[key] = record;
    return true;
}

bool CProgress::SetKind(uint32_t key, const KindRecord& record) {
    if (!IsValid(key, record)) return false;
    m_kinds[key] = record;
    return true;
}

bool CProgress::StepReached(uint32_t key, int32_t step) {
    LessonRecord record;
    const auto found = m_lessons.find(key);
    if (found != m_lessons.end()) record = found->second;
    if (step <= record.furthest) return InRange(step, 1, StepsIn(key));
    record.furthest = step;
    return SetLesson(key, record);
}

bool CProgress::LessonFinished(uint32_t key, const std::string& date) {
    return IsDate(date) && SetLesson(key, {StepsIn(key), date});
}

bool CProgress::TaskSet(uint32_t key, const std::string& date) {
    KindRecord record;
    const auto found = m_kinds.find(key);
    if (found != m_kinds.end()) record = found->second;
    if (record.set == kMaxCount) return false;
    return SetKind(key, {record.set + 1, record.right, date});
}

bool CProgress::FirstAnswerRight(uint32_t key) {
    const auto found = m_kinds.find(key);
    if (found == m_kinds.end()) return false;
    KindRecord record = found->second;
    ++record.right;
    return SetKind(key, record);
}

bool CProgress::AddTestResult(const TestResult& result) {
    if (!IsValid(result)) return false;
    m_tests.push_back(result);
    return true;
}

void CProgress::ForgetWork() {
    m_lessons.clear();
    m_kinds.clear();
    m_tests.clear();
}

namespace {

// The JSON parser's DOM builder that also notes where the input stopped making sense.
class CDomParser : public nlohmann::detail::json_sax_dom_parser<json> {
  public:
    explicit CDomParser(json& document) : json_sax_dom_parser(document, false) {}
    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& error) {
        m_nPosition = position;
        m_bAtEnd = token.empty() || token == "<end of input>";
        return json_sax_dom_parser::parse_error(position, token, error);
    }
    std::size_t m_nPosition = 0;
    bool m_bAtEnd = false;
};

// Reads the parsed document into a progress, taking only what is in range and noting the rest.
class CReader {
  public:
    explicit CReader(ReadOutcome& outcome) : m_out(outcome) {}

    void Read(const json& root) {
        if (const json* v = Member(root, "window")) {
            WindowPlace place;
            if (Int(*v, "factor", "window", place.factor) && Int(*v, "x", "window", place.x) &&
                Int(*v, "y", "window", place.y))
                Take(m_out.progress.SetWindow(place), "window", *v);
        }
        if (const json* v = Member(root, "rule")) {
            RulePlace place;
            if (Int(*v, "scroll", "rule", place.scroll) && Int(*v, "slide", "rule", place.slide) &&
                Int(*v, "cursor", "rule", place.cursor) && Int(*v, "side", "rule", place.side) &&
                Int(*v, "clamp", "rule", place.clamp))
                Take(m_out.progress.SetRule(place), "rule", *v);
        }
        if (const auto found = root.find("taskBox"); found != root.end()) {
            if (*found == "bottom" || *found == "top")
                m_out.progress.SetTaskBoxAtBottom(*found == "bottom");
            else
                Note("taskBox", *found, "не \"top\" и не \"bottom\"");
        }
        if (const json* v = Member(root, "chosen")) {
            int32_t key = 0;
            if (v->contains("lesson") && Int(*v, "lesson", "chosen", key))
                Take(m_out.progress.SetLastLesson(uint32_t(key)), "chosen.lesson", (*v)["lesson"]);
            if (v->contains("task") && Int(*v, "task", "chosen", key))
                Take(m_out.progress.SetLastKind(uint32_t(key)), "chosen.task", (*v)["task"]);
        }
        if (const json* lessons = Member(root, "lessons"))
            Keyed(*lessons, "lessons", [&](uint32_t key, const json& v, const std::string& where) {
                LessonRecord record;
                if (!Int(v, "step", where, record.furthest)) return;
                if (v.contains("finished") && !String(v, "finished", where, record.finishedOn))
                    return;
                Take(m_out.progress.SetLesson(key, record), where, v);
            });
        if (const json* kinds = Member(root, "tasks"))
            Keyed(*kinds, "tasks", [&](uint32_t key, const json& v, const std::string& where) {
                KindRecord record;
                if (Int(v, "set", where, record.set) && Int(v, "right", where, record.right) &&
                    String(v, "last", where, record.last))
                    Take(m_out.progress.SetKind(key, record), where, v);
            });
        if (const auto tests = root.find("tests"); tests != root.end()) {
            if (!tests->is_array()) return Note("tests", *tests, "не список");
            for (std::size_t i = 0; i < tests->size(); ++i)
                ReadTest((*tests)[i], "tests." + std::to_string(i));
        }
    }

  private:
    void ReadTest(const json& v, const std::string& where) {
        if (!v.is_object()) return Note(where, v, "не объект");
        TestResult result;
        int32_t variant = 0;
        const auto kinds = v.find("kinds");
        const auto rows = v.find("tasks");
        if (!String(v, "date", where, result.date) || !Int(v, "variant", where, variant) ||
            !Int(v, "count", where, result.count) || !Int(v, "score", where, result.score) ||
            !Int(v, "mark", where, result.mark))
            return;
        result.variant = uint32_t(std::max(variant, 0));
        if (kinds == v.end() || !kinds->is_array()) return Note(where + ".kinds", v, "не список");
        for (const json& kind : *kinds) {
            if (!kind.is_number_unsigned() || kind.get<uint64_t>() > UINT32_MAX)
                return Note(where + ".kinds", *kinds, "не список видов задач");
            result.kinds.push_back(kind.get<uint32_t>());
        }
        if (rows == v.end() || !rows->is_array()) return Note(where + ".tasks", v, "не список");
        for (const json& row : *rows) {
            TestRow line;
            std::string verdict;
            int32_t key = 0;
            if (!row.is_object()) return Note(where + ".tasks", row, "не объект");
            if (!Int(row, "kind", where, key) || !String(row, "answer", where, line.answer) ||
                !String(row, "verdict", where, verdict) ||
                !Int(row, "seconds", where, line.seconds))
                return;
            line.key = uint32_t(std::max(key, 0));
            const auto named = std::find_if(std::begin(kVerdicts), std::end(kVerdicts),
                                            [&](const auto& n) { return verdict == n.name; });
            if (named == std::end(kVerdicts))
                return Note(where + ".tasks", row, "неизвестный итог");
            line.verdict = named->verdict;
            result.rows.push_back(line);
        }
        Take(m_out.progress.AddTestResult(result), where, v);
    }

    const json* Member(const json& root, const char* name) {
        const auto found = root.find(name);
        if (found == root.end()) return nullptr;
        if (found->is_object()) return &*found;
        Note(name, *found, "не объект");
        return nullptr;
    }

    // Objects keyed by a lesson key written in decimal.
    template <typename Body>
    void Keyed(const json& v, const std::string& where, Body body) {
        for (const auto& [name, value] : v.items()) {
            const std::string place = where + "." + name;
            const bool digits =
                !name.empty() && name.size() <= 9 &&
                std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits) {
                Note(place, value, "ключ не номер урока");
                continue;
            }
            if (!value.is_object()) {
                Note(place, value, "не объект");
                continue;
            }
            body(uint32_t(std::stoul(name)), value, place);
        }
    }

    bool Int(const json& v, const char* name, const std::string& where, int32_t& out) {
        const auto found = v.find(name);
        const std::string place = where + "." + name;
        if (found == v.end()) return Note(place, v, "нет значения"), false;
        if (!found->is_number_integer()) return Note(place, *found, "не целое число"), false;
        const int64_t wide = Wide(*found);
        if (!InRange64(wide, INT32_MIN, INT32_MAX))
            return Note(place, *found, "вне допустимых пределов"), false;
        out = int32_t(wide);
        return true;
    }

    bool String(const json& v, const char* name, const std::string& where, std::string& out) {
        const auto found = v.find(name);
        const std::string place = where + "." + name;
        if (found == v.end()) return Note(place, v, "нет значения"), false;
        if (!found->is_string()) return Note(place, *found, "не строка"), false;
        out = found->get<std::string>();
        return true;
    }

    // The setter's verdict on a record whose types were right: false means out of range.
    bool Take(bool taken, const std::string& where, const json& v) {
        if (!taken) Note(where, v, "вне допустимых пределов");
        return taken;
    }

    void Note(const std::string& where, const json& v, const char* what) {
        std::string shown = v.dump(-1, ' ', false, json::error_handler_t::replace);
        if (shown.size() > 60) shown = shown.substr(0, 57) + "...";
        m_out.problems.push_back(where + " = " + shown + ": " + what);
        m_out.damage = Damage::BadValues;
    }

    ReadOutcome& m_out;
};

}  // namespace

ReadOutcome ReadProgress(const std::string& bytes) {
    ReadOutcome outcome;
    if (bytes.empty()) {
        outcome.damage = Damage::Empty;
        return outcome;
    }
    json root;
    CDomParser parser(root);
    if (!json::sax_parse(bytes, &parser, json::input_format_t::json, true) || parser.is_errored()) {
        outcome.damage = parser.m_bAtEnd || parser.m_nPosition >= bytes.size() ? Damage::CutShort
                                                                               : Damage::NotJson;
        outcome.problems.push_back(std::to_string(parser.m_nPosition));
        return outcome;
    }
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_number_integer() ||
        Wide(*format) < 1) {
        outcome.damage = Damage::WrongShape;
        return outcome;
    }
    if (Wide(*format) > kFormat) {
        outcome.damage = Damage::NewerFormat;
        outcome.format = Wide(*format);
        return outcome;
    }
    CReader(outcome).Read(root);
    return outcome;
}

std::string WriteProgress(const CProgress& progress) {
    json root = {{"format", kFormat}};
    if (const auto& w = progress.Window())
        root["window"] = {{"factor", w->factor}, {"x", w->x}, {"y", w->y}};
    if (const auto& r = progress.Rule())
        root["rule"] = {{"scroll", r->scroll},
                        {"slide", r->slide},
                        {"cursor", r->cursor},
                        {"side", r->side},
                        {"clamp", r->clamp}};
    root["taskBox"] = progress.TaskBoxAtBottom() ? "bottom" : "top";
    json chosen = json::object();
    if (progress.LastLesson()) chosen["lesson"] = progress.LastLesson();
    if (progress.LastKind()) chosen["task"] = progress.LastKind();
    root["chosen"] = chosen;
    json lessons = json::object();
    for (const auto& [key, record] : progress.Lessons()) {
        json entry = {{"step", record.furthest}};
        if (!record.finishedOn.empty()) entry["finished"] = record.finishedOn;
        lessons[std::to_string(key)] = entry;
    }
    root["lessons"] = lessons;
    json kinds = json::object();
    for (const auto& [key, record] : progress.Kinds())
        kinds[std::to_string(key)] = {
            {"set", record.set}, {"right", record.right}, {"last", record.last}};
    root["tasks"] = kinds;
    json tests = json::array();
    for (const TestResult& result : progress.Tests()) {
        json rows = json::array();
        for (const TestRow& row : result.rows)
            rows.push_back({{"kind", row.key},
                            {"answer", row.answer},
                            {"verdict", NameOf(row.verdict)},
                            {"seconds", row.seconds}});
        tests.push_back({{"date", result.date},
                         {"variant", result.variant},
                         {"kinds", result.kinds},
                         {"count", result.count},
                         {"score", result.score},
                         {"mark", result.mark},
                         {"tasks", rows}});
    }
    root["tests"] = tests;
    // Strings the program made are UTF-8; a broken sequence is replaced, not a reason to fail.
    return root.dump(1, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace training
