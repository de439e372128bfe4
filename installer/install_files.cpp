#include "installer/install_files.h"

#include <cstdio>

#include "common/text_copy.h"
#include "setup/loader_plan.h"

namespace {

// False when the file cannot be read or does not fit.
bool ReadWholeFile(const char* path, char* buffer, DWORD size, DWORD& length) {
  HANDLE file =
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BOOL ok = GetFileSize(file, nullptr) <= size && ReadFile(file, buffer, size, &length, nullptr);
  CloseHandle(file);
  return ok;
}

FileOutcome InstallOne(const char* source, const char* target, const char* name,
                       const char* targetDir, AskReplace ask, void* context, DWORD& error) {
  if (GetFileAttributesA(source) == INVALID_FILE_ATTRIBUTES) {
    error = GetLastError();
    bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return missing ? FileOutcome::Missing : FileOutcome::Failed;
  }
  if (CopyFileA(source, target, TRUE)) return FileOutcome::Copied;
  error = GetLastError();
  if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return FileOutcome::Failed;
  if (!ask(context, name, targetDir)) return FileOutcome::Kept;
  if (CopyFileA(source, target, FALSE)) return FileOutcome::Replaced;
  error = GetLastError();
  return FileOutcome::Failed;
}

}  // namespace

bool LoadInstallJob(InstallJob& job, char* error, size_t errorSize) {
  char modulePath[kInstallerPathSize];
  DWORD n = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  if (n == 0 || n >= sizeof modulePath) {
    CopyText(error, errorSize, "Cannot find the setup folder.");
    return false;
  }
  CopyText(job.sourceDir, LoaderDirOf({modulePath, n}));
  char listPath[kInstallerPathSize];
  static char text[16384];
  DWORD length = 0;
  if (!JoinPath(listPath, sizeof listPath, job.sourceDir, kInstallListName) ||
      !ReadWholeFile(listPath, text, sizeof text - 1, length)) {
    std::snprintf(error, errorSize, "Cannot read the list of files to install:\n%s", listPath);
    return false;
  }
  ListResult result = ParseInstallList({text, length}, job.list);
  if (result.error != ListError::None) {
    DescribeListError(result, error, errorSize);
    return false;
  }
  return true;
}

void DefaultTargetDir(char* out, size_t size) {
  char programFiles[kInstallerPathSize] = "C:\\Program Files";
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                    KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    char value[kInstallerPathSize];
    DWORD type = 0;
    DWORD bytes = sizeof value - 1;
    if (RegQueryValueExA(key, "ProgramFilesDir", nullptr, &type, reinterpret_cast<BYTE*>(value),
                         &bytes) == ERROR_SUCCESS &&
        type == REG_SZ && bytes > 1) {
      value[bytes] = '\0';
      CopyText(programFiles, value);
    }
    RegCloseKey(key);
  }
  JoinPath(out, size, programFiles, "\\Tarvo");
}

namespace {

bool MakeFolder(const char* path, DWORD& error) {
  char partial[kInstallerPathSize];
  size_t length = CopyText(partial, path);
  // Create each level in turn; levels that exist (or are drives) just fail.
  for (size_t i = 1; i <= length; ++i) {
    if (i < length && partial[i] != '\\' && partial[i] != '/') continue;
    char saved = partial[i];
    partial[i] = '\0';
    CreateDirectoryA(partial, nullptr);
    partial[i] = saved;
  }
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  error = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_DIRECTORY;
  return false;
}

}  // namespace

bool PrepareTargetDir(InstallJob& job, char* message, size_t size) {
  char full[kInstallerPathSize];
  DWORD n = GetFullPathNameA(job.targetDir, sizeof full, full, nullptr);
  if (n == 0 || n >= sizeof full) {
    std::snprintf(message, size, "Cannot use the folder %s.", job.targetDir);
    return false;
  }
  if (n > 3 && full[n - 1] == '\\') full[--n] = '\0';
  CopyText(job.targetDir, full);
  std::string_view source = job.sourceDir;
  if (!source.empty() && source.back() == '\\') source.remove_suffix(1);
  if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, full, n, source.data(),
                     static_cast<int>(source.size())) == CSTR_EQUAL) {
    std::snprintf(message, size, "%s is the setup folder itself: choose another folder.", full);
    return false;
  }
  DWORD error = 0;
  if (!MakeFolder(full, error)) {
    std::snprintf(message, size, "Cannot create the folder %s (error %lu).", full, error);
    return false;
  }
  return true;
}

void InstallFiles(const InstallJob& job, AskReplace ask, void* context, InstallReport& report) {
  char targetDir[kInstallerPathSize];
  size_t n = CopyText(targetDir, job.targetDir);
  if (n > 0 && targetDir[n - 1] != '\\') CopyText(targetDir + n, sizeof targetDir - n, "\\");
  for (size_t i = 0; i < job.list.count; ++i) {
    const char* name = job.list.names[i];
    char source[kInstallerPathSize];
    char target[kInstallerPathSize];
    DWORD error = 0;
    FileOutcome outcome = FileOutcome::Failed;
    if (!JoinPath(source, sizeof source, job.sourceDir, name) ||
        !JoinPath(target, sizeof target, targetDir, name))
      error = ERROR_FILENAME_EXCED_RANGE;
    else
      outcome = InstallOne(source, target, name, job.targetDir, ask, context, error);
    AddOutcome(report, outcome, name, error);
  }
}
