#include "lzma_decoder.h"

#include <lzma.h>

#include <algorithm>
#include <memory>
#include <new>

namespace {

constexpr std::size_t CHUNK_SIZE = std::size_t{1} << 20;

struct StreamCloser {
  void operator()(lzma_stream* stream) const { lzma_end(stream); }
};

}  // namespace

DecodeResult DecodeLzma(const LzmaProperties& properties, std::uint32_t dictionarySize,
                        const std::uint8_t* input, std::size_t inputCount, std::uint64_t outputSize,
                        const ChunkSink& sink) {
  DecodeResult failed;
  if (outputSize == 0) return DecodeResult{DecodeOutcome::Complete, 0};

  lzma_options_lzma options{};
  options.dict_size = std::max(dictionarySize, MIN_DICTIONARY_SIZE);
  options.lc = properties.lc;
  options.lp = properties.lp;
  options.pb = properties.pb;
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};

  lzma_stream stream = LZMA_STREAM_INIT;
  if (lzma_raw_decoder(&stream, filters) != LZMA_OK) {
    lzma_end(&stream);
    return failed;
  }
  std::unique_ptr<lzma_stream, StreamCloser> guard(&stream);

  std::unique_ptr<std::uint8_t[]> chunk(new (std::nothrow) std::uint8_t[CHUNK_SIZE]);
  if (!chunk) return failed;

  stream.next_in = input;
  stream.avail_in = inputCount;
  std::uint64_t produced = 0;
  while (produced < outputSize) {
    const std::size_t room =
        static_cast<std::size_t>(std::min<std::uint64_t>(CHUNK_SIZE, outputSize - produced));
    stream.next_out = chunk.get();
    stream.avail_out = room;
    const lzma_ret ret = lzma_code(&stream, LZMA_FINISH);
    const std::size_t got = room - stream.avail_out;
    if (got > 0 && !sink(chunk.get(), got)) return failed;
    produced += got;
    if (ret == LZMA_STREAM_END) return DecodeResult{DecodeOutcome::EndMarker, produced};
    if (ret != LZMA_OK) return produced == outputSize ? DecodeResult{DecodeOutcome::Complete, produced} : failed;
    if (got == 0 && stream.avail_in == 0) return failed;
  }
  return DecodeResult{DecodeOutcome::Complete, produced};
}
