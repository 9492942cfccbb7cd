# The viewer's window-free logic and its unit tests, NAME:FILE in tests/, as
# both builds take them: the Windows one (here) and the native lane.
set(viewer_logic_sources DialogLayout.cpp LogFontFields.cpp PanelItems.cpp PrintLayout.cpp
    PrinterProfile.cpp ProgramPath.cpp TemplateExpand.cpp)
set(viewer_logic_tests layout:DialogLayoutTest.cpp print_layout:PrintLayoutTest.cpp
    panel:PanelItemsTest.cpp profile:PrinterProfileTest.cpp path:ProgramPathTest.cpp
    template:TemplateExpandTest.cpp)
