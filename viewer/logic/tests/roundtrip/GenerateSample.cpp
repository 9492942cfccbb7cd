// Build-time generator of the round-trip test: reads a sample-code template
// the way the viewer does, expands it for one of the fixed test fonts and
// writes the text, wrapped in a namespace, as a C++ source file.
// Usage: GenerateSample TEMPLATE OUTPUT NAMESPACE FONT-ID
#include "RoundTripFonts.h"
#include "TemplateExpand.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: GenerateSample TEMPLATE OUTPUT NAMESPACE FONT-ID\n");
        return 2;
    }
    std::vector<CString> lines;
    if (!ReadTemplateLines(argv[1], &lines)) {
        fprintf(stderr, "GenerateSample: cannot read %s\n", argv[1]);
        return 1;
    }

    const CString text = ExpandTemplate(lines, RoundTripFont(atoi(argv[4])));

    FILE* out = fopen(argv[2], "wb");
    if (!out) {
        fprintf(stderr, "GenerateSample: cannot write %s\n", argv[2]);
        return 1;
    }
    // The prelude includes everything the sample includes, so the sample's own
    // #include lines inside the namespace add nothing.
    fprintf(out, "#include \"RoundTripPrelude.h\"\r\nnamespace %s {\r\n", argv[3]);
    fwrite(static_cast<LPCTSTR>(text), 1, text.GetLength(), out);
    fprintf(out, "}  // namespace %s\r\n", argv[3]);
    const bool written = fclose(out) == 0;
    return written ? 0 : 1;
}
