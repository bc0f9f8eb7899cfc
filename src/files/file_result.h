// How writing one of the learner's files went: one kind of result for the
// .alg writer, the grey PNG's encoder and the canvas picture, so that no
// caller decodes a number. (Reading the program's images, in the GL helpers,
// has a result of its own kind.)
#ifndef QUOVADRIN_FILES_FILE_RESULT_H
#define QUOVADRIN_FILES_FILE_RESULT_H

enum class FileResult {
  Done,
  /// The file could not be opened, created, written or put in place.
  FileFailed,
  /// The PNG library could not begin (its write structure).
  EncoderSetupFailed,
  /// The PNG library could not set up the picture's header.
  EncoderInfoFailed,
  /// The PNG library (or the disk under it) failed while writing.
  EncoderFailed,
};

#endif
