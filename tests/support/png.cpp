#include "tests/support/png.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

#include "tests/support/zlib_codec.h"

namespace lab {

namespace {

void PutU32(std::vector<unsigned char>& out, std::uint32_t v) {
  out.push_back(static_cast<unsigned char>(v >> 24));
  out.push_back(static_cast<unsigned char>(v >> 16));
  out.push_back(static_cast<unsigned char>(v >> 8));
  out.push_back(static_cast<unsigned char>(v));
}

std::uint32_t GetU32(const unsigned char* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

void PutChunk(std::vector<unsigned char>& out, const char* type,
              const std::vector<unsigned char>& data) {
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutU32(out, Crc32(std::string_view(reinterpret_cast<const char*>(out.data()) + start,
                                     out.size() - start)));
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a);
  const int pb = std::abs(p - b);
  const int pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  if (pb <= pc) return b;
  return c;
}

}  // namespace

RgbPicture ImageOf(const Surface& surface) {
  RgbPicture image;
  image.width = surface.Width();
  image.height = surface.Height();
  image.pixels.assign(surface.Data(),
                      surface.Data() + static_cast<std::size_t>(image.width) * image.height);
  return image;
}

bool WritePng(const std::string& path, const Surface& surface) {
  return WritePng(path, ImageOf(surface));
}

bool WritePng(const std::string& path, const RgbPicture& image) {
  std::vector<unsigned char> raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * image.width));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.pixels[static_cast<std::size_t>(y) * image.width + x];
      raw.push_back(static_cast<unsigned char>(p >> 16));
      raw.push_back(static_cast<unsigned char>(p >> 8));
      raw.push_back(static_cast<unsigned char>(p));
    }
  }
  std::vector<unsigned char> packed;
  if (!ZlibCompress(raw, packed)) return false;

  std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  PutU32(header, static_cast<std::uint32_t>(image.width));
  PutU32(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

bool ReadPng(const std::string& path, RgbPicture& image) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::vector<unsigned char> in((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
  if (in.size() < 8 || std::memcmp(in.data(), "\x89PNG\r\n\x1A\n", 8) != 0) return false;
  std::vector<unsigned char> packed;
  int width = 0;
  int height = 0;
  for (std::size_t pos = 8; pos + 12 <= in.size();) {
    const std::uint32_t length = GetU32(&in[pos]);
    if (pos + 12 + length > in.size()) return false;
    const std::string type(reinterpret_cast<const char*>(&in[pos + 4]), 4);
    const unsigned char* data = &in[pos + 8];
    if (type == "IHDR") {
      width = static_cast<int>(GetU32(data));
      height = static_cast<int>(GetU32(data + 4));
      if (data[8] != 8 || data[9] != 2 || data[12] != 0) return false;
    } else if (type == "IDAT") {
      packed.insert(packed.end(), data, data + length);
    }
    pos += 12 + length;
  }
  if (width <= 0 || height <= 0) return false;
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  std::vector<unsigned char> raw(static_cast<std::size_t>(height) * (stride + 1));
  if (!ZlibUncompress(packed, raw)) return false;
  std::vector<unsigned char> previous(stride, 0);
  std::vector<unsigned char> row(stride);
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  for (int y = 0; y < height; ++y) {
    const unsigned char* line = &raw[static_cast<std::size_t>(y) * (stride + 1)];
    const int filter = line[0];
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= 3 ? row[i - 3] : 0;
      const int b = previous[i];
      const int c = i >= 3 ? previous[i - 3] : 0;
      int v = line[1 + i];
      switch (filter) {
        case 1:
          v += a;
          break;
        case 2:
          v += b;
          break;
        case 3:
          v += (a + b) / 2;
          break;
        case 4:
          v += Paeth(a, b, c);
          break;
        default:
          break;
      }
      row[i] = static_cast<unsigned char>(v);
    }
    for (int x = 0; x < width; ++x) {
      image.pixels[static_cast<std::size_t>(y) * width + x] =
          0xFF000000u | (static_cast<std::uint32_t>(row[x * 3]) << 16) |
          (static_cast<std::uint32_t>(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
    }
    previous = row;
  }
  return true;
}

}  // namespace lab
