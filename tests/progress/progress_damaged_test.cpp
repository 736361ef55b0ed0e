// Damaged progress files: each is reported once in words the user understands, kept aside
// whole under its dated name, and nothing of it that is out of range is taken; the program
// then stores afresh. And a place that cannot be written is reported once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/file_storage.h"
#include "tests/progress/progress_samples.h"
#include "training/progress_store.h"

using namespace training;

namespace {

const Stamp kNow{2026, 12, 7, 20, 35, 1};
constexpr const char* kAside = ".bad-2026-12-07-203501";

std::string TempFolder() {
    char name[] = "/tmp/skalor-progress-XXXXXX";
    return mkdtemp(name) ? name : "";
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return bytes;
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Every range broken once, beside records that are sound.
const char* const kOutOfRange = R"({"format": 1,
 "window": {"factor": 2, "x": 40, "y": 60},
 "rule": {"scroll": 5000, "slide": 0, "cursor": 0, "side": 1, "clamp": 0},
 "taskBox": "bottom",
 "chosen": {"lesson": 77, "task": 3},
 "lessons": {"1": {"step": 999}, "2": {"step": 1}, "3": {"step": 1, "finished": "2026-12-07"}},
 "tasks": {"2": {"set": 3, "right": 5, "last": "2026-12-07"}, "3": {"set": 4, "right": 2, "last": "2026-12-07"},
           "4": {"set": 1, "right": 0, "last": "2026-13-01"}, "6": {"set": -1, "right": 0, "last": "2026-12-07"},
           "8": {"set": 99999999999, "right": 0, "last": "2026-12-07"}},
 "tests": [{"date": "2026-12-07", "variant": 17, "kinds": [2], "count": 1, "score": 1, "mark": 5,
            "tasks": [{"kind": 2, "answer": "12", "verdict": "wrong", "seconds": 30}]}]})";

const char* const kWrongTypes = R"({"format": 1,
 "window": [2, 40, 60],
 "rule": {"scroll": "12", "slide": 0, "cursor": 0, "side": 0, "clamp": 0},
 "lessons": {"2": {"step": 1.5}, "x": {"step": 1}, "4": {"step": 2}},
 "tasks": {"3": {"set": 2, "right": 1, "last": 20261207}},
 "tests": {"date": "2026-12-07"}})";

struct Row {
    const char* name;
    std::function<std::string(const std::string& path)> make;  // puts the damaged thing at path
    const char* says;                                          // a piece of the message
    std::function<bool(const CProgress&)> trusted;             // what may be taken from it
};

bool Nothing(const CProgress& p) {
    return !p.Window() && !p.Rule() && !p.LastLesson() && !p.LastKind() && p.Lessons().empty() &&
           p.Kinds().empty() && p.Tests().empty();
}

const std::string kSound = WriteProgress(SampleProgress(7));

const Row kRows[] = {
    {"empty", [](const std::string& path) { return Put(path, ""); }, "он пуст", Nothing},
    {"cut in the middle",
     [](const std::string& path) { return Put(path, kSound.substr(0, kSound.size() / 2)); },
     "он обрывается", Nothing},
    {"not JSON", [](const std::string& path) { return Put(path, "progress: lesson 1 done\n"); },
     "это не JSON", Nothing},
    {"binary",
     [](const std::string& path) { return Put(path, std::string("\x89PNG\r\n\x1a\n\0\0", 10)); },
     "это не JSON", Nothing},
    {"wrong shape", [](const std::string& path) { return Put(path, R"([{"format": 1}])"); },
     "не данные прогресса", Nothing},
    {"no format",
     [](const std::string& path) { return Put(path, R"({"lessons": {"2": {"step": 1}}})"); },
     "не данные прогресса", Nothing},
    {"wrong types", [](const std::string& path) { return Put(path, kWrongTypes); },
     "не целое число",
     [](const CProgress& p) {
         return !p.Window() && !p.Rule() && p.Lessons().size() == 1 &&
                p.Lessons().at(4).furthest == 2 && p.Kinds().empty() && p.Tests().empty();
     }},
    {"out of range", [](const std::string& path) { return Put(path, kOutOfRange); },
     "rule = {\"clamp\":0,\"cursor\":0,\"scroll\":5000",
     [](const CProgress& p) {
         return p.Window() && p.Window()->factor == 2 && !p.Rule() && p.TaskBoxAtBottom() &&
                p.LastLesson() == 0 && p.LastKind() == 3 && p.Lessons().size() == 1 &&
                p.Lessons().count(2) && p.Kinds().size() == 1 && p.Kinds().at(3).right == 2 &&
                p.Tests().empty();
     }},
    {"newer format",
     [](const std::string& path) {
         return Put(
             path,
             R"({"format": 2, "rule": {"scroll": 1, "slide": 0, "cursor": 0, "side": 1, "clamp": 0}})");
     },
     "более новой версией программы (формат 2", Nothing},
    {"folder in its place",
     [](const std::string& path) {
         mkdir(path.c_str(), 0700);
         return Put(path + "/inside", "kept");
     },
     "на его месте папка", Nothing},
    {"no permission",
     [](const std::string& path) {
         Put(path, kSound);
         chmod(path.c_str(), 0);
         return kSound;
     },
     "нет прав доступа", Nothing},
};

// Loads the damaged file at a fresh path and checks what followed; the failures, or nothing.
std::string Check(const Row& row, const std::string& folder) {
    std::ostringstream failures;
    const std::string path = folder + "/progress.json";
    const std::string before = row.make(path);
    CFileStorage storage(path);
    CProgressStore store(storage);
    const CProgress loaded = store.Load(kNow);
    std::string message, again;
    if (!store.TakeMessage(message)) failures << "no message; ";
    if (store.TakeMessage(again)) failures << "a second message; ";
    if (message.find(row.says) == std::string::npos)
        failures << "the message does not say «" << row.says << "»; ";
    const std::string aside = path + kAside;
    if (message.find("«" + aside + "»") == std::string::npos)
        failures << "the message does not name the copy; ";
    if ((chmod(aside.c_str(), 0700), Slurp(IsFolder(aside) ? aside + "/inside" : aside)) != before)
        failures << "the damaged file was not kept whole; ";
    if (!row.trusted(loaded))
        failures << "took what it should not have: " << WriteProgress(loaded) << "; ";
    // The program stores afresh what it trusted.
    if (!store.Save(loaded)) failures << "could not store afresh; ";
    const ReadOutcome back = ReadProgress(Slurp(path));
    if (back.damage != Damage::None || WriteProgress(back.progress) != WriteProgress(loaded))
        failures << "the new file is not what was trusted; ";
    return failures.str();
}

// Runs the check as a user without root's right to read anything: as the user "nobody".
std::string CheckAsUser(const Row& row, const std::string& folder) {
    if (geteuid() != 0) return Check(row, folder);
    chmod(folder.c_str(), 0777);
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string failures;
        if (setgid(65534) != 0 || setuid(65534) != 0)
            failures = "could not become nobody";
        else
            failures = Check(row, folder);
        if (write(channel[1], failures.data(), failures.size()) < 0) _exit(2);
        _exit(0);
    }
    close(channel[1]);
    std::string failures;
    char block[4096];
    for (ssize_t n; (n = read(channel[0], block, sizeof block)) > 0;)
        failures.append(block, std::size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) failures += "the check did not finish";
    return failures;
}

// A store whose every call can be made to fail, counting the writes.
struct Refusing : IStorage {
    std::string bytes = "{";
    bool keepAside = false;
    int writes = 0;
    StoredBytes Read() override { return {ReadStatus::Read, bytes, {}}; }
    bool Write(const std::string&, std::string& error) override {
        ++writes;
        error = "нет места на диске";
        return false;
    }
    bool KeepAside(const std::string&, std::string&, std::string& error) override {
        error = "нет прав доступа";
        return keepAside;
    }
    std::string Where() const override { return "/home/u/progress.json"; }
};

}  // namespace

TEST(DamagedProgress, EachIsReportedKeptAsideAndTrustedOnlyWhereSound) {
    for (const Row& row : kRows) {
        const std::string folder = TempFolder();
        ASSERT_FALSE(folder.empty());
        const bool asUser = std::string(row.name) == "no permission";
        EXPECT_EQ(asUser ? CheckAsUser(row, folder) : Check(row, folder), "") << row.name;
        ASSERT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
    }
}

TEST(DamagedProgress, AFileThatCannotBeKeptAsideIsNotWrittenOver) {
    Refusing storage;
    CProgressStore store(storage);
    store.Load(kNow);
    std::string message;
    ASSERT_TRUE(store.TakeMessage(message));
    EXPECT_NE(message.find("не удалось отложить в сторону (нет прав доступа)"), std::string::npos)
        << message;
    EXPECT_FALSE(store.Writing());
    EXPECT_FALSE(store.Save(SampleProgress(3)));
    EXPECT_EQ(storage.writes, 0);
    EXPECT_FALSE(store.TakeMessage(message));
}

TEST(DamagedProgress, AnUnwritablePlaceIsReportedOnceAndTheProgramWorksOn) {
    const std::string folder = TempFolder();
    // A file where the progress file's folder should be: no one, root included, writes there.
    Put(folder + "/skalor", "a file, not a folder");
    CFileStorage storage(folder + "/skalor/progress.json");
    CProgressStore store(storage);
    EXPECT_TRUE(Nothing(store.Load(kNow)));
    std::string message;
    EXPECT_FALSE(store.TakeMessage(message));  // nothing there is no damage
    EXPECT_FALSE(store.Save(SampleProgress(1)));
    EXPECT_FALSE(store.Save(SampleProgress(2)));
    ASSERT_TRUE(store.TakeMessage(message));
    EXPECT_NE(message.find("«" + folder + "/skalor/progress.json» не записать"), std::string::npos)
        << message;
    EXPECT_FALSE(store.TakeMessage(message));
    // Once the place can be written, the next change is stored, without a word.
    ASSERT_EQ(unlink((folder + "/skalor").c_str()), 0);
    EXPECT_TRUE(store.Save(SampleProgress(2)));
    EXPECT_EQ(Slurp(folder + "/skalor/progress.json"), WriteProgress(SampleProgress(2)));
    EXPECT_FALSE(store.TakeMessage(message));
    ASSERT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);

    Refusing full;
    full.bytes = WriteProgress(SampleProgress(4));
    CProgressStore fullStore(full);
    fullStore.Load(kNow);
    EXPECT_FALSE(fullStore.Save(SampleProgress(5)));
    EXPECT_FALSE(fullStore.Save(SampleProgress(6)));
    EXPECT_EQ(full.writes, 2);  // it keeps trying, quietly
    ASSERT_TRUE(fullStore.TakeMessage(message));
    EXPECT_NE(message.find("(нет места на диске)"), std::string::npos);
}
