#pragma once

namespace voxtrel {

// Whether a window can be shown at all: a platform plugin was named, or the desktop the
// editor was started from has a display. Without one, Qt would abort at start-up.
bool DisplayAvailable(int argc, char** argv);

} // namespace voxtrel
