// zlib streams for the tests' PNG files (their chunks' CRC-32 is the
// report's, report/png_encoder.h). The desktop build uses the
// zlib library (zlib_codec_zlib.cpp); the browser build, whose tests run
// under Node, uses Node's own zlib module (zlib_codec_node.cpp).
#pragma once

#include <vector>

namespace lab {

// A zlib stream of raw; false when it could not be made.
bool ZlibCompress(const std::vector<unsigned char>& raw, std::vector<unsigned char>& packed);
// Inflates a zlib stream into raw, which holds the size expected; false on
// a damaged stream or one of any other size.
bool ZlibUncompress(const std::vector<unsigned char>& packed, std::vector<unsigned char>& raw);

}  // namespace lab
