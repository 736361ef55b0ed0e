#include "training/lesson_placer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "model/mark_columns.h"
#include "model/rule_geometry.h"
#include "model/scale_geometry.h"

namespace training {

using model::kBorder45;
using model::OnSlide;
using model::PointerLine;

namespace {

// The window shows body columns scroll .. scroll + 235 at x 2 .. 237; pointers stay within
// x 23 .. 182, and a view is kept while its marks stand comfortably inside it.
constexpr int kMinX = 23, kMaxX = 182;
constexpr int kKeepMinX = 40, kKeepMaxX = 170;
constexpr int kCentreX = 105;
constexpr int kReturnMinX = 60, kReturnMaxX = 150;
constexpr int kMaxScroll = 1055;

struct RuleState {
    bool set = false;
    int scroll = 0, slide = 0, cursor = 0, side = 0;
};

// The column the artwork draws a mark on.
int MarkColumn(const Mark& m) {
    return m.index != Index::None ? model::IndexColumn(m.scale, m.value)
                                  : model::MarkColumn(m.scale, m.value);
}

// The body column that a mark stands over in the given slide position.
int BodyColumn(const Mark& m, int slide) {
    const int c = MarkColumn(m);
    return OnSlide(m.scale) ? c - slide : c;
}

bool Meets45(const Mark& a, const Mark& b) {
    return (a.scale == Scale::S5 && b.scale == Scale::S4) ||
           (a.scale == Scale::S4 && b.scale == Scale::S5);
}

class Placer {
  public:
    Placer(const StepNote* notes, int count, const LessonStep* table, const TextHeight& measure)
        : m_notes(notes), m_count(count), m_table(table), m_measure(measure) {
        for (int i = 0; i < count; ++i) m_index[{notes[i].key, notes[i].step}] = i;
        m_records.resize(count);
        m_done.assign(count, false);
    }

    Placement Run() {
        for (int i = 0; i < m_count; ++i)
            if (m_notes[i].step == 1) PlaceLesson(i);
        return Placement{m_records, m_errors};
    }

  private:
    void Error(const StepNote& n, const std::string& what) {
        std::ostringstream s;
        s << "lesson " << n.key << " step " << n.step << ": " << what;
        m_errors.push_back(s.str());
    }

    void PlaceLesson(int first) {
        if (m_done[first]) return;
        RuleState state;
        for (int i = first; i < m_count && m_notes[i].key == m_notes[first].key; ++i) {
            const StepNote& n = m_notes[i];
            if (n.sameKey != 0) {
                auto it = m_index.find({n.sameKey, n.sameStep});
                if (it == m_index.end()) {
                    Error(n, "shares a step that has no note");
                    continue;
                }
                PlaceLesson(FirstOf(it->second));
                LessonStep r = m_records[it->second];
                r.key = n.key;
                m_records[i] = r;
            } else {
                m_records[i] = PlaceStep(i, state);
            }
            const LessonStep& r = m_records[i];
            if (r.bState) state = RuleState{true, r.nScroll, r.nSlide, r.nCursor, r.nSide};
            m_done[i] = true;
        }
        m_done[first] = true;
    }

    int FirstOf(int i) const {
        while (m_notes[i].step != 1) --i;
        return i;
    }

    // Body column of the pointer of step i in the given position; sets the position's cursor
    // and slide as the step's action does.
    int Perform(const StepNote& n, RuleState& s) {
        switch (n.act) {
            case Act::Find: return BodyColumn(n.mark, s.slide);
            case Act::FindCursor: {
                const int h = BodyColumn(n.mark, s.slide);
                s.cursor = kHairlineHomeColumn - h;
                return h;
            }
            case Act::Bring: {
                const int c = BodyColumn(n.other, 0);
                s.slide = MarkColumn(n.mark) - c;
                return c;
            }
            case Act::BringUnder: {
                const int h = kHairlineHomeColumn - s.cursor;
                s.slide = MarkColumn(n.mark) - h;
                return h;
            }
            case Act::CursorBring: {
                const int h = BodyColumn(n.other, 0);
                s.cursor = kHairlineHomeColumn - h;
                s.slide = MarkColumn(n.mark) - h;
                return h;
            }
            case Act::Read: return BodyColumn(n.other, s.slide);
            case Act::ReadUnder: return kHairlineHomeColumn - s.cursor;
            case Act::CursorRead: {
                const int h = BodyColumn(n.other, 0);
                s.cursor = kHairlineHomeColumn - h;
                return h;
            }
            default: return 0;
        }
    }

    int PointerY(const StepNote& n) const {
        if (n.y != 0) return n.y;
        // Where a mark of scale 4 meets a value of scale 5 the ring sits on their border,
        // which keeps scale 4's numerals clear of the box above.
        if ((n.act == Act::Bring || n.act == Act::Read) && Meets45(n.mark, n.other) &&
            (n.act == Act::Bring || n.mark.scale == Scale::S5))
            return kBorder45;
        return PointerLine(n.mark.scale);
    }

    LessonStep PlaceStep(int i, RuleState& state) {
        const StepNote& n = m_notes[i];
        LessonStep r{};
        r.key = n.key;
        r.pszText = m_table[i].pszText;
        // The tour's pointers ring whole scales where the eye finds them best; they are
        // placed by hand.
        if (n.act == Act::ShowSide || n.act == Act::PointScale) return m_table[i];
        if (n.act == Act::Text) {
            r.rcBox = TextBox(n, r.pszText);
            return r;
        }
        if (!n.state) {
            if (!state.set) {
                Error(n, "a pointer without a state needs a state before it");
                return r;
            }
            RuleState s = state;
            const int c = Perform(n, s);
            r.bArrow = 1;
            r.ptArrow = CPoint{c - state.scroll + 2, PointerY(n)};
            CheckX(n, r.ptArrow.x);
            r.rcBox = PointerBox(n, r.ptArrow, r.pszText);
            return r;
        }

        RuleState s = state;
        if (!s.set) s = RuleState{true, 0, 0, 0, n.side};
        s.side = n.side;
        const int c = Perform(n, s);

        // The view shows this step's mark and those of the pointer-only steps after it.
        std::vector<int> columns{c};
        for (int j = i + 1; j < m_count && m_notes[j].key == n.key && !m_notes[j].state &&
                            m_notes[j].act != Act::Text;
             ++j) {
            RuleState t = s;
            columns.push_back(Perform(m_notes[j], t));
        }
        const int lo = *std::min_element(columns.begin(), columns.end());
        const int hi = *std::max_element(columns.begin(), columns.end());
        int scroll = n.scroll;
        if (scroll == kAuto) {
            // A lesson's first view centres its mark. Later the view stays while the marks
            // stand well inside it, and otherwise pans no further than it takes to bring
            // them in, so that what the last step showed mostly stays in sight.
            if (!state.set || hi - lo > kReturnMaxX - kReturnMinX) {
                scroll = (lo + hi) / 2 + 2 - kCentreX;
            } else if (lo - state.scroll + 2 < kKeepMinX) {
                scroll = lo + 2 - kReturnMinX;
            } else if (hi - state.scroll + 2 > kKeepMaxX) {
                scroll = hi + 2 - kReturnMaxX;
            } else {
                scroll = state.scroll;
            }
            scroll = std::max(0, std::min(kMaxScroll, scroll));
        }
        s.scroll = scroll;
        for (int col : columns) CheckX(n, col - scroll + 2);

        r.bArrow = 1;
        r.ptArrow = CPoint{c - scroll + 2, PointerY(n)};
        r.bState = 1;
        r.nScroll = s.scroll;
        r.nSlide = s.slide;
        r.nCursor = s.cursor;
        r.nSide = s.side;
        r.bClamp = 0;
        r.rcBox = PointerBox(n, r.ptArrow, r.pszText);
        return r;
    }

    void CheckX(const StepNote& n, int x) {
        if (x < kMinX || x > kMaxX)
            Error(n, "pointer at x " + std::to_string(x) + " outside the view");
    }

    // Height the box needs for its text above the button.
    int Needed(const char* text, int left, int right) const {
        return 10 + m_measure(text, right - left - 10) + kTextToButton + 40;
    }

    // A box without a pointer stands in the middle of the client area.
    CRect TextBox(const StepNote& n, const char* text) {
        const int left = 25, right = 215;
        const int height = std::max(110, Needed(text, left, right));
        int top = 134 - height / 2;
        top = std::max(20, std::min(100, top));
        const int bottom = top + height;
        if (bottom > 245) Error(n, "text too long for a box in the middle");
        return CRect{left, top, right, bottom};
    }

    // A box wholly below a pointer on the top strip or the upper slide, wholly above one
    // lower down, and no nearer to it than the gaps allow.
    CRect PointerBox(const StepNote& n, CPoint p, const char* text) {
        if (n.boxRight) {
            // Beside the pointer: from just right of the ring to the window's right margin,
            // centred on the pointer's line as far as the client area lets it.
            const int left = p.x + kGapRight, right = 235;
            const int height = std::max(75, Needed(text, left, right));
            const int top = std::max(10, std::min(265 - height, p.y - height / 2));
            if (left > 75) Error(n, "a pointer this far right leaves no room for a box beside it");
            return CRect{left, top, right, top + height};
        }
        static const int kWidths[][2] = {{20, 220}, {12, 228}, {8, 235}};
        const bool below = p.y <= 130;
        if (p.y > 130 && p.y < 139) Error(n, "pointer between the lines that place boxes");
        // A result read opposite a mark of the scale above it leaves that mark in sight
        // where the text leaves room for it.
        const int clear = n.act == Act::Read && !below ? ClearAbove(n.other) : 1000;
        for (int tight = 0; tight < 3; ++tight) {
            for (const auto& w : kWidths) {
                const int height = std::max(75, Needed(text, w[0], w[1]));
                if (below) {
                    const int top = p.y + (tight == 2 ? kMinGapBelow : kGapBelow);
                    if (top + height <= 265) return CRect{w[0], top, w[1], top + height};
                } else {
                    const int gap = p.y - (tight == 2 ? kMinGapAbove : kGapAbove);
                    const int bottom = tight == 0 ? std::min(gap, clear) : gap;
                    if (bottom - height >= 10) return CRect{w[0], bottom - height, w[1], bottom};
                }
            }
        }
        Error(n, "text too long for the room beside its pointer");
        return CRect{20, 10, 220, 265};
    }

    // The lowest client y above which a mark still shows whole: its label or numeral
    // stands over its tick on the standing bands of the lower slide.
    static int ClearAbove(const Mark& m) {
        switch (m.index) {
            case Index::AM:
            case Index::MM:
            case Index::Feet: return 146;       // labels over the dotted lines
            case Index::Hundred14: return 158;  // the numeral 100 and its 12
            case Index::Triangle4:
            case Index::R: return 168;
            default: break;
        }
        if (m.index == Index::None && (m.scale == Scale::S4 || m.scale == Scale::S14)) return 168;
        return 1000;
    }

    const StepNote* m_notes;
    int m_count;
    const LessonStep* m_table;
    const TextHeight& m_measure;
    std::map<std::pair<uint32_t, int>, int> m_index;
    std::vector<LessonStep> m_records;
    std::vector<bool> m_done;
    std::vector<std::string> m_errors;
};

}  // namespace

Placement PlaceAll(const StepNote* notes, int count, const LessonStep* table,
                   const TextHeight& measure) {
    return Placer(notes, count, table, measure).Run();
}

std::string RecordFields(const LessonStep& s) {
    std::ostringstream o;
    o << int(s.bArrow) << ", {" << s.ptArrow.x << ", " << s.ptArrow.y << "}, " << int(s.bState)
      << ", " << s.nScroll << ", " << s.nSlide << ", " << s.nCursor << ", " << s.nSide << ", "
      << s.bClamp << ", {" << s.rcBox.left << ", " << s.rcBox.top << ", " << s.rcBox.right << ", "
      << s.rcBox.bottom << "}, \"";
    // A no-break space is written as its escape, so that the source shows where it stands.
    for (const char* c = s.pszText ? s.pszText : ""; *c; ++c) {
        if (c[0] == '\xC2' && c[1] == '\xA0') {
            o << "\\u00A0";
            ++c;
        } else {
            o << *c;
        }
    }
    o << "\"";
    return o.str();
}

std::string RecordLine(const LessonStep& s) {
    return "    {" + std::to_string(s.key) + ", " + RecordFields(s) + "},";
}

}  // namespace training
