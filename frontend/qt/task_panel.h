// The panel beside the client area on Qt: real labels, a line edit and push buttons, shown as
// the logic describes them (CPanel), so that a screen reader reads them and nothing of the
// rule lies under them. What the user does in it goes back to the window through its sink.
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <functional>
#include <string>

#include "platform/host.h"

class QBoxLayout;
class QLabel;
class QPushButton;

// The answer field: Return, Enter and Escape are the window's keys (check, close); every other
// key is the field's. It tells the window when it takes the keys and when the user gives
// them elsewhere.
class CAnswerLineEdit : public QLineEdit {
  public:
    CAnswerLineEdit(QWidget* parent, std::function<bool(const QKeyEvent&)> windowKey,
                    std::function<void(bool)> focus)
        : QLineEdit(parent), m_windowKey(std::move(windowKey)), m_focus(std::move(focus)) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    std::function<bool(const QKeyEvent&)> m_windowKey;
    std::function<void(bool)> m_focus;
};

class CTaskPanel : public QFrame {
  public:
    struct Sink {
        std::function<void(PanelCommand, const std::string&)> command;  // a button pressed
        std::function<void(const std::string&)> edit;                   // the field's new text
        std::function<void(bool)> focus;                                // the field has the keys
        std::function<bool(const QKeyEvent&)> key;  // Return, Enter or Escape in the field
    };
    static constexpr int kMaxButtons = 3;

    CTaskPanel(QWidget* parent, Sink sink);

    // Shows the panel as described; the field's text only where it differs, so that typing
    // keeps its place.
    void Show(const CPanel& panel);
    // The text size and width for a client area of this factor; beside it the panel is
    // kWidthPerFactor logical pixels a factor wide, below it as wide as the client area.
    static constexpr int kWidthPerFactor = 128;
    void SetFactor(int factor, bool beside);

    const CPanel& Shown() const { return m_panel; }
    QLineEdit* Field() const { return m_field; }
    QLabel* Problem() const { return m_problem; }
    QLabel* Verdict() const { return m_verdict; }
    QLabel* Count() const { return m_count; }
    QPushButton* Button(int index) const { return m_buttons[index]; }

  private:
    Sink m_sink;
    CPanel m_panel;
    QLabel* m_title;
    QLabel* m_problem;
    CAnswerLineEdit* m_field;
    QLabel* m_verdict;
    QLabel* m_count;
    QPushButton* m_buttons[kMaxButtons];
    QBoxLayout* m_row;  // the buttons
};
