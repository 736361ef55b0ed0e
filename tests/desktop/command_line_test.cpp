// The command line as the program reads it: which arguments start the window, which are
// answered, and which are refused; and what the answers print.
#include "frontend/qt/desktop/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Case {
    std::vector<const char*> args;  // after the program's name
    StartAction action;
    const char* errorPart;  // a piece of the error line, for errors
};

CommandLine Read(const std::vector<const char*>& args) {
    std::vector<const char*> argv{"skalor"};
    argv.insert(argv.end(), args.begin(), args.end());
    return ReadCommandLine(int(argv.size()), argv.data());
}

// Everything the answer wrote to one stream.
std::string Drain(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text += char(c);
    std::fclose(file);
    return text;
}

}  // namespace

TEST(CommandLine, ArgumentsChooseRunAnswerOrRefusal) {
    // clang-format off
    const Case cases[] = {
        {{}, StartAction::Run, nullptr},
        {{"--help"}, StartAction::Help, nullptr},
        {{"-h"}, StartAction::Help, nullptr},
        {{"--version"}, StartAction::Version, nullptr},
        {{"-v"}, StartAction::Version, nullptr},
        {{"--version", "--help"}, StartAction::Help, nullptr},
        // Qt's own options, with their values, still start the program.
        {{"-platform", "offscreen", "-style=Fusion", "--reverse"}, StartAction::Run, nullptr},
        {{"--platform", "xcb", "-display", ":1", "-name", "x", "-qwindowtitle", "T"},
         StartAction::Run, nullptr},
        {{"-stylesheet", "a.qss", "-qmljsdebugger=port:1234", "-nograb"}, StartAction::Run,
         nullptr},
        // A value is taken as a value even when it looks like one of ours.
        {{"-qwindowtitle", "--help"}, StartAction::Run, nullptr},
        {{"-platform", "offscreen", "--version"}, StartAction::Version, nullptr},
        // Refused: unknown options, a Qt option without its value or with one it cannot
        // take, files, and an unknown option even next to --help.
        {{"--bogus"}, StartAction::Error, "неизвестный параметр «--bogus»"},
        {{"-x"}, StartAction::Error, "«-x»"},
        {{"--help=yes"}, StartAction::Error, "«--help=yes»"},
        {{"--help", "--frobnicate"}, StartAction::Error, "«--frobnicate»"},
        {{"-platform"}, StartAction::Error, "параметру «-platform» нужно значение"},
        {{"-reverse=1"}, StartAction::Error, "«-reverse=1»"},
        {{"-platform=offscreen"}, StartAction::Error, "«-platform=offscreen»"},
        {{"-qmljsdebugger", "port:1"}, StartAction::Error, "«-qmljsdebugger»"},
        {{"-platformx", "offscreen"}, StartAction::Error, "«-platformx»"},
        {{"lesson.txt"}, StartAction::Error, "лишний аргумент «lesson.txt»"},
        {{"-"}, StartAction::Error, "лишний аргумент «-»"},
        // Sheets: a variant and a file, kinds and count with their defaults or in range.
        {{"--sheet", "17", "-o", "a.pdf"}, StartAction::Sheet, nullptr},
        {{"--sheet", "99999", "--kinds", "wind,2", "--count", "5", "--output", "a.pdf"},
         StartAction::Sheet, nullptr},
        {{"--sheet", "1", "-o", "a.pdf", "--help"}, StartAction::Help, nullptr},
        {{"--sheet", "0", "-o", "a.pdf"}, StartAction::Error, "вариант «0»"},
        {{"--sheet", "100000", "-o", "a.pdf"}, StartAction::Error, "вариант «100000»"},
        {{"--sheet", "-5", "-o", "a.pdf"}, StartAction::Error, "вариант «-5»"},
        {{"--sheet", "17", "--count", "21", "-o", "a.pdf"}, StartAction::Error, "«21»"},
        {{"--sheet", "17", "--count", "4", "-o", "a.pdf"}, StartAction::Error, "«4»"},
        {{"--sheet", "17", "--kinds", "wind,sky", "-o", "a.pdf"}, StartAction::Error, "«sky»"},
        {{"--sheet", "17", "--kinds", "5", "-o", "a.pdf"}, StartAction::Error, "урока 5"},
        {{"--sheet", "17"}, StartAction::Error, "-o ФАЙЛ.pdf"},
        {{"--sheet", "17", "-o", ""}, StartAction::Error, "имя файла пусто"},
        {{"--kinds", "all", "-o", "a.pdf"}, StartAction::Error, "только с --sheet"},
        {{"--sheet", "17", "-o"}, StartAction::Error, "параметру «-o» нужно значение"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::string shown;
        for (const char* arg : c.args) shown += std::string(arg) + " ";
        const CommandLine line = Read(c.args);
        EXPECT_EQ(line.action, c.action) << shown;
        if (line.action == StartAction::Sheet) {
            EXPECT_EQ(line.output, "a.pdf");
            EXPECT_FALSE(line.kinds.empty());
        }
        if (c.errorPart) {
            EXPECT_NE(line.error.find(c.errorPart), std::string::npos) << line.error;
        }
    }
}

TEST(CommandLine, AnswersGoToTheirStreamWithTheirStatus) {
    struct Expected {
        StartAction action;
        int status;
        std::string out, err;
    };
    const std::string usage = UsageText();
    // clang-format off
    const Expected expected[] = {
        {StartAction::Help, 0, usage, ""},
        {StartAction::Version, 0, "skalor 1.2.1\n", ""},
        {StartAction::Error, 2, "", "skalor: неизвестный параметр «-q»\n\n" + usage},
    };
    // clang-format on
    for (const Expected& e : expected) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        ASSERT_TRUE(out && err);
        const CommandLine line{e.action, "неизвестный параметр «-q»"};
        EXPECT_EQ(AnswerCommandLine(line, out, err), e.status);
        EXPECT_EQ(Drain(out), e.out);
        EXPECT_EQ(Drain(err), e.err);
    }
    EXPECT_EQ(AnswerCommandLine(CommandLine{}, stdout, stderr), std::nullopt);
    // The usage names both options, in the order people look for them.
    EXPECT_LT(usage.find("-h, --help"), usage.find("-v, --version"));
    EXPECT_NE(usage.find("-v, --version"), std::string::npos);
}

TEST(CommandLine, AnAnswerThatCannotBeWrittenIsAFailure) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(AnswerCommandLine(CommandLine{StartAction::Version, {}}, full, err), 1);
    std::fclose(full);
    EXPECT_EQ(Drain(err), "skalor: ошибка записи\n");
}

TEST(CommandLine, TheProgressFileIsChosenAndNamedInTheUsage) {
    struct FileCase {
        std::vector<const char*> args;
        StartAction action;
        const char* file;  // the file the program would use
    };
    // clang-format off
    const FileCase cases[] = {
        {{}, StartAction::Run, "/home/u/.local/share/skalor/progress.json"},
        {{"--progress-file", "/srv/class/ivanov.json"}, StartAction::Run, "/srv/class/ivanov.json"},
        {{"--progress-file=petrov.json", "-platform", "offscreen"}, StartAction::Run, "petrov.json"},
        {{"--progress-file", "a.json", "--progress-file", "b.json"}, StartAction::Run, "b.json"},
        {{"--progress-file", "--help"}, StartAction::Run, "--help"},
        {{"--progress-file", "c.json", "--help"}, StartAction::Help, "c.json"},
        {{"--progress-file"}, StartAction::Error, "/home/u/.local/share/skalor/progress.json"},
        {{"--progress-file="}, StartAction::Error, "/home/u/.local/share/skalor/progress.json"},
        {{"--progress-filex", "d.json"}, StartAction::Error, "/home/u/.local/share/skalor/progress.json"},
    };
    // clang-format on
    for (const FileCase& c : cases) {
        std::vector<const char*> argv{"skalor"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const CommandLine line = ReadCommandLine(int(argv.size()), argv.data(),
                                                 "/home/u/.local/share/skalor/progress.json");
        EXPECT_EQ(line.action, c.action) << c.args.size();
        EXPECT_EQ(line.progressFile, c.file) << line.error;
        // Help, and the usage after a refusal, name the file that run would use.
        const std::string usage = UsageText(line.progressFile);
        EXPECT_NE(usage.find(std::string("Файл прогресса: ") + c.file + "\n"), std::string::npos);
        EXPECT_NE(usage.find("--progress-file ФАЙЛ"), std::string::npos);
    }
}
