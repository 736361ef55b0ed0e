// skalor-lesson-album: plays every lesson on the real main window, as a user who picks it in
// the chooser and taps the step box's button, and writes each lesson's frames, one per step,
// side by side into one PNG per lesson, for review.
//
//   skalor-lesson-album [--zoom K] [DIR]
//       writes DIR/lesson-01.png ... DIR/lesson-36.png (default: .), each frame composed at
//       K device pixels a client pixel (1 to 4, default 2), as a window of that scale shows it
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "platform/layout.h"
#include "resources/images.h"
#include "tools/cli/tool_cli.h"
#include "tools/replay/replay_session.h"
#include "training/lesson_list.h"
#include "training/step_table.h"

namespace {

constexpr int kColumns = 3;
constexpr int kDefaultZoom = 2;  // large enough that graduations and numerals can be read
constexpr int kCaption = 18;     // a line over each frame: step, kind and the rule's position
constexpr int kGap = 8;

const std::string kUsage =
    "usage: skalor-lesson-album [--zoom K] [DIR]\n"
    "writes DIR/lesson-01.png ... DIR/lesson-36.png (DIR: the current "
    "folder if not given),\neach step as a window of K device pixels a "
    "client pixel shows it (1 to " +
    std::to_string(kMaxImageScale) + ", default 2)\n";
const toolcli::Tool kTool{"skalor-lesson-album", kUsage.c_str(), {{"--zoom", "K"}}, 0, 1};

QImage Grab(const CSurface& window) {
    return QImage(reinterpret_cast<const uchar*>(window.Bits()), window.Width(), window.Height(),
                  window.Stride() * 4, QImage::Format_RGB32)
        .copy();
}

std::string Field(const std::string& state, const std::string& key) {
    const size_t at = state.find(" " + key + "=");
    if (at == std::string::npos) return "?";
    const size_t from = at + key.size() + 2;
    return state.substr(from, state.find(' ', from) - from);
}

std::string Caption(int number, int step, const std::string& state) {
    const LessonStep& s = kStepTable[step];
    std::ostringstream o;
    o << "Шаг " << number << " (" << (s.bArrow ? "p" : "") << (s.bState ? "s" : "")
      << (s.bArrow || s.bState ? "" : "t") << ")  " << Field(state, "scroll") << " / "
      << Field(state, "slide") << " / " << Field(state, "cursor") << "  сторона "
      << (Field(state, "side") == "1" ? 2 : 1);
    return o.str();
}

}  // namespace

int main(int argc, char** argv) {
    const toolcli::Parsed parsed = toolcli::ParseArgs(kTool, argc, argv);
    if (!parsed.args) return parsed.status;
    const toolcli::Args& args = *parsed.args;
    int zoom = kDefaultZoom;
    if (args.Has("--zoom")) {
        const std::optional<int> k =
            toolcli::WholeNumber(kTool, "--zoom", args.options.at("--zoom"), 1, kMaxImageScale);
        if (!k) return 2;
        zoom = *k;
    }
    const std::string dir = args.operands.empty() ? "." : args.operands[0];
    if (!QDir().mkpath(QString::fromLocal8Bit(dir.c_str()))) {
        std::fprintf(stderr, "%s: %s: the folder cannot be made\n", kTool.name, dir.c_str());
        return 1;
    }
    toolcli::StartWithoutDisplay(kTool);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    int problems = 0;
    for (int position = 0; kLessonList[position].key != 0; ++position) {
        const uint32_t key = kLessonList[position].key;
        CReplaySession session;
        std::ostringstream log;
        session.RunLine("zoom " + std::to_string(zoom), log);
        session.RunLine("cmd ID_TRAINING", log);
        session.RunLine("select " + std::to_string(position), log);
        session.RunLine("tap 165 215", log);  // "Выполнить"

        std::vector<QImage> frames;
        std::vector<std::string> captions;
        for (int step = FindNextStep(key, -1); step >= 0; step = FindNextStep(key, step)) {
            const std::string state = session.StateLine();
            if (Field(state, "lesson") != std::to_string(key) ||
                Field(state, "step") != std::to_string(step)) {
                std::fprintf(stderr, "lesson %u: expected step %d, the window shows: %s\n", key,
                             step, state.c_str());
                ++problems;
                break;
            }
            frames.push_back(Grab(session.Window()));
            captions.push_back(Caption(int(frames.size()), step, state));
            const CRect& box = kStepTable[step].rcBox;
            const int cx = box.left + (box.right - box.left + 1) / 2;
            session.RunLine("tap " + std::to_string(cx) + " " + std::to_string(box.bottom - 25),
                            log);
        }
        if (Field(session.StateLine(), "lesson") != "0") {
            std::fprintf(stderr, "lesson %u did not end after its last step\n", key);
            ++problems;
        }

        const int rows = (int(frames.size()) + kColumns - 1) / kColumns;
        const int cellWidth = zoom * kClientWidth + kGap,
                  cellHeight = zoom * kClientHeight + kCaption + kGap;
        QImage album(kGap + kColumns * cellWidth, 30 + rows * cellHeight, QImage::Format_RGB32);
        album.fill(Qt::white);
        QPainter painter(&album);
        QFont font("Arial");
        font.setPixelSize(13);
        painter.setFont(font);
        painter.drawText(
            QRect(kGap, 4, album.width(), 22), Qt::AlignLeft | Qt::AlignVCenter,
            QString("Урок %1:%2").arg(key).arg(QString::fromUtf8(kLessonList[position].pszText)));
        for (size_t n = 0; n < frames.size(); ++n) {
            const int x = kGap + int(n % kColumns) * cellWidth,
                      y = 30 + int(n / kColumns) * cellHeight;
            painter.drawText(QRect(x, y, zoom * kClientWidth, kCaption),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromUtf8(captions[n].c_str()));
            painter.drawImage(x, y + kCaption, frames[n]);
        }
        painter.end();
        char file[32];
        std::snprintf(file, sizeof file, "/lesson-%02u.png", key);
        if (!toolcli::WritePng(kTool, dir + file, album)) return 1;
    }
    return toolcli::FinishOutput(kTool, problems ? 1 : 0);
}
