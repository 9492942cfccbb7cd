// The shell's opener of ".html" pages replaced by a recorder, which stands in
// for the browser: it writes the path it was asked to open to a record file.
#pragma once

#include <string>

class PageOpener {
public:
    // record: Windows path (code page 932) of the file the recorder writes.
    explicit PageOpener(const std::string& record);
    ~PageOpener();
    PageOpener(const PageOpener&) = delete;
    PageOpener& operator=(const PageOpener&) = delete;

    // What the recorder was asked to open; empty when it was not started
    // within ten seconds.
    std::string Opened() const;

private:
    std::string record_;
    bool hadType_;
    std::wstring oldType_;
};
