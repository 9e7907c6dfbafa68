#include <zlib.h>

#include "tests/support/zlib_codec.h"

namespace lab {

bool ZlibCompress(const std::vector<unsigned char>& raw, std::vector<unsigned char>& packed) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  packed.resize(size);
  if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) {
    return false;
  }
  packed.resize(size);
  return true;
}

bool ZlibUncompress(const std::vector<unsigned char>& packed, std::vector<unsigned char>& raw) {
  uLongf size = static_cast<uLongf>(raw.size());
  return uncompress(raw.data(), &size, packed.data(), static_cast<uLong>(packed.size())) == Z_OK &&
         size == raw.size();
}

}  // namespace lab
