// Every developer tool run as a user runs it, on the command lines, files and outputs a
// careless or hostile user might give it: one table a tool, each row with the status it must
// end with and a piece of what it must say on standard error.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

struct Row {
    std::vector<std::string> args;  // DIR stands for a scratch folder holding the files below
    int status;
    std::string err;  // a piece of standard error ("" when it must stay empty, "*" anything)
    const char* out = nullptr;  // standard output's file, /dev/full to lose it
    const char* env = nullptr;  // NAME=VALUE for the run; VALUE empty to remove NAME
};

std::string Expand(std::string text, const std::string& dir) {
    for (std::size_t at = 0; (at = text.find("DIR", at)) != std::string::npos; at += dir.size())
        text.replace(at, 3, dir);
    return text;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs the tool on each row in a fresh scratch folder with an empty file, a binary file, a
// replay script and a folder in it.
void RunTable(const char* tool, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        QTemporaryDir scratch;
        ASSERT_TRUE(scratch.isValid());
        const std::string dir = scratch.path().toStdString();
        Write(scratch.path() + "/empty", {});
        Write(scratch.path() + "/binary", QByteArray("\x7f"
                                                     "ELF\0\0\x01\x02",
                                                     8));
        Write(scratch.path() + "/s.rpl", "tap 100 150\nexpect slide=1\n");
        QDir(scratch.path()).mkdir("folder");
        std::string line = tool;
        QStringList args;
        for (const std::string& arg : row.args) {
            args << QString::fromStdString(Expand(arg, dir));
            line += " " + arg;
        }
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", scratch.path());  // else Qt warns on standard error
        if (row.env) {
            const QString pair = row.env;
            const QString name = pair.section('=', 0, 0), value = pair.section('=', 1);
            value.isEmpty() ? env.remove(name) : env.insert(name, value);
            if (value.isEmpty()) env.remove("DISPLAY"), env.remove("WAYLAND_DISPLAY");
        }
        process.setProcessEnvironment(env);
        if (row.out) process.setStandardOutputFile(row.out);
        process.start(tool, args);
        const bool finished = process.waitForFinished(120000);
        if (!finished) process.kill(), process.waitForFinished();
        ASSERT_TRUE(finished) << line;
        const std::string err = process.readAllStandardError().toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << line << "\n" << err;
        EXPECT_EQ(process.exitCode(), row.status) << line << "\n" << err;
        if (row.err.empty()) {
            EXPECT_EQ(err, "") << line;
        } else if (row.err != "*") {
            EXPECT_NE(err.find(Expand(row.err, dir)), std::string::npos) << line << "\n" << err;
        }
        // A command line that cannot be understood earns the usage, and only such a one; a
        // file's own fault is told with its name.
        const bool fileFault = row.err.compare(0, 3, "DIR") == 0;
        EXPECT_EQ(err.find("usage: ") != std::string::npos, row.status == 2 && !fileFault)
            << line << "\n"
            << err;
        // A file refused stays as it was.
        QFile empty(scratch.path() + "/empty");
        EXPECT_EQ(empty.size(), 0) << line;
    }
}

const char* const kFull = "/dev/full";

TEST(ToolsOnBadInput, Replay) {
    RunTable(SKALOR_REPLAY,
             {
                 {{}, 2, "too few arguments"},
                 {{"--bogus"}, 2, "unknown option --bogus"},
                 {{"-x", "DIR/s.rpl"}, 2, "unknown option -x"},
                 {{"--help"}, 0, ""},
                 {{"--help"}, 1, "standard output: cannot be written", kFull},
                 {{"DIR/s.rpl"}, 0, ""},
                 {{"--", "DIR/s.rpl"}, 0, ""},
                 {{"DIR/empty", "DIR/nothing.rpl"}, 2, "DIR/nothing.rpl: cannot be read"},
             });
    // An echo that cannot reach its reader is no success.
    QTemporaryDir scratch;
    Write(scratch.path() + "/echo.rpl", "echo hello\n");
    RunTable(SKALOR_REPLAY, {{{scratch.path().toStdString() + "/echo.rpl"},
                              1,
                              "standard output: cannot be written",
                              kFull}});
}

TEST(ToolsOnBadInput, FuzzScript) {
    RunTable(SKALOR_FUZZ_SCRIPT,
             {
                 {{}, 2, "too few arguments"},
                 {{"--bogus", "DIR/empty"}, 2, "unknown option --bogus"},
                 {{"DIR/folder"}, 1, "DIR/folder: cannot be read (Is a directory)"},
                 {{"DIR/none"}, 1, "DIR/none: cannot be read (No such file"},
                 {{"/dev/zero"}, 1, "/dev/zero: longer than 1048576 bytes"},
                 {{"DIR/binary"}, 0, ""},
                 {{"DIR/binary"}, 1, "standard output: cannot be written", kFull},
                 {{"--seeds"}, 2, "--seeds needs a value"},
                 {{"--seeds", "--help", "DIR/s.rpl"}, 2, "--seeds needs a value"},
                 {{"--seeds", "DIR/none", "DIR/s.rpl"}, 1, "DIR/none: not a folder"},
                 {{"--seeds", "DIR/folder", "DIR/binary"}, 2, "DIR/binary: "},
                 {{"--seeds", "DIR/folder", "/dev/zero"}, 1, "/dev/zero: longer than"},
                 {{"--seeds", "DIR/folder", "DIR/s.rpl"}, 0, ""},
                 {{"--seeds", "/proc", "DIR/s.rpl"}, 1, "/proc/s: cannot be written"},
             });
}

TEST(ToolsOnBadInput, LessonPlacer) {
    QTemporaryDir copy;
    const QString table = copy.path() + "/lesson_steps.def";
    ASSERT_TRUE(QFile::copy(SKALOR_SOURCE_DIR "/training/lesson_steps.def", table));
    RunTable(SKALOR_LESSON_PLACER,
             {
                 {{"--bogus"}, 2, "unknown option --bogus"},
                 {{"DIR/empty"}, 2, "unexpected argument DIR/empty"},
                 {{"--rewrite"}, 2, "--rewrite needs a value"},
                 {{"--rewrite", "--check"}, 2, "--rewrite needs a value"},
                 {{"--check", "--rewrite", "DIR/empty"}, 2, "do not go together"},
                 {{"--check", "--check"}, 2, "--check given twice"},
                 {{"--check=1"}, 2, "--check takes no value"},
                 {{"--rewrite", "DIR/empty"}, 1, "DIR/empty: holds 0 of the"},
                 {{"--rewrite", "DIR/binary"}, 1, "DIR/binary: not a text file"},
                 {{"--rewrite", "DIR/folder"}, 1, "DIR/folder: cannot be read (Is a directory)"},
                 {{"--rewrite", "/dev/full"}, 1, "/dev/full: longer than 1048576 bytes"},
                 {{"--check"}, 1, "standard output: cannot be written", kFull},
                 {{"--rewrite", table.toStdString()}, 0, ""},
             });
    // The table agrees with its derivation, so a rewrite writes it back as it was.
    QFile original(SKALOR_SOURCE_DIR "/training/lesson_steps.def"), rewritten(table);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && rewritten.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), rewritten.readAll());
}

TEST(ToolsOnBadInput, LessonAlbum) {
    RunTable(SKALOR_LESSON_ALBUM,
             {
                 {{"--help"}, 0, ""},
                 {{"--zoom"}, 2, "--zoom needs a value"},
                 {{"--zoom", "abc"}, 2, "--zoom takes a whole number from 1 to 4: abc"},
                 {{"--zoom", "5"}, 2, "from 1 to 4: 5"},
                 {{"--zoom=2x"}, 2, "from 1 to 4: 2x"},
                 {{"--zoom", "1", "DIR/folder", "DIR/folder"}, 2, "unexpected argument"},
                 {{"--zoom", "1", "DIR/empty"}, 1, "DIR/empty: the folder cannot be made"},
                 {{"--zoom", "1", "/proc"}, 1, "/proc/lesson-01.png: cannot be written"},
             });
}

TEST(ToolsOnBadInput, TextMetrics) {
    RunTable(SKALOR_TEXT_METRICS,
             {
                 {{}, 2, "too few arguments"},
                 {{"DIR/a.cpp", "DIR/b.cpp"}, 2, "unexpected argument DIR/b.cpp"},
                 {{"--out", "DIR/a.cpp"}, 2, "unknown option --out"},
                 {{"/dev/full"}, 1, "/dev/full: cannot be written (No space left on device)"},
                 {{"DIR/a.cpp"}, 1, "Qt cannot start", nullptr, "QT_QPA_PLATFORM=xcb"},
                 {{"DIR/a.cpp"}, 0, ""},
             });
}

TEST(ToolsOnBadInput, ContactSheetWriter) {
    RunTable(SKALOR_CONTACT_SHEET_WRITER,
             {
                 {{}, 2, "too few arguments"},
                 {{"DIR/c.png", "abc"}, 2, "K takes a whole number from 1 to 16: abc"},
                 {{"DIR/c.png", "0"}, 2, "from 1 to 16: 0"},
                 {{"DIR/c.png", "-3"}, 2, "unknown option -3"},
                 {{"DIR/c.png", "1", "2"}, 2, "unexpected argument 2"},
                 {{"/dev/full", "1"}, 1, "/dev/full: cannot be written"},
                 {{"DIR/c.png", "1"}, 0, ""},
             });
}

TEST(ToolsOnBadInput, Screenshot) {
    RunTable(SKALOR_SCREENSHOT, {
                                    {{}, 2, "too few arguments"},
                                    {{"--out", "DIR/s.png"}, 2, "unknown option --out"},
                                    {{"DIR/no/s.png"}, 1, "DIR/no/s.png: cannot be written"},
                                    {{"/dev/full"}, 1, "/dev/full: cannot be written"},
                                });
}

TEST(ToolsOnBadInput, BenchStartup) {
    RunTable(SKALOR_BENCH_STARTUP, {
                                       {{}, 2, "too few arguments"},
                                       {{"0"}, 2, "K takes a whole number from 1 to 4: 0"},
                                       {{"abc"}, 2, "from 1 to 4: abc"},
                                       {{"999"}, 2, "from 1 to 4: 999"},
                                       {{"1", "2"}, 2, "unexpected argument 2"},
                                       {{"1"}, 0, "*"},
                                   });
}

}  // namespace
