#include "viewer/settings/named_setups.h"

#include <cstdio>
#include <strings.h>

#include "viewer/settings/color_table.h"
#include "viewer/settings/page_setup.h"
#include "viewer/settings/print_setup.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/program_profile.h"
#include "viewer/settings/titles_profile.h"

NamedSetupState gNamedSetup;

const int kSetupBoxGroups[kSetupBoxes] = {SAVE_FORMAT, SAVE_TITLES, SAVE_PAGE_SETUP,
                                          SAVE_PRINT_SETUP, SAVE_COLORS | SAVE_PRINT_SHADES};

namespace {
constexpr int kSetupNameChars = 512;

std::string ListKey(int n) {
  char key[24];
  std::snprintf(key, sizeof key, "Setup%d", n);
  return key;
}

// Writes the groups of mask into section, in the order a named setup keeps.
void WriteGroups(const char* section, int mask, const ScreenRect* window, TitleBlocks titles) {
  if (mask & SAVE_FORMAT) SaveViewOptions(section, window);
  if (mask & SAVE_PAGE_SETUP) SavePageSetup(section);
  if (mask & SAVE_PRINT_SETUP) SavePrintSetup(section);
  if (mask & SAVE_COLORS) SaveColors(section);
  if (mask & SAVE_PRINT_SHADES) SavePrintShades(section);
  if (mask & SAVE_TITLES) SaveTitles(section, titles.Table, titles.Text);
}
}  // namespace

std::vector<std::string> ReadSetupList() {
  std::vector<std::string> names;
  for (int n = 1;; ++n) {
    char name[kSetupNameChars + 1];
    if (Profile().GetString(kSetupListSection, ListKey(n).c_str(), "", name, sizeof name) == 0)
      return names;
    names.emplace_back(name);
  }
}

GroupMasks MasksOfBoxes(const BoxState boxes[kSetupBoxes]) {
  GroupMasks m;
  for (int i = 0; i < kSetupBoxes; ++i) {
    if (boxes[i] != BoxState::kUnchecked) m.Set |= kSetupBoxGroups[i];
    if (boxes[i] == BoxState::kGrey) m.Grey |= kSetupBoxGroups[i];
  }
  return m;
}

void SaveOptionGroups(GroupMasks masks, const ScreenRect* window, TitleBlocks titles) {
  if (gSetupSettings.ProfileReadOnly) return;
  const struct {
    int group;
    const char* section;
  } defaults[] = {{SAVE_FORMAT, kMainSection},
                  {SAVE_TITLES, "Titles"},
                  {SAVE_PAGE_SETUP, kPageSetupSection},
                  {SAVE_PRINT_SETUP, kPrintSetupSection},
                  {SAVE_COLORS, kColorsSection}};
  ProfileStore& p = Profile();
  for (const auto& d : defaults)
    if (!(masks.Set & d.group)) p.WriteString(d.section, nullptr, nullptr);
  const int checked = masks.Set & ~masks.Grey;
  if (checked & SAVE_FORMAT) SaveViewOptions(kMainSection, window);
  if (checked & SAVE_TITLES) SaveTitles("Titles", titles.Table, titles.Text);
  if (checked & SAVE_PAGE_SETUP) SavePageSetup(kPageSetupSection);
  if (checked & SAVE_PRINT_SETUP) SavePrintSetup(kPrintSetupSection);
  if (checked & SAVE_COLORS) {
    SaveColors(kColorsSection);
    SavePrintShades(kColorsSection);
  }
}

const char* SetupNameProblem(const std::string& section) {
  const std::string_view prefix = kSetupPrefix;
  if (section.size() <= prefix.size()) return "You must select a name.";
  if (static_cast<unsigned char>(section[prefix.size()]) <= ' ')
    return "The setup name must not begin with a space.";
  if (section.size() > static_cast<size_t>(kSetupSectionChars))
    return "The selected setup name is too long.";
  return nullptr;
}

void SaveNamedSetup(const char* section, int mask, const ScreenRect* window, TitleBlocks titles) {
  if (gSetupSettings.ProfileReadOnly) return;
  ProfileStore& p = Profile();
  p.WriteString(section, nullptr, nullptr);
  WriteGroups(section, mask, window, titles);
  p.WriteInt(section, "SaveOptions", mask);
  const std::string name = section + std::string_view(kSetupPrefix).size();
  for (int n = 1;; ++n) {
    char listed[kSetupNameChars + 1];
    const std::string key = ListKey(n);
    if (p.GetString(kSetupListSection, key.c_str(), "", listed, sizeof listed) == 0) {
      p.WriteString(kSetupListSection, key.c_str(), name.c_str());
      return;
    }
    if (strcasecmp((kSetupPrefix + std::string(listed)).c_str(), section) == 0) return;
  }
}

int SetupGroupMask(const char* section) {
  const int mask = Profile().GetInt(section, "SaveOptions", 0);
  return mask == 0 ? -1 : mask;
}

void LoadSetup(const char* section, TitleBlocks titles) {
  const int mask = SetupGroupMask(section);
  gNamedSetup.LastGroupMask = mask;
  LoadProfileGroups(section, mask, titles.Table, titles.Text);
}
