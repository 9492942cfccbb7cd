#include "gditrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "testkit.h"

namespace testkit {

namespace {

const wchar_t kDebugVariable[] = L"WINEDEBUG";
const wchar_t kRelayKey[] = L"Software\\Wine\\Debug";
// The counter names Wine's own kinds "wine-TYPE", the program's plain "TYPE".
const char kWinePrefix[] = "wine-";

bool Judged(const std::string& kind) {
    return kind.compare(0, sizeof kWinePrefix - 1, kWinePrefix) != 0;
}

bool SameJudged(const GdiCounts& a, const GdiCounts& b) {
    auto judged = [](const GdiCounts& counts) {
        std::vector<std::pair<std::string, std::pair<long, long>>> list;
        for (const auto& kind : counts)
            if (Judged(kind.first))
                list.push_back({kind.first, {kind.second.made, kind.second.freed}});
        return list;
    };
    return judged(a) == judged(b);
}

// The answer file: "SEQ KIND MADE FREED KIND MADE FREED ..."; false while it
// is missing or being replaced.
bool ReadAnswer(const char* path, unsigned long* seq, GdiCounts* counts) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    std::string text;
    char chunk[512];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        text.append(chunk, n);
    std::fclose(file);
    std::istringstream answer(text);
    if (!(answer >> *seq) || text.empty() || text.back() != '\n')
        return false;
    counts->clear();
    std::string kind;
    GdiCount count;
    while (answer >> kind >> count.made >> count.freed)
        (*counts)[kind] = count;
    return true;
}

}  // namespace

GdiTraceOn::GdiTraceOn(const wchar_t* module) : had_(false), hadExclude_(false) {
    // The size asked for counts the terminating zero.
    const DWORD size = GetEnvironmentVariableW(kDebugVariable, nullptr, 0);
    if (size > 0) {
        value_.resize(size);
        had_ = GetEnvironmentVariableW(kDebugVariable, &value_[0], size) == size - 1;
        value_.resize(size - 1);
    }
    // +pid tells each line's process apart; +relay shows the calls that module
    // makes to the functions that make objects, which gdi_count.py names.
    SetEnvironmentVariableW(kDebugVariable, L"+pid,+gdi,+relay");
    wchar_t include[2048] = L"";
    GetEnvironmentVariableW(L"GDI_RELAY_INCLUDE", include, ARRAYSIZE(include));
    RegSetKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayInclude", REG_SZ, include,
                    static_cast<DWORD>((wcslen(include) + 1) * sizeof(wchar_t)));
    RegSetKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayFromInclude", REG_SZ, module,
                    static_cast<DWORD>((wcslen(module) + 1) * sizeof(wchar_t)));
    // An exclusion list of calling modules (Wine 10 sets one) would override
    // the inclusion; it is put back afterwards.
    wchar_t exclude[1024];
    DWORD bytes = sizeof exclude;
    hadExclude_ = RegGetValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayFromExclude", RRF_RT_REG_SZ,
                               nullptr, exclude, &bytes) == ERROR_SUCCESS;
    if (hadExclude_) {
        exclude_ = exclude;
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayFromExclude");
    }
}

GdiTraceOn::~GdiTraceOn() {
    SetEnvironmentVariableW(kDebugVariable, had_ ? value_.c_str() : nullptr);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayInclude");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayFromInclude");
    if (hadExclude_)
        RegSetKeyValueW(HKEY_CURRENT_USER, kRelayKey, L"RelayFromExclude", REG_SZ, exclude_.c_str(),
                        static_cast<DWORD>((exclude_.size() + 1) * sizeof(wchar_t)));
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
    unsigned long answered = 0;
    return WaitUntil([&] { return ReadAnswer(path, &answered, counts) && answered == seq; },
                     timeoutMs, 1);
}

GdiLedger::GdiLedger(HWND main) : main_(main), pid_(ProcessOf(main)), judge_(false), lastTick_(0) {}

bool GdiLedger::Open(bool judge) {
    phases_.clear();
    judge_ = judge;
    lastTick_ = GetTickCount();
    return ReadSettled(&last_);
}

bool GdiLedger::ReadSettled(GdiCounts* counts) const {
    // A paint may start at any time after a command, so a single reading may
    // catch its brush made and not yet freed. Two readings that agree on the
    // judged kinds, with a round trip in between, saw none of those made or
    // freed (the counts only grow) while the program was between two
    // messages, where each handler has freed what it made.
    GdiCounts before;
    if (!ReadGdiCounts(pid_, &before))
        return false;
    for (int tries = 0; tries < 100; ++tries) {
        if (!RoundTrip(main_) || !ReadGdiCounts(pid_, counts))
            return false;
        if (SameJudged(before, *counts))
            return true;
        before = *counts;
    }
    return false;
}

bool GdiLedger::Charge(const std::string& phase) {
    GdiCounts now;
    if (!ReadSettled(&now))
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
    for (const auto& kind : now) {
        const GdiCount& before = last_[kind.first];
        const long made = kind.second.made - before.made, freed = kind.second.freed - before.freed;
        charged->counts[kind.first].made += made;
        charged->counts[kind.first].freed += freed;
        if (judge_ && Judged(kind.first))
            EXPECT_EQ(made, freed)
                << phase << " made " << made << " " << kind.first << " and freed " << freed;
    }
    charged->ms += tick - lastTick_;
    last_ = now;
    lastTick_ = tick;
    return true;
}

std::string GdiLedger::Report() const {
    std::string report;
    for (const Phase& p : phases_) {
        char line[64];
        std::snprintf(line, sizeof line, "%-20s %6.1f s", p.name.c_str(), p.ms / 1000.0);
        report += line;
        // The program's kinds first, then Wine's own after "|".
        for (bool judged : {true, false}) {
            report += judged ? " " : " |";
            for (const auto& kind : p.counts) {
                if (Judged(kind.first) != judged)
                    continue;
                std::snprintf(line, sizeof line, " %s +%ld -%ld", kind.first.c_str(),
                              kind.second.made, kind.second.freed);
                report += line;
            }
        }
        report += "\n";
    }
    return report;
}

GdiLongRun::GdiLongRun(HWND main) : main_(main), ledger_(main), next_(0) {}

void GdiLongRun::WarmUp(int rounds, const Round& round) {
    ASSERT_TRUE(ledger_.Open(false)) << "run under gdi_count.py";
    for (const int end = next_ + rounds; next_ < end; ++next_) {
        SCOPED_TRACE(next_);
        round(next_, ledger_);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    Repaint();
    std::printf("%d warm-up rounds:\n%s", rounds, ledger_.Report().c_str());
    windows_ = SortedTopWindows();
    ASSERT_TRUE(ledger_.Open(true));
}

void GdiLongRun::Run(int rounds, const Round& round) {
    for (const int end = next_ + rounds; next_ < end; ++next_) {
        SCOPED_TRACE(next_);
        round(next_, ledger_);
        if (::testing::Test::HasFatalFailure())
            return;
        ASSERT_EQ(SortedTopWindows(), windows_) << "a window stayed open";
    }
    Repaint();
    std::printf("%d rounds:\n%s", rounds, ledger_.Report().c_str());
}

void GdiLongRun::Repaint() {
    BringToFront(main_);
    ASSERT_TRUE(ledger_.Charge("repaint"));
}

std::vector<HWND> GdiLongRun::SortedTopWindows() const {
    std::vector<HWND> windows = TopWindows(ProcessOf(main_));
    std::sort(windows.begin(), windows.end());
    return windows;
}

}  // namespace testkit
