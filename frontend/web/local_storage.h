// The page's progress: one localStorage entry. A browser may refuse localStorage (private
// windows, pages opened from disk under some settings) or find it full; each call then fails
// as an unwritable folder does, and the page works on.
#pragma once

#include <string>

#include "platform/storage.h"

class CLocalStorage : public IStorage {
  public:
    explicit CLocalStorage(std::string key) : m_key(std::move(key)) {}

    StoredBytes Read() override;
    bool Write(const std::string& bytes, std::string& error) override;
    bool KeepAside(const std::string& suffix, std::string& where, std::string& error) override;
    std::string Where() const override { return "localStorage: " + m_key; }

  private:
    std::string m_key;
};
