// The extension rules, read top to bottom: the first row that names the
// extension and whose byte test holds decides the type. A row whose test
// fails lets the later rows try; no extension is named by two rows except
// WKS (first byte FF, then the WK family), so this is the same as letting
// the first row that names the extension decide alone.
#pragma once
#include <span>
#include <string_view>

#include "shell/core/signature.h"

struct ExtensionRule {
  // Upper-case extensions separated by spaces; "WK*" names every extension
  // that begins with WK.
  std::string_view Extensions;
  int Type;
  bool (*Holds)(FileHead head) = nullptr;  // nullptr: the name alone decides
  bool ProtectedWorksheet = false;         // the user is told the file is protected
};

extern const std::span<const ExtensionRule> ExtensionRules;
