// A copy of the built Fontloupe.exe and its data files in a directory of the
// test's own, removed again when the test ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "testkit.h"

class ProgramCopy {
public:
    // Makes dir (CP932 Windows path with a trailing '\', parents included)
    // and copies the program there as exeName, with its data files.
    ProgramCopy(const std::string& dir, const std::string& exeName);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool Ok() const { return ok_; }
    const std::string& Dir() const { return dir_; }
    std::string ExePath() const { return dir_ + exeName_; }
    void Remove(const std::string& fileName);
    // Starts the copy (workDir empty: the test's current directory) and waits
    // for its main dialog; nullptr when it did not appear.
    HWND Start(testkit::Program& program, const std::string& workDir = "") const;

private:
    std::string dir_;
    std::string exeName_;
    std::vector<std::wstring> madeDirs_;
    bool ok_ = true;
};

// The test process's temporary directory, with a trailing '\'.
std::string TempDir();
