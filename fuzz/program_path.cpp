// Paths of the files beside the program, as each program builds them: the
// result is the program path up to its last '\' or '/' that starts a character
// (a trail byte 0x5C is none), or for the viewer its drive "X:" when it has
// none, then the file name; it fits its buffer with its NUL, or the buffer
// holds an empty text.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "PathBeside.h"
#include "ProgramPath.h"
#include "fwstring.h"

namespace {

// The viewer's builder keeps a bare drive; the maker's has no use for one.
struct PathBuilder {
    bool (*build)(const char* programPath, const char* fileName, char* out, size_t outSize);
    bool keepsDrive;
};
const PathBuilder kBuilders[] = {{BuildPathBesideProgram, true}, {MakePathBeside, false}};

// Where each character of path starts; a lead byte at the very end is one.
std::vector<size_t> CharacterStarts(const std::string& path) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < path.size(); ++i) {
        starts.push_back(i);
        if (AfxIsLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size())
            ++i;
    }
    return starts;
}

void Check(const PathBuilder& builder, const std::string& path, const char* name, size_t outSize) {
    auto out = ExactBlock(std::string(outSize, 'x'), outSize);
    const bool built = builder.build(path.c_str(), name, out.get(), outSize);
    if (outSize == 0) {
        FUZZ_CHECK(!built);
        return;
    }
    FUZZ_CHECK(std::memchr(out.get(), '\0', outSize));
    const std::string result = out.get();
    FUZZ_CHECK(built || result.empty());
    FUZZ_CHECK(built || path.size() + std::strlen(name) + 1 > outSize);
    if (!built)
        return;

    const size_t nameLength = std::strlen(name);
    FUZZ_CHECK(result.size() >= nameLength &&
               result.compare(result.size() - nameLength, nameLength, name) == 0);
    const std::string directory = result.substr(0, result.size() - nameLength);
    FUZZ_CHECK(path.compare(0, directory.size(), directory) == 0);
    size_t lastSeparatorEnd = 0;
    for (size_t i : CharacterStarts(path))
        if (path[i] == '\\' || path[i] == '/')
            lastSeparatorEnd = i + 1;
    const bool drive =
        builder.keepsDrive && lastSeparatorEnd == 0 && path.size() >= 2 && path[1] == ':';
    FUZZ_CHECK(directory.size() == (drive ? 2 : lastSeparatorEnd));
}

}  // namespace

// The input is the program path, and after a NUL the file name; without one
// the programs' own file names are tried.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t nul = input.find('\0');
    const std::string path = input.substr(0, nul);
    std::vector<std::string> names = {"API.DAT", "MFC.DAT", "FLPHELP.html", "Fontsmith.hlp"};
    if (nul != std::string::npos)
        names = {input.substr(nul + 1).c_str()};
    for (const PathBuilder& builder : kBuilders)
        for (const std::string& name : names)
            for (size_t outSize : {size_t{0}, size_t{1}, size_t{256}, path.size(),
                                   path.size() + name.size(), path.size() + name.size() + 1})
                Check(builder, path, name.c_str(), outSize);
    return 0;
}
