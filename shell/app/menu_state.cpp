#include "shell/app/menu_state.h"

#include "shell/app/command_table.h"

void UpdateMenuPopup(HMENU popup, const ViewerRecord& record) {
  const CommandContext context = ContextOf(record);
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const int command = static_cast<int>(GetMenuItemID(popup, i));
    const CommandRow* row = FindShellCommand(command);
    if (!row) continue;  // a separator or a popup
    const bool available = RuleAllows(row->Rule, command, row->First, context);
    EnableMenuItem(popup, i, MF_BYPOSITION | (available ? MF_ENABLED : MF_GRAYED));
    if (row->Tick != CommandTick::None) {
      const bool ticked = TickShown(row->Tick, command, context);
      CheckMenuItem(popup, i, MF_BYPOSITION | (ticked ? MF_CHECKED : MF_UNCHECKED));
    }
  }
}
