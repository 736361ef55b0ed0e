// A file kept with plain POSIX calls, for the headless host and the replay tool: written to a
// temporary file in the same folder, synced and renamed over the old one.
#pragma once

#include <string>
#include <utility>

#include "platform/storage.h"

class CFileStorage : public IStorage {
  public:
    explicit CFileStorage(std::string path) : m_path(std::move(path)) {}

    StoredBytes Read() override;
    bool Write(const std::string& bytes, std::string& error) override;
    bool KeepAside(const std::string& suffix, std::string& where, std::string& error) override;
    std::string Where() const override { return m_path; }

  private:
    std::string m_path;
};

// The first of path, path-2, path-3, ... that names nothing yet; empty when the check itself
// fails. exists says whether a name is taken, so that every storage numbers alike.
template <typename Exists>
std::string FreeName(const std::string& path, Exists exists) {
    if (!exists(path)) return path;
    for (int n = 2; n < 1000; ++n) {
        std::string name = path + "-" + std::to_string(n);
        if (!exists(name)) return name;
    }
    return {};
}
