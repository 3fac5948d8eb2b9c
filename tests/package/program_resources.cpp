#include "program_resources.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
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

// The bytes of a PE file, addressed as the loader maps them (by relative virtual address).
class PeFile {
 public:
  explicit PeFile(const std::wstring& file) {
    std::ifstream in(file.c_str(), std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const auto* dos = At<IMAGE_DOS_HEADER>(0);
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    nt_ = At<IMAGE_NT_HEADERS64>(static_cast<std::size_t>(dos->e_lfanew));
    if (!nt_ || nt_->Signature != IMAGE_NT_SIGNATURE || nt_->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
      nt_ = nullptr;
      return;
    }
    sections_ = static_cast<std::size_t>(dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                nt_->FileHeader.SizeOfOptionalHeader;
  }

  bool Valid() const { return nt_ != nullptr; }
  const IMAGE_DATA_DIRECTORY& Directory(int index) const { return nt_->OptionalHeader.DataDirectory[index]; }

  template <class T>
  const T* AtRva(DWORD rva) const {
    for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i) {
      const auto* section = At<IMAGE_SECTION_HEADER>(sections_ + i * sizeof(IMAGE_SECTION_HEADER));
      if (section && rva >= section->VirtualAddress && rva < section->VirtualAddress + section->SizeOfRawData) {
        return At<T>(section->PointerToRawData + (rva - section->VirtualAddress));
      }
    }
    return nullptr;
  }

  std::string TextAtRva(DWORD rva) const {
    const char* text = AtRva<char>(rva);
    if (!text) return {};
    const std::size_t room = bytes_.size() - static_cast<std::size_t>(text - bytes_.data());
    return std::string(text, strnlen(text, room));
  }

 private:
  template <class T>
  const T* At(std::size_t offset) const {
    return offset + sizeof(T) <= bytes_.size() ? reinterpret_cast<const T*>(bytes_.data() + offset) : nullptr;
  }

  std::vector<char> bytes_;
  const IMAGE_NT_HEADERS64* nt_ = nullptr;
  std::size_t sections_ = 0;
};

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

Imports ReadImports(const std::wstring& file) {
  Imports imports;
  PeFile pe(file);
  if (!pe.Valid()) return imports;
  imports.delayed = pe.Directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT).Size != 0;
  DWORD at = pe.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress;
  for (const IMAGE_IMPORT_DESCRIPTOR* d; (d = pe.AtRva<IMAGE_IMPORT_DESCRIPTOR>(at)) && d->Name; at += sizeof *d) {
    std::set<std::string>& functions = imports.libraries[Upper(pe.TextAtRva(d->Name))];
    DWORD thunk = d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk;
    for (const ULONGLONG* t; (t = pe.AtRva<ULONGLONG>(thunk)) && *t; thunk += sizeof *t) {
      // By name: the hint, then the name; by ordinal, the ordinal's number.
      functions.insert(*t & IMAGE_ORDINAL_FLAG64 ? "#" + std::to_string(*t & 0xffff)
                                                : pe.TextAtRva(static_cast<DWORD>(*t) + sizeof(WORD)));
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
  for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright", "OriginalFilename",
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
