// Splitting of the default printer's profile value ("device" of section
// "Windows"): "device name,driver name,port".
#pragma once

#include <cstddef>
#include <string>

struct PrinterProfile {
    std::string device;
    std::string driver;
    std::string port;
    bool hasPort;
};

// Size of the buffer the value is read into: at most 63 characters are used.
const size_t kPrinterProfileSize = 64;

// Splits value (cut to its first 63 bytes) into its comma-separated fields;
// consecutive commas count as one separator, as strtok(",") has it. Returns
// false, with *out cleared, when there is no device name or no driver name:
// the caller then treats it as "no printer".
bool SplitPrinterProfile(const char* value, PrinterProfile* out);
