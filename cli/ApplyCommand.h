#pragma once

#include "cli/Command.h"

namespace voxtrel::cli {

// voxtrel-names apply LIST FILE...: one list, or patch, to several name files at once.
class ApplyCommand : public Command {
public:
    ApplyCommand();

protected:
    int Execute(const QCommandLineParser& Parser, QTextStream& Out, QTextStream& Err) override;
};

} // namespace voxtrel::cli
