// Lettering where it belongs and legible: the captions and the framed formula on their stated
// columns and rows, and every numeral of every scale set apart from its neighbours, clear of
// boxes, marks and ticks, and standing under its own tick. The places are read from the
// decoded images; the numerals' list only says which ink to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/artwork/support.h"
#include "view/artwork/numerals.h"

namespace artwork_test {
namespace {

using artwork::InkBox;
using artwork::PlacedNumeral;
using S = Scale;

constexpr int kStrips[] = {133, 134, 135, 136, 137, 138};
constexpr int kMinBlankColumns = 3;  // between numerals of one row
constexpr int kMinBlankRows = 2;     // between numerals of two rows that share columns

bool White(const Bitmap& b, int x, int y) { return b.At(x, y) == kWhite; }
InkBox Outer(const PlacedNumeral& n) { return n.frame.right >= n.frame.left ? n.frame : n.ink; }
int BlankBetween(int lo0, int hi0, int lo1, int hi1) { return std::max(lo1 - hi0, lo0 - hi1) - 1; }

// Non-white pixels on the one-pixel ring round the rectangle.
int InkOnRing(const Bitmap& b, int left, int top, int right, int bottom) {
    int n = 0;
    for (int x = left; x <= right; ++x) n += !White(b, x, top) + !White(b, x, bottom);
    for (int y = top + 1; y < bottom; ++y) n += !White(b, left, y) + !White(b, right, y);
    return n;
}

struct Exception {
    Scale scale;
    double value;
    const char* why;
};

// Numerals that may touch other ink, each for the reason the layout of its scale gives. The 45°
// triangle and the R ring stand in place of numerals and touch none, so they need no entry.
// clang-format off
const Exception kTouching[] = {
    {S::S2, 10, "the rectangular index 10: its frame hangs from the tick it marks"},
    {S::S2, 100, "the rectangular index 100: its frame hangs from the tick it marks"},
};
// clang-format on

// Numerals that stand aside from their tick rather than under it.
// clang-format off
const Exception kAside[] = {
    {S::S13, 11, "scale 13 is 45 columns long: its first numeral stands left of its tick"},
};
// clang-format on

template <std::size_t N>
const Exception* Find(const Exception (&list)[N], const PlacedNumeral& n) {
    for (const Exception& e : list)
        if (e.scale == n.scale && e.value == n.value) return &e;
    return nullptr;
}

std::string Name(const PlacedNumeral& n) {
    return "scale " + std::string(BandFor(n.scale).name) + " \"" + n.text + "\"";
}

// Lettering and a framed formula on the columns and rows their strips give them, found as the
// box round all ink in a window that holds nothing else. -1: not stated.
struct Place {
    const char* what;
    int image, x0, x1, y0, y1;     // the window
    int left, right, top, bottom;  // the stated box
    bool centred;                  // centred on left..right rather than filling it
};

// clang-format off
const Place kPlaces[] = {
    // The caption over scale 14 starts on row 48: the frame ends one row short of 47 to stay
    // clear of it, as the spaced capitals above (down to row 27) are cleared by rows 28-30.
    {"frame of ΔH = 900 + 20(t₀ + tн)", 137, 1135, 1270, 28, 47, 1142, 1262, 31, 46, false},
    // Starts three blank columns right of the 12-km diamond (74-94) rather than at 75, where
    // it would cross the diamond on the same rows.
    {"высоты по прибору (км)", 136, 95, 245, 21, 34, 98, 242, -1, -1, false},
    {"ВРЕМЯ (в мин. или сек.)", 134, 40, 230, 23, 34, 60, 195, -1, -1, false},
    {"ВРЕМЯ (в час. или мин.)", 134, 1000, 1240, 23, 34, 1050, 1195, -1, -1, false},
    {"УГЛЫ", 135, 470, 547, 1, 11, 480, 545, -1, -1, true},
    {"РАЗВОРОТА", 135, 470, 545, 12, 23, 480, 545, -1, -1, true},
};
// clang-format on

TEST(Lettering, StandsOnItsStatedColumnsAndRows) {
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.what);
        const Box box =
            BoundsOf(ImageOf(p.image), p.x0, p.x1, p.y0, p.y1, {kBlack, kMaroon, kGrey, kSilver});
        ASSERT_FALSE(box.Empty());
        if (p.centred) {
            EXPECT_NEAR(box.CentreX(), (p.left + p.right) / 2.0, 1.0);
        } else {
            EXPECT_NEAR(box.left, p.left, 1);
            EXPECT_NEAR(box.right, p.right, 1);
        }
        if (p.top >= 0) {
            EXPECT_EQ(box.top, p.top);
            EXPECT_EQ(box.bottom, p.bottom);
        }
    }
}

// Each numeral's ink is where the list says (ink on all four edges of its box), and nothing
// else meets it: the ring round it (round its frame, if it has one) is white, and so is the
// ring between a framed numeral and its frame.
TEST(Legibility, EveryNumeralStandsClearOfOtherInk) {
    for (int image : kStrips) {
        const Bitmap& b = ImageOf(image);
        for (const PlacedNumeral& n : artwork::PlaceNumerals(image)) {
            SCOPED_TRACE(Name(n));
            const InkBox& i = n.ink;
            EXPECT_GT(
                CountOf(b, i.left, i.left, i.top, i.bottom, {kBlack, kMaroon, kGrey, kSilver}), 0);
            EXPECT_GT(
                CountOf(b, i.right, i.right, i.top, i.bottom, {kBlack, kMaroon, kGrey, kSilver}),
                0);
            EXPECT_GT(CountOf(b, i.left, i.right, i.top, i.top, {kBlack, kMaroon, kGrey, kSilver}),
                      0);
            EXPECT_GT(
                CountOf(b, i.left, i.right, i.bottom, i.bottom, {kBlack, kMaroon, kGrey, kSilver}),
                0);
            const InkBox o = Outer(n);
            if (o.left != i.left) {
                EXPECT_EQ(InkOnRing(b, i.left - 1, i.top - 1, i.right + 1, i.bottom + 1), 0)
                    << "inside its frame";
            }
            const int touching = InkOnRing(b, o.left - 1, o.top - 1, o.right + 1, o.bottom + 1);
            if (const Exception* e = Find(kTouching, n)) {
                EXPECT_GT(touching, 0)
                    << "no longer touches: drop the exception (" << e->why << ")";
                continue;
            }
            EXPECT_EQ(touching, 0);
        }
    }
}

// Two numerals of one row have at least three blank columns between them; numerals of two
// rows that share columns at least two blank rows, unless they are the pair of one tick (an
// angle and its supplement, a speed and its height or correction).
TEST(Legibility, NumeralsOfOneRowStandThreeBlankColumnsApart) {
    for (int image : kStrips) {
        const std::vector<PlacedNumeral> all = artwork::PlaceNumerals(image);
        for (std::size_t p = 0; p < all.size(); ++p)
            for (std::size_t q = p + 1; q < all.size(); ++q) {
                const PlacedNumeral &a = all[p], &c = all[q];
                const InkBox oa = Outer(a), oc = Outer(c);
                const int columns = BlankBetween(oa.left, oa.right, oc.left, oc.right);
                const int rows = BlankBetween(oa.top, oa.bottom, oc.top, oc.bottom);
                const bool pair = a.scale == c.scale && a.value == c.value;
                if (pair || rows >= kMinBlankRows) continue;
                EXPECT_GE(columns, kMinBlankColumns)
                    << Name(a) << " and " << Name(c) << ", " << rows << " blank rows between";
            }
    }
}

// Every numeral stands under (or over) its tick: the digits, without a trailing degree sign,
// cover the tick's column and stay nearer to it than to the ticks either side. The ticks are
// read from the band's first tick row; the tick of a value is the one nearest its rule.
TEST(Legibility, EveryNumeralStandsOnItsOwnTick) {
    for (int image : kStrips) {
        const Bitmap& b = ImageOf(image);
        for (const PlacedNumeral& n : artwork::PlaceNumerals(image)) {
            SCOPED_TRACE(Name(n));
            const Band& band = BandFor(n.scale);
            const std::vector<int> ticks =
                InkColumns(b, TickRows(band).front(), band.first - 2, band.last + 2);
            const double rule = model::Column(n.scale, n.value);
            const auto nearest = std::min_element(ticks.begin(), ticks.end(), [&](int x, int y) {
                return std::abs(x - rule) < std::abs(y - rule);
            });
            ASSERT_NE(nearest, ticks.end());
            ASSERT_LE(std::abs(*nearest - rule), 1.5) << "no tick at the rule's column " << rule;
            // The digits: the columns with ink in the lower half of the numeral.
            const Box digits =
                BoundsOf(b, n.ink.left, n.ink.right, (n.ink.top + n.ink.bottom + 1) / 2,
                         n.ink.bottom, {kBlack, kMaroon, kGrey});
            if (const Exception* e = Find(kAside, n)) {
                EXPECT_LT(digits.right, *nearest)
                    << "no longer aside: drop the exception (" << e->why << ")";
                continue;
            }
            EXPECT_LE(digits.left, *nearest);
            EXPECT_GE(digits.right, *nearest);
            const double centre = digits.CentreX();
            if (nearest != ticks.begin()) {
                EXPECT_GT(centre, (*(nearest - 1) + *nearest) / 2.0);
            }
            if (nearest + 1 != ticks.end()) {
                EXPECT_LT(centre, (*nearest + *(nearest + 1)) / 2.0);
            }
        }
    }
}

}  // namespace
}  // namespace artwork_test
