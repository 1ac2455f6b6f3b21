#pragma once

#include <string>

#include "play/pad_input.h"

// Reads the pads connected now, each time it is asked.
class PadReader {
 public:
  virtual ~PadReader() = default;
  virtual PadReadings read() = 0;
};

// The pad module's one entry point: makes a reader, or returns none and says why in failure.
using CreatePadReader = PadReader* (*)(std::string* failure);

// Without a suffix: the platform's own is added when it is loaded.
inline constexpr const char* kPadModuleName = "zundabar_pads";
inline constexpr const char* kCreatePadReaderSymbol = "zundabarCreatePadReader";
