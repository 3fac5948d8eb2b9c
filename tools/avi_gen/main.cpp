// Writes the progress window's clip: avi_gen OUTPUT.avi [DPI]
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "avi_writer.h"

int main(int argc, char** argv) {
  const int dpi = argc == 3 ? std::atoi(argv[2]) : 96;
  if (argc < 2 || argc > 3 || dpi < 96 || dpi > 480) {
    std::fprintf(stderr, "usage: avi_gen OUTPUT.avi [DPI]\n");
    return 2;
  }
  std::string bytes = zz::avi::WriteAvi(zz::avi::ProgressClip(dpi));
  std::ofstream out(argv[1], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}
