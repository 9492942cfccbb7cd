// The programs' stack canary (hardening/StackGuard.cpp) in processes of this
// program, which links the same seeding, started again with an argument: each
// process draws a canary of its own, and one that overruns a buffer on its
// stack, or hands a checked copy more than its buffer holds, ends with the
// failure code instead of going on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" void* __stack_chk_guard;

namespace {

// What a process of this program started with the arguments wrote on its
// standard output and error, and its exit code.
struct Outcome {
    std::string output;
    DWORD exitCode = 0;
};

Outcome RunAgain(const std::string& arguments) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = "\"" + std::string(exe) + "\" " + arguments;
    Outcome run;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) {
        ADD_FAILURE() << "CreatePipe failed: " << GetLastError();
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    const BOOL started =
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    // The child holds its own copy: the pipe ends when the child does.
    CloseHandle(writeEnd);
    if (started) {
        char chunk[256];
        DWORD got;
        while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0)
            run.output.append(chunk, got);
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    } else {
        ADD_FAILURE() << "Cannot start " << command << ": " << GetLastError();
    }
    CloseHandle(readEnd);
    return run;
}

uint64_t CanaryOfAnotherProcess() {
    const Outcome run = RunAgain("canary");
    EXPECT_EQ(0u, run.exitCode) << run.output;
    return std::strtoull(run.output.c_str(), nullptr, 16);
}

// Both write count bytes into a buffer of 16 on the stack; the empty assembly
// after reads the buffer, so the write is not dropped as unused. Fill reads
// its pointer from a volatile, so neither the compiler nor _FORTIFY_SOURCE
// knows what it points at: only the canary, compared on return, sees an
// overrun. CheckedCopy copies through the check that _FORTIFY_SOURCE makes of
// a copy into a buffer of known size.
__attribute__((noipa)) void Fill(size_t count) {
    char buffer[16];
    char* volatile target = buffer;
    std::memset(target, 'x', count);
    asm volatile("" : : "r"(buffer) : "memory");
}

__attribute__((noipa)) void CheckedCopy(size_t count) {
    char buffer[16];
    static const char source[64] = {};
    __builtin___memcpy_chk(buffer, source, count, __builtin_object_size(buffer, 0));
    asm volatile("" : : "r"(buffer) : "memory");
}

TEST(StackCanary, IsSeededAnewInEveryProcess) {
    const uint64_t own = (uintptr_t)__stack_chk_guard;
    const uint64_t first = CanaryOfAnotherProcess();
    const uint64_t second = CanaryOfAnotherProcess();
    EXPECT_NE(first, second);
    EXPECT_NE(own, first);
    EXPECT_NE(own, second);
    EXPECT_NE(0u, own >> 8);
    // The byte a string copied over the canary would end with.
    EXPECT_EQ(0u, own & 0xff);
}

TEST(StackCanary, EndsAProcessThatOverrunsABufferOnItsStack) {
    struct Case {
        const char* command;
        DWORD exitCode;
        const char* output;
    };
    const Case cases[] = {
        {"fill 16", 0, "returned\r\n"},
        {"fill 48", (DWORD)STATUS_STACK_BUFFER_OVERRUN,
         "*** stack smashing detected ***: terminated\n"},
        {"copy 16", 0, "returned\r\n"},
        {"copy 48", (DWORD)STATUS_STACK_BUFFER_OVERRUN,
         "*** buffer overflow detected ***: terminated\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const Outcome outcome = RunAgain(c.command);
        EXPECT_EQ(c.exitCode, outcome.exitCode);
        EXPECT_EQ(c.output, outcome.output);
    }
}

}  // namespace

// Started again by the tests: "canary" prints this process's canary; "fill N"
// and "copy N" write N bytes into a buffer of 16 and print "returned" if the
// process goes on.
int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "canary") == 0) {
        std::printf("%llx\n", (unsigned long long)(uintptr_t)__stack_chk_guard);
        return 0;
    }
    if (argc == 3 && (std::strcmp(argv[1], "fill") == 0 || std::strcmp(argv[1], "copy") == 0)) {
        const size_t count = std::strtoul(argv[2], nullptr, 10);
        if (argv[1][0] == 'f')
            Fill(count);
        else
            CheckedCopy(count);
        std::puts("returned");
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
