// A minimal RIFF AVI writer for uncompressed 24-bit video without sound, and the clip the
// progress window plays, drawn by code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zz::avi {

struct Frame {
  std::vector<std::uint8_t> bgr;  // rows top to bottom, 3 bytes a pixel, no padding
};

struct Clip {
  int width = 0, height = 0;
  std::uint32_t microSecondsPerFrame = 0;
  std::vector<Frame> frames;
};

// The file's bytes: hdrl (avih, strl with strh and strf), movi with one 00db chunk per
// frame (bottom-up rows padded to 4 bytes, as BI_RGB wants), idx1.
std::string WriteAvi(const Clip& clip);

// Three frames of 300 x 28 at 0.45 s: a band of blocks whose lit block moves along; at
// another DPI the same picture in as many more pixels, for a display of that density.
Clip ProgressClip(int dpi = 96);

}  // namespace zz::avi
