// Adds the test printer to a Wine prefix and makes it the default: Wine's
// PostScript driver with the project's PPD, writing each job through a
// pipe to the file that TARVO_PRINT_OUT names in the printing program's
// environment.
//   add_test_printer PPD_WINDOWS_PATH
#include <windows.h>
#include <winspool.h>

#include <cstdio>

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
  char printerName[] = "Tarvo Test Printer";
  char port[] = "|cat > \"$TARVO_PRINT_OUT\"";
  char processor[] = "WinPrint";
  char dataType[] = "RAW";
  PRINTER_INFO_2A printer = {};
  printer.pPrinterName = printerName;
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
  return SetDefaultPrinterA(printerName) ? 0 : 1;
}
