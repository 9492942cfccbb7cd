# Fontsmith's window-free logic and its unit tests (in tests/), as both builds
# take them: the Windows one adds PresetFont.cpp, which calls GDI; the native
# lane keeps the text copies and paths apart, for the path fuzz target.
set(maker_text_sources PathBeside.cpp TextCopy.cpp)
set(maker_logic_sources FieldParse.cpp FieldText.cpp Layout.cpp LogFontFields.cpp MainTable.cpp
    SampleCodeText.cpp)
set(maker_logic_tests LogicTest.cpp MainTableTest.cpp PathBesideTest.cpp)
