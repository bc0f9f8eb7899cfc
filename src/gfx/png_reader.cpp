// libpng reports errors by longjmp. Each function that sets the jump point
// holds only plain locals, and all C++ allocation happens between those
// functions, so a damaged file can neither leak nor skip a destructor.
#include "gfx/png_reader.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>

namespace {

struct Reader {
  const char *Path;
  FILE *File;
  png_structp Png;
  png_infop Info;
  size_t RowBytes;
};

[[noreturn]] void onPngError(png_structp Png, png_const_charp Message) {
  const auto *Path = static_cast<const char *>(png_get_error_ptr(Png));
  std::fprintf(stderr, "Bilddatei %s ist beschaedigt (%s).\n", Path, Message);
  png_longjmp(Png, 1);
}

// Warnings (an odd chunk, a colour profile libpng dislikes) do not keep the
// picture from loading, so they are not worth a line of their own.
void onPngWarning(png_structp, png_const_charp) {}

/// Reads the header and asks for 8-bit grey, grey-alpha, RGB or RGBA samples.
bool readHeader(Reader *R, PngImage *Image) {
  if (setjmp(png_jmpbuf(R->Png)))
    return false;
  png_init_io(R->Png, R->File);
  png_set_user_limits(R->Png, PngMaxSide, PngMaxSide);
  png_read_info(R->Png, R->Info);
  int ColorType = png_get_color_type(R->Png, R->Info);
  int BitDepth = png_get_bit_depth(R->Png, R->Info);
  if (ColorType == PNG_COLOR_TYPE_PALETTE)
    png_set_palette_to_rgb(R->Png);
  if (ColorType == PNG_COLOR_TYPE_GRAY && BitDepth < 8)
    png_set_expand_gray_1_2_4_to_8(R->Png);
  if (png_get_valid(R->Png, R->Info, PNG_INFO_tRNS))
    png_set_tRNS_to_alpha(R->Png);
  if (BitDepth == 16)
    png_set_strip_16(R->Png);
  png_set_interlace_handling(R->Png);
  png_read_update_info(R->Png, R->Info);
  Image->Width = static_cast<int>(png_get_image_width(R->Png, R->Info));
  Image->Height = static_cast<int>(png_get_image_height(R->Png, R->Info));
  Image->ColorType = png_get_color_type(R->Png, R->Info);
  Image->Channels = png_get_channels(R->Png, R->Info);
  R->RowBytes = png_get_rowbytes(R->Png, R->Info);
  return true;
}

bool readRows(Reader *R, png_bytepp Rows) {
  if (setjmp(png_jmpbuf(R->Png)))
    return false;
  png_read_image(R->Png, Rows);
  return true;
}

PngReadResult decode(Reader &R, PngImage &Image) {
  R.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, const_cast<char *>(R.Path), onPngError,
                                 onPngWarning);
  if (R.Png)
    R.Info = png_create_info_struct(R.Png);
  if (!R.Png || !R.Info) {
    std::fprintf(stderr, "Bilddatei %s: libpng laesst sich nicht einrichten.\n", R.Path);
    return PngReadResult::LibrarySetupFailed;
  }
  if (!readHeader(&R, &Image))
    return PngReadResult::NotAPicture;
  std::vector<png_bytep> Rows;
  try {
    Image.Pixels.resize(R.RowBytes * static_cast<size_t>(Image.Height));
    Rows.resize(static_cast<size_t>(Image.Height));
  } catch (const std::bad_alloc &) {
    std::fprintf(stderr, "Bilddatei %s ist zu gross.\n", R.Path);
    return PngReadResult::FileFailed;
  }
  for (size_t I = 0; I < Rows.size(); ++I)
    Rows[I] = Image.Pixels.data() + I * R.RowBytes;
  return readRows(&R, Rows.data()) ? PngReadResult::Done : PngReadResult::NotAPicture;
}

} // namespace

PngReadResult readPngImage(const std::string &Path, PngImage &Image) {
  Image = PngImage();
  // Binary mode: no newline translation may touch the PNG bytes.
  FILE *File = std::fopen(Path.c_str(), "rb");
  if (!File) {
    std::fprintf(stderr, "Bilddatei %s konnte nicht geoeffnet werden.\n", Path.c_str());
    return PngReadResult::FileFailed;
  }
  Reader R{Path.c_str(), File, nullptr, nullptr, 0};
  const PngReadResult Result = decode(R, Image);
  if (R.Png)
    png_destroy_read_struct(&R.Png, R.Info ? &R.Info : nullptr, nullptr);
  std::fclose(File);
  if (Result != PngReadResult::Done)
    Image = PngImage();
  return Result;
}
