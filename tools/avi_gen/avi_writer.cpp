#include "avi_writer.h"

#include <stdexcept>

namespace zz::avi {

namespace {

void U32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void U16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}
void FourCc(std::string& out, const char* id) { out.append(id, 4); }

// A chunk: id, size, data, a pad byte to an even length.
std::string Chunk(const char* id, const std::string& data) {
  std::string out;
  FourCc(out, id);
  U32(out, static_cast<std::uint32_t>(data.size()));
  out += data;
  if (data.size() % 2) out.push_back('\0');
  return out;
}

std::string List(const char* type, const std::string& data) {
  std::string body;
  FourCc(body, type);
  body += data;
  return Chunk("LIST", body);
}

std::uint32_t Stride(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }

std::string FrameBits(const Clip& clip, const Frame& frame) {
  const std::uint32_t stride = Stride(clip.width);
  const std::size_t row = static_cast<std::size_t>(clip.width) * 3;
  if (frame.bgr.size() != row * static_cast<std::size_t>(clip.height)) throw std::invalid_argument("frame size");
  std::string bits;
  for (int y = clip.height - 1; y >= 0; --y) {
    bits.append(reinterpret_cast<const char*>(frame.bgr.data()) + row * static_cast<std::size_t>(y), row);
    bits.append(stride - row, '\0');
  }
  return bits;
}

}  // namespace

std::string WriteAvi(const Clip& clip) {
  const std::uint32_t frameBytes = Stride(clip.width) * static_cast<std::uint32_t>(clip.height);
  const auto count = static_cast<std::uint32_t>(clip.frames.size());

  std::string avih;
  U32(avih, clip.microSecondsPerFrame);
  U32(avih, static_cast<std::uint32_t>(static_cast<std::uint64_t>(frameBytes) * 1000000u /
                                        (clip.microSecondsPerFrame ? clip.microSecondsPerFrame : 1)));
  U32(avih, 0);     // padding granularity
  U32(avih, 0x10);  // AVIF_HASINDEX
  U32(avih, count);
  U32(avih, 0);  // initial frames
  U32(avih, 1);  // streams
  U32(avih, frameBytes);
  U32(avih, static_cast<std::uint32_t>(clip.width));
  U32(avih, static_cast<std::uint32_t>(clip.height));
  for (int i = 0; i < 4; ++i) U32(avih, 0);

  std::string strh;
  FourCc(strh, "vids");
  FourCc(strh, "DIB ");
  U32(strh, 0);  // flags
  U16(strh, 0);  // priority
  U16(strh, 0);  // language
  U32(strh, 0);  // initial frames
  // The rate as scale/rate seconds a frame: microseconds over one million.
  U32(strh, clip.microSecondsPerFrame / 10000);
  U32(strh, 100);
  U32(strh, 0);  // start
  U32(strh, count);
  U32(strh, frameBytes);
  U32(strh, 0xFFFFFFFFu);  // quality: default
  U32(strh, 0);            // sample size: varies
  U16(strh, 0);
  U16(strh, 0);
  U16(strh, static_cast<std::uint16_t>(clip.width));
  U16(strh, static_cast<std::uint16_t>(clip.height));

  std::string strf;  // BITMAPINFOHEADER
  U32(strf, 40);
  U32(strf, static_cast<std::uint32_t>(clip.width));
  U32(strf, static_cast<std::uint32_t>(clip.height));
  U16(strf, 1);
  U16(strf, 24);
  U32(strf, 0);  // BI_RGB
  U32(strf, frameBytes);
  for (int i = 0; i < 4; ++i) U32(strf, 0);

  std::string hdrl = Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf));

  std::string movi, idx1;
  std::uint32_t offset = 4;  // from the "movi" type, as the index counts
  for (const Frame& frame : clip.frames) {
    std::string chunk = Chunk("00db", FrameBits(clip, frame));
    FourCc(idx1, "00db");
    U32(idx1, 0x10);  // AVIIF_KEYFRAME
    U32(idx1, offset);
    U32(idx1, frameBytes);
    offset += static_cast<std::uint32_t>(chunk.size());
    movi += chunk;
  }

  std::string body;
  FourCc(body, "AVI ");
  body += List("hdrl", hdrl) + List("movi", movi) + Chunk("idx1", idx1);
  return Chunk("RIFF", body);
}

Clip ProgressClip(int dpi) {
  constexpr int kWidth = 300, kHeight = 28;
  Clip clip;
  clip.width = (kWidth * dpi + 48) / 96;
  clip.height = (kHeight * dpi + 48) / 96;
  clip.microSecondsPerFrame = 450000;
  constexpr int kBlocks = 12, kBlockWidth = 20, kGap = 4, kLeft = 8, kTop = 6, kBlockHeight = 16;
  for (int f = 0; f < 3; ++f) {
    Frame frame;
    frame.bgr.resize(static_cast<std::size_t>(clip.width * clip.height) * 3);
    for (int py = 0; py < clip.height; ++py) {
      for (int px = 0; px < clip.width; ++px) {
        // The design's pixel under this one.
        const int x = px * kWidth / clip.width, y = py * kHeight / clip.height;
        std::uint8_t b = 240, g = 240, r = 240;  // the window's face
        int block = (x - kLeft) / (kBlockWidth + kGap);
        bool inBlock = x >= kLeft && block < kBlocks && (x - kLeft) % (kBlockWidth + kGap) < kBlockWidth &&
                       y >= kTop && y < kTop + kBlockHeight;
        if (inBlock) {
          bool lit = block % 3 == f;
          b = lit ? 200 : 170;
          g = lit ? 110 : 160;
          r = lit ? 20 : 150;
        } else if (py == 0 || py == clip.height - 1 || px == 0 || px == clip.width - 1) {
          b = g = r = 128;  // a frame of one pixel at any density
        }
        std::size_t at = (static_cast<std::size_t>(py) * clip.width + px) * 3;
        frame.bgr[at] = b;
        frame.bgr[at + 1] = g;
        frame.bgr[at + 2] = r;
      }
    }
    clip.frames.push_back(std::move(frame));
  }
  return clip;
}

}  // namespace zz::avi
