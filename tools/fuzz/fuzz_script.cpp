// skalor-fuzz-script: the way between fuzzer inputs and replay scripts.
//   skalor-fuzz-script INPUT...                 prints each input as a replay script; where an
//                                               invariant breaks, a comment names it and the
//                                               script ends with a state line (exit 1)
//   skalor-fuzz-script --seeds DIR SCRIPT...    writes each replay script as a fuzzer input
//                                               DIR/NAME (the script's name without .rpl)
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/fuzz/fuzz_events.h"

namespace {

bool Read(const std::string& name, std::string& text) {
    std::ifstream file(name, std::ios::binary);
    if (!file) return false;
    text.assign(std::istreambuf_iterator<char>(file), {});
    return true;
}

// Prints the script the input stands for; false when an invariant broke.
bool PrintScript(const std::string& name, const std::string& input, std::ostream& out) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(input.data());
    CFuzzRun run;
    out << "# events of the fuzzer input " << name << "\n";
    for (const FuzzEvent& event : DecodeEvents(bytes, input.size())) {
        if (run.Closed()) break;
        const std::string line = run.Line(event);
        if (line.empty()) continue;
        out << line << "\n";
        const std::string broken = run.Apply(event, line);
        if (!broken.empty()) {
            out << "# broken invariant: " << broken << "\nstate\n";
            return false;
        }
    }
    out << "state\n";
    return true;
}

bool WriteSeed(const std::string& dir, const std::string& script) {
    std::string text;
    if (!Read(script, text)) return false;
    std::vector<FuzzEvent> events;
    std::string why;
    if (!EventsOfScript(text, events, why)) {
        std::cerr << script << ": " << why << "\n";
        return false;
    }
    std::vector<uint8_t> bytes;
    for (const FuzzEvent& event : events) EncodeEvent(event, bytes);
    std::string name = script.substr(script.find_last_of('/') + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".rpl") == 0)
        name.resize(name.size() - 4);
    std::ofstream file(dir + "/" + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc < 2 || (std::string(argv[1]) == "--seeds" && argc < 3)) {
        std::cerr << "usage: skalor-fuzz-script INPUT...\n"
                     "       skalor-fuzz-script --seeds DIR SCRIPT...\n";
        return 2;
    }
    if (std::string(argv[1]) == "--seeds") {
        for (int i = 3; i < argc; ++i)
            if (!WriteSeed(argv[2], argv[i])) {
                std::cerr << argv[i] << ": cannot be converted into " << argv[2] << "\n";
                return 2;
            }
        return 0;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        std::string input;
        if (!Read(argv[i], input)) {
            std::cerr << argv[i] << ": cannot be read\n";
            return 2;
        }
        if (!PrintScript(argv[i], input, std::cout)) status = 1;
    }
    return status;
}
