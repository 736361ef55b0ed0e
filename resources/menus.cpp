#include "resources/menus.h"

#include "resources/ids.h"
#include "resources/version.h"

namespace {

// clang-format off
const MenuItem kFileMenu[] = {
    {"Cторона 1", ID_SIDE1, "1"},
    {"Cторона 2", ID_SIDE2, "2"},
    {nullptr, 0, nullptr},
    {"Bыход", ID_EXIT, "B"},
};
// clang-format on

// clang-format off
const MenuItem kOperationsMenu[] = {
    {"Oтменить", ID_UNDO, "O"},
    {nullptr, 0, nullptr},
    {"Пpижать визирку", ID_CLAMP, "П"},
    {nullptr, 0, nullptr},
    {"Oбучение...", ID_TRAINING, "б"},
    {"Задачи...", ID_TASKS, "З"},
    {nullptr, 0, nullptr},
    {"Клавиши", ID_KEYS, "К"},
    {"O программе...", ID_ABOUT, "г"},
};
// clang-format on

// clang-format off
const MenuItem kViewMenu[] = {
    {"Крупнее", ID_VIEW_LARGER, "К"},
    {"Мельче", ID_VIEW_SMALLER, "М"},
    {"Обычный размер", ID_VIEW_NORMAL, "О"},
};
// clang-format on

template <int N>
constexpr int Count(const MenuItem (&)[N]) {
    return N;
}

}  // namespace

// clang-format off
const Menu kMenuBar[3] = {
    {"Файл", "Ф", kFileMenu, Count(kFileMenu)},
    {"Операции", "О", kOperationsMenu, Count(kOperationsMenu)},
    {"Вид", "В", kViewMenu, Count(kViewMenu)},
};
// clang-format on

// clang-format off
const ToolbarButton kToolbar[2] = {
    {ID_TB_BUTTON1, 0, nullptr},
    {ID_TB_UNDO, 1, "Отменить последнее движение"},
};
// clang-format on

// clang-format off
const Accelerator kAccelerators[11] = {
    {KeyLetter('Z'), MOD_CTRL, ID_UNDO},
    {KeyLetter('1'), MOD_CTRL, ID_SIDE1},
    {KeyLetter('2'), MOD_CTRL, ID_SIDE2},
    {KeyLetter('L'), MOD_CTRL, ID_CLAMP},
    {KeyLetter('T'), MOD_CTRL, ID_TRAINING},
    {KeyLetter('E'), MOD_CTRL, ID_TASKS},
    {KeyLetter('Q'), MOD_CTRL, ID_EXIT},
    {KEY_PLUS, MOD_CTRL, ID_VIEW_LARGER},
    {KEY_EQUAL, MOD_CTRL, ID_VIEW_LARGER},
    {KEY_MINUS, MOD_CTRL, ID_VIEW_SMALLER},
    {KEY_0, MOD_CTRL, ID_VIEW_NORMAL},
};
// clang-format on

int FindAccelerator(KeyCode key, uint32_t mods) {
    for (const Accelerator& a : kAccelerators)
        if (a.key == key && a.mods == mods) return a.id;
    return 0;
}

const char* const kWindowTitle = "Skalor";
const char* const kAboutCaption = "О программе";
const char* const kAboutText =
    "Навигационная линейка штурмана Skalor.\n"
    "Версия " SKALOR_VERSION
    "\n"
    "Свободная реализация для тренировки штурманских расчетов\n"
    "Лицензия: GNU GPL версии 3 или любой более поздней";
const char* const kKeysCaption = "Клавиши";
const char* const kKeysText =
    "Влево, Вправо: движок на 1 точку, с Shift на 20\n"
    "Ctrl+Влево, Ctrl+Вправо: визирка на 1 точку, с Shift на 20\n"
    "PageUp, PageDown: линейка на 200 точек; Home, End: к её краям\n"
    "Колесо мыши: линейка на 40 точек\n"
    "Ctrl+Z: отменить; Ctrl+1, Ctrl+2: сторона; Ctrl+L: прижать визирку\n"
    "Ctrl+T: обучение; Ctrl+E: задачи; Ctrl+Q: выход\n"
    "Ctrl+Плюс, Ctrl+Минус, Ctrl+0, Ctrl+колесо: размер окна\n"
    "В уроке: Enter или пробел - дальше, Escape - закончить\n"
    "В списке уроков: Enter - выполнить, Escape - отменить\n"
    "В задаче: Enter в поле ответа - проверить, Escape - закрыть";
