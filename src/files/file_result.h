// How reading or writing one of the learner's files went: one kind of result
// for the .alg writer, the grey PNG's encoder, the canvas picture and the
// PNG reader, so that no caller decodes a number.
#ifndef QUOVADRIN_FILES_FILE_RESULT_H
#define QUOVADRIN_FILES_FILE_RESULT_H

enum class FileResult {
  Done,
  /// The file could not be opened, created, written or put in place.
  FileFailed,
  /// The PNG library could not begin (its read or write structure).
  EncoderSetupFailed,
  /// The PNG library could not set up the picture's header.
  EncoderInfoFailed,
  /// The PNG library (or the disk under it) failed while writing.
  EncoderFailed,
  /// A file read is damaged or no PNG at all.
  NotAPicture,
};

#endif
