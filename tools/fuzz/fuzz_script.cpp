// skalor-fuzz-script: the way between fuzzer inputs and replay scripts.
//   skalor-fuzz-script INPUT...                 prints each input as a replay script; where an
//                                               invariant breaks, a comment names it and the
//                                               script ends with a state line (exit 1)
//   skalor-fuzz-script --seeds DIR SCRIPT...    writes each replay script as a fuzzer input
//                                               DIR/NAME (the script's name without .rpl)
#include <sys/stat.h>

#include <QGuiApplication>
#include <iostream>
#include <sstream>

#include "tools/cli/tool_cli.h"
#include "tools/fuzz/fuzz_events.h"

namespace {

// Fuzzer inputs are a few kilobytes (libFuzzer's -max_len); scripts a few hundred lines.
constexpr std::size_t kInputCap = 1 << 20;

const toolcli::Tool kTool{
    "skalor-fuzz-script",
    "usage: skalor-fuzz-script INPUT...               print each fuzzer input as a replay script\n"
    "       skalor-fuzz-script --seeds DIR SCRIPT...  write each replay script as a fuzzer input\n"
    "                                                 DIR/NAME (NAME: the script's, less .rpl)\n",
    {{"--seeds", "DIR"}},
    1,
    -1};

// Prints the script the input stands for; false when an invariant broke.
bool PrintScript(const std::string& name, const std::string& input, std::ostream& out) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(input.data());
    CFuzzRun run;
    out << "# events of the fuzzer input " << name << "\n";
    const std::string broken = run.Run(bytes, input.size(), &out);
    if (!broken.empty()) out << "# broken invariant: " << broken << "\n";
    out << "state\n";
    return broken.empty();
}

// 0 when written, 1 when the script or the seed could not be read or written, 2 when the
// script does not parse.
int WriteSeed(const std::string& dir, const std::string& script) {
    const std::optional<std::string> text = toolcli::ReadInput(kTool, script, kInputCap);
    if (!text) return 1;
    std::vector<FuzzEvent> events;
    std::string why;
    if (!EventsOfScript(*text, events, why)) {
        std::cerr << script << ": " << why << "\n";
        return 2;
    }
    std::vector<uint8_t> bytes;
    for (const FuzzEvent& event : events) EncodeEvent(event, bytes);
    std::string name = script.substr(script.find_last_of('/') + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".rpl") == 0)
        name.resize(name.size() - 4);
    return toolcli::WriteOutput(kTool, dir + "/" + name, std::string(bytes.begin(), bytes.end()))
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const toolcli::Parsed parsed = toolcli::ParseArgs(kTool, argc, argv);
    if (!parsed.args) return parsed.status;
    const toolcli::Args& args = *parsed.args;
    toolcli::StartWithoutDisplay(kTool);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    if (args.Has("--seeds")) {
        const std::string dir = args.options.at("--seeds");
        struct stat info {};
        if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            std::cerr << kTool.name << ": " << dir << ": not a folder\n";
            return 1;
        }
        for (const std::string& script : args.operands)
            if (const int status = WriteSeed(dir, script)) return status;
        return toolcli::FinishOutput(kTool, 0);
    }
    int status = 0;
    for (const std::string& name : args.operands) {
        const std::optional<std::string> input = toolcli::ReadInput(kTool, name, kInputCap);
        if (!input) return toolcli::FinishOutput(kTool, 1);
        if (!PrintScript(name, *input, std::cout)) status = 1;
    }
    return toolcli::FinishOutput(kTool, status);
}
