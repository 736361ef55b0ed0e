#include "frontend/web/local_storage.h"

#include <emscripten.h>

#include <cstdlib>
#include <utility>

#include "platform/file_storage.h"

namespace {

// Each call answers with a status and a string the caller frees: the value or, when the
// browser threw, what it threw, in words for the user.
// clang-format off
EM_JS(int, skalor_storage_call, (int op, const char* key, const char* value, char** out), {
    const answer = (text) => {
        const size = lengthBytesUTF8(text) + 1;
        const at = _malloc(size);
        stringToUTF8(text, at, size);
        HEAPU32[out >> 2] = at;
    };
    try {
        const storage = window.localStorage;
        const name = UTF8ToString(key);
        if (op === 0) {  // read: 1 and the value, or 0 for nothing stored
            const stored = storage.getItem(name);
            if (stored === null) return 0;
            answer(stored);
        } else if (op === 1) {  // write
            storage.setItem(name, UTF8ToString(value));
        } else if (op === 2) {  // exists
            return storage.getItem(name) === null ? 0 : 1;
        } else {  // move to the name in value
            const stored = storage.getItem(name);
            storage.setItem(UTF8ToString(value), stored === null ? "" : stored);
            storage.removeItem(name);
        }
        return 1;
    } catch (e) {
        const kind = e && e.name;
        answer(kind === "QuotaExceededError" ? "хранилище страницы заполнено"
               : kind === "SecurityError" ? "браузер не даёт странице хранилища"
               : String(kind || e));
        return -1;
    }
});
// clang-format on

// One call; the string it answered with, if any, in text.
int Call(int op, const std::string& key, const std::string& value, std::string& text) {
    char* out = nullptr;
    const int status = skalor_storage_call(op, key.c_str(), value.c_str(), &out);
    if (out) {
        text = out;
        std::free(out);
    }
    return status;
}

}  // namespace

StoredBytes CLocalStorage::Read() {
    std::string text;
    const int status = Call(0, m_key, {}, text);
    if (status == 0) return {};
    if (status < 0) return {ReadStatus::Unreadable, {}, text};
    return {ReadStatus::Read, std::move(text), {}};
}

bool CLocalStorage::Write(const std::string& bytes, std::string& error) {
    return Call(1, m_key, bytes, error) > 0;
}

bool CLocalStorage::KeepAside(const std::string& suffix, std::string& where, std::string& error) {
    bool failed = false;
    const std::string key = FreeName(m_key + suffix, [&](const std::string& name) {
        std::string ignored;
        const int status = Call(2, name, {}, ignored);
        failed = failed || status < 0;
        return status != 0;
    });
    if (failed || key.empty() || Call(3, m_key, key, error) < 0) {
        if (error.empty()) error = "нет свободного имени";
        return false;
    }
    where = "localStorage: " + key;
    return true;
}
