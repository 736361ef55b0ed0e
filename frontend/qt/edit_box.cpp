#include "frontend/qt/edit_box.h"

#include <QKeyEvent>
#include <QString>

std::string CQtEditBox::GetText() const {
    return m_widget ? m_widget->text().toStdString() : std::string();
}

void CQtEditBox::SetText(const char* text) {
    if (m_widget) m_widget->setText(QString::fromUtf8(text));
}

void CQtEditBox::Move(const CRect& rect) {
    m_rect = rect;
    if (m_widget) m_place(*m_widget, rect);
}

void CQtEditBox::SetFocus() {
    if (m_widget) m_widget->setFocus(Qt::OtherFocusReason);
}

bool CQtEditBox::HasFocus() const { return m_widget && m_widget->hasFocus(); }

void CQtEditBox::KillFocus() {
    if (m_widget && m_widget->parentWidget())
        m_widget->parentWidget()->setFocus(Qt::OtherFocusReason);
}

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
