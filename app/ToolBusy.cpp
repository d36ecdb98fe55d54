#include "app/ToolBusy.h"

#include "document/NameDocument.h"

#include <QApplication>

namespace voxtrel::ToolBusy {

bool Refuse(const NameDocument& Document) {
    if (Document.ToolBusy()) {
        QApplication::beep();
        return true;
    }
    return false;
}

} // namespace voxtrel::ToolBusy
