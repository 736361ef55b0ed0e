#include "frontend/qt/task_panel.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

QString Text(const std::string& s) { return QString::fromUtf8(s.data(), int(s.size())); }

// A label that breaks its lines and can be selected and read as text.
QLabel* TextLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

void CAnswerLineEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            if (m_windowKey(*event)) {
                event->accept();
                return;
            }
            break;
        default: break;
    }
    QLineEdit::keyPressEvent(event);
}

void CAnswerLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    m_focus(true);
}

void CAnswerLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window or a menu takes the keys for a while; they come back to the field.
    const Qt::FocusReason r = event->reason();
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) m_focus(false);
}

CTaskPanel::CTaskPanel(QWidget* parent, Sink sink) : QFrame(parent), m_sink(std::move(sink)) {
    setObjectName(QStringLiteral("TaskPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(245, 241, 239));  // the training's panel colour
    setPalette(colours);

    m_title = TextLabel(this, "TaskTitle");
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_problem = TextLabel(this, "TaskProblem");
    m_field = new CAnswerLineEdit(
        this, [this](const QKeyEvent& key) { return m_sink.key(key); },
        [this](bool on) { m_sink.focus(on); });
    m_field->setObjectName(QStringLiteral("AnswerField"));
    m_field->setAccessibleName(QStringLiteral("Ответ"));
    m_field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_sink.edit(text.toStdString()); });
    m_verdict = TextLabel(this, "TaskVerdict");
    m_count = TextLabel(this, "TaskCount");

    auto* column = new QBoxLayout(QBoxLayout::TopToBottom, this);
    column->addWidget(m_title);
    column->addWidget(m_problem);
    column->addWidget(m_field);
    column->addWidget(m_verdict);
    column->addWidget(m_count);
    m_row = new QBoxLayout(QBoxLayout::TopToBottom);
    for (int i = 0; i < kMaxButtons; ++i) {
        auto* b = new QPushButton(this);
        // A click leaves the keys where they were: typing goes on in the field.
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (i < int(m_panel.buttons.size()))
                m_sink.command(m_panel.buttons[std::size_t(i)].command,
                               m_field->text().toStdString());
        });
        m_row->addWidget(b);
        m_buttons[i] = b;
    }
    column->addLayout(m_row);
    column->addStretch(1);
    Show(CPanel{});
}

void CTaskPanel::Show(const CPanel& panel) {
    m_panel = panel;
    m_title->setText(Text(panel.title));
    m_problem->setText(Text(panel.problem));
    m_field->setVisible(panel.field);
    if (m_field->text() != Text(panel.answer)) m_field->setText(Text(panel.answer));
    m_verdict->setText(Text(panel.verdict));
    m_count->setText(Text(panel.count));
    for (int i = 0; i < kMaxButtons; ++i) {
        const bool there = i < int(panel.buttons.size());
        m_buttons[i]->setVisible(there);
        if (!there) continue;
        m_buttons[i]->setText(Text(panel.buttons[std::size_t(i)].caption));
        m_buttons[i]->setEnabled(panel.buttons[std::size_t(i)].enabled);
    }
    setAccessibleName(Text(panel.title));
}

void CTaskPanel::SetFactor(int factor, bool beside) {
    // Text of about the rule's own lettering at this factor, never below a desktop's usual.
    QFont f = font();
    f.setPixelSize(std::max(12, 9 * factor));
    setFont(f);
    QFont bold = f;
    bold.setBold(true);
    m_title->setFont(bold);
    // Beside the rule the buttons stand one under another, each its whole caption wide; below
    // it, where the panel is as wide as the rule, in a row.
    m_row->setDirection(beside ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    if (beside) {
        setFixedWidth(kWidthPerFactor * factor);
        setMinimumHeight(0);
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
}
