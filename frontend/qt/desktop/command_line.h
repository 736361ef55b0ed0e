// The program's command line: --help and --version are answered, and a mistaken argument
// refused, before Qt starts, so that none of them needs a display or opens a window. Qt's
// own options (-platform, -style, -reverse, ...) pass through to Qt. --sheet writes the
// sheets of a test's variant to a PDF file without a window.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

enum class StartAction { Run, Help, Version, Sheet, Error };

struct CommandLine {
    StartAction action = StartAction::Run;
    std::string error;  // for Error: what was wrong, one line

    // For Sheet: the variant, its kinds (task keys) and count, and the file to write.
    uint32_t variant = 0;
    std::vector<uint32_t> kinds;
    int count = 10;
    std::string output;
    // Where progress is kept: --progress-file PATH, else the default given to the reader.
    std::string progressFile;
};

CommandLine ReadCommandLine(int argc, const char* const* argv,
                            const std::string& defaultProgressFile = {});

// The text --help prints, naming the progress file, and the line --version prints.
std::string UsageText(const std::string& progressFile = {});
std::string VersionText();

// Prints the answer to a command line that does not start the program and returns its exit
// status (0 for help and version, 2 for an error); nothing for one that starts the program
// or writes sheets.
std::optional<int> AnswerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err);
std::optional<int> AnswerCommandLine(int argc, const char* const* argv,
                                     const std::string& defaultProgressFile = {});
