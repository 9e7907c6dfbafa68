// A small PNG writer for 8-bit RGB pictures, with no compression library:
// the image data is one zlib stream of stored (uncompressed) deflate
// blocks, checked by Adler-32, in chunks checked by CRC-32. Every PNG
// reader takes it; the file is larger than a compressed one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lab {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x..RRGGBB, rows top to bottom
};

// The CRC-32 of PNG chunks and the Adler-32 of zlib streams.
std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::string_view bytes, std::uint32_t adler = 1);

// The PNG file of a picture; "" for an empty picture.
std::string EncodePng(const RgbPicture& picture);

}  // namespace lab
