// The installer's file list and its unattended command line.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "installer/install_list.h"
#include "installer/installer_args.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  InstallList list;
  ListResult r = ParseInstallList(text, list);
  if (r.error == ListError::None && (list.count == 0 || list.count > kMaxInstallFiles))
    __builtin_trap();
  for (size_t i = 0; i < list.count; ++i)
    if (std::strlen(list.names[i]) >= kInstallNameSize) __builtin_trap();
  char message[128];
  DescribeListError(r, message, sizeof message);

  InstallerArgs args;
  char error[128];
  ParseInstallerArgs(text, args, error, sizeof error);
  if (std::strlen(args.targetDir) >= kInstallerPathSize ||
      std::strlen(args.logPath) >= kInstallerPathSize)
    __builtin_trap();
  return 0;
}
