#pragma once

namespace voxtrel {

class NameDocument;

namespace ToolBusy {

// True, after a beep, while the compression tool works on Document and a command must wait.
bool Refuse(const NameDocument& Document);

} // namespace ToolBusy
} // namespace voxtrel
