// The page's entry points: page.js hands every event to the main window's logic through
// these, and draws what OnPaint composes.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "app/main_frame.h"
#include "frontend/web/local_storage.h"
#include "frontend/web/web_host.h"
#include "resources/ids.h"
#include "resources/images.h"
#include "resources/keys.h"
#include "resources/menus.h"
#include "training/exam.h"
#include "training/lesson_list.h"
#include "training/progress_table.h"
#include "training/scale_help.h"
#include "view/image_set.h"

namespace {

CWebHost g_host;
// What the page remembers, in its localStorage; they outlive the window's logic.
CLocalStorage g_storage("skalor.progress");
training::CProgressStore g_store(g_storage);
bool g_bTold = false;  // the store's message came after the first frame
std::unique_ptr<CMainFrame> g_frame;
std::unique_ptr<CSurface> g_window;
CPixmap g_toolbar;
CPixmap g_picture;   // the help page's picture last asked for
std::string g_text;  // the last string handed to the page

// A JSON string: every control character escaped, as a CSV's line ends or a tab typed into
// an answer may bring them.
std::string Quoted(const char* text) {
    std::string q = "\"";
    for (const char* p = text; *p; ++p) {
        if (*p == '"' || *p == '\\') q += '\\';
        if (*p == '\n') {
            q += "\\n";
            continue;
        }
        if (static_cast<unsigned char>(*p) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(*p));
            q += escaped;
            continue;
        }
        q += *p;
    }
    return q + "\"";
}

// The letter of a caption that shows its mnemonic, null when none.
std::string Mark(const char* caption, const char* mnemonic) {
    int length = 0;
    const int at = MnemonicAt(caption, mnemonic, length);
    return at < 0 ? "null" : Quoted(std::string(caption + at, std::size_t(length)).c_str());
}

// A key's place (KeyboardEvent.code) as what it types on the US layout; 0 for none.
char UsKeyOfCode(const std::string& code) {
    if (code.size() == 4 && code.compare(0, 3, "Key") == 0) return char(code[3] - 'A' + 'a');
    if (code.size() == 6 && code.compare(0, 5, "Digit") == 0) return code[5];
    // clang-format off
    static const struct { const char* code; char usKey; } kPunctuation[] = {
        {"BracketLeft", '['}, {"BracketRight", ']'}, {"Semicolon", ';'}, {"Quote", '\''},
        {"Backquote", '`'},   {"Comma", ','},        {"Period", '.'},    {"Slash", '/'},
    };
    // clang-format on
    for (const auto& p : kPunctuation)
        if (code == p.code) return p.usKey;
    return 0;
}

// The key a menu item shows: the first of its command's.
std::string ShortcutOf(int id) {
    for (const Accelerator& a : kAccelerators)
        if (a.id == id) return KeyName(a.key, a.mods);
    return "";
}

}  // namespace

extern "C" {

// One scale's part of the image set, unpacked by the page; 1 when it was taken.
EMSCRIPTEN_KEEPALIVE int skalor_image_archive(const unsigned char* data, int size) {
    return AddImageArchive(data, std::size_t(size)) ? 1 : 0;
}

// seed: where the tasks of this run start; each run sets other tasks.
EMSCRIPTEN_KEEPALIVE void skalor_start(uint32_t seed) {
    g_frame = std::make_unique<CMainFrame>(g_host);
    g_frame->SetNextTaskSeed(seed);
    g_frame->UseProgress(g_store, training::LocalNow);
    g_window = std::make_unique<CSurface>(kClientWidth, kClientHeight);
    g_host.Invalidate();  // the first paint, as showing the window asks for it
}

// Later frames are composed at this many device pixels a client pixel, once the page has
// added that scale's images.
EMSCRIPTEN_KEEPALIVE void skalor_set_scale(int scale) {
    if (scale < 1 || scale > kMaxPageScale || scale == g_window->Scale()) return;
    if (scale > 1 && !FindScaledImage(IDB_TOP1, scale)) return;
    g_window = std::make_unique<CSurface>(kClientWidth, kClientHeight, scale);
    g_host.Invalidate();
}

// Composes the frame and returns its pixels (bytes R, G, B, A; skalor_frame_width() a row).
EMSCRIPTEN_KEEPALIVE const Colour* skalor_paint() {
    g_host.Painted();
    g_frame->OnPaint(*g_window);
    if (!g_bTold) {
        g_bTold = true;
        g_frame->TellProgress();
    }
    return g_window->Bits();
}
EMSCRIPTEN_KEEPALIVE int skalor_frame_width() { return g_window->Width(); }
EMSCRIPTEN_KEEPALIVE int skalor_frame_height() { return g_window->Height(); }

// kind: 0 press, 1 move, 2 release, 3 double tap (in place of the second press).
EMSCRIPTEN_KEEPALIVE void skalor_stylus(int kind, unsigned flags, int x, int y) {
    const CPoint point{x, y};
    switch (kind) {
        case 0: g_frame->OnLButtonDown(flags, point); break;
        case 1: g_frame->OnMouseMove(flags, point); break;
        case 2: g_frame->OnLButtonUp(flags, point); break;
        case 3: g_frame->OnLButtonDblClk(flags, point); break;
        default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void skalor_timer(int id) { g_frame->OnTimer(id); }

EMSCRIPTEN_KEEPALIVE void skalor_capture_lost() {
    if (g_host.LoseCapture()) g_frame->OnCaptureChanged();
}

EMSCRIPTEN_KEEPALIVE int skalor_command(int id) { return g_frame->OnCommand(id, 0) ? 1 : 0; }

// -1 for an id the command map does not know, else 1 when enabled plus 2 when checked.
EMSCRIPTEN_KEEPALIVE int skalor_command_state(int id) {
    const std::optional<CCmdUI> ui = g_frame->CommandState(id);
    return ui ? (ui->enabled ? 1 : 0) | (ui->checked ? 2 : 0) : -1;
}

// The task's panel: what its answer field holds now that the user typed in it, a press on
// its button `index` with the field's text, and whether the field has the keys.
EMSCRIPTEN_KEEPALIVE void skalor_edit_changed(const char* text) { g_frame->OnPanelEdit(text); }
EMSCRIPTEN_KEEPALIVE void skalor_panel_press(int index, const char* field) {
    const CPanel& p = g_host.Panel();
    if (index >= 0 && index < int(p.buttons.size()))
        g_frame->OnPanel(p.buttons[std::size_t(index)].command, field);
}
EMSCRIPTEN_KEEPALIVE void skalor_panel_focus(int on) { g_frame->OnPanelFocus(on != 0); }

// The user picked a title in the list (a tap, or the list's own keys): the list tells its
// parent, under its control id, with a non-zero notification code.
EMSCRIPTEN_KEEPALIVE void skalor_list_changed(int index) {
    if (CWebListBox* list = g_host.ListBox()) list->SelectByUser(index);
    g_frame->OnCommand(IDC_LESSON_LIST, LBN_SELCHANGE);
}
EMSCRIPTEN_KEEPALIVE void skalor_list_double_click() {
    g_frame->OnCommand(IDC_LESSON_LIST, LBN_DBLCLK);
}
EMSCRIPTEN_KEEPALIVE void skalor_list_page(int items) {
    if (CWebListBox* list = g_host.ListBox()) list->SetPageItems(items < 1 ? 1 : items);
}

// A key by its name, as "Ctrl+Shift+Left" (the replay's names). A press returns 1 when the
// window used it, the id of a window-size command when it is that command's key (the page
// sizes itself), else 0. A release returns 0.
EMSCRIPTEN_KEEPALIVE int skalor_key(const char* name, int down, int repeat) {
    KeyCode key = KEY_NONE;
    uint32_t mods = MOD_NONE;
    if (!KeyFromName(name, key, mods)) return 0;
    if (!down) {
        g_frame->OnKeyUp(key, mods);
        return 0;
    }
    if (g_frame->OnKeyDown(key, mods, repeat != 0)) return 1;
    const int id = FindAccelerator(key, mods);
    return id == ID_VIEW_LARGER || id == ID_VIEW_SMALLER || id == ID_VIEW_NORMAL ? id : 0;
}

// Wheel notches, positive toward the user; 1 when the window used them.
EMSCRIPTEN_KEEPALIVE int skalor_wheel(int notches, int ctrl) {
    return g_frame->OnMouseWheel(notches, ctrl ? MOD_CTRL : MOD_NONE) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void skalor_kill_focus() { g_frame->OnKillFocus(); }

// The menus, the toolbar and the window's texts, as JSON.
EMSCRIPTEN_KEEPALIVE const char* skalor_ui_tables() {
    std::ostringstream s;
    s << "{\"title\":" << Quoted(kWindowTitle) << ",\"menus\":[";
    for (int m = 0; m < int(std::size(kMenuBar)); ++m) {
        const Menu& menu = kMenuBar[m];
        s << (m ? "," : "") << "{\"caption\":" << Quoted(menu.caption)
          << ",\"mnemonic\":" << Quoted(menu.mnemonic)
          << ",\"mark\":" << Mark(menu.caption, menu.mnemonic) << ",\"items\":[";
        for (int i = 0; i < menu.count; ++i)
            s << (i ? "," : "")
              << "{\"caption\":" << (menu.items[i].caption ? Quoted(menu.items[i].caption) : "null")
              << ",\"mnemonic\":"
              << (menu.items[i].mnemonic ? Quoted(menu.items[i].mnemonic) : "null") << ",\"mark\":"
              << (menu.items[i].caption ? Mark(menu.items[i].caption, menu.items[i].mnemonic)
                                        : "null")
              << ",\"shortcut\":" << Quoted(ShortcutOf(menu.items[i].id).c_str())
              << ",\"id\":" << menu.items[i].id << "}";
        s << "]}";
    }
    s << "],\"toolbar\":[";
    for (int b = 0; b < int(std::size(kToolbar)); ++b)
        s << (b ? "," : "") << "{\"id\":" << kToolbar[b].id
          << ",\"image\":" << kToolbar[b].imageIndex
          << ",\"tooltip\":" << (kToolbar[b].tooltip ? Quoted(kToolbar[b].tooltip) : "null") << "}";
    s << "],\"zoom\":[" << ID_VIEW_LARGER << "," << ID_VIEW_SMALLER << "," << ID_VIEW_NORMAL << "]";
    s << ",\"buttonWidth\":" << kToolbarButtonWidth << ",\"buttonHeight\":" << kToolbarButtonHeight
      << "}";
    g_text = s.str();
    return g_text.c_str();
}

// What a key picks in the menus: with menu -1 the index of the bar's menu, else the command
// of that menu's item; -1 for nothing. typed is KeyboardEvent.key, code its code.
EMSCRIPTEN_KEEPALIVE int skalor_menu_key(int menu, const char* typed, const char* code) {
    const char usKey = UsKeyOfCode(code);
    if (menu < 0) return MenuOfKey(typed, usKey);
    if (menu >= int(std::size(kMenuBar))) return -1;
    const int item = ItemOfKey(kMenuBar[menu], typed, usKey);
    return item < 0 ? -1 : kMenuBar[menu].items[item].id;
}

// The help on the scales: the pages as JSON, each page's picture (its pixels, then its size
// through the two calls after), and the press on a scale's name (1 when the rule shows it).
EMSCRIPTEN_KEEPALIVE const char* skalor_help_pages() {
    std::ostringstream s;
    s << "{\"caption\":" << Quoted(kHelpScalesCaption) << ",\"show\":" << Quoted(kHelpShowScale)
      << ",\"pages\":[";
    for (int i = 0; i < training::kScaleHelpCount; ++i) {
        const training::ScaleHelpPage& page = training::ScaleHelp(i);
        s << (i ? "," : "") << "{\"title\":" << Quoted(page.title.c_str())
          << ",\"text\":" << Quoted(page.text.c_str()) << "}";
    }
    s << "]}";
    g_text = s.str();
    return g_text.c_str();
}
EMSCRIPTEN_KEEPALIVE const Colour* skalor_help_picture(int index, int scale) {
    const training::ScaleHelpPage& page = training::ScaleHelp(index);
    // At the scale asked for where its images are unpacked already, else the nearest below.
    int k = std::clamp(scale, 1, kMaxPageScale);
    while (k > 1 && !FindScaledImage(page.image, k)) --k;
    g_picture = LoadImagePart(page.image, page.picture, k);
    return g_picture.Bits();
}
EMSCRIPTEN_KEEPALIVE int skalor_help_picture_width() { return g_picture.Width(); }
EMSCRIPTEN_KEEPALIVE int skalor_help_picture_height() { return g_picture.Height(); }
EMSCRIPTEN_KEEPALIVE int skalor_show_scale(int index) {
    if (index < 0 || index >= training::kScaleHelpCount) return 0;
    return g_frame->ShowScale(training::ScaleHelp(index).scale) ? 1 : 0;
}

// The toolbar's image strip: its pixels, then its width and height through the two calls after.
EMSCRIPTEN_KEEPALIVE const Colour* skalor_toolbar_pixels() {
    if (g_toolbar.IsNull()) g_toolbar = LoadImageResource(IDB_TOOLBAR);
    return g_toolbar.Bits();
}
EMSCRIPTEN_KEEPALIVE int skalor_toolbar_width() { return g_toolbar.Width(); }
EMSCRIPTEN_KEEPALIVE int skalor_toolbar_height() { return g_toolbar.Height(); }

// The window in words, as JSON: {"heading", "text", "buttons": [{"caption", "rect"}]}.
EMSCRIPTEN_KEEPALIVE const char* skalor_narration() {
    const CNarration n = g_frame->Narration();
    std::ostringstream s;
    s << "{\"heading\":" << Quoted(n.heading.c_str()) << ",\"text\":" << Quoted(n.text.c_str())
      << ",\"buttons\":[";
    for (std::size_t i = 0; i < n.buttons.size(); ++i) {
        const CRect& r = n.buttons[i].rect;
        s << (i ? "," : "") << "{\"caption\":" << Quoted(n.buttons[i].caption.c_str())
          << ",\"rect\":[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]}";
    }
    s << "]}";
    g_text = s.str();
    return g_text.c_str();
}

// The panel as the window last handed it, as JSON: {"visible", "title", "problem", "field",
// "fieldKeys", "answer", "verdict", "count", "buttons": [{"caption", "enabled"}]}.
EMSCRIPTEN_KEEPALIVE const char* skalor_panel() {
    const CPanel& p = g_host.Panel();
    std::ostringstream s;
    s << "{\"visible\":" << p.visible << ",\"title\":" << Quoted(p.title.c_str())
      << ",\"problem\":" << Quoted(p.problem.c_str()) << ",\"field\":" << p.field
      << ",\"fieldKeys\":" << p.fieldKeys << ",\"answer\":" << Quoted(p.answer.c_str())
      << ",\"verdict\":" << Quoted(p.verdict.c_str()) << ",\"count\":" << Quoted(p.count.c_str())
      << ",\"buttons\":[";
    for (std::size_t i = 0; i < p.buttons.size(); ++i)
        s << (i ? "," : "") << "{\"caption\":" << Quoted(p.buttons[i].caption.c_str())
          << ",\"enabled\":" << p.buttons[i].enabled << "}";
    s << "]}";
    g_text = s.str();
    return g_text.c_str();
}

// The page goes (closed, reloaded, left): the rule as it is, kept.
EMSCRIPTEN_KEEPALIVE void skalor_leave() { g_frame->KeepAtExit(); }

// The progress table as JSON: its captions, then a row a lesson and a kind of task.
EMSCRIPTEN_KEEPALIVE const char* skalor_progress_table() {
    std::ostringstream s;
    s << "{\"title\":" << Quoted(training::kProgressTitle) << ",\"columns\":[";
    for (const char* c : training::kProgressColumns)
        s << (c == training::kProgressColumns[0] ? "" : ",") << Quoted(c);
    s << "],\"reset\":"
      << Quoted(g_frame->CanUndoResetProgress() ? training::kUndoResetCaption
                                                : training::kResetCaption)
      << ",\"undo\":" << (g_frame->CanUndoResetProgress() ? 1 : 0)
      << ",\"question\":" << Quoted(training::kResetQuestion) << ",\"rows\":[";
    bool first = true;
    for (const training::ProgressRow& r : training::ProgressRows(g_frame->Progress())) {
        s << (first ? "" : ",") << "{\"lesson\":" << (r.lesson ? 1 : 0) << ",\"key\":" << r.key
          << ",\"title\":" << Quoted(r.title.c_str()) << ",\"count\":" << Quoted(r.count.c_str())
          << ",\"date\":" << Quoted(r.date.c_str()) << "}";
        first = false;
    }
    s << "]}";
    g_text = s.str();
    return g_text.c_str();
}

// "Сбросить прогресс" (the page has asked first), or its undo.
EMSCRIPTEN_KEEPALIVE void skalor_progress_reset(int undo) {
    if (undo)
        g_frame->UndoResetProgress();
    else
        g_frame->ResetProgress();
}

// The live window's state, as JSON, for the page's own tests.
EMSCRIPTEN_KEEPALIVE const char* skalor_state() {
    const CFrameState& f = g_frame->State();
    std::ostringstream s;
    s << "{\"scroll\":" << f.m_rule.m_nScroll << ",\"slide\":" << f.m_rule.m_nSlide
      << ",\"cursor\":" << f.m_rule.m_nCursor << ",\"side\":" << f.m_rule.m_nSide
      << ",\"clamp\":" << f.m_rule.m_bClamp << ",\"undo\":" << f.m_undo.m_nUndoCount
      << ",\"mode\":" << int(f.m_gesture.m_nDragMode) << ",\"repeat\":" << f.m_gesture.m_bRepeating
      << ",\"capture\":" << (g_host.HasCapture() ? 1 : 0)
      << ",\"list\":" << int(g_frame->Current() == Activity::LessonChooser)
      << ",\"sel\":" << (g_host.ListBox() ? g_host.ListBox()->GetCurSel() : -1)
      << ",\"lesson\":" << f.m_steps.m_nLesson << ",\"step\":" << f.m_steps.m_nStep
      << ",\"task\":" << (g_frame->TaskOpen() ? f.m_tasks.m_task.key : 0)
      << ",\"answer\":" << Quoted(g_frame->Panel().field ? f.m_tasks.m_strAnswer.c_str() : "")
      << "}";
    g_text = s.str();
    return g_text.c_str();
}

// A test of several tasks. Its dialog's choices as JSON: the groups of kinds with their
// titles, and the bounds of the count.
EMSCRIPTEN_KEEPALIVE const char* skalor_test_kinds() {
    std::ostringstream s;
    s << "{\"min\":" << training::kMinTasks << ",\"max\":" << training::kMaxTasks
      << ",\"groups\":[";
    for (int g = 0; g < training::kKindGroupCount; ++g) {
        s << (g ? "," : "") << "{\"title\":" << Quoted(training::kKindGroups[g].title)
          << ",\"kinds\":[";
        for (const uint32_t* k = training::kKindGroups[g].keys; *k; ++k)
            for (int i = 0; kLessonList[i].key != 0; ++i)
                if (kLessonList[i].key == *k)
                    s << (k == training::kKindGroups[g].keys ? "" : ",") << "{\"key\":" << *k
                      << ",\"title\":" << Quoted(kLessonList[i].pszText + 1) << "}";
        s << "]}";
    }
    s << "]}";
    g_text = s.str();
    return g_text.c_str();
}

// A variant from two random numbers of the page's.
EMSCRIPTEN_KEEPALIVE uint32_t skalor_fresh_variant(uint32_t high, uint32_t low) {
    return training::FreshVariant(uint64_t(high) << 32 | low);
}

namespace {

bool PaperOf(uint32_t variant, const char* kinds, std::vector<uint32_t>& keys) {
    std::string error;
    return variant >= training::kMinVariant && variant <= training::kMaxVariant &&
           training::ParseKinds(kinds, keys, error) && !keys.empty();
}

}  // namespace

// kinds as a command line writes them ("wind,35"); 1 when the test started.
EMSCRIPTEN_KEEPALIVE int skalor_start_test(uint32_t variant, const char* kinds, int count) {
    std::vector<uint32_t> keys;
    return PaperOf(variant, kinds, keys) && g_frame->StartTest(variant, keys, count) ? 1 : 0;
}

// The sheets of a variant as HTML to print, dated date; empty for a choice out of range.
EMSCRIPTEN_KEEPALIVE const char* skalor_sheets_html(uint32_t variant, const char* kinds, int count,
                                                    const char* date) {
    std::vector<uint32_t> keys;
    g_text = PaperOf(variant, kinds, keys)
                 ? training::SheetsHtml(training::DrawPaper(variant, keys, count), date)
                 : "";
    return g_text.c_str();
}

// The result of the test that ended, as JSON: its rows, the score and mark, the CSV and the
// HTML to print; null while there is none.
EMSCRIPTEN_KEEPALIVE const char* skalor_test_result(const char* date) {
    const std::optional<training::CExam>& exam = g_frame->State().m_test.m_exam;
    if (!exam || !exam->Finished()) return "null";
    const training::Score score = exam->Result();
    std::ostringstream s;
    s << "{\"variant\":" << exam->GetPaper().variant
      << ",\"score\":" << Quoted(training::ScoreText(score).c_str()) << ",\"mark\":" << score.mark
      << ",\"rows\":[";
    for (std::size_t i = 0; i < exam->Rows().size(); ++i) {
        const training::Row& row = exam->Rows()[i];
        const training::AcceptedRange range = training::AcceptedRangeOf(exam->GetPaper().tasks[i]);
        s << (i ? "," : "") << "[" << Quoted(exam->GetPaper().tasks[i].problem.c_str()) << ","
          << Quoted(row.answer.c_str()) << "," << Quoted((range.lo + " – " + range.hi).c_str())
          << "," << Quoted(training::OutcomeWord(row.outcome)) << "," << (row.ms + 500) / 1000
          << "]";
    }
    s << "],\"csv\":" << Quoted(training::ResultCsv(*exam).c_str())
      << ",\"html\":" << Quoted(training::ResultHtml(*exam, date).c_str()) << "}";
    g_text = s.str();
    return g_text.c_str();
}

// A row's "Показать": 1 when its solution plays.
EMSCRIPTEN_KEEPALIVE int skalor_show_test_solution(int row) {
    return g_frame->ShowTestSolution(row) ? 1 : 0;
}

}  // extern "C"
