#include "platform/headless/headless_host.h"

#include <algorithm>

int CHeadlessListBox::InsertString(int position, const char* text) {
    if (position < 0 || position > Count()) position = Count();
    m_items.insert(m_items.begin() + position, {text, 0});
    m_marks.insert(m_marks.begin() + position, "");
    if (m_nSel >= position) ++m_nSel;
    return position;
}

void CHeadlessListBox::SetItemData(int index, int32_t data) {
    if (index >= 0 && index < Count()) m_items[index].second = data;
}

void CHeadlessListBox::SetItemMark(int index, const char* mark) {
    if (index >= 0 && index < Count()) m_marks[index] = mark;
}

void CHeadlessListBox::SetCurSel(int index) { m_nSel = index >= 0 && index < Count() ? index : -1; }

int32_t CHeadlessListBox::GetItemData(int index) const {
    return index >= 0 && index < Count() ? m_items[index].second : -1;
}

void CHeadlessHost::Invalidate() {
    ++m_nRepaints;
    m_bInvalid = true;
}

void CHeadlessHost::SetTimer(int id, int periodMs) { m_timers[id] = {m_nNow + periodMs, periodMs}; }

void CHeadlessHost::MessageBox(const char* caption, const char* text) {
    std::string entry = caption;
    for (const char* p = text;; ++p) {
        if (p == text || p[-1] == '\n') entry += " | ";
        if (!*p) break;
        if (*p != '\n') entry += *p;
    }
    m_messages.push_back(entry);
}

void CHeadlessHost::AskYesNo(const char* caption, const char* text, int yesCommand) {
    MessageBox(caption, text);
    m_messages.back() += " | Да Нет";
    m_nQuestion = yesCommand;
}

IListBox* CHeadlessHost::CreateListBox(const CRect& rect, int /*controlId*/) {
    m_list = std::make_unique<CHeadlessListBox>();
    m_list->SetPageItems(std::max(1, rect.Height() / kListItemHeight));
    m_rcList = rect;
    return m_list.get();
}

bool CHeadlessHost::NextTick(int64_t until, int& id) {
    auto next = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it)
        if (it->second.due <= until &&
            (next == m_timers.end() || it->second.due < next->second.due))
            next = it;
    if (next == m_timers.end()) return false;
    m_nNow = next->second.due;
    next->second.due += next->second.period;
    id = next->first;
    return true;
}

int64_t CHeadlessHost::RepeatTicks(int id, int64_t until, int64_t repaints) {
    const auto it = m_timers.find(id);
    if (it == m_timers.end() || it->second.period <= 0 || it->second.due > until) return 0;
    Timer& t = it->second;
    const int64_t ticks = (until - t.due) / t.period + 1;
    m_nNow = t.due + (ticks - 1) * t.period;
    t.due += ticks * t.period;
    m_nRepaints += ticks * repaints;
    if (repaints > 0) m_bInvalid = true;
    return ticks;
}

bool CHeadlessHost::TakeInvalid() {
    const bool invalid = m_bInvalid;
    m_bInvalid = false;
    return invalid;
}
