// Linked into a program that carries the name list formats itself (the tests), in place of
// loading voxtrel-lists.
#include "document/ListFormats.h"

namespace {

const bool Linked = (voxtrel::ListFormats::Use(VoxtrelListFormats()), true);

} // namespace
