// The content rules, read top to bottom: the first row whose signatures all
// match and whose further test (if any) holds decides the type. When none
// does, the text test decides between text and raster image.
#pragma once
#include <span>
#include <string_view>

#include "shell/core/signature.h"

struct ContentProbe {
  FileHead Head;          // the bytes read, at most kContentProbeBytes
  std::string_view Path;  // for the rule that looks at the extension
};

struct ContentRule {
  int Type;
  Signature All[3];                              // unused slots are empty
  bool (*Holds)(const ContentProbe&) = nullptr;  // a test that needs code
};

extern const std::span<const ContentRule> ContentRules;
