#include "writers.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace skingen {

namespace {

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.f, 1.f) * 255)); }

// A drawn colour that happens to equal the key must not turn transparent.
Rgb AvoidKey(Rgb c) {
  if (c.r == kKey.r && c.g == kKey.g && c.b == kKey.b) c.r = 254;
  return c;
}

void Put16(Bytes& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Put32BE(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32BE(out, static_cast<std::uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32BE(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// One row filter per row, the one with the smallest sum of absolute values.
Bytes FilterRows(const Bytes& raw, int width, int height) {
  const size_t stride = static_cast<size_t>(width) * 4;
  Bytes out;
  std::vector<std::uint8_t> zero(stride, 0);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = &raw[y * stride];
    const std::uint8_t* up = y > 0 ? &raw[(y - 1) * stride] : zero.data();
    Bytes best;
    long bestScore = -1;
    for (int filter = 0; filter <= 2; ++filter) {
      Bytes f(stride + 1);
      f[0] = static_cast<std::uint8_t>(filter);
      long score = 0;
      for (size_t i = 0; i < stride; ++i) {
        const int left = i >= 4 ? row[i - 4] : 0;
        const int pred = filter == 0 ? 0 : filter == 1 ? left : up[i];
        f[i + 1] = static_cast<std::uint8_t>(row[i] - pred);
        score += std::min<int>(f[i + 1], 256 - f[i + 1]);
      }
      if (bestScore < 0 || score < bestScore) {
        bestScore = score;
        best = std::move(f);
      }
    }
    out.insert(out.end(), best.begin(), best.end());
  }
  return out;
}

Bytes ZlibStored(const Bytes& data) {
  if (data.size() > 65535) throw std::runtime_error("stored block too large");
  Bytes out{0x78, 0x01, 0x01};  // header, then one final stored block
  Put16(out, static_cast<unsigned>(data.size()));
  Put16(out, static_cast<unsigned>(~data.size() & 0xFFFF));
  out.insert(out.end(), data.begin(), data.end());
  Put32BE(out, static_cast<std::uint32_t>(adler32(1, data.data(), static_cast<uInt>(data.size()))));
  return out;
}

Bytes ZlibBest(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 9) != Z_OK) {
    throw std::runtime_error("deflate failed");
  }
  out.resize(size);
  return out;
}

}  // namespace

Image24::Image24(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image24::PutKeyed(const Canvas& c, int x0, int y0, Rgb matte) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const Pixel& p = c.At(x, y);
      if (p.a < 0.1f) continue;  // stays whatever lies there (the key)
      const float rest = 1 - p.a;
      At(x0 + x, y0 + y) = AvoidKey({ToByte(p.r + matte.r / 255.f * rest), ToByte(p.g + matte.g / 255.f * rest),
                                     ToByte(p.b + matte.b / 255.f * rest)});
    }
  }
}

void Image24::PutMasked(const Canvas& c, int x0, int y0, int maskOffset) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const Pixel& p = c.At(x, y);
      const std::uint8_t alpha = ToByte(p.a);
      const std::uint8_t m = static_cast<std::uint8_t>(255 - alpha);
      At(x0 + x, y0 + y + maskOffset) = {m, m, m};
      At(x0 + x, y0 + y) = alpha == 0 ? kKey : AvoidKey({ToByte(p.r / p.a), ToByte(p.g / p.a), ToByte(p.b / p.a)});
    }
  }
}

Bytes EncodeBmp(const Image24& image) {
  const size_t stride = (static_cast<size_t>(image.Width()) * 3 + 3) & ~size_t{3};
  const size_t pixelBytes = stride * image.Height();
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(14 + 12 + pixelBytes + 2));
  Put32(out, 0);
  Put32(out, 14 + 12);
  Put32(out, 12);  // BITMAPCOREHEADER
  Put16(out, static_cast<unsigned>(image.Width()));
  Put16(out, static_cast<unsigned>(image.Height()));
  Put16(out, 1);
  Put16(out, 24);
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb& c = image.At(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.resize(rowStart + stride, 0);
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

Bytes EncodePng(const Canvas& canvas, PngDeflate mode, const std::string& comment, size_t exactSize) {
  const int w = canvas.Width(), h = canvas.Height();
  Bytes raw;
  raw.reserve(static_cast<size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Pixel& p = canvas.At(x, y);
      const std::uint8_t a = ToByte(p.a);
      if (a == 0) {
        raw.insert(raw.end(), {0, 0, 0, 0});
      } else {
        raw.insert(raw.end(), {ToByte(p.r / p.a), ToByte(p.g / p.a), ToByte(p.b / p.a), a});
      }
    }
  }
  Bytes filtered;
  if (mode == PngDeflate::kStored) {
    // Plain rows (filter 0) in one uncompressed block.
    const size_t stride = static_cast<size_t>(w) * 4;
    for (int y = 0; y < h; ++y) {
      filtered.push_back(0);
      filtered.insert(filtered.end(), raw.begin() + y * stride, raw.begin() + (y + 1) * stride);
    }
  } else {
    filtered = FilterRows(raw, w, h);
  }
  Bytes out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes ihdr;
  Put32BE(ihdr, static_cast<std::uint32_t>(w));
  Put32BE(ihdr, static_cast<std::uint32_t>(h));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  PutChunk(out, "IHDR", ihdr);
  const Bytes idat = mode == PngDeflate::kStored ? ZlibStored(filtered) : ZlibBest(filtered);
  const size_t withoutText = out.size() + 12 + idat.size() + 12;
  if (exactSize > 0) {
    const std::string keyword = "Comment";
    if (withoutText + 12 + keyword.size() + 1 > exactSize) {
      throw std::runtime_error("PNG larger than its intended size");
    }
    Bytes text(keyword.begin(), keyword.end());
    text.push_back(0);
    const size_t room = exactSize - withoutText - 12 - text.size();
    std::string body = comment;
    while (body.size() < room) body += body.empty() ? std::string(" ") : " " + comment;
    body.resize(room);
    text.insert(text.end(), body.begin(), body.end());
    PutChunk(out, "tEXt", text);
  }
  PutChunk(out, "IDAT", idat);
  PutChunk(out, "IEND", {});
  return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace skingen
