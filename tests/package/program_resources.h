// What Windows reads from a program file: its version resource, its manifest and its icon.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

namespace zz::test {

struct VersionResource {
  bool found = false;
  unsigned fixed[4] = {};            // the numeric file version
  unsigned language = 0, codePage = 0;  // the first translation
  std::map<std::string, std::string> strings;  // the values of that translation, UTF-8
};

// Through GetFileVersionInfoW and VerQueryValueW, as Explorer's properties page reads it.
VersionResource ReadVersionResource(const std::wstring& file);

// The application manifest (RT_MANIFEST 1), or "" when the file has none.
std::string ReadManifest(const std::wstring& file);

// The image Windows picks from icon group 1 for a square size: its width and bit count, whether
// it is kept as PNG, and the alpha of its top-left corner and of its centre as Windows makes
// the icon from it; width 0 when there is none.
struct IconImage {
  int width = 0, bitCount = 0;
  bool png = false;
  int cornerAlpha = -1, centreAlpha = -1;
};
IconImage ReadIconImage(const std::wstring& file, int size);

// What the loader reads from an executable before any of its code runs: each library of the
// import table (upper case) with the functions taken from it, and whether it delays imports;
// empty when the file is no 64-bit executable.
struct Imports {
  std::map<std::string, std::set<std::string>> libraries;
  bool delayed = false;
};
Imports ReadImports(const std::wstring& file);

// "/work/x/y" or "Z:/work/x/y" -> "Z:\work\x\y": a path of the build machine as Wine sees it.
std::wstring WindowsPath(const std::string& path);

}  // namespace zz::test
