// The stack canary of the programs, seeded without ADVAPI32.
//
// -fstack-protector-strong makes every function with a buffer on its stack
// compare __stack_chk_guard with the copy it keeps below its return address,
// and call __stack_chk_fail when they differ. libssp defines both and seeds
// the canary with CryptGenRandom: a program linking it imports ADVAPI32 and
// loads a cryptographic provider at every start. This object, linked before
// the libraries, defines them and __chk_fail, so the object of libssp (or of
// a newer MinGW-w64 runtime) that holds them is not linked; the fortified
// calls (__memcpy_chk ...) stay and report through __chk_fail here.
//
// The canary is random per process as Windows' compilers make their cookie:
// mixed from the performance counter, the system time, the process and thread
// ids, and the addresses of the stack and of this image, both placed by ASLR.
#include <windows.h>
#include <cstdint>

extern "C" {
// Declared as libssp declares it.
void* __stack_chk_guard;
[[noreturn]] void __stack_chk_fail();
[[noreturn]] void __chk_fail();
}

namespace {

// MurmurHash3's finaliser: each bit of the value changes about half the bits
// of the result, so the few bits that differ between two starts spread over
// the whole canary.
uint64_t Mix(uint64_t value) {
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    value ^= value >> 33;
    return value;
}

uint64_t Join(DWORD high, DWORD low) { return (uint64_t)high << 32 | low; }

// Runs from the C runtime's start-up, before the constructors of default
// priority and before WinMain or main are called: no function that checks the
// canary is on the stack, and this one, which changes it, checks nothing.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    uint64_t seed = Mix(counter.QuadPart);
    seed = Mix(seed ^ Join(now.dwHighDateTime, now.dwLowDateTime));
    seed = Mix(seed ^ Join(GetCurrentProcessId(), GetCurrentThreadId()));
    seed = Mix(seed ^ (uintptr_t)&counter);
    seed = Mix(seed ^ (uintptr_t)&SeedStackGuard);
    // The lowest byte, the first in memory, is zero: a string copied over the
    // canary cannot write it back, and one read past a buffer stops there.
    __stack_chk_guard = (void*)(uintptr_t)(seed & ~(uint64_t)0xff);
}

// Writes the message to the standard error, where the process has one (a
// test's pipe), and ends the process at once with the code of Windows' own
// stack checks: no exception handler, atexit function or destructor runs on
// the damaged stack.
[[noreturn]] void Fail(const char* message, DWORD length) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written;
    if (error != nullptr && error != INVALID_HANDLE_VALUE)
        WriteFile(error, message, length, &written, nullptr);
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    // Not reached: ending its own process, TerminateProcess does not return.
    __builtin_trap();
}

}  // namespace

void __stack_chk_fail() {
    static const char kMessage[] = "*** stack smashing detected ***: terminated\n";
    Fail(kMessage, sizeof kMessage - 1);
}

void __chk_fail() {
    static const char kMessage[] = "*** buffer overflow detected ***: terminated\n";
    Fail(kMessage, sizeof kMessage - 1);
}
