// JPEG through the stb encoder, at quality 90; alpha is dropped.
#include <stb_image_write.h>

#include "viewers/graphics/formats/byte_writer.h"

namespace {
struct SinkState {
  const ByteSink* Sink;
  bool Ok;
};
void Write(void* context, void* data, int size) {
  auto* state = static_cast<SinkState*>(context);
  if (state->Ok) state->Ok = (*state->Sink)(data, static_cast<size_t>(size));
}
}  // namespace

bool WriteJpg(const Picture& p, const ByteSink& sink) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(p.Width) * static_cast<size_t>(p.Height) * 3);
  for (uint32_t pixel : p.Pixels) rgb.push_back(RedOf(pixel)), rgb.push_back(GreenOf(pixel)), rgb.push_back(BlueOf(pixel));
  SinkState state{&sink, true};
  return stbi_write_jpg_to_func(Write, &state, p.Width, p.Height, 3, rgb.data(), 90) && state.Ok;
}
