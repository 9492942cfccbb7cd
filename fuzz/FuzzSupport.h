// What the fuzz targets share: values taken from the front of the input,
// copies in heap blocks of their exact size (so that AddressSanitizer catches
// a byte read past them), and the check that turns a broken contract into a
// finding.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#define FUZZ_CHECK(condition) ((condition) ? (void)0 : FuzzFail(#condition, __FILE__, __LINE__))

[[noreturn]] inline void FuzzFail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: contract broken: %s\n", file, line, condition);
    std::abort();
}

// Reads the input front to back; past its end every value is zero.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    template <class T>
    T Take() {
        T value{};
        const size_t n = std::min(sizeof value, m_size);
        if (n > 0)
            std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }

    // The rest of the input.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(m_data), m_size);
        m_size = 0;
        return rest;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};

// The bytes of text in a block of exactly size bytes: text cut to size, and a
// NUL after it only where there is room for one.
inline std::unique_ptr<char[]> ExactBlock(const std::string& text, size_t size) {
    std::unique_ptr<char[]> block(new char[size]);
    const size_t n = std::min(text.size(), size);
    std::memcpy(block.get(), text.data(), n);
    std::memset(block.get() + n, 0, size - n);
    return block;
}
