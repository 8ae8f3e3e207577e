#include "decode_package.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>

#include "lzma_decoder.h"
#include "package_header.h"
#include "stream_file.h"

namespace {

constexpr std::uint8_t FIRST_UNDEFINED_PROPERTIES = 225;


// The package file's contents after the header: the LZMA data and the trailer, if any.
struct PackageContents {
  PackageHeader header;
  std::unique_ptr<std::uint8_t[]> input;
  std::size_t inputCount = 0;
};

bool ReadPackage(const char* packageFile, PackageContents& contents) {
  StreamFile file(std::fopen(packageFile, "rb"));
  if (!file) return false;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file.get());
  if (size < static_cast<long>(PACKAGE_HEADER_SIZE) || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;

  std::uint8_t headerBytes[PACKAGE_HEADER_SIZE];
  if (std::fread(headerBytes, 1, sizeof headerBytes, file.get()) != sizeof headerBytes) return false;
  contents.header = ParsePackageHeader(headerBytes);

  contents.inputCount = static_cast<std::size_t>(size) - PACKAGE_HEADER_SIZE;
  contents.input.reset(new (std::nothrow) std::uint8_t[contents.inputCount ? contents.inputCount : 1]);
  if (!contents.input) return false;
  return std::fread(contents.input.get(), 1, contents.inputCount, file.get()) == contents.inputCount;
}

// One decode straight into a freshly truncated bundle file; false when it did not give the whole
// output or the file did not take it all.
bool DecodeInto(const char* bundleFile, const PackageContents& contents, std::uint32_t dictionarySize) {
  StreamFile bundle(std::fopen(bundleFile, "wb+"));
  if (!bundle) return false;
  const DecodeResult result = DecodeLzma(
      SplitProperties(contents.header.properties), dictionarySize, contents.input.get(),
      contents.inputCount, contents.header.uncompressedSize,
      [&](const std::uint8_t* bytes, std::size_t count) {
        return std::fwrite(bytes, 1, count, bundle.get()) == count;
      });
  if (result.outcome == DecodeOutcome::Failed) return false;
  return std::fclose(bundle.release()) == 0;
}

void TruncateToEmpty(const char* bundleFile) {
  StreamFile bundle(std::fopen(bundleFile, "wb+"));
}

}  // namespace

void DecodePackage(const char* packageFile, const char* bundleFile) {
  PackageContents contents;
  if (!ReadPackage(packageFile, contents) || contents.header.uncompressedSize > UINT32_MAX ||
      contents.header.properties >= FIRST_UNDEFINED_PROPERTIES) {
    TruncateToEmpty(bundleFile);
    return;
  }

  // The declared dictionary is normally all the window the data need, and keeps memory small. A
  // stream whose distances reach further (a wrong or zero dictionary field) makes that decode fail;
  // it then gets the whole output as its window before it counts as undecodable.
  const auto outputSize = static_cast<std::uint32_t>(contents.header.uncompressedSize);
  const std::uint32_t declared = contents.header.dictionarySize;
  if (DecodeInto(bundleFile, contents, declared < outputSize ? declared : outputSize)) return;
  if (declared < outputSize && DecodeInto(bundleFile, contents, outputSize)) return;
  TruncateToEmpty(bundleFile);
}
