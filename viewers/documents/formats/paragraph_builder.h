// Collects a document's characters into paragraphs. The text kept is
// bounded, so that a file that claims gigabytes of text costs no more than
// the bound.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class ParagraphBuilder {
 public:
  static constexpr size_t kTextLimit = 16u << 20;

  explicit ParagraphBuilder(std::vector<std::string>& out) : out_(out) {}
  ~ParagraphBuilder() { Finish(); }
  ParagraphBuilder(const ParagraphBuilder&) = delete;
  ParagraphBuilder& operator=(const ParagraphBuilder&) = delete;

  // False once the bound is reached: the reader stops there.
  bool Full() const { return kept_ >= kTextLimit; }
  void Add(char c);
  void Break();
  // Ends the last paragraph unless it is empty after an ending break.
  void Finish();
  // A plain character, a tab, or one of CR, LF, CR LF, form feed and
  // vertical tab as a paragraph's end; other control bytes are dropped.
  void AddPlain(unsigned char c);

 private:
  std::vector<std::string>& out_;
  std::string current_;
  size_t kept_ = 0;
  bool open_ = false;
  bool afterCr_ = false;
};
