// Grey PNG writing with libpng, the desktop's encoder. libpng reports errors
// by longjmp, so the function that sets the jump point owns nothing with a
// destructor, and the error handler jumps instead of printing and aborting.
#include "files/gray_png.h"

#include <csetjmp>
#include <cstdlib>
#include <png.h>

#include "files/atomic_file.h"

namespace {

// Counts libpng's memory requests of one write, so a test can refuse one.
struct AllocationPlan {
  int FailAt = 0;
  int Made = 0;
};

png_voidp allocate(png_structp Png, png_alloc_size_t Size) {
  auto *Plan = static_cast<AllocationPlan *>(png_get_mem_ptr(Png));
  if (Plan && Plan->FailAt != 0 && ++Plan->Made == Plan->FailAt)
    return nullptr;
  return std::malloc(Size);
}

void release(png_structp, png_voidp Block) { std::free(Block); }

void onError(png_structp Png, png_const_charp) { png_longjmp(Png, 1); }

void onWarning(png_structp, png_const_charp) {}

void writeData(png_structp Png, png_bytep Data, size_t Length) {
  if (!static_cast<AtomicFile *>(png_get_io_ptr(Png))->write(Data, Length))
    png_error(Png, "write failed");
}

void flushData(png_structp) {}

// Everything that can raise a libpng error happens after the jump point, and
// every local here is trivially destructible, so the jump skips nothing.
FileResult writeGuarded(png_structp Png, png_infop Info, AtomicFile *File, png_bytepp Rows,
                        png_uint_32 Width, png_uint_32 Height) {
  if (setjmp(png_jmpbuf(Png)))
    return FileResult::EncoderFailed;
  png_set_write_fn(Png, File, writeData, flushData);
  png_set_IHDR(Png, Info, Width, Height, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(Png, Info);
  png_write_image(Png, Rows);
  png_write_end(Png, Info);
  return FileResult::Done;
}

} // namespace

FileResult writeGrayPngBytes(const std::string &Path, const unsigned char *Pixels, int Width,
                             int Height, const FileOperations &Files) {
  if (Width > 0 && Height > 0 && !Pixels)
    return FileResult::EncoderFailed;
  AtomicFile File(Path, Files);
  if (!File.isOpen())
    return FileResult::FileFailed;
  AllocationPlan Plan{Files.faultsFor(Path).FailPngAllocation, 0};
  png_structp Png = png_create_write_struct_2(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning,
                                              &Plan, allocate, release);
  if (!Png)
    return FileResult::EncoderSetupFailed;
  png_infop Info = png_create_info_struct(Png);
  if (!Info) {
    png_destroy_write_struct(&Png, nullptr);
    return FileResult::EncoderInfoFailed;
  }
  // A size libpng refuses (zero or negative) gets no rows; png_set_IHDR
  // then reports the error.
  std::vector<png_bytep> Rows;
  if (Width > 0 && Height > 0) {
    Rows.resize(static_cast<size_t>(Height));
    for (int Row = 0; Row < Height; ++Row)
      Rows[static_cast<size_t>(Row)] =
          const_cast<png_bytep>(Pixels) + static_cast<size_t>(Row) * static_cast<size_t>(Width);
  }
  const FileResult Result =
      writeGuarded(Png, Info, &File, Rows.data(), static_cast<png_uint_32>(Width),
                   static_cast<png_uint_32>(Height));
  png_destroy_write_struct(&Png, &Info);
  if (Result != FileResult::Done)
    return Result;
  return File.commit() ? FileResult::Done : FileResult::FileFailed;
}
