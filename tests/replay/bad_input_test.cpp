// The replay tool fed what a careless or hostile user might give it: each input, with the
// exit status and the exact standard output and standard error it must give.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "tools/replay/replay_session.h"

namespace {

struct Case {
    const char* name;
    std::string script;  // written to DIR/s.rpl, the SCRIPT given, unless path is set
    const char* path;    // a SCRIPT given as it is; DIR stands for the temporary folder
    int status;
    // SCRIPT stands for the SCRIPT given in both; an err ending in "..." is the start of a
    // message of one line.
    std::string out, err;
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

TEST(ReplayTool, RefusesBadInputClearlyAndRunsGoodInputToItsEnd) {
    using namespace std::string_literals;
    // A held press against the pan limit: the hold timer starts the 10 ms repeat at 300 ms,
    // whose ticks at 310, 320, ... each ask for a repaint: (10⁹ - 310) / 10 + 1 in the first
    // wait, 10⁸ in each later one.
    const std::string hold =
        "down 100 80\nwait 1000000000\nexpect repaints=99999970 scroll=1056\n"
        "repeat 30\n  wait 1000000000\nend\nexpect repaints=3099999970 timers=repeat\n"
        "up 100 80\nwait 1000000000\nexpect undo=1 timers=- scroll=1056\n";
    const std::string kBom = "\xEF\xBB\xBF";
    const std::string kExamUsage =
        "SCRIPT:1: exam takes VARIANT (1 to 99999) KINDS (all, groups, lessons) COUNT (5 to 20), "
        "end, or show N\n";
    // clang-format off
    const Case cases[] = {
        {"a directory", "", "DIR", 2, "", "DIR: cannot be read\n"},
        {"a missing file", "", "DIR/none.rpl", 2, "", "DIR/none.rpl: cannot be read\n"},
        {"a frame that cannot be saved", "frame DIR/no/such/folder.png\necho on\n", nullptr, 1,
         "FAIL SCRIPT:1 frame could not be saved to DIR/no/such/folder.png\non\n", ""},
        {"a NUL inside a number", "echo never\ndown 5\0xyz 150\n"s, nullptr, 2, "",
         "SCRIPT:2: a NUL byte in the line\n"},
        {"a byte-order mark", kBom + "expect scroll=0\necho ok\n", nullptr, 0, "ok\n", ""},
        {"an unknown key", "expect scroll=0 foo=1\n", nullptr, 2, "",
         "SCRIPT:1: expect knows no key foo (the state line's keys, the task's and the test's keys, "
         "enabled.NAME, checked.NAME)\n"},
        {"an unknown command's key", "expect enabled.ID_NONE=1\n", nullptr, 2, "",
         "SCRIPT:1: expect knows no key enabled.ID_NONE (the state line's keys, the task's and the "
         "test's keys, enabled.NAME, checked.NAME)\n"},
        {"a parse error after good lines", "echo before\nsate\n", nullptr, 2, "",
         "SCRIPT:2: unknown command: sate\n"},
        {"a garbled word", "\x01\xff 1\n", nullptr, 2, "",
         "SCRIPT:1: unknown command: \\x01\\xef\\xbf\\xbd\n"},
        // Each ill-formed part becomes one U+FFFD, as a browser decodes it; none takes the
        // line's end with it.
        {"malformed text", "echo a\xff" "b\xed\xa0\x80" "c\xe2\x82\necho \xf0\x9f\xa6\necho d\xc3\n",
         nullptr, 0, "a\uFFFDb\uFFFD\uFFFD\uFFFDc\uFFFD\n\uFFFD\nd\uFFFD\n", ""},
        {"blocks nested past the event limit", "echo a\nrepeat 1000000\nrepeat 1000000\n"
         "repeat 1000000\nend\nend\nend\necho never\n", nullptr, 2, "a\n",
         "SCRIPT:5: stopped: the script runs more than 100000 events\n"},
        {"a key held past the event limit", "key Space 60000\nkey Space 60000\necho never\n",
         nullptr, 2, "", "SCRIPT:2: stopped: the script runs more than 100000 events\n"},
        {"a line too long", "echo " + std::string(5000, 'x') + "\n", nullptr, 2, "",
         "SCRIPT:1: line longer than 4096 bytes\n"},
        {"an endless line", "", "/dev/zero", 2, "", "/dev/zero:1: line longer than 4096 bytes\n"},
        {"random bytes", "", "/dev/urandom", 2, "", "/dev/urandom:1: ..."},
        {"a long held wait", hold, nullptr, 0, "", ""},
        {"blocks nested", "repeat 2\nrepeat 3\necho x\nend\necho y\nend\nrepeat 0\necho z\nend\n",
         nullptr, 0, "x\nx\nx\ny\nx\nx\nx\ny\n", ""},
        {"an end alone", "echo a\nend\n", nullptr, 2, "", "SCRIPT:2: end without repeat\n"},
        {"a repeat left open", "repeat 2\nrepeat 2\nend\n", nullptr, 2, "",
         "SCRIPT:1: repeat without end\n"},
        {"a negative count", "repeat -1\nend\n", nullptr, 2, "",
         "SCRIPT:1: repeat takes a number of 0 or more\n"},
        {"keys and the wheel", "key Ctrl+Shift+Left 2\nwheel -1 Ctrl\nwheel 1\nexpect cursor=40 "
         "scroll=40 timers=wheel\nkey Ctrl+Q\nkey Left\n", nullptr, 0, "closed\n", ""},
        {"a key without a name", "key Ctrl+Banana\n", nullptr, 2, "",
         "SCRIPT:1: key takes a key such as Left, Ctrl+Shift+Right, PageUp, Return, Escape, "
         "Space, a letter or a digit: Ctrl+Banana\n"},
        {"a modifier twice", "key Ctrl+Ctrl+Z\n", nullptr, 2, "", "SCRIPT:1: key takes a key ..."},
        {"a key held too long", "key Left 100001\n", nullptr, 2, "",
         "SCRIPT:1: key takes a count from 1 to 100000: 100001\n"},
        {"a key never pressed", "key Left 0\n", nullptr, 2, "",
         "SCRIPT:1: key takes a count from 1 to 100000: 0\n"},
        {"a wheel with Shift", "wheel 1 Shift\n", nullptr, 2, "",
         "SCRIPT:1: wheel takes Ctrl or nothing after its notches: Shift\n"},
        {"a wheel of words", "wheel one\n", nullptr, 2, "", "SCRIPT:1: not a number: one\n"},
        {"a wheel with three words", "wheel 1 Ctrl 2\n", nullptr, 2, "",
         "SCRIPT:1: wheel takes N [Ctrl]\n"},
        {"a zoom finer than the images are drawn", "echo never\nzoom 5\n", nullptr, 2, "",
         "SCRIPT:2: zoom takes a factor from 1 to 4\n"},
        {"a zoom of nothing", "zoom 0\n", nullptr, 2, "", "SCRIPT:1: zoom takes a factor from 1 to 4\n"},
        {"a zoomed frame, then the plain one", "zoom 3\nframe DIR/z3.png\nzoom 1\nframe DIR/z1.png\necho ok\n",
         nullptr, 0, "ok\n", ""},
        {"a lesson without a task kind", "echo x\ntask 5 1\n", nullptr, 2, "",
         "SCRIPT:2: task takes the key of a lesson with a task kind and a seed of 0 or more\n"},
        {"a task without its seed", "task 2\n", nullptr, 2, "", "SCRIPT:1: task takes 2 numbers: task KEY SEED\n"},
        {"answers and solutions without a task", "answer 5\nshow\nnext\nexpect task=0 verdict=- showing=-1\n",
         nullptr, 0, "no task\nno task\nno step\n", ""},
        {"a test's variant out of range", "exam 100000 all 5\n", nullptr, 2, "", kExamUsage},
        {"a test of a kind no lesson has", "exam 17 arith,5 5\n", nullptr, 2, "",
         kExamUsage.substr(0, kExamUsage.size() - 1) + ": у урока 5 нет задач\n"},
        {"a test of too few tasks", "exam 17 all 4\n", nullptr, 2, "", kExamUsage},
        {"a solution of row 0", "exam show 0\n", nullptr, 2, "", kExamUsage},
        {"a reply that is neither", "reply maybe\n", nullptr, 2, "", "SCRIPT:1: reply takes yes or no: maybe\n"},
        {"a test's end, result and reply with none", "exam end\nresult\nreply yes\nexam show 1\nexpect exam=- kept=-\n",
         nullptr, 0, "no exam\nno result\nno question\nno result\n", ""},
    };
    // clang-format on
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    for (const Case& c : cases) {
        std::string script = folder + "/s.rpl";
        if (c.path) {
            script = Replace(c.path, "DIR", folder);
        } else {
            QFile file(QString::fromStdString(script));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            const std::string text = Replace(c.script, "DIR", folder);
            file.write(text.data(), qint64(text.size()));
        }
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir.path());  // else Qt warns on standard error
        tool.setProcessEnvironment(env);
        tool.start(SKALOR_REPLAY, {QString::fromStdString(script)});
        // The tool ticking every 10 ms of the held waits one by one would take hours.
        const bool finished = tool.waitForFinished(30000);
        if (!finished) tool.kill(), tool.waitForFinished();
        EXPECT_TRUE(finished) << c.name;
        const auto expand = [&](const std::string& text) {
            return Replace(Replace(text, "DIR", folder), "SCRIPT", script);
        };
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(tool.exitCode(), c.status) << c.name;
        EXPECT_EQ(tool.readAllStandardOutput().toStdString(), expand(c.out)) << c.name;
        const std::string err = tool.readAllStandardError().toStdString();
        const std::string expected = expand(c.err);
        const std::size_t start = expected.size() - 3;
        if (expected.size() > 3 && expected.compare(start, 3, "...") == 0) {
            EXPECT_EQ(err.substr(0, start), expected.substr(0, start)) << c.name;
            EXPECT_EQ(err.find('\n'), err.size() - 1) << c.name << ": " << err;
        } else {
            EXPECT_EQ(err, expected) << c.name;
        }
    }
    // zoom K saves the frame 240K x 268K; zoom 1 goes back to the plain frame.
    EXPECT_EQ(QImage(dir.path() + "/z3.png").size(), QSize(720, 804));
    EXPECT_EQ(QImage(dir.path() + "/z1.png").size(), QSize(240, 268));
}

// A long wait counts, instead of running, the ticks that repeat a step changing nothing but
// a repaint request; waits of one millisecond run every tick. Both end in the same state,
// the repaint count included, whatever the press holds.
TEST(ReplayTool, ALongWaitEndsAsItsMillisecondsOneByOne) {
    // clang-format off
    const char* const presses[] = {
        "down 100 80", "down 200 220", "down 100 150", "down 200 150",
        "down 30 255", "down 30 25",   "down 200 38",  "down 60 150\nmove 65 150\nup 65 150",
        "wheel -2",    "key Shift+Left 3",
    };
    // clang-format on
    for (const char* press : presses) {
        for (const char* clamp : {"", "cmd ID_CLAMP\n"}) {
            const std::string start =
                std::string(clamp) + "set scroll=1000 slide=-1150 cursor=50\n" + press + "\n";
            std::istringstream once(start + "wait 3000\n");
            std::istringstream byMillisecond(start + "repeat 3000\nwait 1\nend\n");
            CReplaySession counted, ticked;
            std::ostringstream out;
            ASSERT_EQ(counted.Run("once", once, out, out), 0) << out.str();
            ASSERT_EQ(ticked.Run("by millisecond", byMillisecond, out, out), 0) << out.str();
            EXPECT_EQ(counted.StateLine(), ticked.StateLine()) << start;
        }
    }
}

// What a script prints counts toward the event limit, so that no script fills the memory of
// whoever reads its output; run in slices it stops at the same place, with the same output.
TEST(ReplayTool, PrintingIsBoundedAndSlicesChangeNothing) {
    const std::string script = "repeat 1000000\ntable\nlessons\nstate\nend\n";
    CReplaySession whole;
    std::istringstream in(script);
    std::ostringstream out, err;
    EXPECT_EQ(whole.Run("s", in, out, err), 2);
    EXPECT_LE(out.str().size(), std::size_t(kReplayEventLimit) * 128);
    EXPECT_GE(out.str().size(), std::size_t(kReplayEventLimit) * 100);
    for (const long budget : {1L, 7L, 1000L}) {
        CReplaySession sliced;
        std::istringstream again(script + "");
        std::ostringstream slicedOut, slicedErr;
        ASSERT_TRUE(sliced.Load("s", again, slicedErr));
        int status, slices = 0;
        while ((status = sliced.Resume(slicedOut, slicedErr, budget)) < 0) ++slices;
        EXPECT_EQ(status, 2);
        EXPECT_GE(slices, kReplayEventLimit / (budget + 200)) << budget;  // a table spends ~160
        EXPECT_EQ(slicedOut.str(), out.str()) << budget;
        EXPECT_EQ(slicedErr.str(), err.str()) << budget;
    }
}

// expect refuses unknown keys before anything runs, so it must know each key the state
// line shows, with the value it shows.
TEST(ReplayTool, ExpectKnowsEveryKeyOfTheStateLine) {
    CReplaySession session;
    std::istringstream pairs(session.StateLine().substr(6));
    for (std::string pair; pairs >> pair;) {
        std::string why;
        EXPECT_TRUE(ParseReplayLine("expect " + pair, why)) << why;
    }
    std::ostringstream out;
    EXPECT_TRUE(session.RunLine("expect " + session.StateLine().substr(6), out));
    EXPECT_EQ(out.str(), "");
}

}  // namespace
