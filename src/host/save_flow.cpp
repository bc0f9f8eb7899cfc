// A save, and the paths it wrote.
#include "host/save_flow.h"

#include "exec/session.h"
#include "svg/svg_picture.h"

SaveOutcome SaveFlow::save(Session &Work, const std::function<GrayImage()> &Picture) {
  SaveContent Content;
  Content.Picture = Picture;
  // The vector picture is the Drawing's, whatever the platform draws with.
  Content.VectorPicture = [&Work](const TextSink &Sink) {
    return writeDrawingSvg(Work.drawing(), Sink);
  };
  const SaveOutcome Outcome =
      saveAlgorithmFiles(Work.algorithm(), Work.seedText(), SaveCounter, Content, Storage);
  Written.clear();
  if (Outcome.Result != FileResult::Done)
    return Outcome;
  const SaveNames &Names = Outcome.Names;
  Written = {Names.AlgorithmPath, Names.PicturePath};
  if (Outcome.VectorPicture == VectorPictureOutcome::Written)
    Written.push_back(Names.VectorPicturePath);
  Work.markWorkKept();
  return Outcome;
}
