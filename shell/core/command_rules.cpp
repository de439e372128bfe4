#include "shell/core/command_rules.h"

#include "shell/core/viewer_table.h"

bool RuleAllows(CommandRule rule, int command, int first, const CommandContext& context) {
  const ViewerRow& row = RowOfType(context.Type);
  switch (rule) {
    case CommandRule::Always: return true;
    case CommandRule::Copies: return context.HasSelection || row.IsArchive;
    case CommandRule::SelectsAll: return row.Menu->SelectAll;
    case CommandRule::Finds: return row.Menu->Find;
    case CommandRule::GoesTo: return row.GoTo != GoToDialog::None;
    case CommandRule::Prints: return row.Menu->Print;
    case CommandRule::Plays: return context.PlayEnabled;
    case CommandRule::ShowsText: return row.ShowsText && !context.Editing;
    case CommandRule::SavesAs: return row.ShowsText || row.Menu->SaveAs;
    case CommandRule::ZoomsIn: return context.Zoom < row.Menu->ZoomMax;
    case CommandRule::ZoomsOut: return context.Zoom > row.Menu->ZoomMin;
    case CommandRule::ListEntry: return command - first < context.FileCount;
  }
  return false;
}

bool TickShown(CommandTick tick, int command, const CommandContext& context) {
  switch (tick) {
    case CommandTick::None: return false;
    case CommandTick::ViewItem:
      return command == TickedViewItem(RowOfType(context.Type), context.Editing);
    case CommandTick::Zoom: return command == context.Zoom;
    case CommandTick::WordWrap: return context.WordWrap;
  }
  return false;
}
