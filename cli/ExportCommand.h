#pragma once

#include "cli/Command.h"

namespace voxtrel::cli {

// voxtrel-names export FILE [-o OUT.csv]: FILE's names as CSV.
class ExportCommand : public Command {
public:
    ExportCommand();

protected:
    int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) override;
};

} // namespace voxtrel::cli
