#include "gditrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "testkit.h"

namespace testkit {

namespace {

const wchar_t kRelayKey[] = L"Software\\Wine\\Debug";

// The counter names Wine's own kinds "wine-TYPE", the program's plain "TYPE".
bool Judged(const std::string& kind) { return kind.compare(0, 5, "wine-") != 0; }

// The contexts the program takes from a window and gives back, which the
// counter names "window-DC" (GetDC ... ReleaseDC) and "paint-DC" (BeginPaint,
// EndPaint).
bool TakenFromWindow(const std::string& kind) { return kind == "window-DC" || kind == "paint-DC"; }

// What a failure says of a phase that freed, or gave back, not what it made or
// took.
std::string Unbalanced(const std::string& phase, const std::string& kind, long made, long freed) {
    const bool taken = TakenFromWindow(kind);
    return phase + (taken ? " took " : " made ") + std::to_string(made) + " " + kind +
           (taken ? " and gave back " : " and freed ") + std::to_string(freed);
}

GdiCounts JudgedOf(const GdiCounts& counts) {
    GdiCounts judged;
    for (const auto& kind : counts)
        if (Judged(kind.first))
            judged.insert(kind);
    return judged;
}

// Asks the counter for the counts of process pid, counting every trace line
// the process wrote before the question. The answer file holds "SEQ KIND MADE
// FREED KIND MADE FREED ...", and is replaced whole for each question.
bool ReadGdiCounts(DWORD pid, GdiCounts* counts) {
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
    return WaitUntil(
        [&] {
            std::ifstream answer(path);
            unsigned long answered = 0;
            std::string kind;
            std::pair<long, long> count;
            counts->clear();
            for (answer >> answered; answer >> kind >> count.first >> count.second;)
                (*counts)[kind] = count;
            return answered == seq;
        },
        10000, 1);
}

}  // namespace

void TraceGdiOf(const wchar_t* module) {
    // +pid tells each line's process apart; +relay shows the calls that module
    // makes to the functions that make objects, which gdi_count.py names. The
    // settings count only while +relay is on. An exclusion list of calling
    // modules (Wine 10 sets one) would override the inclusion.
    SetEnvironmentVariableW(L"WINEDEBUG", L"+pid,+gdi,+relay");
    wchar_t include[2048] = L"";
    GetEnvironmentVariableW(L"GDI_RELAY_INCLUDE", include, ARRAYSIZE(include));
    const std::pair<const wchar_t*, const wchar_t*> values[] = {{L"RelayInclude", include},
                                                                {L"RelayFromInclude", module}};
    for (const auto& value : values)
        RegSetKeyValueW(HKEY_CURRENT_USER, kRelayKey, value.first, REG_SZ, value.second,
                        static_cast<DWORD>((wcslen(value.second) + 1) * sizeof(wchar_t)));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayFromExclude");
}

GdiLedger::GdiLedger(HWND main) : main_(main), pid_(ProcessOf(main)) {}

bool GdiLedger::Open(bool judge) {
    phases_.clear();
    judge_ = judge;
    return ReadSettled(&last_);
}

bool GdiLedger::ReadSettled(GdiCounts* counts) const {
    // A paint may start at any time after a command, so one reading may catch
    // its brush made and not yet freed. Two readings that agree on the
    // program's objects, with a round trip in between, saw none of them made
    // or freed (the counts only grow) while the program was between two
    // messages, where each handler has freed what it made.
    GdiCounts before;
    if (!ReadGdiCounts(pid_, &before))
        return false;
    for (int tries = 0; tries < 100; ++tries) {
        if (!RoundTrip(main_) || !ReadGdiCounts(pid_, counts))
            return false;
        if (JudgedOf(before) == JudgedOf(*counts))
            return true;
        before = *counts;
    }
    return false;
}

bool GdiLedger::Charge(const std::string& phase) {
    GdiCounts now;
    if (!ReadSettled(&now))
        return false;
    auto charged = std::find_if(phases_.begin(), phases_.end(),
                                [&](const auto& p) { return p.first == phase; });
    if (charged == phases_.end())
        charged = phases_.insert(phases_.end(), {phase, {}});
    for (const auto& kind : now) {
        const long made = kind.second.first - last_[kind.first].first;
        const long freed = kind.second.second - last_[kind.first].second;
        charged->second[kind.first].first += made;
        charged->second[kind.first].second += freed;
        if (judge_ && Judged(kind.first)) {
            EXPECT_EQ(made, freed) << Unbalanced(phase, kind.first, made, freed);
        }
    }
    last_ = now;
    return true;
}

void GdiLedger::WarmUp(int rounds, const Round& round) {
    ASSERT_TRUE(Open(false)) << "run under gdi_count.py";
    for (const int end = next_ + rounds; next_ < end; ++next_) {
        SCOPED_TRACE(next_);
        round(next_);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    Repaint();
    Print("warm-up", rounds);
    // The program keeps no window's context beyond the message it took it in:
    // by now, start-up and warm-up have given back every one they took. It has
    // painted, too: a trace without its BeginPaint would judge none.
    EXPECT_GT(last_["paint-DC"].first, 0) << "the trace shows no BeginPaint of the program";
    for (const auto& kind : last_) {
        if (TakenFromWindow(kind.first)) {
            EXPECT_EQ(kind.second.first, kind.second.second) << Unbalanced(
                "start-up and warm-up", kind.first, kind.second.first, kind.second.second);
        }
    }
    windows_ = SortedTopWindows();
    ASSERT_TRUE(Open(true));
}

void GdiLedger::Run(int rounds, const Round& round) {
    for (const int end = next_ + rounds; next_ < end; ++next_) {
        SCOPED_TRACE(next_);
        round(next_);
        if (::testing::Test::HasFatalFailure())
            return;
        ASSERT_EQ(SortedTopWindows(), windows_) << "a window stayed open";
    }
    Repaint();
    Print("judged", rounds);
}

void GdiLedger::Repaint() {
    BringToFront(main_);
    ASSERT_TRUE(Charge("repaint"));
}

// One line per phase: made and freed of each kind, the program's first.
void GdiLedger::Print(const char* title, int rounds) const {
    std::printf("%d %s rounds:\n", rounds, title);
    for (const auto& phase : phases_) {
        std::printf("%-20s", phase.first.c_str());
        for (const auto& kind : phase.second)
            std::printf(" %s +%ld -%ld", kind.first.c_str(), kind.second.first, kind.second.second);
        std::printf("\n");
    }
}

std::vector<HWND> GdiLedger::SortedTopWindows() const {
    std::vector<HWND> windows = TopWindows(pid_);
    std::sort(windows.begin(), windows.end());
    return windows;
}

}  // namespace testkit
