// The page's replay hook: window.skalor.replay(text) runs a script through this session and
// gets back what skalor-replay prints for it: its exit status, a line feed, its standard output,
// a record separator (0x1E) and its errors.
#include <emscripten/emscripten.h>

#include <sstream>
#include <string>

#include "tools/replay/replay_session.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* skalor_replay(const char* script, const char* name) {
    static std::string result;
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    CReplaySession session;
    const int status = session.Run(name, in, out, err);
    result = std::to_string(status) + "\n" + out.str() + "\x1e" + err.str();
    return result.c_str();
}
