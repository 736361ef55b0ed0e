// Reading and writing what the program remembers, and what to tell the user when that fails.
// Kept bytes that cannot be trusted whole are moved aside under a name with the time (the
// user's clock), and the program starts with what it could read; a place that cannot be
// written is reported once and the program works on without storing.
#pragma once

#include <string>

#include "platform/storage.h"
#include "training/progress.h"

namespace training {

// A moment of the user's clock.
struct Stamp {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
Stamp LocalNow();
// "YYYY-MM-DD": the form the dates are kept in.
std::string DateOf(const Stamp& now);
// ".bad-YYYY-MM-DD-HHMMSS": what a damaged file's name gets. It sorts by time and has no
// colon, which some file systems (a memory stick's) refuse.
std::string AsideSuffix(const Stamp& now);

constexpr const char* kMessageCaption = "Прогресс";

class CProgressStore {
  public:
    explicit CProgressStore(IStorage& storage) : m_storage(storage) {}

    // At start-up: what can be trusted of what is kept. A damaged store is moved aside first.
    CProgress Load(const Stamp& now);
    // At each change worth keeping and at exit. False when it was not stored; the first such
    // failure leaves a message.
    bool Save(const CProgress& progress);

    // The message for the user, once: true and the text when there is one to show.
    bool TakeMessage(std::string& text);
    // False while a damaged store could not be moved aside: it is not written over.
    bool Writing() const { return !m_bKeepOff; }

  private:
    void Tell(const std::string& text);

    IStorage& m_storage;
    bool m_bKeepOff = false;
    bool m_bWriteReported = false;
    bool m_bWritten = false;  // m_lastBytes are what the store holds now
    std::string m_lastBytes;
    std::string m_message;
};

}  // namespace training
