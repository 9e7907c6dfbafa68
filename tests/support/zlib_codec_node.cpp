#include <emscripten.h>

#include "tests/support/zlib_codec.h"

namespace lab {

namespace {

// Deflates [source, source + sourceSize) into target (targetSize bytes): the stream's length,
// or -1 when it does not fit or Node fails.
EM_JS(int, NodeDeflate,
      (const unsigned char* source, int sourceSize, unsigned char* target, int targetSize), {
        try {
          const packed = require('zlib').deflateSync(HEAPU8.subarray(source, source + sourceSize),
                                                     {level : 6});
          if (packed.length > targetSize) return -1;
          HEAPU8.set(packed, target);
          return packed.length;
        } catch (e) {
          return -1;
        }
      });

// Inflates into target when the result is exactly targetSize bytes: 1, else 0.
EM_JS(int, NodeInflate,
      (const unsigned char* source, int sourceSize, unsigned char* target, int targetSize), {
        try {
          const raw = require('zlib').inflateSync(HEAPU8.subarray(source, source + sourceSize));
          if (raw.length != targetSize) return 0;
          HEAPU8.set(raw, target);
          return 1;
        } catch (e) {
          return 0;
        }
      });

}  // namespace

bool ZlibCompress(const std::vector<unsigned char>& raw, std::vector<unsigned char>& packed) {
  packed.resize(raw.size() + raw.size() / 1000 + 64);
  const int n = NodeDeflate(raw.data(), static_cast<int>(raw.size()), packed.data(),
                            static_cast<int>(packed.size()));
  if (n < 0) return false;
  packed.resize(static_cast<std::size_t>(n));
  return true;
}

bool ZlibUncompress(const std::vector<unsigned char>& packed, std::vector<unsigned char>& raw) {
  return NodeInflate(packed.data(), static_cast<int>(packed.size()), raw.data(),
                     static_cast<int>(raw.size())) == 1;
}

}  // namespace lab
