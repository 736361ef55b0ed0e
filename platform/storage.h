// Where the program keeps what it remembers between runs: one named place holding bytes. The
// desktop keeps a file, the page a localStorage entry, the headless host a file or memory.
// Stored bytes are input like any other: whoever reads them checks them.
#pragma once

#include <string>

enum class ReadStatus {
    Read,        // bytes holds what is stored (possibly nothing at all: an empty file)
    Missing,     // nothing is stored yet: the first run
    Unreadable,  // something is there that cannot be read (a folder, no permission, an I/O error)
};

struct StoredBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
    std::string error;  // for Unreadable: why, as the system says it
};

class IStorage {
  public:
    virtual ~IStorage() = default;

    virtual StoredBytes Read() = 0;

    // Replaces what is stored by bytes, whole or not at all: a reader, this run's or another
    // copy's, sees the old bytes or the new ones, never a mix or a part. False with error set
    // when nothing was changed.
    virtual bool Write(const std::string& bytes, std::string& error) = 0;

    // Moves what is stored out of the way under its name plus suffix, so that it is kept for
    // the user while a new one is written; where says under which name it now is. False with
    // error set when it stays where it was.
    virtual bool KeepAside(const std::string& suffix, std::string& where, std::string& error) = 0;

    // The place as the user knows it: a file's path, or the page's storage key.
    virtual std::string Where() const = 0;
};

// What a failed call's errno means to the user, in Russian ("нет прав доступа", ...).
std::string StorageError(int code);
