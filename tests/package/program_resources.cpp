#include "program_resources.h"

#include <cctype>
#include <cstdint>
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

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

Imports ReadImports(const std::wstring& file) {
  Imports imports;
  // Mapped as an image, section by section as the loader lays it out, without running it: a
  // relative address is an offset from the mapping (whose handle carries flags in its low bits).
  Module module = OpenResources(file);
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module.get()) & ~ULONG_PTR{3});
  if (!base) return imports;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) return imports;
  const IMAGE_DATA_DIRECTORY* directories = nt->OptionalHeader.DataDirectory;
  imports.delayed = directories[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].Size != 0;
  const DWORD table = directories[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (const auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table); table && d->Name; ++d) {
    std::set<std::string>& functions = imports.libraries[Upper(reinterpret_cast<const char*>(base + d->Name))];
    const DWORD names = d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk;
    for (const auto* thunk = reinterpret_cast<const ULONGLONG*>(base + names); *thunk; ++thunk) {
      // By name: the hint, then the name; by ordinal, the ordinal's number.
      const char* name = reinterpret_cast<const char*>(base + static_cast<DWORD>(*thunk) + sizeof(WORD));
      functions.insert(*thunk & IMAGE_ORDINAL_FLAG64 ? "#" + std::to_string(*thunk & 0xffff) : std::string(name));
    }
  }
  return imports;
}

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
  for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                           "OriginalFilename", "ProductName", "ProductVersion"}) {
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
  image.png = bits.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0;
  if (image.png) {
    // IHDR: the width (big-endian) at 16, then the height, the depth and the colour type (6: RGBA).
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bits[at]); };
    image.width = byte(16) << 24 | byte(17) << 16 | byte(18) << 8 | byte(19);
    image.bitCount = byte(25) == 6 ? 4 * byte(24) : 0;
  } else {
    BITMAPINFOHEADER header;
    std::memcpy(&header, bits.data(), sizeof header);
    image.width = header.biWidth;
    image.bitCount = header.biBitCount;
  }

  // The icon as Windows makes it from the image, read back as top-down BGRA rows.
  HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(bits.data()), static_cast<DWORD>(bits.size()), TRUE,
                                        0x00030000, size, size, LR_DEFAULTCOLOR);
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return image;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = size;
  format.bmiHeader.biHeight = -size;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
  HDC screen = GetDC(nullptr);
  if (info.hbmColor && GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS) == size) {
    image.cornerAlpha = static_cast<int>(pixels[0] >> 24);
    image.centreAlpha = static_cast<int>(pixels[static_cast<std::size_t>(size / 2) * size + size / 2] >> 24);
  }
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
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
