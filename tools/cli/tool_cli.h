// What every developer tool does the same way at its edges: reads its command line against a
// table of options, reads input files up to a cap, writes output files whole or not at all,
// and makes sure standard output reached its reader before it reports success.
//
// Exit statuses: 2 for a command line that cannot be understood (an unknown option, a value
// missing or not a number, too many or too few operands), printed with the usage; 1 for input
// that cannot be read or output that cannot be written, printed with its path.
#pragma once

#include <QImage>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace toolcli {

struct Option {
    const char* name;   // "--zoom"
    const char* value;  // the value's name in the usage ("K"), nullptr for a flag
};

struct Tool {
    const char* name;   // as messages begin: "skalor-lesson-album"
    const char* usage;  // the whole usage text, beginning "usage: "
    std::initializer_list<Option> options;
    int minOperands;
    int maxOperands;  // -1: no limit
};

// A command line read against a tool's table. "--" ends the options; "-" alone is an operand
// (standard input or output where the tool takes it). An argument that looks like an option
// is never taken for an operand or for an option's value.
struct Args {
    std::map<std::string, std::string> options;  // given options; "" for a flag
    std::vector<std::string> operands;
    bool Has(const std::string& option) const { return options.count(option) != 0; }
};

// The command line, or the exit status to return at once: 0 after --help (the usage on
// standard output), 2 after a mistake (the mistake and the usage on standard error).
struct Parsed {
    std::optional<Args> args;
    int status = 0;
};
Parsed ParseArgs(const Tool& tool, int argc, char** argv);

// A whole number from min to max, or nothing after saying on standard error what WHAT
// ("--zoom", "K") takes.
std::optional<int> WholeNumber(const Tool& tool, const std::string& what, const std::string& text,
                               int min, int max);

// Selects Qt's offscreen platform unless the caller chose one, so that no tool needs a display;
// a platform that then cannot start ends the tool with status 1 and a word, not an abort.
void StartWithoutDisplay(const Tool& tool);

// The file's bytes, at most cap of them ("-" is standard input), or nothing after a message
// naming the path (missing, a folder, unreadable, or longer than the cap).
std::optional<std::string> ReadInput(const Tool& tool, const std::string& path, std::size_t cap);

// Writes the bytes as the whole of PATH: a regular file is replaced only once every byte is
// on disk, so a failed write leaves the old file as it was. False after a message naming it.
bool WriteOutput(const Tool& tool, const std::string& path, const std::string& bytes);
bool WritePng(const Tool& tool, const std::string& path, const QImage& image);

// Flushes and closes standard output; a loss there (a full disk, a closed pipe) turns a
// status of 0 into 1, with a message. Returns the status to exit with.
int FinishOutput(const Tool& tool, int status);

}  // namespace toolcli
