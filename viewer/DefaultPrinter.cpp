// The default printer as the profile names it ("device" of section "Windows").
#include "ViewerDlg.h"

#include "PrinterProfile.h"

// Reads and splits the profile value; false when it names no usable printer.
static bool ReadDefaultPrinter(PrinterProfile* printer) {
    char szValue[kPrinterProfileSize];
    if (::GetProfileStringA("Windows", "device", "", szValue, sizeof szValue) == 0)
        return false;
    return SplitPrinterProfile(szValue, printer);
}

HDC CViewerDlg::GetDefaultPrinterDC() {
    PrinterProfile printer;
    if (!ReadDefaultPrinter(&printer))
        return nullptr;
    HDC hDC = ::CreateDCA(printer.driver.c_str(), printer.device.c_str(),
                          printer.hasPort ? printer.port.c_str() : nullptr, nullptr);
    lstrcpynA(m_szPrinterName, printer.device.c_str(), sizeof m_szPrinterName);
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
