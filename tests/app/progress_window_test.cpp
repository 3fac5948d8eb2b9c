// The progress window and its clip from the program's resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "dialog_watcher.h"
#include "form_pr.h"
#include "main_window_fixture.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

using ProgressWindowTest = MainWindowTest;

// Which of the clip's three frames the control shows: block n of the band is lit in frame
// n mod 3 (the 300-pixel clip is centred in the 243-pixel control).
int LitFrame(HWND animate) {
  HDC dc = GetDC(animate);
  int frame = -1;
  const int blockX[3] = {62, 14, 38};  // blocks 3, 1 and 2 in the control's coordinates
  for (int f = 0; f < 3; ++f)
    if (GetPixel(dc, blockX[f], 10) == RGB(20, 110, 200)) frame = f;
  ReleaseDC(animate, dc);
  return frame;
}

TEST_F(ProgressWindowTest, PlaysTheClipInALoopAndShowsCentredOnTop) {
  dir.Write("voice.ini", "");
  Start();
  TFormPr pr;
  pr.CreateForm(Form().hwnd());
  EXPECT_FALSE(IsWindowVisible(pr.hwnd()));
  EXPECT_TRUE(pr.ClipOpened());
  wchar_t caption[128] = {};
  GetWindowTextW(pr.hwnd(), caption, 128);
  EXPECT_EQ(Narrow(caption), "Подождите идет перезапуск службы");
  RECT client{};
  GetClientRect(pr.hwnd(), &client);
  EXPECT_EQ(client.right, 334);
  EXPECT_EQ(client.bottom, 89);
  EXPECT_TRUE(GetWindowLongW(pr.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(pr.hwnd(), GWL_STYLE) & WS_THICKFRAME);
  ui::Rect clip = pr.Animate1().Bounds();
  EXPECT_EQ(clip.x, 46);
  EXPECT_EQ(clip.y, 33);
  EXPECT_EQ(clip.width, 243);
  EXPECT_EQ(clip.height, 22);

  RECT main{}, self{}, work{};
  GetWindowRect(Form().hwnd(), &main);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  pr.ShowCentred(main, work);
  EXPECT_TRUE(IsWindowVisible(pr.hwnd()));
  GetWindowRect(pr.hwnd(), &self);
  EXPECT_LE(std::abs((main.left + main.right) - (self.left + self.right)), 2);
  EXPECT_LE(std::abs((main.top + main.bottom) - (self.top + self.bottom)), 2);
  // The lit block of the band tells the frame; after the third frame the first comes again.
  std::vector<int> frames;
  DWORD end = GetTickCount() + 2000;
  while (GetTickCount() < end) {
    int frame = LitFrame(pr.Animate1().hwnd());
    if (frame >= 0 && (frames.empty() || frames.back() != frame)) frames.push_back(frame);
    Pump(40);
  }
  // All three frames show, and one of them again: the clip loops (a busy machine may skip one).
  EXPECT_GE(frames.size(), 4u) << ::testing::PrintToString(frames);
  for (int f = 0; f < 3; ++f) EXPECT_NE(std::find(frames.begin(), frames.end(), f), frames.end()) << f;
  pr.Close();
  EXPECT_FALSE(IsWindowVisible(pr.hwnd()));
}

TEST(ProgressClipResource, IsAnUncompressedClipOfThreeFrames) {
  HRSRC found = FindResourceW(nullptr, L"BOLSHOI_FILE", L"AVI");
  ASSERT_NE(found, nullptr);
  DWORD size = SizeofResource(nullptr, found);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  ASSERT_GT(size, 3u * 300 * 28 * 3);
  EXPECT_EQ(std::string(bytes, 4), "RIFF");
  EXPECT_EQ(std::string(bytes + 8, 4), "AVI ");
}

}  // namespace
}  // namespace zz::test
