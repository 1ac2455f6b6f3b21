#include "play/wave_header.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string header(uint32_t dataBytes, uint16_t format = 1, uint16_t bits = 16) {
  std::string h = "RIFF";
  auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) h += static_cast<char>(v >> (8 * i));
  };
  auto put16 = [&](uint16_t v) {
    h += static_cast<char>(v);
    h += static_cast<char>(v >> 8);
  };
  put32(36 + dataBytes);
  h += "WAVEfmt ";
  put32(16);
  put16(format);
  put16(1);
  put32(22050);
  put32(44100);
  put16(2);
  put16(bits);
  h += "data";
  put32(dataBytes);
  return h;
}

TEST(WaveHeader, AcceptsThePlainPcmWaveFilesWeShip) {
  EXPECT_EQ(waveFileProblem(header(1000), 44 + 1000), "");
  std::ifstream music(ZUNDABAR_MUSIC_FILE, std::ios::binary);
  std::stringstream bytes;
  bytes << music.rdbuf();
  const std::string all = bytes.str();
  EXPECT_EQ(waveFileProblem(std::string_view(all).substr(0, kWaveHeadBytes), all.size()), "");
}

TEST(WaveHeader, NamesWhatIsWrongWithABrokenFile) {
  EXPECT_EQ(waveFileProblem("", 0), "it is empty");
  EXPECT_EQ(waveFileProblem("\x7f"
                            "ELF random bytes",
                            16),
            "it is not a wave file");
  EXPECT_EQ(waveFileProblem(header(1000).substr(0, 30), 30), "its format chunk is cut short");
  EXPECT_EQ(waveFileProblem(header(1000).substr(0, 38), 38), "its header is cut short");
  EXPECT_EQ(waveFileProblem(header(0xFFFFFFF0u), 44 + 4096),
            "its header announces 4294967280 bytes of sound, but the file holds 4096");
  EXPECT_EQ(waveFileProblem(header(10, 2), 54), "its sound is not in PCM");
  EXPECT_EQ(waveFileProblem(header(10, 1, 12), 54), "its sample size is unusual");
}

}  // namespace
