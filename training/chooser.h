// The lesson chooser's picture and its hit test, and the rounded button and the two colours
// that the step box shares with it.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/surface.h"
#include "resources/keys.h"

class IListBox;
namespace training {
class CProgress;
}

constexpr Colour kPanelColour = Rgb(245, 241, 239);  // light grey
constexpr Colour kLineColour = Rgb(0, 128, 255);     // azure
constexpr int kCaptionFontHeight = 16;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 30;

// The list box of the chooser; its control id is IDC_LESSON_LIST, which IDOK shares.
constexpr CRect kLessonListRect = {15, 30, 225, 200};

// A button 30 high and width wide (80 unless said) with corners of radius 10 at (x, y),
// filled with the panel colour and edged in the line colour. The caller selects a one-pixel
// pen in the line colour and a brush in the panel colour.
void DrawRoundButton(CSurface& dc, int x, int y, int width = kButtonWidth);

// A box filled with the panel colour and outlined with the selected pen; its right column and
// bottom row belong to it.
void DrawPanelBox(CSurface& dc, const CRect& box);

// The panel, its outline and the two buttons "Отменить" and the start button with captions:
// "Выполнить" for the lessons, "Начать" for the tasks.
void DrawChooser(CSurface& dc, const char* start = "Выполнить");

// Inserts every lesson at its position with its key as item data and, given what is kept,
// its mark (finished, begun); selects the lesson last chosen, else the first.
void FillLessonList(IListBox& list, const training::CProgress* progress = nullptr);

// The same for the lessons that have a task kind, titled as the lessons are, each marked with
// its count of first answers right ("5 из 7").
void FillTaskList(IListBox& list, const training::CProgress* progress = nullptr);

// The chooser's buttons, their outlines included: "Отменить" (0) and the start button (1).
CRect ChooserButtonRect(int button);

// 0 for "Отменить", the selected lesson's key for "Выполнить", -1 elsewhere or when the list
// has no selection (or does not exist yet). Bounds are strict on all four sides.
int32_t HitTestChooser(const IListBox* list, int x, int y);

// The key of the lesson the list has selected; -1 with no selection or no list.
int32_t SelectedLessonKey(const IListBox* list);

// Where a key moves the list's selection: Up, Down, PageUp, PageDown (by page titles, the
// number the list shows, less one), Home, End; within 0 .. count - 1, from the top when
// nothing is selected. -1 for a key that does not move it.
int ChooserKeySelection(KeyCode key, int sel, int count, int page);
