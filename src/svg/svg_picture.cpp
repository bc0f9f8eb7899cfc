// The SVG document. The screen draws 1-pixel lines on a canvas 512 pixels
// wide (at 1024 x 768); a stroke of one layout unit keeps that proportion of
// line to picture at every size, a fine pen line on paper (about 0.15 mm
// when the canvas is printed 8 cm wide). A non-scaling stroke would shrink
// to a printer's single dot instead. Round joins stand in for the screen's
// joinless thin lines where a polyline turns sharply.
#include "svg/svg_picture.h"

#include "exec/drawing.h"
#include "svg/svg_path_sink.h"

namespace {

// Everything before the paths; the canvas's proportions travel in the view
// box, its natural size in width and height.
const char DocumentStart[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"512\" height=\"768\" "
    "viewBox=\"0 0 512 768\">\n"
    "<rect width=\"512\" height=\"768\" fill=\"#ffffff\"/>\n"
    "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"1\" stroke-linejoin=\"round\">\n";
const char DocumentEnd[] = "</g>\n</svg>\n";

// The pieces handed on: large enough that a sink's calls cost nothing, small
// enough that the text held meanwhile does not matter. One Shape's paths,
// at most 400 points of a polyline, stay far below it.
constexpr size_t FlushBytes = 64 * 1024;

} // namespace

bool writeDrawingSvg(const Drawing &Picture, const TextSink &Sink) {
  std::string Out = DocumentStart;
  SvgPathSink Paths(Out);
  for (const Shape *S = Picture.head(); S; S = S->next) {
    Paths.place(unitBoxMap(*S));
    emitShapeFigure(*S, Paths);
    if (Out.size() >= FlushBytes) {
      if (!Sink(Out.data(), Out.size()))
        return false;
      Out.clear();
    }
  }
  Out += DocumentEnd;
  return Sink(Out.data(), Out.size());
}

BoundedWriteResult writeVectorPicture(const Drawing &Picture, const std::string &Path,
                                      const FileOperations &Files) {
  return writeBoundedFile(
      Path, MaxVectorPictureBytes,
      [&Picture](const TextSink &Sink) { return writeDrawingSvg(Picture, Sink); }, Files);
}
