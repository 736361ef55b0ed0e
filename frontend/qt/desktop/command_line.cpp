#include "frontend/qt/desktop/command_line.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "resources/version.h"
#include "training/exam.h"

namespace {

// The options Qt's application objects and the X11 platform take out of argv for themselves,
// each also written with two dashes. A value follows as the next argument, or joined with '='
// where Qt reads it so.
enum class QtValue { None, Next, NextOrJoined, Joined };
struct QtOption {
    const char* name;
    QtValue value;
};
// clang-format off
constexpr QtOption kQtOptions[] = {
    {"platform", QtValue::Next},
    {"platformpluginpath", QtValue::Next},
    {"platformtheme", QtValue::Next},
    {"plugin", QtValue::Next},
    {"qwindowgeometry", QtValue::Next},
    {"geometry", QtValue::Next},
    {"qwindowtitle", QtValue::Next},
    {"title", QtValue::Next},
    {"qwindowicon", QtValue::Next},
    {"icon", QtValue::Next},
    {"display", QtValue::Next},
    {"name", QtValue::Next},
    {"visual", QtValue::Next},
    {"session", QtValue::Next},
    {"style", QtValue::NextOrJoined},
    {"stylesheet", QtValue::NextOrJoined},
    {"qmljsdebugger", QtValue::Joined},
    {"reverse", QtValue::None},
    {"testability", QtValue::None},
    {"widgetcount", QtValue::None},
    {"sync", QtValue::None},
    {"nograb", QtValue::None},
    {"dograb", QtValue::None},
};
// clang-format on

// Qt's option an argument gives, or nothing; needsNext: its value is the next argument.
const QtOption* FindQtOption(const char* arg, bool& needsNext) {
    if (arg[0] != '-') return nullptr;
    const char* name = arg + (arg[1] == '-' ? 2 : 1);
    const char* equals = std::strchr(name, '=');
    const std::size_t length = equals ? std::size_t(equals - name) : std::strlen(name);
    for (const QtOption& option : kQtOptions) {
        if (std::strlen(option.name) != length || std::strncmp(option.name, name, length) != 0)
            continue;
        const bool joinable =
            option.value == QtValue::NextOrJoined || option.value == QtValue::Joined;
        if (equals ? !joinable : option.value == QtValue::Joined) return nullptr;
        needsNext = !equals && option.value != QtValue::None;
        return &option;
    }
    return nullptr;
}

bool Is(const char* arg, const char* shortForm, const char* longForm) {
    return std::strcmp(arg, shortForm) == 0 || std::strcmp(arg, longForm) == 0;
}

bool IsSheetOption(const char* arg) {
    for (const char* option : {"--sheet", "--kinds", "--count", "-o", "--output"})
        if (std::strcmp(arg, option) == 0) return true;
    return false;
}

// A whole number from lo to hi written in decimal digits alone.
bool ReadNumber(const char* text, long lo, long hi, long& value) {
    if (!*text || std::strlen(text) > 9 || std::strspn(text, "0123456789") != std::strlen(text))
        return false;
    value = std::strtol(text, nullptr, 10);
    return value >= lo && value <= hi;
}

// The options of --sheet, each with its value: an empty reason, or why the value is refused.
std::string ReadSheetOption(const char* arg, const char* value, CommandLine& line) {
    long number = 0;
    if (std::strcmp(arg, "--sheet") == 0) {
        if (!ReadNumber(value, training::kMinVariant, training::kMaxVariant, number))
            return std::string("вариант «") + value + "»: нужно число от 1 до 99999";
        line.variant = uint32_t(number);
    } else if (std::strcmp(arg, "--count") == 0) {
        if (!ReadNumber(value, training::kMinTasks, training::kMaxTasks, number))
            return std::string("число задач «") + value + "»: нужно от 5 до 20";
        line.count = int(number);
    } else if (std::strcmp(arg, "--kinds") == 0) {
        std::string error;
        if (!training::ParseKinds(value, line.kinds, error)) return error;
    } else if (!*value) {
        return "имя файла пусто";
    } else {
        line.output = value;
    }
    return {};
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv,
                            const std::string& defaultProgressFile) {
    bool help = false;
    bool version = false;
    CommandLine sheet{StartAction::Sheet, {}};
    bool sheetOption = false;  // one of the sheet's options was given
    std::string progressFile = defaultProgressFile;
    const auto answer = [&](StartAction action, std::string error = {}) {
        CommandLine line;
        line.action = action;
        line.error = std::move(error);
        line.progressFile = progressFile;
        return line;
    };
    // A refused line names the default file: the one given may be the mistake.
    const auto refuse = [&](std::string error) {
        progressFile = defaultProgressFile;
        return answer(StartAction::Error, error);
    };
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        bool needsNext = false;
        if (Is(arg, "-h", "--help")) {
            help = true;
        } else if (Is(arg, "-v", "--version")) {
            version = true;
        } else if (IsSheetOption(arg)) {
            if (++i == argc) return refuse(std::string("параметру «") + arg + "» нужно значение");
            const std::string error = ReadSheetOption(arg, argv[i], sheet);
            if (!error.empty()) return refuse(error);
            sheetOption = true;
        } else if (std::strcmp(arg, "--progress-file") == 0 ||
                   std::strncmp(arg, "--progress-file=", 16) == 0) {
            const bool joined = arg[15] == '=';
            if (!joined && ++i == argc)
                return refuse(std::string("параметру «") + arg + "» нужно значение");
            progressFile = joined ? arg + 16 : argv[i];
            if (progressFile.empty())
                return refuse("параметру «--progress-file» нужно непустое значение");
        } else if (FindQtOption(arg, needsNext)) {
            if (needsNext && ++i == argc)
                return refuse(std::string("параметру «") + arg + "» нужно значение");
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return refuse(std::string("неизвестный параметр «") + arg + "»");
        } else {
            return refuse(std::string("лишний аргумент «") + arg +
                          "»: программа не открывает файлов");
        }
    }
    if (help) return answer(StartAction::Help);
    if (version) return answer(StartAction::Version);
    if (!sheetOption) return answer(StartAction::Run);
    if (!sheet.variant) return refuse("задачи и файл задаются только с --sheet");
    if (sheet.output.empty()) return refuse("для --sheet нужен файл: -o ФАЙЛ.pdf");
    if (sheet.kinds.empty()) training::ParseKinds("all", sheet.kinds, sheet.error);
    sheet.progressFile = progressFile;
    return sheet;
}

std::string UsageText(const std::string& progressFile) {
    return "Использование: skalor [ПАРАМЕТР]...\n"
           "Навигационная линейка штурмана: две стороны с шестнадцатью шкалами, движок\n"
           "и визирка, которые двигают мышью или пальцем, и 36 уроков штурманских расчётов.\n"
           "\n"
           "Параметры:\n"
           "  -h, --help       показать эту справку и выйти\n"
           "  -v, --version    показать версию и выйти\n"
           "  --sheet ВАРИАНТ --kinds СПИСОК --count N -o ФАЙЛ.pdf\n"
           "                   записать без окна листы зачёта: задачи варианта (1..99999)\n"
           "                   и отдельной страницей ключ ответов; СПИСОК через запятую:\n"
           "                   all, группы arith, speed, altitude, wind, courses, turns\n"
           "                   или номера уроков (по умолчанию all); N от 5 до 20 (10)\n"
           "  --progress-file ФАЙЛ\n"
           "                   хранить прогресс, окно и положение линейки в ФАЙЛЕ (по файлу\n"
           "                   на курсанта на общем компьютере)\n"
           "\n"
           "Принимаются и общие параметры Qt, например -platform ИМЯ, -style ИМЯ, -reverse.\n"
           "\n"
           "Файл прогресса: " +
           (progressFile.empty() ? std::string("не задан (нет домашней папки)") : progressFile) +
           "\n";
}

std::string VersionText() { return "skalor " SKALOR_VERSION "\n"; }

std::optional<int> AnswerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err) {
    if (line.action == StartAction::Run || line.action == StartAction::Sheet) return std::nullopt;
    if (line.action == StartAction::Error) {
        std::fprintf(err, "skalor: %s\n\n%s", line.error.c_str(),
                     UsageText(line.progressFile).c_str());
        return 2;
    }
    std::fputs(
        (line.action == StartAction::Help ? UsageText(line.progressFile) : VersionText()).c_str(),
        out);
    // An answer that did not reach its reader (a full disk, a closed pipe) is no success.
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fputs("skalor: ошибка записи\n", err);
        return 1;
    }
    return 0;
}

std::optional<int> AnswerCommandLine(int argc, const char* const* argv,
                                     const std::string& defaultProgressFile) {
    return AnswerCommandLine(ReadCommandLine(argc, argv, defaultProgressFile), stdout, stderr);
}
