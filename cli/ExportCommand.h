#pragma once

#include "cli/Command.h"

namespace voxtrel::cli {

// voxtrel-names export FILE [-o OUT] [--format csv|xlsx]: FILE's names as a list, CSV or a
// workbook.
class ExportCommand : public Command {
public:
    ExportCommand();

protected:
    int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) override;
};

} // namespace voxtrel::cli
