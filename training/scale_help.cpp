#include "training/scale_help.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

#include "model/graduation_steps.h"
#include "model/scale_bands.h"
#include "model/scale_geometry.h"
#include "training/lesson_annotations.h"
#include "training/lesson_list.h"
#include "training/step_table.h"
#include "training/task_kinds.h"

namespace training {
namespace {

using model::Band;
using model::ScaleBand;

// What each scale is for, in the user's words, and the unit its values are written with.
struct ScaleWords {
    Scale scale;
    const char* unit;  // after a number: "°", " км", " км/ч", or nothing
    const char* measures;
};

// clang-format off
const ScaleWords kWords[kScaleHelpCount] = {
    {Scale::S1, "", "Расстояния в километрах и скорости в километрах в час, а при умножении и делении любые числа. Против шкалы 2 даёт произведения, частные и путь за время."},
    {Scale::S1a, "°", "Углы разворота в градусах. Против шкалы 2 даёт время разворота на угол; индекс t360 на шкале 1 - время полного разворота."},
    {Scale::S2, "", "Время: слева в минутах или секундах, справа в часах или минутах (подписи 2 - 15 там часы). Деление 1/6 - это 10 секунд или 10 минут. Прямоугольные индексы 10 и 100 служат для умножения и деления, треугольный (60) для минут, круглый (36) для секунд."},
    {Scale::S3, "°", "Синусы углов, в градусах. Когда треугольный индекс шкалы 4 стоит над числом шкалы 5, под углом этой шкалы на шкале 5 читается число, умноженное на синус угла. Над делением подписан угол, дополняющий его до 180°."},
    {Scale::S4, "°", "Тангенсы углов, в градусах, так же против шкалы 5; треугольный индекс 45° и индекс R (радиус разворота) стоят на ней. Деление 1/6° - это 10 минут дуги."},
    {Scale::S5, "", "Радиусы разворота, расстояния и высоты (километры или метры): на ней читаются результаты расчётов со шкалами 3, 4 и 6."},
    {Scale::S6, "", "Скорость в сотнях километров в час (V:100) для радиуса разворота; против шкалы 5 - квадраты и квадратные корни: над числом шкалы 6 на шкале 5 стоит его квадрат."},
    {Scale::S7, "°", "Сумма температур воздуха у земли и на высоте, t₀ + tн, в градусах Цельсия: против неё ставят ромбический индекс движка."},
    {Scale::S8, " км", "Исправленная высота в километрах: читается над высотой по прибору на шкале 9."},
    {Scale::S9, " км", "Высота по прибору в километрах, на движке против шкалы 8."},
    {Scale::S10, "°", "Температура воздуха на высотах более 12 000 м, в градусах Цельсия: её ставят против ромба 12 км на шкале 12."},
    {Scale::S11, "°", "Температура воздуха на высоте, в градусах Цельсия: её ставят против высоты по прибору на шкале 12 или 13."},
    {Scale::S12, " км", "Высота по прибору в километрах для расчёта истинной скорости; значения растут справа налево, 12 км в ромбе."},
    {Scale::S13, " км", "Высота по прибору в километрах для указателя КУС; значения растут справа налево."},
    {Scale::S14, " км/ч", "Исправленная (истинная) скорость в километрах в час и исправленная высота; малые числа над сотнями - высота выше 11 км."},
    {Scale::S15, " км/ч", "Скорость и высота по прибору, в километрах в час; малые числа под сотнями - высота."},
    {Scale::S16, " км/ч", "Истинная скорость в километрах в час над осью и под каждым делением поправка Δt к показанию термометра наружного воздуха, в градусах."},
};
// clang-format on

// A number as the rule prints it: a point, no trailing zeros; sixths as 1/6.
std::string Number(double v) {
    if (std::fabs(v - 1.0 / 6.0) < 1e-9) return "1/6";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

const char* StripName(int image) {
    switch (image) {
        case model::kTop1:
        case model::kTop2: return "верхняя полоса корпуса";
        case model::kSlide1:
        case model::kSlide2: return "движок";
        default: return "нижняя полоса корпуса";
    }
}

// The tour's words for the scale: "Шкала 2 - время...", without the closing dots.
std::string TourTitle(Scale s) {
    for (int i = 0; i < training::kStepNoteCount && i < kStepCount; ++i) {
        const StepNote& n = training::kStepNotes[i];
        if (n.act != Act::PointScale || n.mark.scale != s) continue;
        std::string text = kStepTable[i].pszText;
        while (!text.empty() && text.back() == '.') text.pop_back();
        return text;
    }
    return "";
}

bool Uses(const StepNote& n, Scale s) {
    if (n.act == Act::Text || n.act == Act::ShowSide) return false;
    const bool other = n.act == Act::Bring || n.act == Act::CursorBring || n.act == Act::Read ||
                       n.act == Act::CursorRead;
    return n.mark.scale == s || (other && n.other.scale == s);
}

std::string Title(uint32_t key) {
    for (const LessonEntry* e = kLessonList; e->key; ++e)
        if (e->key == key) return e->pszText[0] == ' ' ? e->pszText + 1 : e->pszText;
    return "";
}

// The titles of the lessons in the chooser's order whose key is in keys.
std::string Titles(const std::set<uint32_t>& keys) {
    std::string list;
    for (const LessonEntry* e = kLessonList; e->key; ++e)
        if (keys.count(e->key)) list += (list.empty() ? "" : "; ") + Title(e->key);
    return list.empty() ? "нет" : list;
}

std::set<uint32_t> LessonsUsing(Scale s) {
    std::set<uint32_t> keys;
    for (int i = 0; i < training::kStepNoteCount; ++i)
        if (Uses(training::kStepNotes[i], s)) keys.insert(training::kStepNotes[i].key);
    return keys;
}

// The task kinds whose solutions use the scale, over enough draws to meet every variant.
std::set<uint32_t> TasksUsing(Scale s) {
    constexpr uint32_t kDraws = 8;
    std::set<uint32_t> keys;
    for (const uint32_t* key = training::kTaskKeys; *key; ++key)
        for (uint32_t seed = 1; seed <= kDraws && !keys.count(*key); ++seed) {
            const training::Task task = training::DrawTask(*key, seed);
            if (task.readOn == s) keys.insert(*key);
            for (const StepNote& n : training::SolutionOf(task).notes)
                if (Uses(n, s)) keys.insert(*key);
        }
    return keys;
}

std::string Graduation(const model::ScaleGraduation& g, const char* unit) {
    std::string text;
    for (int i = 0; i < g.count; ++i) {
        const model::GraduationStretch& r = g.stretches[i];
        text += i ? "; " : "";
        if (r.step > 0)
            text +=
                "от " + Number(r.from) + " до " + Number(r.to) + " через " + Number(r.step) + unit;
        else
            text += "конечная отметка " + Number(r.from) + unit;
    }
    return text;
}

// The strip's rows that show the scale with its numerals and captions: its band and the
// rows on its numerals' side (both sides of a free axis, whose second row of small numerals
// hangs below it).
constexpr int kNumeralRows = 18, kCaptionRows = 22;  // a hanging scale's caption runs lower
constexpr int kAxisAbove = 12, kAxisBelow = 20;
constexpr int kPictureMargin = 14;  // columns beyond the end marks, for their numerals

CRect PictureOf(const ScaleBand& b) {
    const int height = model::StripHeight(b.image);
    int top = 0, bottom = height;
    switch (b.band) {
        case Band::Hanging: bottom = b.labelBottom + kCaptionRows; break;
        case Band::Standing: top = b.labelTop - kNumeralRows; break;
        case Band::FreeAxis:
            top = b.labelTop - kAxisAbove;
            bottom = b.labelBottom + kAxisBelow;
            break;
    }
    const int left = b.firstColumn - kPictureMargin, right = b.lastColumn + kPictureMargin + 1;
    return CRect{left < 0 ? 0 : left, top < 0 ? 0 : top,
                 right > model::kStripWidth ? model::kStripWidth : right,
                 bottom > height ? height : bottom};
}

ScaleHelpPage Build(const ScaleWords& w) {
    ScaleHelpPage page;
    page.scale = w.scale;
    page.title = TourTitle(w.scale);
    const ScaleBand& band = model::BandOf(w.scale);
    page.side = model::SideOf(w.scale);
    page.image = band.image;
    page.picture = PictureOf(band);

    const model::ScaleGraduation& g = model::GraduationOf(w.scale);
    const double low = g.stretches[0].from;
    const model::GraduationStretch& last = g.stretches[g.count - 1];
    const double high = last.step > 0 ? last.to : last.from;
    const bool leftward = model::Column(w.scale, high) < model::Column(w.scale, low);

    page.text = w.measures;
    page.text += "\nГде: сторона " + std::to_string(page.side + 1) + ", " + StripName(band.image) +
                 ", столбцы " + std::to_string(band.firstColumn) + " - " +
                 std::to_string(band.lastColumn) + (leftward ? ", справа налево." : ".");
    page.text += "\nДиапазон: от " + Number(low) + " до " + Number(high) + w.unit + ".";
    page.text += "\nДеления: " + Graduation(g, w.unit) + ".";
    page.text += "\nУроки: " + Titles(LessonsUsing(w.scale)) + ".";
    page.text += "\nЗадачи: " + Titles(TasksUsing(w.scale)) + ".";
    return page;
}

}  // namespace

const ScaleHelpPage& ScaleHelp(int index) {
    // Built once, at the first look: the task kinds are drawn to see which scales they use.
    static const std::vector<ScaleHelpPage> pages = [] {
        std::vector<ScaleHelpPage> all;
        for (const ScaleWords& w : kWords) all.push_back(Build(w));
        return all;
    }();
    return pages[index < 0 ? 0 : index >= kScaleHelpCount ? kScaleHelpCount - 1 : index];
}

}  // namespace training
