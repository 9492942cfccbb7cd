// A template file read as the viewer reads it, and expanded. Each line is the
// start of its raw line (up to LF); what the line leaves out is a NUL and all
// after it, the CR of a CR LF, or Ctrl-Z bytes at the very end of the file.
// The expanded text holds no NUL, so the sample box shows all of it.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "TemplateExpand.h"

namespace {

// The file each run writes and removes again, one name per process.
const std::string& TemplatePath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("template_file_fuzz_" + std::to_string(getpid())))
                                        .string();
    return path;
}

// A face name that fills its field without a NUL, in a block of the record's
// own size: expansion must not read past it.
const LOGFONTA& Font() {
    static const LOGFONTA* const font = [] {
        auto* lf = new LOGFONTA{-16, 7, 900, 1800, 700, 255, 1, 0, 128, 3, 2, 1, 49, ""};
        std::memset(lf->lfFaceName, 'F', sizeof lf->lfFaceName);
        return lf;
    }();
    return *font;
}

bool OnlyCtrlZ(const std::string& bytes) {
    return bytes.find_first_not_of('\x1A') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    std::FILE* f = std::fopen(TemplatePath().c_str(), "wb");
    FUZZ_CHECK(f && std::fwrite(data, 1, size, f) == size);
    std::fclose(f);

    std::vector<CString> lines;
    FUZZ_CHECK(ReadTemplateLines(TemplatePath().c_str(), &lines));
    std::remove(TemplatePath().c_str());

    std::vector<std::string> raw;
    for (size_t start = 0;;) {
        const size_t end = content.find('\n', start);
        raw.push_back(content.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // Only a last raw line that is empty or all Ctrl-Z gives no line.
    FUZZ_CHECK(lines.size() == raw.size() ||
               (lines.size() + 1 == raw.size() && OnlyCtrlZ(raw.back())));
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text(static_cast<LPCTSTR>(lines[i]), lines[i].GetLength());
        FUZZ_CHECK(raw[i].compare(0, text.size(), text) == 0);
        const std::string left = raw[i].substr(text.size());
        const bool last = i + 1 == raw.size();
        FUZZ_CHECK(left.empty() || left[0] == '\0' || (left == "\r" && !last) ||
                   (last && OnlyCtrlZ(left)));
        joined += text + "\r\n";
    }

    const CString expanded = ExpandTemplate(lines, Font());
    FUZZ_CHECK(std::strlen(expanded) == static_cast<size_t>(expanded.GetLength()));
    if (content.find('%') == std::string::npos)
        FUZZ_CHECK(joined == static_cast<LPCTSTR>(expanded));
    return 0;
}
