#include "training/setting_spread.h"

#include <cstdlib>
#include <vector>

#include "model/scale_geometry.h"

namespace training {

namespace {

// An error as a sum of the settings' own errors: coefficient i belongs to setting i.
struct Error {
    std::vector<int> c;
    Error& operator+=(const Error& e) {
        if (c.size() < e.c.size()) c.resize(e.c.size());
        for (std::size_t i = 0; i < e.c.size(); ++i) c[i] += e.c[i];
        return *this;
    }
    Error operator-() const {
        Error e = *this;
        for (int& x : e.c) x = -x;
        return e;
    }
};

class Settings {
  public:
    // A setting of its own: one new error of one column.
    Error Fresh() {
        Error e;
        e.c.assign(++m_count, 0);
        e.c.back() = 1;
        return e;
    }
    // The error of where a mark stands against the body: a slide mark moves with the slide.
    Error Body(const Mark& m) const { return model::OnSlide(m.scale) ? -slide : Error{}; }
    // The hairline set on a mark.
    void Cursor(const Mark& m) {
        hairline = Body(m);
        hairline += Fresh();
    }
    // The slide moved so that slide mark `m` stands at a body column off by `at`.
    void Slide(const Error& at) {
        slide = -at;
        slide += Fresh();
    }
    // The error of the column a result is read at on its own strip.
    Error Read(const Mark& result, Error body) const {
        if (model::OnSlide(result.scale)) body += slide;
        return body;
    }

    Error slide, hairline;

  private:
    int m_count = 0;
};

}  // namespace

int SettingSpread(const StepNote* notes, int count) {
    Settings s;
    Error read;
    for (int i = 0; i < count; ++i) {
        const StepNote& n = notes[i];
        switch (n.act) {
            case Act::FindCursor: s.Cursor(n.mark); break;
            case Act::Bring: s.Slide(s.Body(n.other)); break;
            case Act::BringUnder: s.Slide(s.hairline); break;
            case Act::CursorBring:
                s.Cursor(n.other);
                s.Slide(s.hairline);
                break;
            case Act::Read: read = s.Read(n.mark, s.Body(n.other)); break;
            case Act::ReadUnder: read = s.Read(n.mark, s.hairline); break;
            case Act::CursorRead:
                s.Cursor(n.other);
                read = s.Read(n.mark, s.hairline);
                break;
            default: break;
        }
    }
    int spread = 0;
    for (int x : read.c) spread += std::abs(x);
    return spread;
}

}  // namespace training
