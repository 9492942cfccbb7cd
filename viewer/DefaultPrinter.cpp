// The default printer as the profile names it ("device" of section "Windows").
#include "ViewerDlg.h"

#include "PrinterProfile.h"

// Opens the printer that the profile value (read whole) names; null when none
// is usable. Its device name goes to name, if given, even if no context is made.
static HDC OpenDefaultPrinter(int bInformationOnly, char* name, size_t nameSize) {
    const std::string value = ReadWholeValue([](char* buffer, size_t size) -> size_t {
        return ::GetProfileStringA("Windows", "device", "", buffer, static_cast<DWORD>(size));
    });
    PrinterProfile printer;
    if (value.empty() || !SplitPrinterProfile(value.c_str(), &printer))
        return nullptr;
    const char* port = printer.hasPort ? printer.port.c_str() : nullptr;
    HDC hDC = (bInformationOnly ? ::CreateICA : ::CreateDCA)(printer.driver.c_str(),
                                                             printer.device.c_str(), port, nullptr);
    if (name) {  // the context gets the whole name; the buffer keeps what fits
        name[0] = '\0';
        AppendWholeChars(name, nameSize, printer.device.c_str());
    }
    return hDC;
}

HDC CViewerDlg::GetDefaultPrinterDC() {
    return OpenDefaultPrinter(0, m_szPrinterName, sizeof m_szPrinterName);
}

HDC CViewerDlg::CreateDefaultPrinterDC(int bInformationOnly) {
    return OpenDefaultPrinter(bInformationOnly, nullptr, 0);
}
