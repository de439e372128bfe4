// Named setups and Save Options: the profile groups saved together in a
// section of their own ("Setup: " and the name, listed in "Setup List"), or
// each into its default section.
#pragma once
#include <string>
#include <vector>

#include "viewer/buffer/line_table.h"
#include "viewer/settings/view_options.h"

constexpr int kSetupSectionChars = 63;  // "Setup: " and a name of up to 56
constexpr char kSetupPrefix[] = "Setup: ";
constexpr char kSetupListSection[] = "Setup List";

struct NamedSetupState {
  char CurrentSetup[kSetupSectionChars + 1] = "";  // the section, or empty
  int LastGroupMask = 0;                           // of the last Load or Save Setup
};
extern NamedSetupState gNamedSetup;

// The frozen titles, when the main window can lend them.
struct TitleBlocks {
  LineTable* Table = nullptr;
  TextArena* Text = nullptr;
};

// The names of "Setup List", from "Setup1" up to the first missing or empty key.
std::vector<std::string> ReadSetupList();

// The boxes of the save dialogs, in their order: Format, Titles, Page Setup,
// Print Setup, Colors (screen colours and print shades together).
constexpr int kSetupBoxes = 5;
extern const int kSetupBoxGroups[kSetupBoxes];
constexpr int kAllBoxGroups = 0x30F;
enum class BoxState { kUnchecked, kChecked, kGrey };
struct GroupMasks {
  int Set = 0;   // checked or grey
  int Grey = 0;  // grey: keep as stored
};
GroupMasks MasksOfBoxes(const BoxState boxes[kSetupBoxes]);

// Save Options: deletes the default sections of the unchecked groups, then
// writes the checked ones (grey ones are left alone). window: the main
// window's rectangle, for "WindowPos".
void SaveOptionGroups(GroupMasks masks, const ScreenRect* window, TitleBlocks titles);

// The message that refuses a section name typed in Save Setup, or nullptr.
const char* SetupNameProblem(const std::string& section);
// Writes the groups of mask into a fresh section and lists its name.
void SaveNamedSetup(const char* section, int mask, const ScreenRect* window, TitleBlocks titles);
// The groups a setup's section holds: its "SaveOptions", every group (-1)
// when that is missing or 0.
int SetupGroupMask(const char* section);
// Loads the groups the section says it holds (every group when it does not
// say); the titles only when a table is given.
void LoadSetup(const char* section, TitleBlocks titles);
