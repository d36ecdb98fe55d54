#pragma once

#include "cli/Command.h"

namespace voxtrel::cli {

// voxtrel-names import FILE NAMES [--dry-run] [--force]: renames the records the list NAMES
// (CSV or a workbook) holds and saves FILE, or changes nothing at all when any row is wrong.
class ImportCommand : public Command {
public:
    ImportCommand();

protected:
    int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) override;
};

} // namespace voxtrel::cli
