// A Windows icon file (.ico) of 32-bit images with alpha, and the program's icon drawn by code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zz::icon {

struct Image {
  int size = 0;                     // width = height
  std::vector<std::uint8_t> rgba;   // rows top to bottom, 4 bytes a pixel, straight alpha
};

// ICONDIR, one ICONDIRENTRY per image, then each image up to 255 pixels as a BITMAPINFOHEADER
// with the double height icons use, bottom-up BGRA rows and the AND mask (set where a pixel is
// transparent), and a 256-pixel one as a PNG file, as Windows keeps its large icons.
std::string WriteIco(const std::vector<Image>& images);

// The program's icon at one size: a blue tile with the gateway between two networks.
Image ProgramIcon(int size);

}  // namespace zz::icon
