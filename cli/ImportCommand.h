#pragma once

#include "cli/Command.h"

namespace voxtrel::cli {

// voxtrel-names import FILE NAMES.csv [--dry-run]: renames the records NAMES.csv lists and
// saves FILE in place, or changes nothing at all when any row is wrong.
class ImportCommand : public Command {
public:
    ImportCommand();

protected:
    int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) override;
};

} // namespace voxtrel::cli
