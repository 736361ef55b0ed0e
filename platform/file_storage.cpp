#include "platform/file_storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// More than any progress file grows to in years of use: a larger one is not read into memory.
constexpr off_t kLargestFile = 16 << 20;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates the folder and those above it that are missing, as mkdir -p.
bool MakeFolders(const std::string& folder) {
    struct stat info;
    if (stat(folder.c_str(), &info) == 0) return true;
    const std::string above = FolderOf(folder);
    if (above != folder && !MakeFolders(above)) return false;
    return mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

StoredBytes CFileStorage::Read() {
    StoredBytes result;
    // Not blocking: a pipe put in the file's place must not hang the start.
    const int fd = open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // Nothing can be stored where a file stands in the place of a folder: nothing is yet.
        if (errno == ENOENT || errno == ENOTDIR) return result;
        return {ReadStatus::Unreadable, {}, StorageError(errno)};
    }
    struct stat info {};
    int why = 0;
    if (fstat(fd, &info) != 0)
        why = errno;
    else if (S_ISDIR(info.st_mode))
        why = EISDIR;
    else if (!S_ISREG(info.st_mode))
        why = EINVAL;
    else if (info.st_size > kLargestFile)
        why = EFBIG;
    if (why != 0) {
        close(fd);
        return {ReadStatus::Unreadable, {}, StorageError(why)};
    }
    result.status = ReadStatus::Read;
    char block[65536];
    for (;;) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result = {ReadStatus::Unreadable, {}, StorageError(errno)};
            break;
        }
        if (n == 0) break;
        result.bytes.append(block, std::size_t(n));
        if (result.bytes.size() > std::size_t(kLargestFile)) {
            result = {ReadStatus::Unreadable, {}, StorageError(EFBIG)};
            break;
        }
    }
    close(fd);
    return result;
}

bool CFileStorage::Write(const std::string& bytes, std::string& error) {
    const std::string folder = FolderOf(m_path);
    if (!MakeFolders(folder)) {
        error = StorageError(errno);
        return false;
    }
    // The temporary file lies in the same folder, so that the rename is one step of one file
    // system: a reader sees the old file or the new one, even when the program is killed.
    std::string temp = m_path + ".tmp-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        error = StorageError(errno);
        return false;
    }
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const int why = errno;
    if (close(fd) != 0 || !written || rename(temp.c_str(), m_path.c_str()) != 0) {
        error = StorageError(written ? errno : why);
        unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool CFileStorage::KeepAside(const std::string& suffix, std::string& where, std::string& error) {
    where = FreeName(m_path + suffix, [](const std::string& name) {
        struct stat info;
        return lstat(name.c_str(), &info) == 0 || errno != ENOENT;
    });
    if (where.empty() || rename(m_path.c_str(), where.c_str()) != 0) {
        error = StorageError(where.empty() ? EEXIST : errno);
        return false;
    }
    return true;
}
