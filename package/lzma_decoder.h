#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "package_header.h"

// How a raw LZMA1 decode ended. Complete: the declared output size was produced. EndMarker: the
// data's end marker came first; the bytes before it are the output. Failed: anything else
// (corrupt or truncated data, unsupported properties, no memory, or the sink refused a chunk);
// the output counts as nothing, whatever reached the sink.
enum class DecodeOutcome { Complete, EndMarker, Failed };

struct DecodeResult {
  DecodeOutcome outcome = DecodeOutcome::Failed;
  std::uint64_t produced = 0;  // bytes handed to the sink; 0 when Failed
};

// liblzma's smallest LZMA dictionary.
constexpr std::uint32_t MIN_DICTIONARY_SIZE = 4096;

// Receives the decoded bytes in order, a chunk at a time; returns false to stop with Failed.
using ChunkSink = std::function<bool(const std::uint8_t* bytes, std::size_t count)>;

// Decodes raw LZMA1 `input` with liblzma and hands at most `outputSize` bytes to `sink`, stopping
// as soon as that many have been produced, even inside a match. `dictionarySize` is the window
// given to liblzma (raised to liblzma's minimum of 4 KiB); a distance beyond it makes the decode
// fail, so a decode that succeeds gives the same bytes as one whose window is the whole output.
DecodeResult DecodeLzma(const LzmaProperties& properties, std::uint32_t dictionarySize,
                        const std::uint8_t* input, std::size_t inputCount, std::uint64_t outputSize,
                        const ChunkSink& sink);
