#include "viewer/app/display_rules.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "viewer/settings/view_options.h"

int LinesPerScreenFor(int clientHeight, int lineHeight, int titles) {
  if (lineHeight < 1) return 1;
  return std::max(clientHeight / lineHeight - titles, 1);
}

int FormatLengthFor(int clientWidth, int charWidth, uint32_t flags, int lineLength) {
  int cw = std::max(charWidth, 1);
  if (flags & FMT_FIXED_LENGTH) return lineLength;
  int pixels = (flags & FMT_WRAP) ? clientWidth : 3 * (clientWidth + cw);
  return pixels / cw;
}

bool NeedsReformat(int oldLength, int newLength, bool wrap, bool sizeChange) {
  if (sizeChange && newLength == oldLength) return false;
  return oldLength < newLength || newLength < oldLength / 2 || wrap;
}

int HorzPageStepFor(int clientWidth, int charWidth) {
  return std::max(clientWidth / (3 * std::max(charWidth, 1)), 1);
}

int WheelSteps(int* carry, int delta, int perNotch) {
  constexpr int kNotch = 120;
  perNotch = std::clamp(perNotch, 0, 10000);  // keeps delta * perNotch inside int
  delta = std::clamp(delta, -32768, 32767);
  long long units = static_cast<long long>(delta) * perNotch;
  if ((units < 0 && *carry > 0) || (units > 0 && *carry < 0)) *carry = 0;
  units += *carry;
  long long steps = units / kNotch;
  *carry = static_cast<int>(units - steps * kNotch);
  return static_cast<int>(steps);
}

int FrozenColumnsShown(int frozen, int charWidth, int clientWidth) {
  return std::clamp(frozen, 0, std::max(clientWidth, 0) / std::max(charWidth, 1) + 1);
}

int FrozenEdge(int frozenShown, int charWidth) {
  return frozenShown > 0 ? frozenShown * std::max(charWidth, 1) + 3 : 0;
}

int PaddedWidth(int padLength, int frozenShown, int hScroll, int charWidth, int limit) {
  long long columns = static_cast<long long>(padLength) - frozenShown - hScroll;
  return static_cast<int>(std::clamp<long long>(columns * std::max(charWidth, 1), 0, limit));
}

int ZoomedFontHeight(int height, int zoom) {
  if (zoom == 0) return height;
  int step = std::abs(height / 5);
  int magnitude = std::max(std::abs(height) + step * zoom, 1);
  return height < 0 ? -magnitude : magnitude;
}

int ClampHScroll(int value, int formatLength) {
  if (formatLength < 2) return 0;
  return std::clamp(value, 0, formatLength - 1);
}

int HScrollAtRightEnd(int formatLength, int clientWidth, int charWidth) {
  return std::max(formatLength - clientWidth / std::max(charWidth, 1), 0);
}

namespace {
// Bytes of the file counted by one unit of the vertical bar, as a power of two.
int ScrollUnitShift(FileOffset fileLength) {
  int shift = 0;
  while ((fileLength >> shift) > std::numeric_limits<int>::max()) ++shift;
  return shift;
}
}  // namespace

int VertScrollMax(const VertBarInput& in) {
  if (!in.FileOpen || in.Mode == 0 || in.FileLength <= 0) return 0;
  if (in.Mode == 2 && in.TopIndex == 0 && in.LastIndex - in.TopIndex <= in.LinesPerScreen) return 0;
  return static_cast<int>(in.FileLength >> ScrollUnitShift(in.FileLength));
}

int VertScrollPosition(FileOffset topOffset, FileOffset fileLength) {
  if (fileLength <= 0) return 0;
  const int shift = ScrollUnitShift(fileLength);
  return static_cast<int>(std::clamp<FileOffset>(topOffset, 0, fileLength) >> shift);
}

int HorzScrollMax(int mode, int formatLength, int charWidth, int clientWidth, int hScroll) {
  if (mode == 0 || formatLength < 1) return 0;
  if (mode == 1) return formatLength - 1;
  bool needed = static_cast<int64_t>(formatLength) * charWidth > clientWidth || hScroll != 0;
  return needed ? formatLength - 1 : 0;
}

FileOffset ThumbTarget(FileOffset fileLength, int thumb, int rangeMax) {
  if (rangeMax <= 0 || fileLength <= 0) return 0;
  // fileLength * thumb / rangeMax without overflow: the product of the
  // remainder and the thumb stays below 2^62.
  const FileOffset t = std::clamp(thumb, 0, rangeMax);
  return fileLength / rangeMax * t + fileLength % rangeMax * t / rangeMax;
}

AutoScrollPlan PlanAutoScroll(int y, int titlesHeight, int lineHeight, int clientHeight,
                              const AutoScrollRates& r) {
  if (y <= titlesHeight) return {1, r.FastLines, r.FastDelay};
  if (y <= titlesHeight + lineHeight) return {1, r.SlowLines, r.SlowDelay};
  if (y >= clientHeight - lineHeight) {
    if (y < clientHeight - 1) return {2, r.SlowLines, r.SlowDelay};
    return {2, r.FastLines, r.FastDelay};
  }
  return {0, 0, 0};
}
