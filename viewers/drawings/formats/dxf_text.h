// The texts of DXF TEXT and MTEXT entities as plain Windows-1252 text: the
// special characters %%d, %%p and %%c as their signs, underline and
// overline switches dropped; an MTEXT's format codes dropped and its
// paragraphs as lines.
#pragma once
#include <string>
#include <vector>

std::string PlainText(const std::string& text);
std::vector<std::string> PlainMtextLines(const std::string& text);
