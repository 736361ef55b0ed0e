#include "tools/replay/replay_session.h"

#include <QImage>
#include <QString>
#include <cstdlib>
#include <sstream>

#include "resources/ids.h"
#include "resources/images.h"
#include "training/chooser.h"
#include "training/lesson_list.h"
#include "training/step_table.h"

namespace {

struct NamedCommand {
    const char* name;
    int id;
};

// In the order the ui command prints them.
const NamedCommand kCommands[] = {
    {"ID_SIDE1", ID_SIDE1},     {"ID_SIDE2", ID_SIDE2},       {"ID_EXIT", ID_EXIT},
    {"ID_UNDO", ID_UNDO},       {"ID_TB_UNDO", ID_TB_UNDO},   {"ID_CLAMP", ID_CLAMP},
    {"ID_TRAINING", ID_TRAINING}, {"ID_ABOUT", ID_ABOUT},     {"ID_TB_BUTTON1", ID_TB_BUTTON1},
    {"IDOK", IDOK},
};

std::vector<std::string> Words(const std::string& line) {
    std::string text = line.substr(0, line.find('#'));
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool Integer(const std::string& s, long& value) {
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtol(s.c_str(), &end, 10);
    return *end == '\0' && value >= -1000000000L && value <= 1000000000L;
}

struct Arity {
    const char* word;
    int numbers;  // -1: takes the rest of the line as it is
};

const Arity kEvents[] = {
    {"down", 2}, {"move", 2}, {"up", 2}, {"dbl", 2}, {"tap", 2}, {"wait", 1}, {"select", 1},
    {"steal", 0}, {"state", 0}, {"ui", 0}, {"text", 0}, {"msgbox", 0}, {"table", 0},
    {"lessons", 0},
};

constexpr int kLbnSelChange = 1;  // the list box's "selection changed" notification

const char* const kSettable[] = {"scroll", "slide", "cursor", "clamp"};

std::string Nudge(const CMainFrame& f) {
    std::string s;
    if (f.m_bNudgeLeft) s += 'L';
    if (f.m_bNudgeRight) s += 'R';
    return s.empty() ? "-" : s;
}

}  // namespace

bool CommandId(const std::string& name, int& id) {
    for (const NamedCommand& c : kCommands)
        if (name == c.name) return id = c.id, true;
    long value;
    if (!Integer(name, value)) return false;
    id = int(value);
    return true;
}

bool ParseReplayLine(const std::string& line, std::string& why) {
    const std::vector<std::string> w = Words(line);
    if (w.empty()) return true;
    const std::string& verb = w[0];
    if (verb == "echo") return true;
    if (verb == "frame") {
        if (w.size() == 2) return true;
        why = "frame takes one file name";
        return false;
    }
    if (verb == "zoom") {
        long k;
        if (w.size() == 2 && Integer(w[1], k) && k >= 1 && k <= kMaxImageScale) return true;
        why = "zoom takes a factor from 1 to " + std::to_string(kMaxImageScale);
        return false;
    }
    if (verb == "cmd") {
        int id;
        if (w.size() == 2 && CommandId(w[1], id)) return true;
        why = "cmd takes a command name or number";
        return false;
    }
    if (verb == "set" || verb == "expect") {
        if (w.size() < 2) {
            why = verb + " takes K=V pairs";
            return false;
        }
        for (std::size_t i = 1; i < w.size(); ++i) {
            const std::size_t eq = w[i].find('=');
            if (eq == std::string::npos || eq == 0) {
                why = "not a K=V pair: " + w[i];
                return false;
            }
            if (verb == "set") {
                const std::string key = w[i].substr(0, eq);
                long v;
                bool known = false;
                for (const char* k : kSettable) known |= key == k;
                if (!known || !Integer(w[i].substr(eq + 1), v)) {
                    why = "set takes scroll, slide, cursor or clamp with a number: " + w[i];
                    return false;
                }
            }
        }
        return true;
    }
    for (const Arity& a : kEvents) {
        if (verb != a.word) continue;
        if (int(w.size()) - 1 != a.numbers) {
            why = verb + " takes " + std::to_string(a.numbers) + " numbers";
            return false;
        }
        for (std::size_t i = 1; i < w.size(); ++i) {
            long v;
            if (!Integer(w[i], v)) {
                why = "not a number: " + w[i];
                return false;
            }
        }
        if (verb == "wait" && std::atol(w[1].c_str()) < 0) {
            why = "time runs forward only";
            return false;
        }
        return true;
    }
    why = "unknown command: " + verb;
    return false;
}

CReplaySession::CReplaySession()
    : m_frame(std::make_unique<CMainFrame>(m_host)), m_window(240, 268) {
    // Shown at start-up and updated at once: the first paint.
    m_frame->OnPaint(m_window);
}

void CReplaySession::PaintIfInvalid() {
    if (m_host.TakeInvalid()) m_frame->OnPaint(m_window);
}

std::string CReplaySession::StateLine() const {
    const CMainFrame& f = *m_frame;
    CHeadlessHost& host = const_cast<CHeadlessHost&>(m_host);
    const bool hold = host.TimerRunning(TIMER_HOLD), repeat = host.TimerRunning(TIMER_REPEAT);
    const char* button = "-";
    if (f.m_nLesson > 0) button = FindNextStep(uint32_t(f.m_nLesson), f.m_nStep) > 0 ? "next" : "finish";
    std::ostringstream s;
    s << "state scroll=" << f.m_nScroll << " slide=" << f.m_nSlide << " cursor=" << f.m_nCursor
      << " side=" << f.m_nSide << " clamp=" << f.m_bClamp << " undo=" << f.m_nUndoCount
      << " mode=" << f.m_nDragMode << " nudge=" << Nudge(f) << " repeat=" << f.m_bRepeating
      << " capture=" << host.HasCapture() << " lastx=" << f.m_nLastX
      << " list=" << int(f.m_bListOpen) << " listcreated=" << int(f.m_bListCreated)
      << " sel=" << (host.ListBox() ? host.ListBox()->GetCurSel() : -1)
      << " lesson=" << f.m_nLesson << " step=" << f.m_nStep << " button=" << button
      << " timers=" << (hold && repeat ? "hold+repeat" : hold ? "hold" : repeat ? "repeat" : "-")
      << " repaints=" << host.RepaintRequests() << " exit=" << host.Closed()
      << " about=" << host.MessageBoxes();
    return s.str();
}

bool CReplaySession::Check(const std::string& key, const std::string& expected,
                           std::string& got) const {
    for (const char* prefix : {"enabled.", "checked."}) {
        const std::string p = prefix;
        if (key.compare(0, p.size(), p) != 0) continue;
        int id;
        if (!CommandId(key.substr(p.size()), id)) break;
        const std::optional<CCmdUI> ui = m_frame->CommandState(id);
        got = !ui ? "?" : (p == "enabled." ? ui->enabled : ui->checked) ? "1" : "0";
        return got == expected;
    }
    std::istringstream in(StateLine().substr(6));
    for (std::string pair; in >> pair;) {
        const std::size_t eq = pair.find('=');
        if (pair.substr(0, eq) == key) {
            got = pair.substr(eq + 1);
            return got == expected;
        }
    }
    got = "(no such key)";
    return false;
}

void CReplaySession::Event(const std::vector<std::string>& w, std::ostream& out) {
    const std::string& verb = w[0];
    auto num = [&](std::size_t i) { return int(std::atol(w[i].c_str())); };
    CMainFrame& f = *m_frame;
    if (m_host.Closed()) {
        out << "closed\n";
        return;
    }
    if (verb == "down") f.OnLButtonDown(0, {num(1), num(2)});
    if (verb == "move") f.OnMouseMove(0, {num(1), num(2)});
    if (verb == "up") f.OnLButtonUp(0, {num(1), num(2)});
    if (verb == "dbl") f.OnLButtonDblClk(0, {num(1), num(2)});
    if (verb == "tap") {
        f.OnLButtonDown(0, {num(1), num(2)});
        f.OnLButtonUp(0, {num(1), num(2)});
    }
    if (verb == "wait") {
        const int64_t until = m_host.Now() + num(1);
        for (int id; m_host.NextTick(until, id);) f.OnTimer(id);
        m_host.SetNow(until);
    }
    if (verb == "cmd") {
        int id = 0;
        CommandId(w[1], id);
        if (!f.OnCommand(id, 0)) out << "disabled " << w[1] << "\n";
    }
    if (verb == "select") {
        CHeadlessListBox* list = m_host.ListBox();
        if (!list)
            out << "no list\n";
        else if (num(1) >= 0 && num(1) < list->Count()) {
            // A tap on a title selects it, and the list tells its parent so, under its
            // control id, which is IDOK's, with a non-zero notification code.
            list->SetCurSel(num(1));
            f.OnCommand(IDC_LESSON_LIST, kLbnSelChange);
        }
    }
    if (verb == "steal") {
        m_host.StealCapture();
        f.OnCaptureChanged();
    }
    if (verb == "set") {
        for (std::size_t i = 1; i < w.size(); ++i) {
            const std::size_t eq = w[i].find('=');
            const std::string key = w[i].substr(0, eq);
            const int value = int(std::atol(w[i].c_str() + eq + 1));
            if (key == "scroll") f.m_nScroll = value;
            if (key == "slide") f.m_nSlide = value;
            if (key == "cursor") f.m_nCursor = value;
            if (key == "clamp") f.m_bClamp = value;
        }
    }
    PaintIfInvalid();
}

bool CReplaySession::RunLine(const std::string& line, std::ostream& out) {
    const std::vector<std::string> w = Words(line);
    if (w.empty()) return true;
    const std::string& verb = w[0];
    const CMainFrame& f = *m_frame;
    if (verb == "state") {
        out << StateLine() << "\n";
    } else if (verb == "ui") {
        for (const NamedCommand& c : kCommands) {
            const std::optional<CCmdUI> ui = f.CommandState(c.id);
            out << c.name << " enabled=" << (ui && ui->enabled) << " checked=" << (ui && ui->checked)
                << "\n";
        }
    } else if (verb == "text") {
        out << (f.m_nLesson > 0 ? kStepTable[f.m_nStep].pszText : "-") << "\n";
    } else if (verb == "msgbox") {
        out << (m_host.MessageBoxes() ? m_host.LastMessageBox() : "-") << "\n";
    } else if (verb == "table") {
        for (int i = 0; i <= kStepCount; ++i) {
            const LessonStep& s = kStepTable[i];
            out << "record " << i << ' ' << s.key << ' ' << int(s.bArrow) << ' ' << s.ptArrow.x
                << ' ' << s.ptArrow.y << ' ' << int(s.bState) << ' ' << s.nScroll << ' '
                << s.nSlide << ' ' << s.nCursor << ' ' << s.nSide << ' ' << s.bClamp << ' '
                << s.rcBox.left << ' ' << s.rcBox.top << ' ' << s.rcBox.right << ' '
                << s.rcBox.bottom << ' ' << s.pszText << "\n";
        }
    } else if (verb == "lessons") {
        for (int i = 0; kLessonList[i].key != 0; ++i)
            out << "lesson " << i << ' ' << kLessonList[i].key << ' ' << kLessonList[i].pszText
                << "\n";
    } else if (verb == "echo") {
        const std::size_t at = line.find("echo") + 4;
        std::string text = line.substr(at, line.find('#') == std::string::npos
                                               ? std::string::npos
                                               : line.find('#') - at);
        const std::size_t first = text.find_first_not_of(" \t");
        text = first == std::string::npos ? "" : text.substr(first);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
        out << text << "\n";
    } else if (verb == "zoom") {
        // From now on the window is K times finer; what it shows is the same frame.
        m_window = CSurface(240, 268, std::atoi(w[1].c_str()));
        m_frame->OnPaint(m_window);
    } else if (verb == "frame") {
        // Compose afresh, so that a frame after a `set` shows the values set; a paint
        // changes no state.
        m_frame->OnPaint(m_window);
        const QImage image(reinterpret_cast<const uchar*>(m_window.Bits()), m_window.Width(),
                           m_window.Height(), m_window.Width() * 4, QImage::Format_RGB32);
        if (!image.save(QString::fromStdString(w[1]), "PNG"))
            out << "FAIL " << m_name << ':' << m_nLine << " frame could not be saved to " << w[1]
                << "\n";
    } else if (verb == "expect") {
        for (std::size_t i = 1; i < w.size(); ++i) {
            const std::size_t eq = w[i].find('=');
            std::string got;
            if (!Check(w[i].substr(0, eq), w[i].substr(eq + 1), got)) {
                out << "FAIL " << m_name << ':' << m_nLine << ' ' << w[i].substr(0, eq)
                    << " expected " << w[i].substr(eq + 1) << " got " << got << "\n";
                m_bFailed = true;
            }
        }
    } else {
        Event(w, out);
    }
    return true;
}

int CReplaySession::Run(const std::string& name, const std::string& script, std::ostream& out) {
    std::vector<std::string> lines;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string why;
        if (!ParseReplayLine(lines[i], why)) {
            out << name << ':' << i + 1 << ": " << why << "\n";
            return 2;
        }
    }
    m_name = name;
    m_bFailed = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_nLine = int(i + 1);
        RunLine(lines[i], out);
    }
    return m_bFailed ? 1 : 0;
}
