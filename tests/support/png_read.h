// Test helper: reads a PNG back with libpng's low-level reader, so tests see
// the header fields (bit depth, colour type, interlace) and the grey bytes
// exactly as a viewer would.
#ifndef QUOVADRIN_TESTS_PNG_READ_H
#define QUOVADRIN_TESTS_PNG_READ_H

#include <csetjmp>
#include <cstdio>
#include <png.h>
#include <string>
#include <vector>

struct GrayPicture {
  bool Ok = false;
  png_uint_32 Width = 0;
  png_uint_32 Height = 0;
  int BitDepth = 0;
  int ColorType = -1;
  int Interlace = -1;
  std::vector<unsigned char> Pixels; ///< top row first; only for 8-bit grey

  int at(png_uint_32 X, png_uint_32 Y) const { return Pixels[Y * Width + X]; }

  /// "WxH 8-bit grey" for what the snapshot must be, other wording otherwise.
  std::string format() const {
    if (!Ok)
      return "unreadable";
    std::string Text = std::to_string(Width) + "x" + std::to_string(Height) + " ";
    Text += BitDepth == 8 ? "8-bit" : std::to_string(BitDepth) + "-bit";
    Text +=
        ColorType == PNG_COLOR_TYPE_GRAY ? " grey" : " colour type " + std::to_string(ColorType);
    if (Interlace != PNG_INTERLACE_NONE)
      Text += " interlaced";
    return Text;
  }
};

// The jump point lives here, where no local has a destructor.
inline bool readGrayPngGuarded(png_structp Png, png_infop Info, FILE *File, GrayPicture *Out) {
  if (setjmp(png_jmpbuf(Png)))
    return false;
  png_init_io(Png, File);
  png_read_info(Png, Info);
  png_get_IHDR(Png, Info, &Out->Width, &Out->Height, &Out->BitDepth, &Out->ColorType,
               &Out->Interlace, nullptr, nullptr);
  if (Out->BitDepth != 8 || Out->ColorType != PNG_COLOR_TYPE_GRAY ||
      Out->Interlace != PNG_INTERLACE_NONE)
    return true;
  Out->Pixels.resize(static_cast<size_t>(Out->Width) * Out->Height);
  for (png_uint_32 Row = 0; Row < Out->Height; ++Row)
    png_read_row(Png, Out->Pixels.data() + static_cast<size_t>(Row) * Out->Width, nullptr);
  png_read_end(Png, nullptr);
  return true;
}

inline GrayPicture readGrayPng(const std::string &Path) {
  GrayPicture Picture;
  FILE *File = std::fopen(Path.c_str(), "rb");
  if (!File)
    return Picture;
  png_structp Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop Info = Png ? png_create_info_struct(Png) : nullptr;
  if (Info)
    Picture.Ok = readGrayPngGuarded(Png, Info, File, &Picture);
  png_destroy_read_struct(&Png, &Info, nullptr);
  std::fclose(File);
  return Picture;
}

#endif
