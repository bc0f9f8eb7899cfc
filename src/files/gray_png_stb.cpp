// Grey PNG writing with stb_image_write, the encoder of the web build, where
// libpng is not to be had. The bytes differ from libpng's (another deflate),
// the pixels do not: the rows come from the same grey rule, and the file
// reaches its place through the same atomic write.
#include "files/gray_png.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "files/atomic_file.h"

namespace {

// The encoder hands its output in pieces; the first failed write is kept
// and every later piece is dropped.
struct PngSink {
  AtomicFile *File;
  bool Failed = false;
};

void writePiece(void *Context, void *Data, int Size) {
  auto *Sink = static_cast<PngSink *>(Context);
  if (Sink->Failed || Size <= 0)
    return;
  if (!Sink->File->write(Data, static_cast<size_t>(Size)))
    Sink->Failed = true;
}

} // namespace

FileResult writeGrayPngBytes(const std::string &Path, const unsigned char *Pixels, int Width,
                             int Height, const FileOperations &Files) {
  // A size PNG cannot hold is refused before any file is made.
  if (Width <= 0 || Height <= 0 || !Pixels)
    return FileResult::EncoderFailed;
  AtomicFile File(Path, Files);
  if (!File.isOpen())
    return FileResult::FileFailed;
  PngSink Sink{&File};
  if (stbi_write_png_to_func(writePiece, &Sink, Width, Height, 1, Pixels, Width) == 0)
    return FileResult::EncoderFailed;
  if (Sink.Failed)
    return FileResult::FileFailed;
  return File.commit() ? FileResult::Done : FileResult::FileFailed;
}
