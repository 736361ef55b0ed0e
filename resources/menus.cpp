#include "resources/menus.h"

#include "resources/ids.h"
#include "resources/version.h"

namespace {

const MenuItem kFileMenu[] = {
    {"Cторона 1", ID_SIDE1},
    {"Cторона 2", ID_SIDE2},
    {nullptr, 0},
    {"Bыход", ID_EXIT},
};

const MenuItem kOperationsMenu[] = {
    {"Oтменить", ID_UNDO},
    {nullptr, 0},
    {"Пpижать визирку", ID_CLAMP},
    {nullptr, 0},
    {"Oбучение...", ID_TRAINING},
    {nullptr, 0},
    {"O программе...", ID_ABOUT},
};

}  // namespace

const Menu kMenuBar[2] = {
    {"Файл", kFileMenu, int(sizeof kFileMenu / sizeof kFileMenu[0])},
    {"Операции", kOperationsMenu, int(sizeof kOperationsMenu / sizeof kOperationsMenu[0])},
};

const ToolbarButton kToolbar[2] = {
    {ID_TB_BUTTON1, 0, nullptr},
    {ID_TB_UNDO, 1, "Отменить последнее движение"},
};

const char* const kWindowTitle = "Skalor";
const char* const kAboutCaption = "О программе";
const char* const kAboutText =
    "Навигационная линейка штурмана Skalor.\n"
    "Версия " SKALOR_VERSION "\n"
    "Свободная реализация для тренировки штурманских расчетов\n"
    "Лицензия: GNU GPL версии 3 или любой более поздней";
