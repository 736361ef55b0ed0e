// skalor-lesson-placer: derives the step table's numbers from the lesson notes.
//
//   skalor-lesson-placer                 print every derived record as a table line
//   skalor-lesson-placer --check         compare the table with the derivation; 1 if they differ
//   skalor-lesson-placer --rewrite FILE  write the derived numbers into the rows of the lessons'
//                                        steps (training/lesson_steps.def)
//
// The records of lessons 1, 2 and 23 are set by hand: the placer keeps them as they stand.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <regex>
#include <sstream>

#include "platform/surface.h"
#include "tools/cli/tool_cli.h"
#include "training/lesson_placer.h"

namespace {

const toolcli::Tool kTool{
    "skalor-lesson-placer",
    "usage: skalor-lesson-placer                 print every derived record as a table line\n"
    "       skalor-lesson-placer --check         compare the table with the derivation; 1 if\n"
    "                                            they differ\n"
    "       skalor-lesson-placer --rewrite FILE  write the derived numbers into the table's\n"
    "                                            source FILE\n",
    {{"--check", nullptr}, {"--rewrite", "FILE"}},
    0,
    0};

// The step table's source is some 50 KB.
constexpr std::size_t kSourceCap = 1 << 20;

bool HandSet(uint32_t key) { return key == 1 || key == 2 || key == 23; }

bool Same(const LessonStep& a, const LessonStep& b) {
    return a.key == b.key && a.bArrow == b.bArrow && a.ptArrow.x == b.ptArrow.x &&
           a.ptArrow.y == b.ptArrow.y && a.bState == b.bState && a.nScroll == b.nScroll &&
           a.nSlide == b.nSlide && a.nCursor == b.nCursor && a.nSide == b.nSide &&
           a.bClamp == b.bClamp && a.rcBox.left == b.rcBox.left && a.rcBox.top == b.rcBox.top &&
           a.rcBox.right == b.rcBox.right && a.rcBox.bottom == b.rcBox.bottom &&
           std::strcmp(a.pszText, b.pszText) == 0;
}

// The length of a row's note: up to the first comma outside parentheses and strings.
size_t NoteLength(const std::string& rest) {
    int depth = 0;
    bool quoted = false;
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (quoted) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            return i;
        }
    }
    return std::string::npos;
}

// 0 when the source was rewritten, 1 when it could not be read, holds no step table whose
// records follow the notes, or could not be written.
int Rewrite(const std::string& path, const std::vector<LessonStep>& records) {
    const std::optional<std::string> source = toolcli::ReadInput(kTool, path, kSourceCap);
    if (!source) return 1;
    const auto refuse = [&](const std::string& why) {
        std::cerr << kTool.name << ": " << path << ": " << why << "\n";
        return 1;
    };
    if (source->find('\0') != std::string::npos) return refuse("not a text file");
    std::istringstream in(*source);
    std::ostringstream out;
    const std::regex row(R"(^    LESSON_STEP\((\d+), (.*)\)$)");
    std::string line;
    size_t next = 0;
    while (std::getline(in, line)) {
        std::smatch m;
        if (std::regex_match(line, m, row)) {
            const std::string rest = m[2];
            const size_t note = NoteLength(rest);
            if (next >= records.size() || records[next].key != std::stoul(m[1]) ||
                note == std::string::npos)
                return refuse("the rows do not follow the notes at row " + std::to_string(next));
            if (!HandSet(records[next].key))
                line = "    LESSON_STEP(" + std::string(m[1]) + ", " + rest.substr(0, note) + ", " +
                       training::RecordFields(records[next]) + ")";
            ++next;
        }
        out << line << "\n";
    }
    // A file that is not the whole step table is left as it is.
    if (next != records.size())
        return refuse("holds " + std::to_string(next) + " of the " +
                      std::to_string(records.size()) + " rows of the step table");
    return toolcli::WriteOutput(kTool, path, out.str()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const toolcli::Parsed parsed = toolcli::ParseArgs(kTool, argc, argv);
    if (!parsed.args) return parsed.status;
    const toolcli::Args& args = *parsed.args;
    if (args.Has("--check") && args.Has("--rewrite")) {
        std::cerr << kTool.name << ": --check and --rewrite do not go together\n" << kTool.usage;
        return 2;
    }
    toolcli::StartWithoutDisplay(kTool);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    // The step box's text: the height-14 "Arial" cell, word-wrapped from the box's left + 10
    // to its right edge, measured as the drawing surface draws it.
    const training::TextHeight measure = [](const char* text, int width) {
        const CRect r =
            CSurface::MeasureText(text, CRect{0, 0, width, 4000}, DT_WORDBREAK, CFont{14});
        return r.bottom - r.top;
    };

    if (training::kStepNoteCount != kStepCount) {
        std::cerr << "the table has " << kStepCount << " records and the notes "
                  << training::kStepNoteCount << "\n";
        return 1;
    }
    const training::Placement placed =
        training::PlaceAll(training::kStepNotes, training::kStepNoteCount, kStepTable, measure);
    for (const std::string& e : placed.errors) std::cerr << e << "\n";

    if (args.Has("--rewrite"))
        return Rewrite(args.options.at("--rewrite"), placed.records) || !placed.errors.empty();
    const bool check = args.Has("--check");

    int differ = 0;
    uint32_t key = 0;
    for (size_t i = 0; i < placed.records.size(); ++i) {
        const LessonStep& r = placed.records[i];
        if (check) {
            if (!HandSet(r.key) && !Same(r, kStepTable[i])) {
                std::cout << "record " << i << " differs; derived:\n"
                          << training::RecordLine(r) << "\n";
                ++differ;
            }
            continue;
        }
        if (r.key != key) std::cout << "\n    // " << (key = r.key) << "\n";
        std::cout << training::RecordLine(HandSet(r.key) ? kStepTable[i] : r) << "\n";
    }
    if (check) std::cout << differ << " records differ from their derivation\n";
    return toolcli::FinishOutput(kTool, differ || !placed.errors.empty() ? 1 : 0);
}
