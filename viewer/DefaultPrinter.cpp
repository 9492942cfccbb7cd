// The default printer as the profile names it ("device" of section "Windows").
#include "ViewerDlg.h"

#include "PrinterProfile.h"

// Reads the profile value whole, however long the printer's name, and splits
// it; false when it names no usable printer.
static bool ReadDefaultPrinter(PrinterProfile* printer) {
    const std::string value = ReadWholeValue([](char* buffer, size_t size) -> size_t {
        return ::GetProfileStringA("Windows", "device", "", buffer, static_cast<DWORD>(size));
    });
    if (value.empty())
        return false;
    return SplitPrinterProfile(value.c_str(), printer);
}

HDC CViewerDlg::GetDefaultPrinterDC() {
    PrinterProfile printer;
    if (!ReadDefaultPrinter(&printer))
        return nullptr;
    HDC hDC = ::CreateDCA(printer.driver.c_str(), printer.device.c_str(),
                          printer.hasPort ? printer.port.c_str() : nullptr, nullptr);
    // The context gets the whole name; the buffer keeps what fits of it.
    m_szPrinterName[0] = '\0';
    AppendWholeChars(m_szPrinterName, sizeof m_szPrinterName, printer.device.c_str());
    return hDC;
}

HDC CViewerDlg::CreateDefaultPrinterDC(int bInformationOnly) {
    PrinterProfile printer;
    if (!ReadDefaultPrinter(&printer))
        return nullptr;
    const char* port = printer.hasPort ? printer.port.c_str() : nullptr;
    if (bInformationOnly)
        return ::CreateICA(printer.driver.c_str(), printer.device.c_str(), port, nullptr);
    return ::CreateDCA(printer.driver.c_str(), printer.device.c_str(), port, nullptr);
}
