#include "win32/wave_player.h"

#include <gtest/gtest.h>

namespace {

// A bare name would also be looked for in the Windows folders and along PATH.
TEST(PlaySoundFileName, LooksForABareNameInTheCurrentFolderOnly) {
  EXPECT_EQ(playSoundFileName("Music.wav"), L".\\Music.wav");
  EXPECT_EQ(playSoundFileName("M\xc3\xbcsic.wav"), L".\\M\u00fcsic.wav");
  EXPECT_EQ(playSoundFileName("C:\\Games\\Music.wav"), L"C:\\Games\\Music.wav");
  EXPECT_EQ(playSoundFileName("sounds/Music.wav"), L"sounds/Music.wav");
}

}  // namespace
