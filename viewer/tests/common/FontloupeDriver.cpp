#include "FontloupeDriver.h"

namespace fontloupe {

std::string ExePath() { return FONTLOUPE_EXE; }

std::string ExeDir() {
    const std::string path = ExePath();
    return path.substr(0, path.rfind('\\') + 1);
}

HWND Start(testkit::Program& program, const std::string& workDir) {
    if (!testkit::Start(program, ExePath(), workDir))
        return nullptr;
    return testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe");
}

}  // namespace fontloupe
