#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Checks that a file is a wave file the game can play, from its first bytes and its size: a
// RIFF/WAVE header with a PCM format chunk and a data chunk that the file really holds.
// Returns what is wrong, or the empty text when nothing is.
std::string waveFileProblem(std::string_view head, uint64_t fileBytes);

// How many of a file's first bytes the check needs at most.
constexpr size_t kWaveHeadBytes = 4096;
