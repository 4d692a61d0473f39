#include "tests/whiteboard/model/ImageSamples.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdlib>

namespace samples {
namespace {

void Append(void* context, void* data, int size) {
  Bytes* out = static_cast<Bytes*>(context);
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

void PutBigEndian32(Bytes* out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back((uint8_t)(value >> shift));
}

// LZW data for a frame of 2-bit palette indexes, as 3-bit codes: a clear code before every
// second pixel keeps the code table (and so the code width) from growing.
Bytes LzwCodes(const std::vector<int>& indexes) {
  std::vector<int> codes;
  for (size_t i = 0; i < indexes.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);  // clear
    codes.push_back(indexes[i]);
  }
  codes.push_back(5);  // end of information
  Bytes packed;
  uint32_t bits = 0;
  int count = 0;
  for (int code : codes) {
    bits |= (uint32_t)code << count;
    count += 3;
    while (count >= 8) {
      packed.push_back((uint8_t)bits);
      bits >>= 8;
      count -= 8;
    }
  }
  if (count > 0) packed.push_back((uint8_t)bits);
  Bytes block = {2, (uint8_t)packed.size()};  // minimum code size, one sub-block
  block.insert(block.end(), packed.begin(), packed.end());
  block.push_back(0);
  return block;
}

Bytes GifHead(uint16_t width, uint16_t height) {
  Bytes gif = {'G',
               'I',
               'F',
               '8',
               '9',
               'a',
               (uint8_t)width,
               (uint8_t)(width >> 8),
               (uint8_t)height,
               (uint8_t)(height >> 8),
               0x81,
               0,
               0};  // 4-entry global palette
  const uint8_t palette[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  gif.insert(gif.end(), palette, palette + sizeof(palette));
  return gif;
}

// A frame at the top left corner, 2 pixels wide.
void AppendGifFrame(Bytes* gif, const std::vector<int>& indexes) {
  const uint8_t control[] = {0x21, 0xF9, 4, 0, 10, 0, 0, 0};  // graphic control: 0.1 s, no transparency
  const uint8_t rows = (uint8_t)((indexes.size() + 1) / 2);
  const uint8_t columns = indexes.size() < 2 ? 1 : 2;
  const uint8_t descriptor[] = {0x2C, 0, 0, 0, 0, columns, 0, rows, 0, 0};
  gif->insert(gif->end(), control, control + sizeof(control));
  gif->insert(gif->end(), descriptor, descriptor + sizeof(descriptor));
  Bytes data = LzwCodes(indexes);
  gif->insert(gif->end(), data.begin(), data.end());
}

}  // namespace

Pixels Pattern(int width, int height, int channels) {
  Pixels p{width, height, channels, Bytes((size_t)width * height * channels)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* px = &p.data[((size_t)y * width + x) * channels];
      px[0] = (uint8_t)(x * 37 + y * 11);
      px[1] = (uint8_t)(y * 53 + 7);
      px[2] = (uint8_t)(x * y * 5 + 100);
      if (channels == 4) px[3] = (uint8_t)(255 - x * 16);
    }
  }
  return p;
}

Pixels Gradient(int width, int height) {
  Pixels p{width, height, 3, Bytes((size_t)width * height * 3)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* px = &p.data[((size_t)y * width + x) * 3];
      px[0] = (uint8_t)(60 + x * 2);
      px[1] = (uint8_t)(80 + y * 2);
      px[2] = 150;
    }
  }
  return p;
}

Bytes EncodePng(const Pixels& p) {
  Bytes out;
  stbi_write_png_to_func(Append, &out, p.width, p.height, p.channels, p.data.data(), p.width * p.channels);
  return out;
}

Bytes EncodeBmp(const Pixels& p) {
  Bytes out;
  stbi_write_bmp_to_func(Append, &out, p.width, p.height, p.channels, p.data.data());
  return out;
}

Bytes EncodeJpeg(const Pixels& p, int quality) {
  Bytes out;
  stbi_write_jpg_to_func(Append, &out, p.width, p.height, p.channels, p.data.data(), quality);
  return out;
}

Bytes TwoFrameGif() {
  Bytes gif = GifHead(2, 2);
  AppendGifFrame(&gif, {0, 1, 2, 3});
  AppendGifFrame(&gif, {3, 3, 3, 3});
  gif.push_back(0x3B);
  return gif;
}

Bytes OnePixelGif(uint16_t screenWidth, uint16_t screenHeight) {
  Bytes gif = GifHead(screenWidth, screenHeight);
  AppendGifFrame(&gif, {1});
  gif.push_back(0x3B);
  return gif;
}

Bytes PngHeaderOnly(uint32_t width, uint32_t height) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutBigEndian32(&png, 13);
  const uint8_t type[] = {'I', 'H', 'D', 'R'};
  png.insert(png.end(), type, type + 4);
  PutBigEndian32(&png, width);
  PutBigEndian32(&png, height);
  const uint8_t rest[] = {8, 6, 0, 0, 0};  // 8-bit RGBA, no interlace
  png.insert(png.end(), rest, rest + sizeof(rest));
  PutBigEndian32(&png, 0);  // CRC (not checked by decoders that only read the header)
  return png;
}

Pixels Decode(const Bytes& encoded, int channels) {
  Pixels p;
  int n = 0;
  stbi_uc* data =
      stbi_load_from_memory(encoded.data(), (int)encoded.size(), &p.width, &p.height, &n, channels);
  if (!data) return Pixels();
  p.channels = channels;
  p.data.assign(data, data + (size_t)p.width * p.height * channels);
  stbi_image_free(data);
  return p;
}

int MaxChannelDifference(const Pixels& a, const Pixels& b) {
  if (a.data.size() != b.data.size() || a.width != b.width) return 256;
  int worst = 0;
  for (size_t i = 0; i < a.data.size(); ++i) {
    worst = std::max(worst, std::abs(a.data[i] - b.data[i]));
  }
  return worst;
}

}  // namespace samples
