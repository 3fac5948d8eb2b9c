#include "cp1251.h"

#include <array>

#include "text.h"

namespace zz {

namespace {

// Code points of the bytes 0x80 to 0xFF. 0x98 has no character in Windows-1251;
// it maps to U+0098 so that every byte survives a decode and an encode.
constexpr std::array<char32_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

char EncodeChar(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x410 && c <= 0x44F) return static_cast<char>(0xC0 + (c - 0x410));
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Runs of ASCII, the most of a configuration, are copied whole.
    std::size_t run = i;
    while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) ++run;
    out.append(bytes.data() + i, run - i);
    if (run == bytes.size()) break;
    AppendUtf8(out, kHigh[static_cast<unsigned char>(bytes[run]) - 0x80]);
    i = run + 1;
  }
  return out;
}

namespace {

// Walks the characters of a UTF-8 text; malformed sequences come as one kMalformed each.
constexpr char32_t kMalformed = 0xFFFFFFFF;

template <class Visit>
void ForEachChar(std::string_view text, Visit&& visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    auto u = static_cast<unsigned char>(text[i]);
    if (u < 0x80) {
      visit(static_cast<char32_t>(u));
      ++i;
      continue;
    }
    int extra = (u >= 0xF0) ? 3 : (u >= 0xE0) ? 2 : (u >= 0xC0) ? 1 : -1;
    if (extra < 0 || i + extra >= text.size()) {
      visit(kMalformed);
      ++i;
      continue;
    }
    char32_t c = u & (0x3F >> extra);
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      auto cont = static_cast<unsigned char>(text[i + k]);
      if ((cont & 0xC0) != 0x80) { valid = false; break; }
      c = (c << 6) | (cont & 0x3F);
    }
    if (!valid) {
      visit(kMalformed);
      ++i;
      continue;
    }
    visit(c);
    i += extra + 1;
  }
}

}  // namespace

std::string Utf8ToCp1251(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachChar(text, [&](char32_t c) { out += c == kMalformed ? '?' : EncodeChar(c); });
  return out;
}

bool Cp1251HasChar(char32_t c) { return c != kMalformed && (c == U'?' || EncodeChar(c) != '?'); }

std::string KeepCp1251Chars(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachChar(text, [&](char32_t c) {
    if (Cp1251HasChar(c)) AppendUtf8(out, c);
  });
  return out;
}

bool FitsCp1251(std::string_view text) {
  bool fits = true;
  ForEachChar(text, [&](char32_t c) { fits = fits && Cp1251HasChar(c); });
  return fits;
}

std::string ThroughCp1251(std::string_view text) { return Cp1251ToUtf8(Utf8ToCp1251(text)); }

}  // namespace zz
