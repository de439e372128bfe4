// Loading and saving the profile groups of the options record.
#pragma once
#include "viewer/buffer/line_table.h"
#include "viewer/settings/view_options.h"

constexpr char kMainSection[] = "Tarvo";
constexpr char kSetupSection[] = "Tarvo Setup";

void ReadSetupSettings();
// Reads the groups named by mask from section. Titles are read only when a
// title table and arena are given.
void LoadProfileGroups(const char* section, int mask, LineTable* titles = nullptr,
                       TextArena* titleText = nullptr);
void LoadProfile();
// window: the main window's rectangle in screen coordinates, or nullptr.
bool SaveViewOptions(const char* section, const ScreenRect* window);
// Sets the code bits of every flag word from CharCode.
void ApplyCharCode(ViewOptions& options = gViewOptions);
// switches: 26 entries, A..Z, each the letter as typed or 0.
void ApplySwitches(const char switches[26]);
