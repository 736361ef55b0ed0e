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
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

#include "platform/surface.h"
#include "training/lesson_placer.h"

namespace {

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

int Rewrite(const char* path, const std::vector<LessonStep>& records) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "cannot read " << path << "\n";
        return 2;
    }
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
                note == std::string::npos) {
                std::cerr << "the rows do not follow the notes at row " << next << "\n";
                return 2;
            }
            if (!HandSet(records[next].key))
                line = "    LESSON_STEP(" + std::string(m[1]) + ", " + rest.substr(0, note) + ", " +
                       catalogue::RecordFields(records[next]) + ")";
            ++next;
        }
        out << line << "\n";
    }
    if (next != records.size()) {
        std::cerr << path << " has " << next << " rows and the notes " << records.size() << "\n";
        return 2;
    }
    std::ofstream(path) << out.str();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The step box's text: the height-14 "Arial" cell, word-wrapped from the box's left + 10
    // to its right edge, measured as the drawing surface draws it.
    const catalogue::TextHeight measure = [](const char* text, int width) {
        const CRect r =
            CSurface::MeasureText(text, CRect{0, 0, width, 4000}, DT_WORDBREAK, CFont{14});
        return r.bottom - r.top;
    };

    if (catalogue::kStepNoteCount != kStepCount) {
        std::cerr << "the table has " << kStepCount << " records and the notes "
                  << catalogue::kStepNoteCount << "\n";
        return 2;
    }
    const catalogue::Placement placed =
        catalogue::PlaceAll(catalogue::kStepNotes, catalogue::kStepNoteCount, kStepTable, measure);
    for (const std::string& e : placed.errors) std::cerr << e << "\n";

    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--rewrite" && argc > 2)
        return Rewrite(argv[2], placed.records) ? 2 : (placed.errors.empty() ? 0 : 1);

    int differ = 0;
    uint32_t key = 0;
    for (size_t i = 0; i < placed.records.size(); ++i) {
        const LessonStep& r = placed.records[i];
        if (mode == "--check") {
            if (!HandSet(r.key) && !Same(r, kStepTable[i])) {
                std::cout << "record " << i << " differs; derived:\n"
                          << catalogue::RecordLine(r) << "\n";
                ++differ;
            }
            continue;
        }
        if (r.key != key) std::cout << "\n    // " << (key = r.key) << "\n";
        std::cout << catalogue::RecordLine(HandSet(r.key) ? kStepTable[i] : r) << "\n";
    }
    if (mode == "--check") std::cout << differ << " records differ from their derivation\n";
    return differ || !placed.errors.empty() ? 1 : 0;
}
