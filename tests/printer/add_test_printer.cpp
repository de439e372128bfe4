// Adds the test printer to a Wine prefix and makes it the default: Wine's
// PostScript driver with the project's PPD, writing each job through a
// pipe to the file that TARVO_PRINT_OUT names in the printing program's
// environment. Its print processor is the first of "wineps" and "WinPrint"
// through which a probe page prints: Wine 10 spools every document as
// "NT EMF 1.003", which only the driver's own "wineps" takes, while Wine 8's
// "wineps" fails the document at its end and "WinPrint" prints it.
//   add_test_printer PPD_WINDOWS_PATH
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {
char kPrinterName[] = "Tarvo Test Printer";

bool SetPrintProcessor(const char* processor) {
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (!OpenPrinterA(kPrinterName, &printer, &access)) return false;
  DWORD needed = 0;
  GetPrinterA(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  bool ok = needed && GetPrinterA(printer, 2, info.data(), needed, &needed);
  if (ok) {
    auto* printerInfo = reinterpret_cast<PRINTER_INFO_2A*>(info.data());
    printerInfo->pPrintProcessor = const_cast<char*>(processor);
    printerInfo->pSecurityDescriptor = nullptr;
    ok = SetPrinterA(printer, 2, info.data(), 0);
  }
  ClosePrinter(printer);
  return ok;
}

// Prints one page to a file of its own; true when the document went through.
bool ProbePagePrints() {
  HDC dc = CreateDCA(nullptr, kPrinterName, nullptr, nullptr);
  if (!dc) return false;
  char folder[MAX_PATH] = "";
  GetTempPathA(sizeof folder, folder);
  const std::string output = std::string(folder) + "tarvo-printer-probe.ps";
  DOCINFOA doc = {};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = "probe";
  doc.lpszOutput = output.c_str();
  bool printed = StartDocA(dc, &doc) > 0;
  if (printed) {
    printed = StartPage(dc) > 0 && TextOutA(dc, 100, 100, "probe", 5) && EndPage(dc) > 0;
    printed = EndDoc(dc) > 0 && printed;
  }
  DeleteDC(dc);
  DeleteFileA(output.c_str());
  return printed;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  char driverName[] = "Tarvo Test PostScript";
  char environment[] = "Windows NT x86";
  char wineps[] = "wineps.drv";
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = driverName;
  driver.pEnvironment = environment;
  driver.pDriverPath = wineps;
  driver.pDataFile = argv[1];
  driver.pConfigFile = wineps;
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                           APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
    std::fprintf(stderr, "AddPrinterDriverEx: %lu\n", GetLastError());
    return 1;
  }
  char port[] = "|cat > \"$TARVO_PRINT_OUT\"";
  char processor[] = "wineps";
  char dataType[] = "RAW";
  PRINTER_INFO_2A printer = {};
  printer.pPrinterName = kPrinterName;
  printer.pPortName = port;
  printer.pDriverName = driverName;
  printer.pPrintProcessor = processor;
  printer.pDatatype = dataType;
  HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (!added && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
    std::fprintf(stderr, "AddPrinter: %lu\n", GetLastError());
    return 1;
  }
  if (added) ClosePrinter(added);
  if (!SetDefaultPrinterA(kPrinterName)) return 1;
  for (const char* candidate : {"wineps", "WinPrint"}) {
    if (SetPrintProcessor(candidate) && ProbePagePrints()) return 0;
  }
  std::fprintf(stderr, "the test printer prints through no print processor\n");
  return 1;
}
