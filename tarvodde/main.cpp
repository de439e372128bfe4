// TARVODDE.EXE: sends one DDE execute string to a running viewer (started
// with /D) and says whether it was processed.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <string>

#include "tarvodde/client_args.h"
#include "viewer/remote/dde_names.h"

namespace {
constexpr DWORD kAnswerMs = 60000;

constexpr char kUsage[] =
    "usage: TARVODDE [-w SECONDS] \"[Command argument ...]...\"\n"
    "       TARVODDE [-w SECONDS] [-]   (the commands from standard input)\n"
    "Sends the commands to a running TARVO.EXE started with /D; -w waits up to\n"
    "SECONDS for one to start. Inside quotes, a quote is written \"\" or \\\".\n"
    "Exit codes: 0 processed, 1 not processed, 2 no viewer is running,\n"
    "3 bad usage, 4 the viewer did not answer.\n";

HDDEDATA CALLBACK NoCallbacks(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

std::string ReadStandardInput() {
  std::string text;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) text.append(buffer, n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

int Fail(int code, const char* message) {
  std::fprintf(stderr, "tarvodde: %s\n", message);
  return code;
}

// A conversation with the viewer, waiting for one to appear when asked.
HCONV Connect(DWORD instance, int waitSeconds) {
  HSZ service = DdeCreateStringHandleA(instance, kDdeService, CP_WINANSI);
  HSZ topic = DdeCreateStringHandleA(instance, kDdeTopic, CP_WINANSI);
  const DWORD start = GetTickCount();
  HCONV conversation;
  while (!(conversation = DdeConnect(instance, service, topic, nullptr)) &&
         GetTickCount() - start < static_cast<DWORD>(waitSeconds) * 1000)
    Sleep(250);
  DdeFreeStringHandle(instance, service);
  DdeFreeStringHandle(instance, topic);
  return conversation;
}

int Send(const std::string& execute, int waitSeconds) {
  DWORD instance = 0;
  if (DdeInitializeA(&instance, NoCallbacks, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
    return Fail(4, "the DDE library did not start");
  int code = 0;
  if (HCONV conversation = Connect(instance, waitSeconds)) {
    DWORD result = 0;
    HDDEDATA answer =
        DdeClientTransaction(reinterpret_cast<BYTE*>(const_cast<char*>(execute.c_str())),
                             static_cast<DWORD>(execute.size() + 1), conversation, nullptr, 0,
                             XTYP_EXECUTE, kAnswerMs, &result);
    if (!answer)
      code = DdeGetLastError(instance) == DMLERR_NOTPROCESSED
                 ? Fail(1,
                        "the viewer did not process the commands (an unknown command, a bad "
                        "string or a file it could not open)")
                 : Fail(4, "the viewer did not answer");
    DdeDisconnect(conversation);
  } else {
    code = Fail(2, "no viewer is running (start TARVO.EXE with /D)");
  }
  DdeUninitialize(instance);
  return code;
}
}  // namespace

int main() {
  const ClientArgs args = ParseClientArgs(GetCommandLineA());
  if (args.Help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!args.Usable) {
    std::fputs(kUsage, stderr);
    return 3;
  }
  const std::string execute = args.FromStdin ? ReadStandardInput() : args.Execute;
  if (execute.empty()) return Fail(3, "no commands to send");
  return Send(execute, args.WaitSeconds);
}
