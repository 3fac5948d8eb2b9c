// The progress clip as the animation control reads it: RIFF chunks, headers, frames, index.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "avi_writer.h"

namespace zz::avi {
namespace {

std::uint32_t U32At(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
  return v;
}
std::uint16_t U16At(const std::string& s, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8));
}

// The offset of the first chunk with the id at or after `from`.
std::size_t Find(const std::string& s, const char* id, std::size_t from = 0) { return s.find(std::string(id, 4), from); }

TEST(ProgressClip, IsThreeUncompressed24BitFramesOf300By28AtFourHundredFiftyMilliseconds) {
  const std::string avi = WriteAvi(ProgressClip());
  ASSERT_EQ(avi.substr(0, 4), "RIFF");
  EXPECT_EQ(U32At(avi, 4), avi.size() - 8);
  EXPECT_EQ(avi.substr(8, 4), "AVI ");

  std::size_t avih = Find(avi, "avih");
  ASSERT_NE(avih, std::string::npos);
  EXPECT_EQ(U32At(avi, avih + 4), 56u);
  EXPECT_EQ(U32At(avi, avih + 8), 450000u);        // microseconds a frame
  EXPECT_EQ(U32At(avi, avih + 8 + 16), 3u);        // frames
  EXPECT_EQ(U32At(avi, avih + 8 + 24), 1u);        // streams
  EXPECT_EQ(U32At(avi, avih + 8 + 32), 300u);
  EXPECT_EQ(U32At(avi, avih + 8 + 36), 28u);

  std::size_t strh = Find(avi, "strh");
  EXPECT_EQ(avi.substr(strh + 8, 4), "vids");
  std::uint32_t scale = U32At(avi, strh + 8 + 20), rate = U32At(avi, strh + 8 + 24);
  EXPECT_DOUBLE_EQ(static_cast<double>(scale) / rate, 0.45);
  EXPECT_EQ(U32At(avi, strh + 8 + 32), 3u);

  std::size_t strf = Find(avi, "strf");
  EXPECT_EQ(U32At(avi, strf + 4), 40u);
  EXPECT_EQ(U32At(avi, strf + 8 + 4), 300u);
  EXPECT_EQ(U32At(avi, strf + 8 + 8), 28u);
  EXPECT_EQ(U16At(avi, strf + 8 + 14), 24u);
  EXPECT_EQ(U32At(avi, strf + 8 + 16), 0u);  // BI_RGB

  std::size_t movi = Find(avi, "movi");
  ASSERT_NE(movi, std::string::npos);
  std::size_t idx1 = Find(avi, "idx1");
  ASSERT_NE(idx1, std::string::npos);
  EXPECT_EQ(U32At(avi, idx1 + 4), 3u * 16u);
  std::string first, third;
  for (std::uint32_t f = 0; f < 3; ++f) {
    std::size_t entry = idx1 + 8 + f * 16;
    EXPECT_EQ(avi.substr(entry, 4), "00db");
    std::size_t chunk = movi + U32At(avi, entry + 8);
    ASSERT_EQ(avi.substr(chunk, 4), "00db") << f;  // the index points at its frame
    EXPECT_EQ(U32At(avi, chunk + 4), 300u * 3u * 28u);
    if (f == 0) first = avi.substr(chunk + 8, 300 * 3 * 28);
    if (f == 2) third = avi.substr(chunk + 8, 300 * 3 * 28);
  }
  EXPECT_NE(first, third);  // the frames differ: the clip moves
}

TEST(WriteAvi, PadsRowsToFourBytesAndStoresThemBottomUp) {
  Clip clip;
  clip.width = 3;  // 9 bytes a row, padded to 12
  clip.height = 2;
  clip.microSecondsPerFrame = 100000;
  Frame frame;
  frame.bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  clip.frames.push_back(frame);
  const std::string avi = WriteAvi(clip);
  std::size_t chunk = Find(avi, "00db");
  ASSERT_EQ(U32At(avi, chunk + 4), 24u);
  const unsigned char expected[24] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0,
                                      1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0};
  EXPECT_EQ(std::memcmp(avi.data() + chunk + 8, expected, 24), 0);
  Frame wrong;
  wrong.bgr.resize(5);
  clip.frames = {wrong};
  EXPECT_THROW(WriteAvi(clip), std::invalid_argument);
}

}  // namespace
}  // namespace zz::avi
