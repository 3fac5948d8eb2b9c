// Writes the program's icon: icon_gen OUTPUT.ico
#include <cstdio>
#include <fstream>

#include "ico_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icon_gen OUTPUT.ico\n");
    return 2;
  }
  // The sizes Windows asks for at 100 % to 200 %: small icons 16 to 32, large ones 32 to 64,
  // 128 and 256 for the larger views of Explorer.
  std::vector<zz::icon::Image> images;
  for (int size : {16, 20, 24, 32, 40, 48, 64, 128, 256}) images.push_back(zz::icon::ProgramIcon(size));
  std::string bytes = zz::icon::WriteIco(images);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}
