// The window's commands by the names the developer tools write them with: the replay tool's
// `cmd`, `ui` and `expect enabled.NAME`, the fuzzer's command events and the property test's
// scripts. The order is the order `ui` lists them in.
#pragma once

#include <cstring>

#include "resources/ids.h"

struct CommandName {
    const char* name;
    int id;
};

// clang-format off
constexpr CommandName kCommandNames[] = {
    {"ID_SIDE1", ID_SIDE1},       {"ID_SIDE2", ID_SIDE2},     {"ID_EXIT", ID_EXIT},
    {"ID_UNDO", ID_UNDO},         {"ID_TB_UNDO", ID_TB_UNDO}, {"ID_CLAMP", ID_CLAMP},
    {"ID_TRAINING", ID_TRAINING}, {"ID_ABOUT", ID_ABOUT},     {"ID_TB_BUTTON1", ID_TB_BUTTON1},
    {"IDOK", IDOK},               {"ID_KEYS", ID_KEYS},       {"ID_TASKS", ID_TASKS},
    {"ID_TEST", ID_TEST},         {"ID_TEST_END", ID_TEST_END},
    {"ID_PRINT_SHEETS", ID_PRINT_SHEETS},
};
// clang-format on
constexpr int kCommandNameCount = int(sizeof kCommandNames / sizeof *kCommandNames);

// The command's name, or null for an id the table does not hold.
inline const char* NameOfCommand(int id) {
    for (const CommandName& c : kCommandNames)
        if (c.id == id) return c.name;
    return nullptr;
}

// The id of a command named name; false for a name the table does not hold.
inline bool IdOfCommand(const char* name, int& id) {
    for (const CommandName& c : kCommandNames)
        if (std::strcmp(c.name, name) == 0) return id = c.id, true;
    return false;
}
