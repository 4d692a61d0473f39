// Small pictures made in memory for the image holder tests: pixel patterns, their encodings
// (written with stb_image_write, independently of the holder) and an independent decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace samples {

typedef std::vector<uint8_t> Bytes;

// A picture as rows of R, G, B (and A) bytes, top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  int channels = 0;
  Bytes data;
  const uint8_t* At(int x, int y) const { return &data[((size_t)y * width + x) * channels]; }
};

// Distinct colours in every pixel; with alpha, a different opacity in every column.
Pixels Pattern(int width, int height, int channels);
// A gentle gradient, which JPEG keeps close to the original.
Pixels Gradient(int width, int height);

Bytes EncodePng(const Pixels& pixels);
Bytes EncodeBmp(const Pixels& pixels);
Bytes EncodeJpeg(const Pixels& pixels, int quality);
// A 2 x 2 GIF with a 4-colour palette and two frames: the first shows palette entries 0, 1, 2, 3,
// the second entry 3 everywhere. Palette: red, green, blue, white.
Bytes TwoFrameGif();
// A GIF whose logical screen has the given size and whose one frame is a single pixel: a few
// dozen bytes that decode to a whole screen of pixels.
Bytes OnePixelGif(uint16_t screenWidth, uint16_t screenHeight);
// The 8-byte signature and an IHDR chunk announcing the size, and nothing else.
Bytes PngHeaderOnly(uint32_t width, uint32_t height);

// Decodes with stb_image into `channels` channels; width 0 when it fails.
Pixels Decode(const Bytes& encoded, int channels);
// The largest difference of one channel between two pictures; 256 when their sizes differ.
int MaxChannelDifference(const Pixels& a, const Pixels& b);

}  // namespace samples
