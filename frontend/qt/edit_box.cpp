#include "frontend/qt/edit_box.h"

#include <QString>

std::string CQtEditBox::GetText() const { return m_widget ? m_widget->text().toStdString() : std::string(); }

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
