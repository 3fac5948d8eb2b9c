#include "program_resources.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "win32/unique_handle.h"
#include "win32/utf16.h"

namespace zz::test {

namespace {

struct ModuleTraits {
  static HMODULE Adopt(HMODULE h) { return h; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
using Module = UniqueHandle<HMODULE, ModuleTraits>;

// The program's resources without running any of its code.
Module OpenResources(const std::wstring& file) {
  return Module(LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

std::string ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

}  // namespace

VersionResource ReadVersionResource(const std::wstring& file) {
  VersionResource result;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return result;
  std::vector<char> block(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return result;

  void* value = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    result.fixed[0] = HIWORD(fixed->dwFileVersionMS);
    result.fixed[1] = LOWORD(fixed->dwFileVersionMS);
    result.fixed[2] = HIWORD(fixed->dwFileVersionLS);
    result.fixed[3] = LOWORD(fixed->dwFileVersionLS);
  }
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 4) return result;
  const auto* translation = static_cast<const WORD*>(value);
  result.language = translation[0];
  result.codePage = translation[1];
  result.found = true;
  for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "InternalName", "OriginalFilename",
                           "ProductName", "ProductVersion"}) {
    wchar_t path[128];
    std::swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", result.language, result.codePage,
                  Widen(name).c_str());
    if (VerQueryValueW(block.data(), path, &value, &length) && length > 0) {
      result.strings[name] = Narrow(static_cast<const wchar_t*>(value));
    }
  }
  return result;
}

std::string ReadManifest(const std::wstring& file) {
  Module module = OpenResources(file);
  if (!module) return {};
  return ResourceBytes(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
}

IconImage ReadIconImage(const std::wstring& file, int size) {
  IconImage image;
  Module module = OpenResources(file);
  if (!module) return image;
  std::string group = ResourceBytes(module.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  if (group.empty()) return image;
  int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(group.data()), TRUE, size, size, LR_DEFAULTCOLOR);
  std::string bits = ResourceBytes(module.get(), MAKEINTRESOURCEW(id), RT_ICON);
  if (bits.size() < sizeof(BITMAPINFOHEADER)) return image;
  BITMAPINFOHEADER header;
  std::memcpy(&header, bits.data(), sizeof header);
  image.width = header.biWidth;
  image.bitCount = header.biBitCount;
  const int height = header.biHeight / 2;  // the colour rows, then the mask's
  if (header.biBitCount != 32 || height != header.biWidth) return image;
  // Rows bottom-up, four bytes a pixel, alpha last.
  auto alpha = [&](int x, int y) {
    std::size_t at = header.biSize + (static_cast<std::size_t>(height - 1 - y) * header.biWidth + x) * 4 + 3;
    return at < bits.size() ? static_cast<unsigned char>(bits[at]) : -1;
  };
  image.cornerAlpha = alpha(0, 0);
  image.centreAlpha = alpha(header.biWidth / 2, height / 2);
  return image;
}

std::wstring WindowsPath(const std::string& path) {
  std::wstring wide = Widen(path);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  if (!wide.empty() && wide[0] == L'\\') wide = L"Z:" + wide;
  return wide;
}

}  // namespace zz::test
