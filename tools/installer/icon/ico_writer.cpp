#include "ico_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <zlib.h>

namespace zz::icon {

namespace {

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

constexpr int kPngSize = 256;

std::size_t MaskRowBytes(int size) { return static_cast<std::size_t>((size + 31) / 32) * 4; }

std::string Dib(const Image& image) {
  const int n = image.size;
  std::string out;
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, static_cast<std::uint32_t>(n));
  Put32(out, static_cast<std::uint32_t>(2 * n));  // the colour rows and the mask's
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);  // BI_RGB, sizes and palette left to the reader
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) {
      const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * n + x) * 4];
      out += static_cast<char>(p[2]);
      out += static_cast<char>(p[1]);
      out += static_cast<char>(p[0]);
      out += static_cast<char>(p[3]);
    }
  }
  for (int y = n - 1; y >= 0; --y) {
    std::string row(MaskRowBytes(n), '\0');
    for (int x = 0; x < n; ++x) {
      if (image.rgba[(static_cast<std::size_t>(y) * n + x) * 4 + 3] == 0) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
    }
    out += row;
  }
  return out;
}

void PutBig32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xff);
}

void PngChunk(std::string& out, const char* type, const std::string& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = type + data;
  out += typed;
  PutBig32(out, static_cast<std::uint32_t>(
                    crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

// 8-bit RGBA, rows top to bottom, each after its filter byte (none).
std::string Png(const Image& image) {
  const int n = image.size;
  std::string rows;
  for (int y = 0; y < n; ++y) {
    rows += '\0';
    rows.append(reinterpret_cast<const char*>(&image.rgba[static_cast<std::size_t>(y) * n * 4]),
                static_cast<std::size_t>(n) * 4);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(rows.data()),
                static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("cannot compress the icon's image");
  }
  packed.resize(packedSize);
  std::string header;
  PutBig32(header, static_cast<std::uint32_t>(n));
  PutBig32(header, static_cast<std::uint32_t>(n));
  header += std::string("\x08\x06\x00\x00\x00", 5);  // depth 8, RGBA, deflate, no filter method, not interlaced
  std::string out = "\x89PNG\r\n\x1a\n";
  PngChunk(out, "IHDR", header);
  PngChunk(out, "IDAT", packed);
  PngChunk(out, "IEND", "");
  return out;
}

// Coverage of the picture's shapes at a point of the unit square.
struct Shade {
  double r, g, b, a;
};

double Clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }

bool InRoundedSquare(double x, double y, double lo, double hi, double radius) {
  const double cx = std::min(std::max(x, lo + radius), hi - radius);
  const double cy = std::min(std::max(y, lo + radius), hi - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius && x >= lo && x <= hi && y >= lo && y <= hi;
}

bool InCircle(double x, double y, double cx, double cy, double r) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }

Shade At(double x, double y) {
  if (!InRoundedSquare(x, y, 0.03, 0.97, 0.18)) return {0, 0, 0, 0};
  // The tile: blue, lighter at the top.
  Shade s{0.16 + 0.14 * (1 - y), 0.36 + 0.18 * (1 - y), 0.66 + 0.16 * (1 - y), 1};
  const Shade white{1, 1, 1, 1};
  const Shade amber{0.98, 0.74, 0.18, 1};
  // Two networks (the circles) joined through the gateway (the box in the middle).
  if (std::fabs(y - 0.5) <= 0.045 && x >= 0.2 && x <= 0.8) s = white;
  if (InCircle(x, y, 0.2, 0.5, 0.1) || InCircle(x, y, 0.8, 0.5, 0.1)) s = white;
  if (InRoundedSquare(x, y, 0.37, 0.63, 0.05)) s = white;
  if (InRoundedSquare(x, y, 0.41, 0.59, 0.03)) s = amber;
  return s;
}

}  // namespace

std::string WriteIco(const std::vector<Image>& images) {
  std::string head, body;
  Put16(head, 0);
  Put16(head, 1);  // an icon, not a cursor
  Put16(head, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const Image& image : images) {
    if (image.size < 1 || image.size > kPngSize ||
        image.rgba.size() != static_cast<std::size_t>(image.size) * image.size * 4) {
      throw std::invalid_argument("icon image of a size the file cannot hold");
    }
    std::string dib = image.size == kPngSize ? Png(image) : Dib(image);
    head += static_cast<char>(image.size % kPngSize);  // 0 stands for 256
    head += static_cast<char>(image.size % kPngSize);
    head += '\0';  // no palette
    head += '\0';
    Put16(head, 1);
    Put16(head, 32);
    Put32(head, static_cast<std::uint32_t>(dib.size()));
    Put32(head, offset);
    offset += static_cast<std::uint32_t>(dib.size());
    body += dib;
  }
  return head + body;
}

Image ProgramIcon(int size) {
  // Four by four samples a pixel smooth the edges.
  constexpr int kSamples = 4;
  Image image{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4)};
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          Shade s = At((px + (sx + 0.5) / kSamples) / size, (py + (sy + 0.5) / kSamples) / size);
          r += s.r * s.a;
          g += s.g * s.a;
          b += s.b * s.a;
          a += s.a;
        }
      }
      std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(py) * size + px) * 4];
      const double n = kSamples * kSamples;
      p[0] = static_cast<std::uint8_t>(std::lround(255 * Clamp01(a > 0 ? r / a : 0)));
      p[1] = static_cast<std::uint8_t>(std::lround(255 * Clamp01(a > 0 ? g / a : 0)));
      p[2] = static_cast<std::uint8_t>(std::lround(255 * Clamp01(a > 0 ? b / a : 0)));
      p[3] = static_cast<std::uint8_t>(std::lround(255 * a / n));
    }
  }
  return image;
}

}  // namespace zz::icon
