#include "resources/menus.h"

#include <iterator>

#include "resources/ids.h"
#include "resources/version.h"

namespace {

// clang-format off
const MenuItem kFileMenu[] = {
    {"Cторона 1", ID_SIDE1, "1"},
    {"Cторона 2", ID_SIDE2, "2"},
    {nullptr, 0, nullptr},
    {"Печать заданий...", ID_PRINT_SHEETS, "П"},
    {nullptr, 0, nullptr},
    {"Bыход", ID_EXIT, "В"},
};
// clang-format on

// clang-format off
const MenuItem kOperationsMenu[] = {
    {"Oтменить", ID_UNDO, "О"},
    {nullptr, 0, nullptr},
    {"Пpижать визирку", ID_CLAMP, "П"},
    {nullptr, 0, nullptr},
    {"Oбучение...", ID_TRAINING, "б"},
    {"Задачи...", ID_TASKS, "З"},
    {"Прогресс...", ID_PROGRESS, "р"},
    {"Зачёт...", ID_TEST, "ч"},
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

// clang-format off
const MenuItem kHelpMenu[] = {
    {"Шкалы линейки", ID_HELP_SCALES, "Ш"},
};
// clang-format on

template <int N>
constexpr int Count(const MenuItem (&)[N]) {
    return N;
}

}  // namespace

// clang-format off
const Menu kMenuBar[4] = {
    {"Файл", "Ф", kFileMenu, Count(kFileMenu)},
    {"Операции", "О", kOperationsMenu, Count(kOperationsMenu)},
    {"Справка", "С", kHelpMenu, Count(kHelpMenu)},
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
const Accelerator kAccelerators[14] = {
    {KeyLetter('Z'), MOD_CTRL, ID_UNDO},
    {KeyLetter('1'), MOD_CTRL, ID_SIDE1},
    {KeyLetter('2'), MOD_CTRL, ID_SIDE2},
    {KeyLetter('L'), MOD_CTRL, ID_CLAMP},
    {KeyLetter('T'), MOD_CTRL, ID_TRAINING},
    {KeyLetter('E'), MOD_CTRL, ID_TASKS},
    {KeyLetter('K'), MOD_CTRL, ID_TEST},
    {KeyLetter('P'), MOD_CTRL, ID_PRINT_SHEETS},
    {KeyLetter('Q'), MOD_CTRL, ID_EXIT},
    {KEY_PLUS, MOD_CTRL, ID_VIEW_LARGER},
    {KEY_EQUAL, MOD_CTRL, ID_VIEW_LARGER},
    {KEY_MINUS, MOD_CTRL, ID_VIEW_SMALLER},
    {KEY_0, MOD_CTRL, ID_VIEW_NORMAL},
    {KEY_F1, MOD_NONE, ID_HELP_SCALES},
};
// clang-format on

int FindAccelerator(KeyCode key, uint32_t mods) {
    for (const Accelerator& a : kAccelerators)
        if (a.key == key && a.mods == mods) return a.id;
    return 0;
}

namespace {

// The code point at p (UTF-8), and where the next one starts.
char32_t Decode(const char*& p) {
    const auto b = static_cast<unsigned char>(*p);
    if (b < 0x80 || !p[1]) return char32_t(*p++);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> extra);
    for (++p; extra > 0 && (static_cast<unsigned char>(*p) & 0xC0) == 0x80; --extra)
        c = c << 6 | (static_cast<unsigned char>(*p++) & 0x3F);
    return c;
}

// Upper case, for the letters a mnemonic can be: Latin and Russian.
char32_t Upper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= U'а' && c <= U'я') return c - 32;
    if (c == U'ё') return U'Ё';
    return c;
}

bool IsCyrillic(char32_t c) { return (c >= U'А' && c <= U'я') || c == U'Ё' || c == U'ё'; }

// The Latin capitals drawn like a Russian one, as the captions use them.
// clang-format off
const struct { char32_t cyrillic, latin; } kLookAlikes[] = {
    {U'А', U'A'}, {U'В', U'B'}, {U'Е', U'E'}, {U'К', U'K'}, {U'М', U'M'}, {U'Н', U'H'},
    {U'О', U'O'}, {U'Р', U'P'}, {U'С', U'C'}, {U'Т', U'T'}, {U'У', U'Y'}, {U'Х', U'X'},
};
// clang-format on

bool SameLetter(char32_t shown, char32_t mnemonic) {
    shown = Upper(shown), mnemonic = Upper(mnemonic);
    if (shown == mnemonic) return true;
    for (const auto& pair : kLookAlikes)
        if (pair.cyrillic == mnemonic && pair.latin == shown) return true;
    return false;
}

// The Russian layout (ЙЦУКЕН) by the keys of the US layout, each key named by the character
// it types there unshifted.
// clang-format off
const struct { char usKey; const char* russian; } kRussianLayout[] = {
    {'q', "й"}, {'w', "ц"}, {'e', "у"}, {'r', "к"}, {'t', "е"}, {'y', "н"}, {'u', "г"},
    {'i', "ш"}, {'o', "щ"}, {'p', "з"}, {'[', "х"}, {']', "ъ"},
    {'a', "ф"}, {'s', "ы"}, {'d', "в"}, {'f', "а"}, {'g', "п"}, {'h', "р"}, {'j', "о"},
    {'k', "л"}, {'l', "д"}, {';', "ж"}, {'\'', "э"}, {'`', "ё"},
    {'z', "я"}, {'x', "ч"}, {'c', "с"}, {'v', "м"}, {'b', "и"}, {'n', "т"}, {'m', "ь"},
    {',', "б"}, {'.', "ю"},
    {'1', "1"}, {'2', "2"}, {'3', "3"}, {'4', "4"}, {'5', "5"}, {'6', "6"}, {'7', "7"},
    {'8', "8"}, {'9', "9"}, {'0', "0"},
};
// clang-format on

}  // namespace

int MnemonicAt(const char* caption, const char* mnemonic, int& length) {
    length = 0;
    if (!caption || !mnemonic || !*mnemonic) return -1;
    const char* m = mnemonic;
    const char32_t letter = Decode(m);
    for (const char* p = caption; *p;) {
        const char* at = p;
        if (SameLetter(Decode(p), letter)) {
            length = int(p - at);
            return int(at - caption);
        }
    }
    return -1;
}

const char* RussianLetterOn(char usKey) {
    if (usKey >= 'A' && usKey <= 'Z') usKey = char(usKey - 'A' + 'a');
    for (const auto& key : kRussianLayout)
        if (key.usKey == usKey) return key.russian;
    return nullptr;
}

bool KeyPicksMnemonic(const char* mnemonic, const char* typed, char usKey) {
    if (!mnemonic || !*mnemonic) return false;
    const char* m = mnemonic;
    const char32_t letter = Upper(Decode(m));
    char32_t c = 0;
    if (typed && *typed) {
        const char* t = typed;
        c = Upper(Decode(t));
        if (*t) c = 0;  // more than one character: not a letter key
    }
    if (c == letter) return true;
    if (IsCyrillic(c)) return false;  // a Russian layout: what it types is all
    const char* russian = RussianLetterOn(usKey);
    return russian && Upper(Decode(russian)) == letter;
}

int MenuOfKey(const char* typed, char usKey) {
    for (int i = 0; i < int(std::size(kMenuBar)); ++i)
        if (KeyPicksMnemonic(kMenuBar[i].mnemonic, typed, usKey)) return i;
    return -1;
}

int ItemOfKey(const Menu& menu, const char* typed, char usKey) {
    for (int i = 0; i < menu.count; ++i)
        if (menu.items[i].caption && KeyPicksMnemonic(menu.items[i].mnemonic, typed, usKey))
            return i;
    return -1;
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
    "Ctrl+T: обучение; Ctrl+E: задачи; Ctrl+K: зачёт; Ctrl+P: печать заданий\n"
    "Ctrl+Q: выход; F1: шкалы линейки\n"
    "Ctrl+Плюс, Ctrl+Минус, Ctrl+0, Ctrl+колесо: размер окна\n"
    "В уроке: Enter или пробел - дальше, Escape - закончить\n"
    "В списке уроков: Enter - выполнить, Escape - отменить\n"
    "В задаче: Enter в поле ответа - проверить, Escape - закрыть\n"
    "В зачёте: Enter в поле ответа - ответить, Escape - закончить досрочно";
const char* const kHelpScalesCaption = "Шкалы линейки";
const char* const kHelpShowScale = "Показать эту шкалу на линейке";
