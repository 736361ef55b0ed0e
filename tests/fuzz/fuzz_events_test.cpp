// Fuzzer inputs and replay scripts: the bytes an event takes, and the round trip from every
// replay scenario to a fuzzer input and back to a script, all three runs ending alike.
#include "tools/fuzz/fuzz_events.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::vector<uint8_t>& bytes) {
    CFuzzRun run;
    std::vector<std::string> lines;
    for (const FuzzEvent& e : DecodeEvents(bytes.data(), bytes.size())) {
        lines.push_back(run.Line(e));
        if (!lines.back().empty()) {
            EXPECT_EQ(run.Apply(e, lines.back()), "") << lines.back();
        }
    }
    return lines;
}

TEST(FuzzEvents, BytesReadAsEvents) {
    const struct {
        std::vector<uint8_t> bytes;
        std::vector<std::string> lines;
    } cases[] = {
        // clang-format off
        // Coordinates: a little-endian word, modulo 512, less 136.
        {{0, 0x88, 0x00, 0x50, 0x01}, {"down 0 200"}},
        {{1, 0x00, 0x00, 0xff, 0xff}, {"move -136 375"}},
        {{2, 0x00, 0x02, 0x87, 0x02}, {"up -136 -1"}},
        // The leading byte picks a row modulo the number of rows; 18 rows so far.
        {{18 + 3, 0xf0, 0x00, 0x8a, 0x01}, {"dbl 104 258"}},
        {{4, 0x88, 0x00, 0x88, 0x00, 5, 0x2c, 0x01}, {"tap 0 0", "wait 300"}},
        {{5, 0xff, 0xff}, {"wait 2047"}},
        // A command: its index in the table of names, modulo its 15 rows.
        {{6, 3, 6, 10, 6, 15}, {"cmd ID_UNDO", "cmd ID_KEYS", "cmd ID_SIDE1"}},
        {{7, 0, 7, 39, 8}, {"select -2", "select 37", "steal"}},
        // The fixture: field, then a word modulo the field's range, from its low end.
        {{9, 0, 0, 0, 9, 1, 0x5e, 0x09, 9, 2, 0xc4, 0x04, 9, 7, 3, 0}, {"set scroll=-12", "set slide=1199", "set cursor=87", "set clamp=1"}},
        // A key: its index, the modifiers (Shift 1, Ctrl 2, Alt 4), the presses less one.
        {{10, 7, 2, 4, 10, 24, 7, 0}, {"key Ctrl+End 5", "key Ctrl+Shift+Alt+8 1"}},
        // The wheel: signed notches, then Ctrl or not.
        {{11, 0xfd, 1, 11, 0x7f, 0}, {"wheel -3 Ctrl", "wheel 127"}},
        // The chooser's buttons, and the step button, which stands for nothing without a lesson.
        {{13, 12, 0, 12, 1}, {"", "tap 75 215", "tap 165 215"}},
        // A task: the kind's place in the chooser's order, then a word for the seed.
        {{14, 0, 1, 0, 14, 27 + 28, 0xff, 0xff}, {"task 2 1", "task 36 65535"}},
        // An answer typed: the table's characters up to the first 0, at most seven; without
        // a task's field it stands for nothing.
        {{15, 0, 0, 0, 0, 0, 0, 0, 0, 14, 0, 1, 0, 15, 0, 5, 3, 4, 4, 0, 9, 9,
          15, 0, 1, 11, 34 + 6, 8, 31, 32, 33},
         {"", "task 2 1", "answer 4233", "answer 0,57Ж\xF0\x9F\x98\x80\xEF\xBF\xBD"}},
        // The open task's answer an eighth of its accepted range off (4233 - 18.7), with a comma;
        // degrees and minutes; minutes and seconds; a long run of a character.
        {{14, 0, 1, 0, 15, 1, 0xff, 1, 2, 0, 0, 0, 0, 15, 2, 2, 0, 40, 1, 1, 0, 0,
          15, 3, 4, 50, 2, 0, 0, 0, 0, 15, 4, 16, 4, 0, 0, 0, 0, 0, 16, 17},
         {"task 2 1", "answer 4214,3", "answer -2°40'", "answer 4 мин 50 с",
          "answer " + std::string(20, 'x'), "show", "next"}},
        // A row whose argument bytes are cut off ends the input.
        {{4, 0x88, 0x00, 0x88}, {}},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(c.bytes), c.lines);
    // The step button of a running lesson: lesson 1's first box is (30, 70, 210, 200).
    EXPECT_EQ(Lines({6, 6, 12, 1, 13}),
              (std::vector<std::string>{"cmd ID_TRAINING", "tap 165 215", "tap 120 175"}));
}

TEST(FuzzEvents, AnyBytesEncodeBackToTheSameEvents) {
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> bytes(std::size_t(rng() % 200));
        for (uint8_t& b : bytes) b = uint8_t(rng());
        const std::vector<FuzzEvent> events = DecodeEvents(bytes.data(), bytes.size());
        std::vector<uint8_t> again;
        for (const FuzzEvent& e : events) EncodeEvent(e, again);
        const std::vector<FuzzEvent> back = DecodeEvents(again.data(), again.size());
        ASSERT_EQ(back.size(), events.size());
        for (std::size_t k = 0; k < events.size(); ++k)
            EXPECT_TRUE(back[k].row == events[k].row && back[k].a == events[k].a &&
                        back[k].b == events[k].b);
    }
}

// Each scenario, its fuzzer input, and the script printed from that input end in the same
// state: the seeds start the fuzzer where the tests stand, and a finding's script replays it.
class ReplayRoundTrip : public testing::TestWithParam<std::string> {};

std::string Ending(const std::string& script) {
    CReplaySession session;
    std::istringstream in(script);
    std::ostringstream out, err;
    EXPECT_NE(session.Run("script", in, out, err), 2) << err.str();
    return session.StateLine();
}

// The verbs that change nothing in the window, and those the fuzzer's events stand for.
bool Carried(const std::string& verb) {
    for (const char* v :
         {"state", "ui",     "text",   "lines",  "msgbox", "table", "lessons", "frame",
          "zoom",  "expect", "echo",   "repeat", "end",    "down",  "move",    "up",
          "dbl",   "tap",    "wait",   "cmd",    "select", "steal", "set",     "key",
          "wheel", "task",   "answer", "show",   "next"})
        if (verb == v) return true;
    return false;
}

TEST_P(ReplayRoundTrip, EndsInTheSameState) {
    std::ifstream file(GetParam());
    const std::string script{std::istreambuf_iterator<char>(file), {}};
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string verb;
        if (words >> verb && !Carried(verb))
            GTEST_SKIP() << "the fuzzer's events do not carry " << verb << " yet";
    }
    std::vector<FuzzEvent> events;
    std::string why;
    ASSERT_TRUE(EventsOfScript(script, events, why)) << why;
    std::vector<uint8_t> input;
    for (const FuzzEvent& e : events) EncodeEvent(e, input);
    std::string printed;
    CFuzzRun run;
    for (const FuzzEvent& e : DecodeEvents(input.data(), input.size())) {
        const std::string line = run.Line(e);
        printed += line + "\n";
        EXPECT_EQ(run.Apply(e, line), "") << line;
    }
    const std::string expected = Ending(script);
    EXPECT_EQ(run.Session().StateLine(), expected);
    EXPECT_EQ(Ending(printed), expected);
}

std::vector<std::string> Scenarios() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(SKALOR_REPLAY_DIR))
        if (entry.path().extension() == ".rpl") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The kept corpus, where the last long run ended, breaks no invariant in this build either:
// a change that breaks one for an input the fuzzer already found fails here, without clang.
TEST(FuzzCorpus, BreaksNoInvariant) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SKALOR_CORPUS_DIR)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        CFuzzRun run;
        EXPECT_EQ(run.Run(reinterpret_cast<const uint8_t*>(input.data()), input.size()), "")
            << entry.path().filename() << " after: " << run.LastLine();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ReplayRoundTrip, testing::ValuesIn(Scenarios()),
                         [](const testing::TestParamInfo<std::string>& param) {
                             return std::filesystem::path(param.param).stem().string();
                         });

}  // namespace
