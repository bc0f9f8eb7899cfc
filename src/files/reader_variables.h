// A read program's Variables in the Session's order. The reader keeps its ten
// Variables in the order of the file format's table, the Session in the
// order of the run snapshot; the editor's load and the batch rendering both
// hand a read program over through here.
#ifndef QUOVADRIN_FILES_READER_VARIABLES_H
#define QUOVADRIN_FILES_READER_VARIABLES_H

#include "exec/variable_set.h"

class AlgorithmFileReader;

/// Releases \p Reader's Variables, each in the slot of the Session's set it
/// stands for. Take the Algorithm with them (Session::adopt).
UserVariables takeReaderVariables(AlgorithmFileReader &Reader);

#endif
