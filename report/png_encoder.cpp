#include "report/png_encoder.h"

#include <algorithm>
#include <array>

namespace lab {

namespace {
std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void PutU32(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v >> 24);
  out += static_cast<char>(v >> 16);
  out += static_cast<char>(v >> 8);
  out += static_cast<char>(v);
}

void PutChunk(std::string& out, const char* type, std::string_view data) {
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.append(type, 4);
  out.append(data);
  PutU32(out, Crc32(std::string_view(out).substr(start)));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
std::string StoredZlib(std::string_view raw) {
  constexpr std::size_t kBlock = 65535;
  std::string out;
  out.reserve(raw.size() + raw.size() / kBlock * 5 + 16);
  out += '\x78';  // deflate, 32 KiB window
  out += '\x01';  // no preset dictionary, check bits: 0x7801 % 31 == 0
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kBlock, raw.size() - at);
    const bool last = at + n == raw.size();
    out += static_cast<char>(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
    out += static_cast<char>(n & 0xFF);
    out += static_cast<char>(n >> 8);
    out += static_cast<char>(~n & 0xFF);
    out += static_cast<char>((~n >> 8) & 0xFF);
    out.append(raw.substr(at, n));
    at += n;
  } while (at < raw.size());
  PutU32(out, Adler32(raw));
  return out;
}
}  // namespace

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  crc = ~crc;
  for (char b : bytes) crc = table[(crc ^ static_cast<unsigned char>(b)) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::string_view bytes, std::uint32_t adler) {
  constexpr std::uint32_t kBase = 65521;
  std::uint32_t a = adler & 0xFFFFu;
  std::uint32_t b = adler >> 16;
  // 5552 bytes at most between reductions keep b below 2^32.
  while (!bytes.empty()) {
    const std::size_t n = std::min<std::size_t>(bytes.size(), 5552);
    for (std::size_t i = 0; i < n; ++i) {
      a += static_cast<unsigned char>(bytes[i]);
      b += a;
    }
    a %= kBase;
    b %= kBase;
    bytes.remove_prefix(n);
  }
  return (b << 16) | a;
}

std::string EncodePng(const RgbPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() !=
          static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    return {};
  }
  std::string raw;
  raw.reserve(static_cast<std::size_t>(picture.height) * (1 + 3 * picture.width));
  for (int y = 0; y < picture.height; ++y) {
    raw += '\0';  // filter: none
    const std::uint32_t* row = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
    for (int x = 0; x < picture.width; ++x) {
      raw += static_cast<char>(row[x] >> 16);
      raw += static_cast<char>(row[x] >> 8);
      raw += static_cast<char>(row[x]);
    }
  }

  std::string out = "\x89PNG\r\n\x1A\n";
  std::string header;
  PutU32(header, static_cast<std::uint32_t>(picture.width));
  PutU32(header, static_cast<std::uint32_t>(picture.height));
  header += '\x08';  // bit depth
  header += '\x02';  // colour type: RGB
  header += '\0';    // compression: deflate
  header += '\0';    // filter method
  header += '\0';    // no interlace
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", StoredZlib(raw));
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace lab
