#include "frontend/web/web_host.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(void, skalor_page_request_frame, (), { SkalorPage.requestFrame(); });
EM_JS(void, skalor_page_capture, (int on), { SkalorPage.capture(on); });
EM_JS(void, skalor_page_set_timer, (int id, int period), { SkalorPage.setTimer(id, period); });
EM_JS(void, skalor_page_kill_timer, (int id), { SkalorPage.killTimer(id); });
EM_JS(void, skalor_page_close, (), { SkalorPage.close(); });
EM_JS(void, skalor_page_message_box, (const char* caption, const char* text), {
    SkalorPage.messageBox(UTF8ToString(caption), UTF8ToString(text));
});
EM_JS(void, skalor_page_list_create, (int left, int top, int right, int bottom), {
    SkalorPage.listCreate([left, top, right, bottom]);
});
EM_JS(void, skalor_page_list_insert, (int position, const char* text), {
    SkalorPage.listInsert(position, UTF8ToString(text));
});
EM_JS(void, skalor_page_list_mark, (int index, const char* mark), {
    SkalorPage.listMark(index, UTF8ToString(mark));
});
EM_JS(void, skalor_page_show_progress, (), { SkalorPage.showProgress(); });
EM_JS(void, skalor_page_list_select, (int index), { SkalorPage.listSelect(index); });
EM_JS(void, skalor_page_list_destroy, (), { SkalorPage.listDestroy(); });
EM_JS(void, skalor_page_panel, (), { SkalorPage.panelChanged(); });
EM_JS(void, skalor_page_show_help, (), { SkalorPage.showHelp(); });
EM_JS(void, skalor_page_ask, (const char* caption, const char* text, int id), {
    SkalorPage.askYesNo(UTF8ToString(caption), UTF8ToString(text), id);
});
EM_JS(void, skalor_page_test_dialog, (int sheets), { SkalorPage.openTest(sheets !== 0); });
EM_JS(void, skalor_page_test_result, (), { SkalorPage.showResult(); });
// clang-format on

int CWebListBox::InsertString(int position, const char* text) {
    position = CHeadlessListBox::InsertString(position, text);
    skalor_page_list_insert(position, text);
    return position;
}

void CWebListBox::SetCurSel(int index) {
    CHeadlessListBox::SetCurSel(index);
    skalor_page_list_select(GetCurSel());
}

void CWebListBox::SetItemMark(int index, const char* mark) {
    CHeadlessListBox::SetItemMark(index, mark);
    skalor_page_list_mark(index, mark);
}

void CWebHost::ShowProgress() { skalor_page_show_progress(); }

void CWebHost::Invalidate() {
    if (m_bInvalid) return;
    m_bInvalid = true;
    skalor_page_request_frame();
}

void CWebHost::SetCapture() {
    m_bCapture = true;
    skalor_page_capture(1);
}

void CWebHost::ReleaseCapture() {
    m_bCapture = false;
    skalor_page_capture(0);
}

bool CWebHost::LoseCapture() {
    const bool had = m_bCapture;
    m_bCapture = false;
    return had;
}

void CWebHost::SetTimer(int id, int periodMs) { skalor_page_set_timer(id, periodMs); }
void CWebHost::KillTimer(int id) { skalor_page_kill_timer(id); }
void CWebHost::PostClose() { skalor_page_close(); }

void CWebHost::MessageBox(const char* caption, const char* text) {
    skalor_page_message_box(caption, text);
}

void CWebHost::ShowScaleHelp() { skalor_page_show_help(); }

int64_t CWebHost::NowMs() const { return int64_t(emscripten_get_now()); }

void CWebHost::AskYesNo(const char* caption, const char* text, int yesCommand) {
    skalor_page_ask(caption, text, yesCommand);
}

void CWebHost::OpenTestDialog() { skalor_page_test_dialog(0); }
void CWebHost::ShowTestResult() { skalor_page_test_result(); }
void CWebHost::OpenSheetsDialog() { skalor_page_test_dialog(1); }

IListBox* CWebHost::CreateListBox(const CRect& rect, int /*controlId*/) {
    DestroyListBox();
    skalor_page_list_create(rect.left, rect.top, rect.right, rect.bottom);
    m_list = std::make_unique<CWebListBox>();
    return m_list.get();
}

void CWebHost::DestroyListBox() {
    if (!m_list) return;
    m_list.reset();
    skalor_page_list_destroy();
}

void CWebHost::ShowPanel(const CPanel& panel) {
    m_panel = panel;
    skalor_page_panel();
}
