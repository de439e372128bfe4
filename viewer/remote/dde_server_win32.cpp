#include "viewer/remote/dde_server_win32.h"

#include <ddeml.h>

#include <cstring>
#include <string_view>

#include "viewer/navigation/search_conversions.h"
#include "viewer/remote/dde_command.h"
#include "viewer/remote/dde_names.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/print_job_guard.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/named_setups.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"

namespace {
struct DdeServer {
  DWORD Instance = 0;
  HSZ Service = nullptr, Topic = nullptr;
  HWND Main = nullptr;
};
DdeServer gServer;

void Post(UINT msg, WPARAM wParam, LPARAM lParam = 0) {
  PostMessageA(gServer.Main, msg, wParam, lParam);
}

bool StartsJobOrCloses(DdeAction action) {
  return action == DdeAction::kPrintFile || action == DdeAction::kPrintPage ||
         action == DdeAction::kPrintTags || action == DdeAction::kClose ||
         action == DdeAction::kExit;
}

// Carries out one command; false ends the transaction as not processed.
bool Carry(const DdeCommand& c) {
  HWND main = gServer.Main;
  const DdeMeaning m = MeaningOf(c);
  if (PrintJobRunning() && StartsJobOrCloses(m.Action)) return false;  // the job runs alone
  switch (m.Action) {
    case DdeAction::kUnknown: return false;
    case DdeAction::kSkip:
    case DdeAction::kNothing: return true;
    case DdeAction::kOpen:
      // A name that opens nothing (missing, or too long for the program's
      // paths) is not processed, so that the client can tell.
      return c.Tokens[1].empty() ||
             SendMessageA(main, VW_OPENNAME, 0, reinterpret_cast<LPARAM>(c.Tokens[1].c_str())) != 0;
    case DdeAction::kClose: Post(WM_COMMAND, IDM_CLOSE, 1); return true;
    case DdeAction::kPrintFile: Post(WM_COMMAND, IDM_PRINT_FILE, 1); return true;
    case DdeAction::kPrintPage: Post(WM_COMMAND, IDM_PRINT_PAGE, 1); return true;
    case DdeAction::kPrintTags: Post(WM_COMMAND, IDM_PRINT_TAGS_NO_DIALOG, 1); return true;
    case DdeAction::kExit: Post(WM_CLOSE, 0); return true;
    case DdeAction::kMenuCommand: SendMessageA(main, WM_COMMAND, m.Command, 0); return true;
    case DdeAction::kMinimize: ShowWindow(main, SW_MINIMIZE); return true;
    case DdeAction::kMaximize: ShowWindow(main, SW_SHOWMAXIMIZED); return true;
    case DdeAction::kRestore: ShowWindow(main, SW_SHOWNORMAL); return true;
    case DdeAction::kFind:
      BindSearchConversions();
      if (const int command = TakeDdeFind(c, gSearch, gViewOptions.CharCode))
        Post(WM_COMMAND, command, 1);
      return true;
    case DdeAction::kSetup:
      // A name too long for the current setup is refused, never cut into
      // the name of another setup.
      if (!DdeSetupSection(c.Tokens[1], gNamedSetup.CurrentSetup)) return false;
      Post(WM_COMMAND, IDM_RELOAD_SETUP, 1);
      return true;
  }
  return false;
}

HDDEDATA Execute(HDDEDATA data) {
  const DWORD size = DdeGetData(data, nullptr, 0, 0);
  if (size > kDdeCommandBytes) return nullptr;
  char buffer[kDdeCommandBytes];
  const DWORD copied = DdeGetData(data, reinterpret_cast<BYTE*>(buffer), size, 0);
  const std::string_view text(buffer, strnlen(buffer, copied));
  size_t pos = 0;
  DdeCommand command;
  for (;;) {
    const DdeParse r = ParseDdeCommand(text, &pos, &command);
    if (r == DdeParse::kDone) return reinterpret_cast<HDDEDATA>(DDE_FACK);
    if (r != DdeParse::kCommand || !Carry(command) || !command.Closed) return nullptr;
  }
}

HDDEDATA CALLBACK DdeCallback(UINT type, UINT, HCONV, HSZ topic, HSZ service, HDDEDATA data,
                              ULONG_PTR, ULONG_PTR) {
  switch (type) {
    case XTYP_CONNECT:
      return reinterpret_cast<HDDEDATA>(
          static_cast<ULONG_PTR>(DdeCmpStringHandles(service, gServer.Service) == 0 &&
                                 DdeCmpStringHandles(topic, gServer.Topic) == 0));
    case XTYP_EXECUTE:
      return DdeCmpStringHandles(topic, gServer.Topic) == 0 ? Execute(data) : nullptr;
  }
  return nullptr;
}
}  // namespace

int StartDdeServer(HINSTANCE, HWND mainWindow) {
  char caption[64] = "";
  GetWindowTextA(mainWindow, caption, sizeof caption);
  DWORD instance = 0;
  if (DdeInitializeA(&instance, DdeCallback,
                     APPCLASS_STANDARD | CBF_FAIL_REQUESTS | CBF_FAIL_POKES | CBF_FAIL_ADVISES |
                         CBF_FAIL_SELFCONNECTIONS | CBF_SKIP_ALLNOTIFICATIONS,
                     0) != DMLERR_NO_ERROR) {
    ReportMessage(mainWindow, "DDE Initialize failed.\nServer functions disabled.", caption,
                  MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  gServer.Instance = instance;
  gServer.Main = mainWindow;
  gServer.Service = DdeCreateStringHandleA(instance, kDdeService, CP_WINANSI);
  gServer.Topic = DdeCreateStringHandleA(instance, kDdeTopic, CP_WINANSI);
  if (!DdeNameService(instance, gServer.Service, nullptr, DNS_REGISTER))
    ReportMessage(mainWindow, "DDE Name Service [Register] failed...", caption,
                  MB_OK | MB_ICONEXCLAMATION);
  return 1;
}

void StopDdeServer() {
  if (!gServer.Instance) return;
  DdeFreeStringHandle(gServer.Instance, gServer.Service);
  DdeFreeStringHandle(gServer.Instance, gServer.Topic);
  DdeUninitialize(gServer.Instance);
  gServer = DdeServer{};
}
