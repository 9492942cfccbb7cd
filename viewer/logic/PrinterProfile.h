// The default printer's profile value ("device" of section "Windows"):
// "device name,driver name,port", read whole and split.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct PrinterProfile {
    std::string device;
    std::string driver;
    std::string port;
    bool hasPort;
};

// Size of the first buffer the value is read into; a value that fills it is
// read again into one twice as large.
const size_t kPrinterProfileSize = 64;

// Reads a text whole through read(buffer, size), which copies at most size - 1
// bytes and a NUL and returns how many it copied, as GetProfileStringA does:
// while the copy fills the buffer, or all of it but the last byte that a
// double-byte character would have needed, the buffer doubles and read runs
// again.
std::string ReadWholeValue(const std::function<size_t(char*, size_t)>& read);

// Splits value into its comma-separated fields; consecutive commas count as
// one separator, as strtok(",") has it. Returns false, with *out cleared, when
// there is no device name or no driver name: the caller then treats it as "no
// printer".
bool SplitPrinterProfile(const char* value, PrinterProfile* out);

// Appends src to the NUL-terminated text in dst (size bytes) as far as it fits
// with its NUL, never ending between the two bytes of a code page 932
// character.
void AppendWholeChars(char* dst, size_t size, const char* src);
