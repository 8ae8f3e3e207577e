#pragma once

#include <cstdio>
#include <memory>

// A runtime-library stream that is closed when it goes out of scope.
struct StreamCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using StreamFile = std::unique_ptr<std::FILE, StreamCloser>;
