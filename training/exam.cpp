#include "training/exam.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace training {

namespace {

// clang-format off
const uint32_t kArithmetic[] = {2, 3, 4, 6, 8, 10, 12, 14, 0};
const uint32_t kSpeed[] = {16, 17, 18, 19, 20, 0};
const uint32_t kAltitude[] = {21, 23, 34, 0};
const uint32_t kWind[] = {24, 25, 26, 27, 0};
const uint32_t kCourses[] = {28, 29, 30, 32, 31, 33, 0};
const uint32_t kTurns[] = {35, 36, 0};
// clang-format on

bool Contains(const std::vector<uint32_t>& keys, uint32_t key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// A 32-bit integer hash (Wellons' lowbias32): unsigned arithmetic, so the same on every
// machine and in the page.
uint32_t Mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

// The numbers a variant draws with: the n-th is a hash of n keyed by the variant.
class VariantDraws {
  public:
    explicit VariantDraws(uint32_t variant) : m_key(Mix(variant ^ 0x5bd1e995u)) {}
    uint32_t Next() { return Mix(Mix(++m_count) ^ m_key); }
    uint32_t Below(uint32_t n) { return Next() % n; }

  private:
    uint32_t m_key;
    uint32_t m_count = 0;
};

bool Alike(const training::Task& a, const training::Task& b) {
    return a.key == b.key && a.variant == b.variant &&
           std::equal(a.numbers, a.numbers + a.count, b.numbers);
}

std::string Trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

const KindGroup kKindGroups[] = {
    {"arith", "Арифметика и тригонометрия", kArithmetic},
    {"speed", "Скорость, время и расстояние", kSpeed},
    {"altitude", "Высота и температура", kAltitude},
    {"wind", "Ветер", kWind},
    {"courses", "Курсы и пеленги", kCourses},
    {"turns", "Развороты", kTurns},
};
const int kKindGroupCount = int(sizeof kKindGroups / sizeof kKindGroups[0]);

bool ParseKinds(const std::string& list, std::vector<uint32_t>& keys, std::string& error) {
    std::vector<uint32_t> chosen;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string item = Trimmed(list.substr(start, comma - start));
        if (item.empty()) {
            error = "пустой элемент в списке задач «" + list + "»";
            return false;
        }
        bool known = false;
        for (int g = 0; g < kKindGroupCount; ++g)
            if (item == kKindGroups[g].name || item == "all") {
                for (const uint32_t* k = kKindGroups[g].keys; *k; ++k) chosen.push_back(*k);
                known = true;
            }
        if (!known && item.size() <= 2 &&
            item.find_first_not_of("0123456789") == std::string::npos) {
            const uint32_t key = uint32_t(std::stoul(item));
            if (!training::HasTaskKind(key)) {
                error = "у урока " + item + " нет задач";
                return false;
            }
            chosen.push_back(key);
            known = true;
        }
        if (!known) {
            error = "неизвестная группа задач «" + item + "»";
            return false;
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    keys.clear();
    for (const uint32_t* k = training::kTaskKeys; *k; ++k)
        if (Contains(chosen, *k)) keys.push_back(*k);
    return true;
}

std::string KindsText(const std::vector<uint32_t>& keys) {
    std::string text;
    bool all = true;
    for (int g = 0; g < kKindGroupCount; ++g) {
        std::vector<uint32_t> some;
        for (const uint32_t* k = kKindGroups[g].keys; *k; ++k)
            if (Contains(keys, *k)) some.push_back(*k);
        const bool whole = !kKindGroups[g].keys[some.size()];
        all = all && whole;
        if (whole) {
            text += std::string(",") + kKindGroups[g].name;
            continue;
        }
        for (const uint32_t key : some) text += "," + std::to_string(key);
    }
    return all ? "all" : text.substr(text.empty() ? 0 : 1);
}

Paper DrawPaper(uint32_t variant, const std::vector<uint32_t>& kinds, int count) {
    Paper paper;
    paper.variant = variant;
    for (const uint32_t* k = training::kTaskKeys; *k; ++k)
        if (Contains(kinds, *k)) paper.kinds.push_back(*k);
    if (paper.kinds.empty()) return paper;
    count = std::clamp(count, kMinTasks, kMaxTasks);

    VariantDraws draws(variant);
    // Rounds of every chosen kind in a shuffled order; a round does not begin with the kind
    // the last one ended with.
    std::vector<uint32_t> order;
    while (int(order.size()) < count) {
        std::vector<uint32_t> round = paper.kinds;
        for (std::size_t i = round.size(); i > 1; --i)
            std::swap(round[i - 1], round[draws.Below(uint32_t(i))]);
        if (!order.empty() && round.size() > 1 && round[0] == order.back())
            std::swap(round[0], round[1]);
        for (std::size_t i = 0; i < round.size() && int(order.size()) < count; ++i)
            order.push_back(round[i]);
    }
    for (const uint32_t key : order) {
        training::Task task;
        // A kind with few problems may draw one already set: it draws again.
        for (int attempt = 0; attempt < 64; ++attempt) {
            task = training::DrawTask(key, draws.Next());
            if (std::none_of(paper.tasks.begin(), paper.tasks.end(),
                             [&](const training::Task& t) { return Alike(t, task); }))
                break;
        }
        paper.tasks.push_back(std::move(task));
    }
    return paper;
}

uint32_t FreshVariant(uint64_t entropy) {
    const uint32_t mixed = Mix(uint32_t(entropy) ^ Mix(uint32_t(entropy >> 32)));
    return kMinVariant + mixed % (kMaxVariant - kMinVariant + 1);
}

AcceptedRange AcceptedRangeOf(const training::Task& task) {
    // The bounds are written on a grid finer than the accepted range, rounded inward, and
    // moved inward again where the check would refuse them, so that the range printed for a
    // key holds only answers the check takes.
    const double half = (task.high - task.low) / 2;
    const bool clock = task.form == training::AnswerForm::Minutes && half < 0.5;
    // An angle the rule gives in minutes of arc is bounded in them too, as its answer is written.
    const bool arc = task.form == training::AnswerForm::Degrees &&
                     training::InArcMinutes(task.readOn, task.reading);
    int decimals = 0;
    double grid = 60;  // steps a unit: seconds a minute on the clock, minutes a degree of arc
    if (!clock && !arc) {
        // A power of ten no coarser than a quarter of half the range: rounding inward keeps
        // three quarters of the range or more.
        decimals = half > 0 ? std::clamp(int(std::ceil(-std::log10(half / 4) - 1e-9)), 0, 6) : 3;
        grid = std::pow(10.0, decimals);
    }
    const auto text = [&](long long n) {
        char s[48];
        if (arc) return training::AngleText(double(n) / grid, true);
        if (clock)
            std::snprintf(s, sizeof s, "%lld:%02lld", n / 60, n % 60);
        else
            std::snprintf(s, sizeof s, "%.*f", decimals, double(n) / grid);
        std::string written = s;  // with a decimal comma, as the trainer writes numbers
        std::replace(written.begin(), written.end(), '.', ',');
        return written;
    };
    const auto right = [&](long long n) {
        return training::Check(task, text(n)) == training::Verdict::Right;
    };
    long long lo = std::llround(std::ceil(task.low * grid - 1e-6));
    long long hi = std::llround(std::floor(task.high * grid + 1e-6));
    while (lo <= hi && !right(lo)) ++lo;
    while (hi >= lo && !right(hi)) --hi;
    if (lo > hi) return {training::RoundedAnswer(task), training::RoundedAnswer(task)};
    return {text(lo), text(hi)};
}

const char* OutcomeWord(Verdict outcome) {
    switch (outcome) {
        case Verdict::Right: return "верно";
        case Verdict::Wrong: return "неверно";
        case Verdict::Invalid: return "не число";
        case Verdict::None: break;
    }
    return "нет ответа";
}

int MarkOf(int right, int total, const MarkScale& scale) {
    if (total <= 0) return 2;
    const long long percent100 = 100LL * right;  // compared in whole numbers: 18 of 20 is 90 %
    if (percent100 >= 1LL * scale.five * total) return 5;
    if (percent100 >= 1LL * scale.four * total) return 4;
    if (percent100 >= 1LL * scale.three * total) return 3;
    return 2;
}

std::string ScoreText(const Score& score) {
    return std::to_string(score.right) + " из " + std::to_string(score.total);
}

CExam::CExam(Paper paper, int64_t now)
    : m_paper(std::move(paper)),
      m_rows(m_paper.tasks.size()),
      m_start(now),
      m_taskStart(now),
      m_end(now) {
    m_finished = m_rows.empty();
}

int64_t CExam::Elapsed(int64_t now) const {
    return std::max<int64_t>(0, (m_finished ? m_end : now) - m_start);
}

bool CExam::Answer(const std::string& text, int64_t now) {
    if (m_finished) return false;
    Row& row = m_rows[std::size_t(m_current)];
    if (row.outcome == Verdict::Right || row.outcome == Verdict::Wrong) return false;
    const std::string typed = Trimmed(text);
    if (typed.empty()) return false;
    row.answer = typed;
    switch (training::Check(m_paper.tasks[std::size_t(m_current)], text)) {
        case training::Verdict::None:
        case training::Verdict::Invalid: row.outcome = Verdict::Invalid; return false;
        case training::Verdict::Right: row.outcome = Verdict::Right; break;
        case training::Verdict::Wrong: row.outcome = Verdict::Wrong; break;
    }
    row.ms = std::max<int64_t>(0, now - m_taskStart);
    return true;
}

void CExam::Leave(int64_t now) {
    Row& row = m_rows[std::size_t(m_current)];
    if (row.outcome != Verdict::Right && row.outcome != Verdict::Wrong)
        row.ms = std::max<int64_t>(0, now - m_taskStart);
}

void CExam::Next(int64_t now) {
    if (m_finished) return;
    Leave(now);
    if (m_current + 1 < int(m_rows.size())) {
        ++m_current;
        m_taskStart = now;
    } else {
        m_finished = true;
        m_end = now;
    }
}

void CExam::End(int64_t now) {
    if (m_finished) return;
    Leave(now);
    m_finished = true;
    m_end = now;
}

Score CExam::Result(const MarkScale& scale) const {
    Score score;
    score.total = int(m_rows.size());
    score.right = int(std::count_if(m_rows.begin(), m_rows.end(),
                                    [](const Row& r) { return r.outcome == Verdict::Right; }));
    score.mark = MarkOf(score.right, score.total, scale);
    return score;
}

bool CExam::operator==(const CExam& o) const {
    // A task is drawn from its kind and seed: the same two give the same problem.
    const auto sameTask = [](const training::Task& a, const training::Task& b) {
        return a.key == b.key && a.seed == b.seed;
    };
    const auto sameRow = [](const Row& a, const Row& b) {
        return a.answer == b.answer && a.outcome == b.outcome && a.ms == b.ms;
    };
    return m_paper.variant == o.m_paper.variant && m_paper.kinds == o.m_paper.kinds &&
           std::equal(m_paper.tasks.begin(), m_paper.tasks.end(), o.m_paper.tasks.begin(),
                      o.m_paper.tasks.end(), sameTask) &&
           std::equal(m_rows.begin(), m_rows.end(), o.m_rows.begin(), o.m_rows.end(), sameRow) &&
           m_current == o.m_current && m_finished == o.m_finished && m_start == o.m_start &&
           m_taskStart == o.m_taskStart && m_end == o.m_end;
}

TestResult RecordOfTest(const CExam& exam, const std::string& date) {
    const Paper& paper = exam.GetPaper();
    const Score score = exam.Result();
    TestResult result;
    result.date = date;
    result.variant = paper.variant;
    result.kinds = paper.kinds;
    result.count = int32_t(paper.tasks.size());
    result.score = score.right;
    result.mark = score.mark;
    for (std::size_t i = 0; i < paper.tasks.size(); ++i) {
        const Row& row = exam.Rows()[i];
        TestRow kept;
        kept.key = paper.tasks[i].key;
        // Cut on a character's first byte, so that what is kept stays UTF-8.
        std::size_t cut = std::min(row.answer.size(), kMaxAnswerBytes);
        while (cut < row.answer.size() &&
               (static_cast<unsigned char>(row.answer[cut]) & 0xC0) == 0x80)
            --cut;
        kept.answer = row.answer.substr(0, cut);
        kept.verdict = row.outcome;
        kept.seconds = int32_t(std::min<int64_t>((row.ms + 500) / 1000, kMaxTestSeconds));
        result.rows.push_back(kept);
    }
    return result;
}

}  // namespace training

bool operator==(const CTestState& a, const CTestState& b) {
    return a.m_exam == b.m_exam && a.m_bFromResult == b.m_bFromResult && a.m_nRow == b.m_nRow;
}
