#include "training/progress_store.h"

#include <cstdio>
#include <ctime>

namespace training {

namespace {

// The kept records named in a message at most; the rest are counted.
constexpr std::size_t kProblemsShown = 3;

std::string Reason(const ReadOutcome& read) {
    const std::string where = read.problems.empty() ? std::string() : read.problems.front();
    switch (read.damage) {
        case Damage::None: break;
        case Damage::Empty: return "он пуст";
        case Damage::NotJson: return "это не JSON: ошибка на байте " + where;
        case Damage::CutShort: return "он обрывается на байте " + where;
        case Damage::WrongShape: return "в нём JSON, но не данные прогресса этой программы";
        case Damage::NewerFormat:
            return "он записан более новой версией программы (формат " +
                   std::to_string(read.format) + ", эта версия знает формат " +
                   std::to_string(kFormat) + ")";
        case Damage::BadValues: {
            std::string text = "часть значений неверна: ";
            for (std::size_t i = 0; i < read.problems.size() && i < kProblemsShown; ++i)
                text += (i ? "; " : "") + read.problems[i];
            if (read.problems.size() > kProblemsShown)
                text += " и ещё " + std::to_string(read.problems.size() - kProblemsShown);
            return text + ". Эти записи не приняты";
        }
    }
    return {};
}

}  // namespace

Stamp LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string DateOf(const Stamp& now) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", now.year, now.month, now.day);
    return text;
}

std::string AsideSuffix(const Stamp& now) {
    char text[48];
    std::snprintf(text, sizeof text, ".bad-%04d-%02d-%02d-%02d%02d%02d", now.year, now.month,
                  now.day, now.hour, now.minute, now.second);
    return text;
}

CProgress CProgressStore::Load(const Stamp& now) {
    const StoredBytes stored = m_storage.Read();
    if (stored.status == ReadStatus::Missing) return {};
    ReadOutcome read;
    std::string reason;
    if (stored.status == ReadStatus::Unreadable) {
        reason = stored.error;
    } else {
        read = ReadProgress(stored.bytes);
        if (read.damage == Damage::None) {
            m_bWritten = true;
            m_lastBytes = stored.bytes;
            return read.progress;
        }
        reason = Reason(read);
    }
    const std::string place =
        "Сохранённый прогресс «" + m_storage.Where() +
        (read.damage == Damage::BadValues ? "» прочитан не весь: " : "» не удалось прочитать: ") +
        reason + ".\n";
    const std::string rest = read.damage == Damage::BadValues
                                 ? "Остальное прочитано, программа продолжает с ним."
                                 : "Программа начинает без сохранённого прогресса.";
    std::string aside, error;
    if (m_storage.KeepAside(AsideSuffix(now), aside, error)) {
        Tell(place + "Старый файл сохранён как «" + aside + "».\n" + rest);
    } else {
        // Writing now would destroy the only copy of what the user may still want back.
        m_bKeepOff = true;
        Tell(place + "Его не удалось отложить в сторону (" + error +
             "), поэтому в этот раз прогресс не " + "сохраняется, чтобы его не затереть.\n" + rest);
    }
    return read.progress;
}

bool CProgressStore::Save(const CProgress& progress) {
    if (m_bKeepOff) return false;
    const std::string bytes = WriteProgress(progress);
    if (m_bWritten && bytes == m_lastBytes) return true;
    std::string error;
    if (!m_storage.Write(bytes, error)) {
        m_bWritten = false;
        if (!m_bWriteReported)
            Tell("Прогресс не сохраняется: «" + m_storage.Where() + "» не записать (" + error +
                 "). Программа работает дальше без сохранения.");
        m_bWriteReported = true;
        return false;
    }
    m_bWritten = true;
    m_lastBytes = bytes;
    return true;
}

bool CProgressStore::TakeMessage(std::string& text) {
    if (m_message.empty()) return false;
    text.swap(m_message);
    m_message.clear();
    return true;
}

void CProgressStore::Tell(const std::string& text) {
    m_message += (m_message.empty() ? "" : "\n\n") + text;
}

}  // namespace training
