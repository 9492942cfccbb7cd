#include "gditrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "testkit.h"

namespace testkit {

namespace {

const wchar_t kDebugVariable[] = L"WINEDEBUG";
// Wine 10 keeps the pixels of a closed window (a bitmap, a region) while
// one of its cached device contexts last drew into them, for a few phases,
// so the handles held after a phase vary by some handles from round to round.
// The fewest held over a tenth of the rounds is compared instead; it may
// still rise by a few handles once, when Wine keeps another cached context
// and the pixels it last drew into (up to six handles seen). A handle a
// command keeps raises it by one each time the command runs, at least every
// other round, so a rise of one in ten rounds or more is a leak.
const int kRoundsPerHandle = 10;

// One line of the answer file: "SEQ MADE FREED"; false while it is missing
// or being replaced.
bool ReadAnswer(const char* path, unsigned long* seq, GdiCounts* counts) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    const bool read = std::fscanf(file, "%lu %ld %ld", seq, &counts->made, &counts->freed) == 3;
    std::fclose(file);
    return read;
}

}  // namespace

GdiTraceOn::GdiTraceOn() : had_(false) {
    // The size asked for counts the terminating zero.
    const DWORD size = GetEnvironmentVariableW(kDebugVariable, nullptr, 0);
    if (size > 0) {
        value_.resize(size);
        had_ = GetEnvironmentVariableW(kDebugVariable, &value_[0], size) == size - 1;
        value_.resize(size - 1);
    }
    // +pid tells each line's process apart.
    SetEnvironmentVariableW(kDebugVariable, L"+pid,+gdi");
}

GdiTraceOn::~GdiTraceOn() {
    SetEnvironmentVariableW(kDebugVariable, had_ ? value_.c_str() : nullptr);
}

bool ReadGdiCounts(DWORD pid, GdiCounts* counts, DWORD timeoutMs) {
    static unsigned long lastSeq;
    const char* path = std::getenv("GDI_COUNT_FILE");
    if (!path)
        return false;
    const unsigned long seq = ++lastSeq;
    char question[64];
    const int length = std::snprintf(question, sizeof question, "gdi-count %lx %lu\n",
                                     static_cast<unsigned long>(pid), seq);
    DWORD written = 0;
    if (!WriteFile(GetStdHandle(STD_ERROR_HANDLE), question, length, &written, nullptr))
        return false;
    const DWORD start = GetTickCount();
    unsigned long answered = 0;
    while (!ReadAnswer(path, &answered, counts) || answered != seq) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(1);
    }
    return true;
}

bool GdiLedger::Open() {
    phases_.clear();
    lowest_ = 0;
    lastTick_ = GetTickCount();
    return ReadGdiCounts(pid_, &last_);
}

bool GdiLedger::Charge(const std::string& phase) {
    GdiCounts now;
    if (!ReadGdiCounts(pid_, &now))
        return false;
    Phase* charged = nullptr;
    for (Phase& p : phases_)
        if (p.name == phase)
            charged = &p;
    if (!charged) {
        phases_.push_back({phase, {}, 0});
        charged = &phases_.back();
    }
    const DWORD tick = GetTickCount();
    charged->counts.made += now.made - last_.made;
    charged->counts.freed += now.freed - last_.freed;
    charged->ms += tick - lastTick_;
    last_ = now;
    lastTick_ = tick;
    lowest_ = std::min(lowest_, Held());
    return true;
}

long GdiLedger::Held() const {
    long held = 0;
    for (const Phase& p : phases_)
        held += p.counts.made - p.counts.freed;
    return held;
}

std::string GdiLedger::Report() const {
    std::string report;
    for (const Phase& p : phases_) {
        char line[160];
        std::snprintf(line, sizeof line, "%-20s made %8ld, freed %8ld, held %5ld, %6.1f s\n",
                      p.name.c_str(), p.counts.made, p.counts.freed, p.counts.made - p.counts.freed,
                      p.ms / 1000.0);
        report += line;
    }
    return report;
}

GdiLongRun::GdiLongRun(HWND main) : main_(main), pid_(ProcessOf(main)), ledger_(pid_), next_(0) {}

void GdiLongRun::WarmUp(int rounds, const Round& round) {
    ASSERT_TRUE(ledger_.Open()) << "run under gdi_count.py";
    for (const int end = next_ + rounds; next_ < end; ++next_) {
        SCOPED_TRACE(next_);
        round(next_, ledger_);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    Repaint();
    std::printf("%d warm-up rounds:\n%s", rounds, ledger_.Report().c_str());
    windows_ = SortedTopWindows();
    ASSERT_TRUE(ledger_.Open());
}

void GdiLongRun::Run(int rounds, const Round& round) {
    const int tenth = std::max(1, rounds / 10);
    const int end = next_ + rounds;
    long firstLowest = 0;
    for (; next_ < end; ++next_) {
        if (next_ == end - rounds + tenth)
            firstLowest = ledger_.Lowest();
        if (next_ == end - tenth)
            ledger_.ResetLowest();
        SCOPED_TRACE(next_);
        round(next_, ledger_);
        if (::testing::Test::HasFatalFailure())
            return;
        ASSERT_EQ(SortedTopWindows(), windows_) << "a window stayed open";
    }
    Repaint();
    std::printf("%d rounds:\n%sfewest held: %ld in the first tenth, %ld in the last\n", rounds,
                ledger_.Report().c_str(), firstLowest, ledger_.Lowest());
    EXPECT_LT(ledger_.Lowest() - firstLowest, rounds / kRoundsPerHandle) << ledger_.Report();
}

void GdiLongRun::Repaint() {
    BringToFront(main_);
    ASSERT_TRUE(ledger_.Charge("repaint"));
}

std::vector<HWND> GdiLongRun::SortedTopWindows() const {
    std::vector<HWND> windows = TopWindows(pid_);
    std::sort(windows.begin(), windows.end());
    return windows;
}

}  // namespace testkit
