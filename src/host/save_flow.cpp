// A save, and the paths it wrote.
#include "host/save_flow.h"

#include "exec/session.h"
#include "svg/svg_picture.h"

SaveOutcome SaveFlow::save(Session &Work, const std::function<GrayImage()> &Picture) {
  SaveContent Content;
  Content.Picture = Picture;
  // The vector picture is the Drawing's, whatever the platform draws with.
  Content.VectorPicture = [&Work] { return drawingSvg(Work.drawing()); };
  const SaveOutcome Outcome =
      saveAlgorithmFiles(Work.algorithm(), Work.seedText(), SaveLetter, Content, Storage);
  Written.clear();
  if (Outcome.Result != FileResult::Done)
    return Outcome;
  // The save took the letter its names were free under.
  const SaveNames Names = saveNames(Work.seedText(), saveLetterText(SaveLetter));
  const std::string Paths[] = {Names.AlgorithmPath, Names.PicturePath, Names.VectorPicturePath};
  Written.assign(Paths, Paths + (Outcome.VectorPictureWritten ? 3 : 2));
  Work.markWorkKept();
  return Outcome;
}
