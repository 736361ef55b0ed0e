// A program killed while it writes its progress leaves the file as it was or as it was being
// written, whole: never a mix, a part, or nothing where there was a file.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "frontend/qt/desktop/progress_file.h"
#include "tests/progress/progress_samples.h"

using namespace training;

namespace {

constexpr int kKills = 200;

// Files the writer left beside the progress file, removed: a temporary file it was killed
// while writing.
int RemoveLeftovers(const std::string& folder) {
    int count = 0;
    DIR* dir = opendir(folder.c_str());
    while (const dirent* entry = dir ? readdir(dir) : nullptr) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || name == "progress.json") continue;
        unlink((folder + "/" + name).c_str());
        ++count;
    }
    if (dir) closedir(dir);
    return count;
}

// Writes the file again and again, each time a whole new version, from version first on,
// until it is killed. Version n keeps every task kind at n tasks set; a test of many rows makes
// the file some ten kilobytes long, so that a kill lands inside a write.
// Each whole write is told through the pipe done, one byte a write.
[[noreturn]] void WriteForever(IStorage& storage, int32_t first, int done) {
    CProgress kept = SampleProgress(11);
    TestResult test{"2026-12-07", 17, {2}, kMaxTestTasks, 0, 2, {}};
    test.count = 40;
    test.rows.assign(std::size_t(test.count), {2, "сорок два с половиной", Verdict::Wrong, 59});
    kept.AddTestResult(test);
    for (int32_t version = first;; ++version) {
        for (int i = 0; training::kTaskKeys[i]; ++i)
            kept.SetKind(training::kTaskKeys[i], {version, 0, "2026-12-07"});
        std::string error;
        if (!storage.Write(WriteProgress(kept), error) || write(done, "w", 1) != 1) _exit(1);
    }
}

// The version a whole file holds, or a failure.
::testing::AssertionResult VersionOf(const std::string& bytes, int32_t& version) {
    const ReadOutcome read = ReadProgress(bytes);
    if (read.damage != Damage::None)
        return ::testing::AssertionFailure()
               << "damaged (" << int(read.damage) << "), " << bytes.size() << " bytes";
    if (WriteProgress(read.progress) != bytes)
        return ::testing::AssertionFailure() << "not as the writer writes it";
    version = read.progress.Kinds().at(training::kTaskKeys[0]).set;
    for (const auto& [key, record] : read.progress.Kinds())
        if (record.set != version) return ::testing::AssertionFailure() << "two versions mixed";
    return ::testing::AssertionSuccess();
}

void KillWhileWriting(const char* storage) {
    char name[] = "/tmp/skalor-kill-XXXXXX";
    const char* made = mkdtemp(name);
    ASSERT_TRUE(made);
    const std::string folder = made, path = folder + "/progress.json";
    const auto seed = uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937 random(seed);
    int32_t last = 0;
    int unchanged = 0, inside = 0;
    int64_t pace = 20000;  // microseconds a write takes, as last seen
    for (int kill = 0; kill < kKills; ++kill) {
        int done[2];
        ASSERT_EQ(pipe(done), 0);
        const pid_t writer = fork();
        if (writer == 0) {
            close(done[0]);
            if (std::string(storage) == "qt") {
                CQtFileStorage file(QString::fromStdString(path));
                WriteForever(file, last + 1, done[1]);
            }
            CFileStorage file(path);
            WriteForever(file, last + 1, done[1]);
        }
        ASSERT_GT(writer, 0);
        close(done[1]);
        // After none to two whole writes, anywhere within the next one or two: the moment
        // follows the writer's own pace, however busy the machine is.
        auto mark = std::chrono::steady_clock::now();
        char byte;
        for (int n = int(random() % 3); n > 0 && read(done[0], &byte, 1) == 1; --n) {
            const auto now = std::chrono::steady_clock::now();
            pace = std::chrono::duration_cast<std::chrono::microseconds>(now - mark).count();
            mark = now;
        }
        usleep(useconds_t(random() % uint32_t(2 * pace + 1)));
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        close(done[0]);
        ASSERT_TRUE(WIFSIGNALED(status))
            << storage << ": the writer ended by itself, status " << status;
        inside += RemoveLeftovers(folder) > 0 ? 1 : 0;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            ASSERT_EQ(last, 0) << storage << ": the file went away at kill " << kill;
            continue;
        }
        std::stringstream bytes;
        bytes << in.rdbuf();
        int32_t version = 0;
        ASSERT_TRUE(VersionOf(bytes.str(), version))
            << storage << ", kill " << kill << ", seed " << seed;
        ASSERT_GE(version, last) << storage << ": an older file came back at kill " << kill;
        unchanged += version == last ? 1 : 0;
        last = version;
    }
    // The kills fell between writes, and inside them: the plain file's temporary files were
    // left behind (QSaveFile writes an unnamed file and gives it its name at the end).
    if (std::string(storage) == "plain") {
        EXPECT_GT(inside, 0);
    }
    EXPECT_GT(last, kKills / 2) << storage;
    std::printf("%s: %d kills, %d inside a write, %d before a first write finished; version %d\n",
                storage, kKills, inside, unchanged, last);
    ASSERT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
}

}  // namespace

TEST(ProgressKill, ThePlainFileIsOldOrNewAndWhole) { KillWhileWriting("plain"); }
TEST(ProgressKill, TheDesktopFileIsOldOrNewAndWhole) { KillWhileWriting("qt"); }
