// The answer field of a task as a real line edit, a child of the client view like the lesson
// list. It is laid out in client coordinates and follows the view's scale.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "platform/host.h"

// A line edit that hands Return, Enter and Escape to the window's keys (check, close) and
// keeps every other key for its text.
class CAnswerLineEdit : public QLineEdit {
  public:
    CAnswerLineEdit(QWidget* parent, std::function<bool(const QKeyEvent&)> windowKey)
        : QLineEdit(parent), m_windowKey(std::move(windowKey)) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<bool(const QKeyEvent&)> m_windowKey;
};

class CQtEditBox : public IEditBox {
  public:
    // place maps a client rectangle onto the view.
    CQtEditBox(QLineEdit* widget, std::function<void(QLineEdit&, const CRect&)> place)
        : m_widget(widget), m_place(std::move(place)) {}

    std::string GetText() const override;
    void SetText(const char* text) override;
    void Move(const CRect& rect) override;
    void SetFocus() override;
    bool HasFocus() const override;
    void KillFocus() override;

    QLineEdit* Widget() const { return m_widget; }
    const CRect& Rect() const { return m_rect; }

  private:
    QPointer<QLineEdit> m_widget;  // the view's child; null once Qt has deleted it
    std::function<void(QLineEdit&, const CRect&)> m_place;
    CRect m_rect;
};
