// The help on the scales: a window beside the program's, with the list of the scales and the
// page of the one chosen: its name (a press on it shows the scale on the rule), its picture
// cut from the strip, and its text.
#pragma once

#include <QWidget>
#include <functional>

#include "model/position_rules.h"

class QLabel;
class QListWidget;
class QScrollArea;

class CHelpWindow : public QWidget {
  public:
    // showScale: the press on a scale's name. factor: device pixels a strip pixel, for the
    // pictures.
    CHelpWindow(QWidget* parent, std::function<void(model::Scale)> showScale, int factor);

    void ShowPage(int index);  // 0 to training::kScaleHelpCount - 1
    int Page() const;
    QListWidget& List() { return *m_list; }
    QLabel& Title() { return *m_title; }
    QLabel& Picture() { return *m_picture; }
    QLabel& Text() { return *m_text; }

  private:
    std::function<void(model::Scale)> m_showScale;
    int m_nFactor;
    QListWidget* m_list;
    QLabel* m_title;
    QScrollArea* m_strip;
    QLabel* m_picture;
    QLabel* m_text;
};
