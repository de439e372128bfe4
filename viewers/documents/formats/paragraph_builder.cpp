#include "viewers/documents/formats/paragraph_builder.h"

void ParagraphBuilder::Add(char c) {
  if (Full()) return;
  current_ += c;
  open_ = true;
  ++kept_;
}

void ParagraphBuilder::Break() {
  if (Full()) return;
  out_.push_back(std::move(current_));
  current_.clear();
  open_ = false;
  ++kept_;
}

void ParagraphBuilder::Finish() {
  if (open_) Break();
  open_ = false;
}

void ParagraphBuilder::AddPlain(unsigned char c) {
  const bool wasCr = afterCr_;
  afterCr_ = c == '\r';
  if (c == '\n' && wasCr) return;
  if (c == '\r' || c == '\n' || c == '\f' || c == '\v') return Break();
  if (c == '\t' || c >= 0x20) Add(static_cast<char>(c));
}
