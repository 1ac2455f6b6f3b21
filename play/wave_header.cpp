#include "play/wave_header.h"

namespace {

constexpr size_t kRiffHeaderBytes = 12;
constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kPcmFormatBytes = 16;

uint32_t little32(std::string_view bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

uint16_t little16(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1])
                                                                     << 8);
}

std::string formatProblem(std::string_view chunk) {
  const uint16_t format = little16(chunk, 0);
  const uint16_t channels = little16(chunk, 2);
  const uint32_t rate = little32(chunk, 4);
  const uint16_t bits = little16(chunk, 14);
  // PCM, IEEE float, or the extensible form of either.
  if (format != 1 && format != 3 && format != 0xFFFE) return "its sound is not in PCM";
  if (channels < 1 || channels > 8) return "its channel count is not 1 to 8";
  if (rate < 1000 || rate > 384000) return "its sample rate is not 1000 to 384000 Hz";
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return "its sample size is unusual";
  return {};
}

}  // namespace

std::string waveFileProblem(std::string_view head, uint64_t fileBytes) {
  if (fileBytes == 0) return "it is empty";
  if (head.size() < kRiffHeaderBytes || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
    return "it is not a wave file";
  bool formatSeen = false;
  for (size_t at = kRiffHeaderBytes; at + kChunkHeaderBytes <= head.size();) {
    const std::string_view id = head.substr(at, 4);
    const uint64_t size = little32(head, at + 4);
    const size_t body = at + kChunkHeaderBytes;
    if (id == "fmt ") {
      if (size < kPcmFormatBytes || body + kPcmFormatBytes > head.size())
        return "its format chunk is cut short";
      if (std::string problem = formatProblem(head.substr(body, kPcmFormatBytes)); !problem.empty())
        return problem;
      formatSeen = true;
    } else if (id == "data") {
      if (!formatSeen) return "its sound comes before its format";
      if (body + size > fileBytes)
        return "its header announces " + std::to_string(size) + " bytes of sound, but the file " +
               "holds " + std::to_string(fileBytes - body);
      return {};
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return "its header is cut short";
}
