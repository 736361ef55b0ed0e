// The lessons the chooser offers, closed by an entry with key 0.
#pragma once

#include <cstdint>

struct LessonEntry {
    uint32_t key;         // the key its steps carry in the step table
    const char* pszText;  // title, UTF-8, with its leading blank
};

extern const LessonEntry kLessonList[];
