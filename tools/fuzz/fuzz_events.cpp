#include "tools/fuzz/fuzz_events.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "resources/command_names.h"
#include "resources/ids.h"
#include "resources/keys.h"
#include "training/step_table.h"
#include "training/task_answers.h"
#include "training/task_kinds.h"

namespace {

// ---- How arguments sit in the bytes. ----

int32_t Word(const uint8_t* p) { return int32_t(p[0] | p[1] << 8); }
void PutWord(int32_t v, uint8_t* p) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

// Coordinates reach well beyond the window on every side, for drags that run off it.
constexpr int32_t kCoordLow = -136, kCoordSpan = 512;
int32_t Coord(const uint8_t* p) { return Word(p) % kCoordSpan + kCoordLow; }
void PutCoord(int32_t v, uint8_t* p) {
    PutWord(std::clamp(v, kCoordLow, kCoordLow + kCoordSpan - 1) - kCoordLow, p);
}

constexpr int32_t kWaitSpan = 2048;  // up to 2047 ms a wait; longer ones take several

constexpr int32_t kItemLow = -2, kItemSpan = 40;  // list items: the 36 titles and beyond

// The fixture's fields and the values each may take: the widest ranges the rule reaches.
struct Field {
    const char* name;
    int32_t low, high;
};
const Field kFields[] = {{"scroll", kScrollHoldMin, kScrollHoldMax},
                         // clang-format off
                         {"slide", kSlideMin, kSlideMax},
                         {"cursor", kCursorMin, kCursorMax},
                         {"clamp", 0, 1}};
// clang-format on
constexpr int kFieldCount = 4;

// Every key the window knows, by code; a key event takes one with any modifiers.
// clang-format off
const KeyCode kKeys[] = {
    KEY_LEFT,  KEY_RIGHT, KEY_UP,    KEY_DOWN,   KEY_PAGEUP, KEY_PAGEDOWN, KEY_HOME,
    KEY_END,   KEY_RETURN, KEY_ENTER, KEY_ESCAPE, KEY_SPACE, KEY_PLUS,     KEY_MINUS,
    KEY_EQUAL, KEY_F10,   KeyCode('0'), KeyCode('1'), KeyCode('2'), KeyCode('3'),
    KeyCode('4'), KeyCode('5'), KeyCode('6'), KeyCode('7'), KeyCode('8'), KeyCode('9'),
    KeyCode('A'), KeyCode('B'), KeyCode('C'), KeyCode('D'), KeyCode('E'), KeyCode('F'),
    KeyCode('G'), KeyCode('H'), KeyCode('I'), KeyCode('J'), KeyCode('K'), KeyCode('L'),
    KeyCode('M'), KeyCode('N'), KeyCode('O'), KeyCode('P'), KeyCode('Q'), KeyCode('R'),
    KeyCode('S'), KeyCode('T'), KeyCode('U'), KeyCode('V'), KeyCode('W'), KeyCode('X'),
    KeyCode('Y'), KeyCode('Z'),
};
// clang-format on
constexpr int kKeyCount = int(sizeof kKeys / sizeof *kKeys);
constexpr int kMostPresses = 64;  // a key's press and auto-repeats

// Centres of the chooser's buttons: "Отменить", "Выполнить".
const CPoint kChooserButtons[] = {{75, 215}, {165, 215}};

// ---- Tasks. ----

int TaskKindCount() {
    int n = 0;
    while (training::kTaskKeys[n]) ++n;
    return n;
}
constexpr int32_t kSeedSpan = 1 << 16;

// What an answer may be typed with: a byte picks one, 0 ends the text. Digits and what
// numbers are written with, the marks of degrees, minutes and seconds in their ASCII and
// true forms, the units' Russian letters, a no-break space, a tab, a comment's hash, and
// letters of two, three and four bytes.
// clang-format off
const char* const kAnswerChars[] = {
    "", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ",", ".", ":", " ", "-", "+", "x",
    "e", "°", "′", "'", "\"", "″", "с", "мин", "ч", "\xC2\xA0", "\t", "−", "#", "Ж",
    "\xF0\x9F\x98\x80", "\xEF\xBF\xBD",
};
// clang-format on
constexpr int kAnswerCharCount = int(sizeof kAnswerChars / sizeof *kAnswerChars);
constexpr int kTypedChars = 7;

// The 8 argument bytes of an answer, the first of which picks how the rest make its text,
// held as they come in a and b.
void DecodeAnswer(const uint8_t* p, FuzzEvent& e) {
    e.a = int32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
    e.b = int32_t(p[4] | p[5] << 8 | p[6] << 16 | uint32_t(p[7]) << 24);
}
void AnswerBytes(const FuzzEvent& e, uint8_t* p) {
    for (int i = 0; i < 4; ++i) {
        p[i] = uint8_t(uint32_t(e.a) >> (8 * i));
        p[4 + i] = uint8_t(uint32_t(e.b) >> (8 * i));
    }
}

template <class... Args>
std::string Printed(const char* format, Args... args) {
    char text[64];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The text an answer event types: as typed (up to seven characters of the table), the open
// task's answer a few eighths of its accepted range off, degrees and minutes, minutes and seconds
// in their several forms, or a long run of one character.
std::string AnswerText(const FuzzEvent& e, CReplaySession& s) {
    uint8_t p[8];
    AnswerBytes(e, p);
    switch (p[0] % 5) {
        case 0: {
            std::string text;
            for (int i = 1; i <= kTypedChars && p[i] % kAnswerCharCount; ++i)
                text += kAnswerChars[p[i] % kAnswerCharCount];
            return text;
        }
        case 1: {
            const training::Task& t = s.Frame().State().m_tasks.m_task;
            const double value = t.answer + int8_t(p[1]) % 13 * (t.high - t.low) / 8;
            std::string text;
            if (t.form == training::AnswerForm::Minutes && p[3] % 2) {
                const long seconds = std::lround(value * 60);
                text = Printed("%ld:%02ld", seconds / 60, std::labs(seconds % 60));
            } else {
                text = Printed("%.*f", p[2] % 4, value);
            }
            if (p[3] & 2) std::replace(text.begin(), text.end(), '.', ',');
            return text;
        }
        case 2: {
            const char* const minute[] = {"′", "'", " ", ""};
            return Printed("%s%d°%d%s", p[4] % 2 ? "-" : "", (p[1] | p[2] << 8) % 400, p[3] % 62,
                           minute[p[5] % 4]);
        }
        case 3: {
            const int m = p[1] % 100, sec = p[2] % 62;
            switch (p[3] % 5) {
                case 0: return Printed("%d:%02d", m, sec);
                case 1: return Printed("%d:%d", m, sec);
                case 2: return Printed("%d мин %d с", m, sec);
                case 3: return Printed("%d с", m * 60 + sec);
                default: return Printed("%d мин", m);
            }
        }
        default: {
            // Up to 2 KB of one character, whole, so that the text stays well-formed.
            const std::size_t length = 16 + std::size_t(p[2] | p[3] << 8) % 2032;
            std::string text;
            while (text.size() < length) text += kAnswerChars[1 + p[1] % (kAnswerCharCount - 1)];
            return text;
        }
    }
}

std::string Join(const char* verb, std::initializer_list<int32_t> numbers) {
    std::string s = verb;
    for (int32_t n : numbers) s += ' ' + std::to_string(n);
    return s;
}

// ---- The event table: one row per kind of event. ----

using Words = std::vector<std::string>;

struct EventRow {
    const char* verb;  // the replay command it becomes
    CheckedEvent::Kind checked;
    int bytes;  // argument bytes after the leading one
    void (*decode)(const uint8_t* p, FuzzEvent& e);
    void (*encode)(const FuzzEvent& e, uint8_t* p);
    std::string (*line)(const FuzzEvent& e, CReplaySession& s);
    // The events a script line with this verb stands for; null for rows no line maps to.
    void (*parse)(int row, const Words& w, std::vector<FuzzEvent>& out);
};

void DecodePoint(const uint8_t* p, FuzzEvent& e) {
    e.a = Coord(p);
    e.b = Coord(p + 2);
}
void EncodePoint(const FuzzEvent& e, uint8_t* p) {
    PutCoord(e.a, p);
    PutCoord(e.b, p + 2);
}
void DecodeNothing(const uint8_t*, FuzzEvent&) {}
void EncodeNothing(const FuzzEvent&, uint8_t*) {}

long Number(const std::string& s) { return std::strtol(s.c_str(), nullptr, 10); }

template <const char* Verb>
std::string PointLine(const FuzzEvent& e, CReplaySession&) {
    return Join(Verb, {e.a, e.b});
}
void ParsePoint(int row, const Words& w, std::vector<FuzzEvent>& out) {
    if (w.size() == 3) out.push_back({row, int32_t(Number(w[1])), int32_t(Number(w[2]))});
}

constexpr char kDown[] = "down", kMove[] = "move", kUp[] = "up", kDbl[] = "dbl", kTap[] = "tap";

// clang-format off
const EventRow kRows[] = {
    {kDown, CheckedEvent::Press, 4, DecodePoint, EncodePoint, PointLine<kDown>, ParsePoint},
    {kMove, CheckedEvent::Move, 4, DecodePoint, EncodePoint, PointLine<kMove>, ParsePoint},
    {kUp, CheckedEvent::Release, 4, DecodePoint, EncodePoint, PointLine<kUp>, ParsePoint},
    {kDbl, CheckedEvent::DoubleTap, 4, DecodePoint, EncodePoint, PointLine<kDbl>, ParsePoint},
    {kTap, CheckedEvent::Tap, 4, DecodePoint, EncodePoint, PointLine<kTap>, ParsePoint},
    {"wait", CheckedEvent::Wait, 2,
     [](const uint8_t* p, FuzzEvent& e) { e.a = Word(p) % kWaitSpan; },
     [](const FuzzEvent& e, uint8_t* p) { PutWord(e.a, p); },
     [](const FuzzEvent& e, CReplaySession&) { return Join("wait", {e.a}); },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         if (w.size() != 2) return;
         for (long ms = Number(w[1]); ms > 0; ms -= kWaitSpan - 1)
             out.push_back({row, int32_t(std::min<long>(ms, kWaitSpan - 1))});
     }},
    {"cmd", CheckedEvent::Command, 1,
     [](const uint8_t* p, FuzzEvent& e) { e.a = p[0] % kCommandNameCount; },
     [](const FuzzEvent& e, uint8_t* p) { p[0] = uint8_t(e.a); },
     [](const FuzzEvent& e, CReplaySession&) {
         return std::string("cmd ") + kCommandNames[e.a].name;
     },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         if (w.size() != 2) return;
         int id = 0;
         if (!CommandId(w[1], id)) return;
         for (int i = 0; i < kCommandNameCount; ++i)
             if (kCommandNames[i].id == id) return out.push_back({row, i});
     }},
    {"select", CheckedEvent::Selection, 1,
     [](const uint8_t* p, FuzzEvent& e) { e.a = p[0] % kItemSpan + kItemLow; },
     [](const FuzzEvent& e, uint8_t* p) { p[0] = uint8_t(e.a - kItemLow); },
     [](const FuzzEvent& e, CReplaySession&) { return Join("select", {e.a}); },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         if (w.size() == 2)
             out.push_back({row, int32_t(std::clamp<long>(Number(w[1]), kItemLow,
                                                          kItemLow + kItemSpan - 1))});
     }},
    {"steal", CheckedEvent::CaptureLoss, 0, DecodeNothing, EncodeNothing,
     [](const FuzzEvent&, CReplaySession&) { return std::string("steal"); },
     [](int row, const Words&, std::vector<FuzzEvent>& out) { out.push_back({row}); }},
    {"set", CheckedEvent::Fixture, 3,
     [](const uint8_t* p, FuzzEvent& e) {
         e.a = p[0] % kFieldCount;
         const Field& f = kFields[e.a];
         e.b = Word(p + 1) % (f.high - f.low + 1) + f.low;
     },
     [](const FuzzEvent& e, uint8_t* p) {
         p[0] = uint8_t(e.a);
         PutWord(e.b - kFields[e.a].low, p + 1);
     },
     [](const FuzzEvent& e, CReplaySession&) {
         return std::string("set ") + kFields[e.a].name + '=' + std::to_string(e.b);
     },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         for (std::size_t i = 1; i < w.size(); ++i) {
             const std::size_t eq = w[i].find('=');
             for (int f = 0; f < kFieldCount; ++f)
                 if (w[i].compare(0, eq, kFields[f].name) == 0)
                     out.push_back({row, f,
                                    int32_t(std::clamp<long>(Number(w[i].substr(eq + 1)),
                                                             kFields[f].low, kFields[f].high))});
         }
     }},
    // A key with modifiers: a = key index + 64 * modifiers, b = presses (auto-repeats + 1).
    {"key", CheckedEvent::Key, 3,
     [](const uint8_t* p, FuzzEvent& e) {
         e.a = p[0] % kKeyCount + 64 * (p[1] % 8);
         e.b = p[2] % kMostPresses + 1;
     },
     [](const FuzzEvent& e, uint8_t* p) {
         p[0] = uint8_t(e.a % 64);
         p[1] = uint8_t(e.a / 64);
         p[2] = uint8_t(e.b - 1);
     },
     [](const FuzzEvent& e, CReplaySession&) {
         const std::string name = KeyName(kKeys[e.a % 64], uint32_t(e.a / 64));
         return name.empty() ? name : "key " + name + " " + std::to_string(e.b);
     },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         KeyCode key;
         uint32_t mods;
         if (w.size() < 2 || w.size() > 3 || !KeyFromName(w[1].c_str(), key, mods)) return;
         const long presses = w.size() == 3 ? std::clamp<long>(Number(w[2]), 1, kMostPresses) : 1;
         for (int i = 0; i < kKeyCount; ++i)
             if (kKeys[i] == key) return out.push_back({row, int32_t(i + 64 * int(mods)), int32_t(presses)});
     }},
    // Notches of the wheel, -128 to 127, with Ctrl or not.
    {"wheel", CheckedEvent::Wheel, 2,
     [](const uint8_t* p, FuzzEvent& e) {
         e.a = int8_t(p[0]);
         e.b = p[1] % 2;
     },
     [](const FuzzEvent& e, uint8_t* p) {
         p[0] = uint8_t(int8_t(e.a));
         p[1] = uint8_t(e.b);
     },
     [](const FuzzEvent& e, CReplaySession&) {
         return Join("wheel", {e.a}) + (e.b ? " Ctrl" : "");
     },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         if (w.size() == 2 || (w.size() == 3 && w[2] == "Ctrl"))
             out.push_back({row, int32_t(std::clamp<long>(Number(w[1]), -128, 127)), w.size() == 3});
     }},
    // A tap on one of the chooser's buttons.
    {kTap, CheckedEvent::Tap, 1, [](const uint8_t* p, FuzzEvent& e) { e.a = p[0] % 2; },
     [](const FuzzEvent& e, uint8_t* p) { p[0] = uint8_t(e.a); },
     [](const FuzzEvent& e, CReplaySession&) {
         const CPoint& at = kChooserButtons[e.a];
         return Join("tap", {at.x, at.y});
     },
     nullptr},
    // A tap on the middle of the running lesson's step button.
    {kTap, CheckedEvent::Tap, 0, DecodeNothing, EncodeNothing,
     [](const FuzzEvent&, CReplaySession& s) {
         const CStepPlayer& t = s.Frame().State().m_steps;
         if (t.m_nLesson <= 0 || t.m_nStep < 0 || t.m_nStep >= kStepCount) return std::string();
         const CRect& box = kStepTable[t.m_nStep].rcBox;
         return Join("tap", {box.left + (box.right - box.left + 1) / 2, box.bottom - 25});
     },
     nullptr},
    // A task of a kind, by its place in the chooser's order, from a seed.
    {"task", CheckedEvent::TaskStart, 3,
     [](const uint8_t* p, FuzzEvent& e) {
         e.a = p[0] % TaskKindCount();
         e.b = Word(p + 1);
     },
     [](const FuzzEvent& e, uint8_t* p) {
         p[0] = uint8_t(e.a);
         PutWord(e.b, p + 1);
     },
     [](const FuzzEvent& e, CReplaySession&) {
         return Join("task", {int32_t(training::kTaskKeys[e.a]), e.b});
     },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         if (w.size() != 3) return;
         for (int i = 0; training::kTaskKeys[i]; ++i)
             if (long(training::kTaskKeys[i]) == Number(w[1]))
                 return out.push_back({row, i, int32_t(std::clamp<long>(Number(w[2]), 0, kSeedSpan - 1))});
     }},
    // An answer typed and checked; a script's text is carried as typed, up to the characters
    // of the table and as many as fit.
    {"answer", CheckedEvent::TaskButton, 8,
     DecodeAnswer, AnswerBytes,
     [](const FuzzEvent& e, CReplaySession& s) {
         // Without the box's field it stands for nothing: no press is made.
         return s.Host().Panel().field ? "answer " + AnswerText(e, s) : std::string();
     },
     [](int row, const Words& w, std::vector<FuzzEvent>& out) {
         std::string text;
         for (std::size_t i = 1; i < w.size(); ++i) text += (i > 1 ? " " : "") + w[i];
         uint8_t p[8] = {};  // typed, as far as the table and the room carry it
         for (int n = 1; n <= kTypedChars && !text.empty();) {
             int best = 0;
             for (int c = 1; c < kAnswerCharCount; ++c)
                 if (text.rfind(kAnswerChars[c], 0) == 0 &&
                     std::strlen(kAnswerChars[c]) > std::strlen(kAnswerChars[best]))
                     best = c;
             if (best) p[n++] = uint8_t(best);
             text.erase(0, best ? std::strlen(kAnswerChars[best]) : 1);
         }
         FuzzEvent e{row};
         DecodeAnswer(p, e);
         out.push_back(e);
     }},
    {"show", CheckedEvent::TaskButton, 0, DecodeNothing, EncodeNothing,
     [](const FuzzEvent&, CReplaySession& s) {
         return s.Frame().TaskBoxShown() ? std::string("show") : std::string();
     },
     [](int row, const Words&, std::vector<FuzzEvent>& out) { out.push_back({row}); }},
    {"next", CheckedEvent::TaskButton, 0, DecodeNothing, EncodeNothing,
     [](const FuzzEvent&, CReplaySession& s) {
         return s.Frame().StepBoxRect() ? std::string("next") : std::string();
     },
     [](int row, const Words&, std::vector<FuzzEvent>& out) { out.push_back({row}); }},
};
// clang-format on
constexpr int kRowCount = int(sizeof kRows / sizeof *kRows);

}  // namespace

std::vector<FuzzEvent> DecodeEvents(const uint8_t* data, std::size_t size) {
    std::vector<FuzzEvent> events;
    for (std::size_t at = 0; at < size;) {
        const int row = data[at++] % kRowCount;
        const EventRow& r = kRows[row];
        if (size - at < std::size_t(r.bytes)) break;
        FuzzEvent e{row};
        r.decode(data + at, e);
        at += std::size_t(r.bytes);
        events.push_back(e);
    }
    return events;
}

void EncodeEvent(const FuzzEvent& event, std::vector<uint8_t>& out) {
    const EventRow& r = kRows[event.row];
    out.push_back(uint8_t(event.row));
    out.resize(out.size() + std::size_t(r.bytes));
    r.encode(event, out.data() + out.size() - r.bytes);
}

std::vector<FuzzEvent> EventsOfLine(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    Words w;
    for (std::string word; in >> word;) w.push_back(word);
    std::vector<FuzzEvent> events;
    if (w.empty()) return events;
    for (int row = 0; row < kRowCount; ++row)
        if (kRows[row].parse && w[0] == kRows[row].verb) {
            kRows[row].parse(row, w, events);
            break;
        }
    return events;
}

bool EventsOfScript(const std::string& script, std::vector<FuzzEvent>& events, std::string& why) {
    std::vector<std::string> lines;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!ParseReplayLine(line, why)) {
            why = "line " + std::to_string(lines.size() + 1) + ": " + why;
            return false;
        }
        lines.push_back(line);
    }
    // Each repeat with its end, and the count.
    std::vector<std::size_t> partner(lines.size()), open;
    std::vector<long> times(lines.size(), -1);  // -1: no repeat
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::istringstream words(lines[i].substr(0, lines[i].find('#')));
        std::string verb;
        words >> verb;
        if (verb == "repeat") {
            words >> times[i];
            open.push_back(i);
        } else if (verb == "end") {
            if (open.empty()) {
                why = "line " + std::to_string(i + 1) + ": an end without its repeat";
                return false;
            }
            partner[open.back()] = i;
            open.pop_back();
        }
    }
    if (!open.empty()) {
        why = "line " + std::to_string(open.back() + 1) + ": a repeat without its end";
        return false;
    }
    // Unrolled, up to a bound that keeps a seed small.
    constexpr std::size_t kMostEvents = 20000;
    auto unroll = [&](auto& self, std::size_t from, std::size_t to) -> void {
        for (std::size_t i = from; i < to && events.size() < kMostEvents; ++i) {
            if (times[i] >= 0) {
                for (long k = 0; k < times[i] && events.size() < kMostEvents; ++k)
                    self(self, i + 1, partner[i]);
                i = partner[i];
                continue;
            }
            for (const FuzzEvent& e : EventsOfLine(lines[i])) events.push_back(e);
        }
    };
    unroll(unroll, 0, lines.size());
    return true;
}

CFuzzRun::CFuzzRun() : m_checker(m_session.Frame(), m_session.Host()), m_sink(nullptr) {}

std::string CFuzzRun::Line(const FuzzEvent& event) {
    return kRows[event.row].line(event, m_session);
}

std::string CFuzzRun::Apply(const FuzzEvent& event, const std::string& line) {
    CheckedEvent checked{kRows[event.row].checked, {event.a, event.b}, 0};
    if (checked.kind == CheckedEvent::Command) checked.id = kCommandNames[event.a].id;
    m_checker.Before(checked);
    m_session.RunLine(line, m_sink);
    return m_checker.After();
}

std::string CFuzzRun::Run(const uint8_t* data, std::size_t size, std::ostream* script) {
    for (const FuzzEvent& event : DecodeEvents(data, size)) {
        if (Closed()) break;  // after the close request every event line does nothing
        const std::string line = Line(event);
        if (line.empty()) continue;
        if (script) *script << line << "\n";
        m_strLast = line;
        ++m_nEvents;
        const std::string broken = Apply(event, line);
        if (!broken.empty()) return broken;
    }
    return "";
}
