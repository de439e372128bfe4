// Drawing composed pages on a printer's device context in the print shades.
#pragma once
#include <windows.h>

#include "viewer/print/page_composer.h"
#include "viewer/print/print_device_win32.h"

class GdiPageSink : public PageSink {
 public:
  GdiPageSink(const PrintDevice& device, const PageGeometry& page, HFONT font)
      : device_(device), page_(page), font_(font) {}
  void Progress(int page, bool printed) override;
  bool StartPage() override;
  bool EndPage() override;
  void DrawLine(int32_t x, int32_t y, std::string_view text, PrintColors colors,
                bool inverted, bool wide) override;
  void DrawText(int32_t x, int32_t y, std::string_view text, PrintColors colors) override;
  void DrawBand(int32_t y) override;
  int32_t TextWidth(std::string_view text, bool wide) override;
  bool Cancelled() override;
  // What the spooler answered when it refused a page; 0 while it has not.
  int SpoolerError() const { return spoolerError_; }

 protected:
  // The font and the normal shades at the start of every page.
  void PrepareDrawing();

 private:
  void UseColors(PrintColors colors, bool inverted);
  const PrintDevice& device_;  // its device context may change from page to page
  const PageGeometry& page_;
  HFONT font_;
  int spoolerError_ = 0;
};
