// The installer's work on the disk: the list beside it, the folder it
// installs into, and the copying of the listed files.
#pragma once
#include <windows.h>

#include "installer/install_list.h"
#include "installer/install_report.h"
#include "installer/installer_args.h"

struct InstallJob {
  char sourceDir[kInstallerPathSize];  // the installer's own folder, with a trailing backslash
  char targetDir[kInstallerPathSize];  // no trailing backslash needed
  InstallList list;
};

// The installer's folder and its file list; false with a message in error.
bool LoadInstallJob(InstallJob& job, char* error, size_t errorSize);

// The Program Files folder of this system followed by "\Tarvo".
void DefaultTargetDir(char* out, size_t size);

// Makes job.targetDir a full path and creates it with any missing folders
// above it; false with a message when it cannot be used (or is the setup folder).
bool PrepareTargetDir(InstallJob& job, char* message, size_t size);

// Asked before a file already in the target folder is replaced: true replaces.
using AskReplace = bool (*)(void* context, const char* name, const char* targetDir);

// Copies every listed file. A file already there is replaced only when ask says so.
void InstallFiles(const InstallJob& job, AskReplace ask, void* context, InstallReport& report);
