// The lesson list as a real list widget: single selection, items kept in the order they are
// inserted, a 32-bit value with each item.
#pragma once

#include <QListWidget>
#include <QPointer>

#include "platform/host.h"

class CQtListBox : public IListBox {
  public:
    explicit CQtListBox(QListWidget* widget) : m_widget(widget) {}

    int InsertString(int position, const char* text) override;
    void SetItemData(int index, int32_t data) override;
    void SetCurSel(int index) override;
    int GetCurSel() const override;
    int32_t GetItemData(int index) const override;
    int GetCount() const override;
    int GetPageItems() const override;
    void SetItemMark(int index, const char* mark) override;

    QListWidget* Widget() const { return m_widget; }

  private:
    QPointer<QListWidget> m_widget;  // the window's child; null once Qt has deleted it
};

// A list widget set up the way the lesson list wants it: nothing to edit, drag or activate,
// so a click or a double click does no more than select.
QListWidget* MakeLessonListWidget(QWidget* parent);

// The list's font and rows at `factor` logical pixels a client pixel: the text font of the
// step boxes (height 14, 12 pixels to the em) and rows of 16 client pixels, factor times over,
// so that the list scales with the frame under it instead of keeping the desktop's size.
constexpr int kLessonListFontPixels = 12;
constexpr int kLessonListRowHeight = 16;
void ScaleLessonList(QListWidget& list, int factor);
