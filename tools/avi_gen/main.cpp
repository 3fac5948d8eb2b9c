// Writes the progress window's clip: avi_gen OUTPUT.avi
#include <cstdio>
#include <fstream>

#include "avi_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: avi_gen OUTPUT.avi\n");
    return 2;
  }
  std::string bytes = zz::avi::WriteAvi(zz::avi::ProgressClip());
  std::ofstream out(argv[1], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}
