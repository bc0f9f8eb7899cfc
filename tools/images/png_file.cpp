// libpng writing; the jump point sits in a function with plain locals only.
#include "png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace {

bool writeRows(FILE *File, png_structp Png, png_infop Info, int Width, int Height, int ColorType,
               png_bytepp Rows) {
  if (setjmp(png_jmpbuf(Png)))
    return false;
  png_init_io(Png, File);
  png_set_IHDR(Png, Info, static_cast<png_uint_32>(Width), static_cast<png_uint_32>(Height), 8,
               ColorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(Png, Info);
  png_write_image(Png, Rows);
  png_write_end(Png, nullptr);
  return true;
}

} // namespace

bool writePng(const std::string &Path, int Width, int Height, int ColorType, int Channels,
              std::vector<unsigned char> Pixels) {
  std::vector<png_bytep> Rows(static_cast<size_t>(Height));
  for (size_t Y = 0; Y < Rows.size(); ++Y)
    Rows[Y] = Pixels.data() + Y * static_cast<size_t>(Width) * static_cast<size_t>(Channels);
  FILE *File = std::fopen(Path.c_str(), "wb");
  if (!File)
    return false;
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop Info = Png ? png_create_info_struct(Png) : nullptr;
  bool Ok = Png && Info && writeRows(File, Png, Info, Width, Height, ColorType, Rows.data());
  png_destroy_write_struct(&Png, &Info);
  Ok = std::fclose(File) == 0 && Ok;
  return Ok;
}

bool writeRgbaPng(const std::string &Path, const Canvas &Picture) {
  return writePng(Path, Picture.pixelWidth(), Picture.pixelHeight(), PNG_COLOR_TYPE_RGBA, 4,
                  Picture.rgba8());
}

bool writeGreyAlphaPng(const std::string &Path, const Canvas &Picture) {
  return writePng(Path, Picture.pixelWidth(), Picture.pixelHeight(), PNG_COLOR_TYPE_GRAY_ALPHA, 2,
                  Picture.greyAlpha8());
}
