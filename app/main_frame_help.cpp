// The help on the scales: the command that opens it, and its press on a scale's name.
#include <algorithm>

#include "app/main_frame.h"
#include "model/scale_bands.h"
#include "model/scale_geometry.h"
#include "platform/layout.h"
#include "training/lesson_annotations.h"

namespace {

constexpr int kWindowColumns = kClientWidth - 2 * kRuleWindowX;  // strip columns in view
constexpr int kNumeralMargin = 14;  // columns before the first mark, for its numeral

}  // namespace

void CMainFrame::OnHelpScales() { m_host.ShowScaleHelp(); }

bool CMainFrame::ShowScale(model::Scale scale) {
    EndKeyGesture();
    if (Blocked() || StylusBusy()) return false;
    if (model::SideOf(scale) == 0)
        OnSide1();
    else
        OnSide2();
    // Slide column c stands over body column c - m_nSlide.
    const model::ScaleBand& band = model::BandOf(scale);
    const int shift = model::OnSlide(scale) ? m_rule.m_nSlide : 0;
    const int first = band.firstColumn - shift, last = band.lastColumn - shift;
    int scroll = first - kNumeralMargin;
    if (last - first + 2 * kNumeralMargin <= kWindowColumns)
        scroll = (first + last + 1) / 2 - kWindowColumns / 2;
    scroll = std::clamp(scroll, kScrollMin, kScrollMax);
    if (scroll != m_rule.m_nScroll) {
        m_rule.m_nScroll = scroll;
        m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
    }
    m_host.Invalidate();
    return true;
}
