#pragma once

#include "cli/Command.h"

namespace voxtrel::cli {

// voxtrel-names diff OLD NEW [-o PATCH]: the names that differ, as a patch.
class DiffCommand : public Command {
public:
    DiffCommand();

protected:
    int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) override;
};

} // namespace voxtrel::cli
