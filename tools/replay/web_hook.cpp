// The page's replay hook: window.skalor.replay(text) runs a script through this session in
// slices, so that the page answers between them, and gets back what skalor-replay prints for
// it: its exit status, its standard output and its errors. The script comes as bytes with
// their length: a NUL in it is the script's, not its end.
#include <emscripten/emscripten.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "tools/replay/replay_session.h"

namespace {

// What a script prints, gathered in a string that is then taken whole, not copied: a script
// may print megabytes.
class CStringSink : public std::streambuf {
  public:
    std::string m_text;

  protected:
    int overflow(int c) override {
        if (c != traits_type::eof()) m_text += char(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_text.append(s, std::size_t(n));
        return n;
    }
};

std::unique_ptr<CReplaySession> g_session;
CStringSink g_outSink, g_errSink;
std::ostream g_out(&g_outSink), g_err(&g_errSink);
std::string g_result[2];  // what the last script printed: its output and its errors

}  // namespace

extern "C" {

// Loads a script; 1 when it runs (go on with skalor_replay_resume), 0 when it cannot.
EMSCRIPTEN_KEEPALIVE int skalor_replay_load(const char* script, int length, const char* name) {
    g_outSink.m_text.clear();
    g_errSink.m_text.clear();
    g_session = std::make_unique<CReplaySession>();
    std::istringstream in(std::string(script, std::size_t(length)));
    return g_session->Load(name, in, g_err) ? 1 : 0;
}

// Runs about `budget` events more; -1 while the script goes on, else its exit status.
EMSCRIPTEN_KEEPALIVE int skalor_replay_resume(int budget) {
    return g_session ? g_session->Resume(g_out, g_err, budget) : 2;
}

// The session let go, what it printed: standard output (0) or errors (1), read by the page
// with skalor_replay_output_size bytes from skalor_replay_output.
EMSCRIPTEN_KEEPALIVE void skalor_replay_finish() {
    g_session.reset();
    g_result[0] = std::move(g_outSink.m_text);
    g_result[1] = std::move(g_errSink.m_text);
    g_outSink.m_text.clear();
    g_errSink.m_text.clear();
}
EMSCRIPTEN_KEEPALIVE const char* skalor_replay_output(int which) {
    return g_result[which & 1].data();
}
EMSCRIPTEN_KEEPALIVE int skalor_replay_output_size(int which) {
    return int(g_result[which & 1].size());
}

}  // extern "C"
