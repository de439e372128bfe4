// Which profile file the text viewer uses.
#pragma once

// Given the full path of "TARVO.INI" beside the program (path holds at least
// 260 characters), replaces it with the profile to use; returns whether that
// profile is read-only.
bool ChooseProfile(char* path);
