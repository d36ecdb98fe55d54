#pragma once

#include "document/ListCheck.h"
#include "document/NameWorkbook.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace voxtrel {

class Baza;
class CodePage;

// Reading and writing name lists: CSV through libcsv, workbooks through libxlsxwriter and
// libzip, Latin forms through ICU. That code and its libraries live in the module
// voxtrel-lists beside the programs, loaded on the first list read or written, so that the
// editor starts without them.
class ListFormats {
public:
    virtual ~ListFormats() = default;
    // Checks the list Bytes, a workbook or CSV by what they hold, against Table.
    [[nodiscard]] virtual ListCheck Check(const QByteArray& Bytes, const Baza& Table,
                                          bool Transliterate) const = 0;
    // Every record of Table as a workbook (made in WorkFolder) or as CSV.
    [[nodiscard]] virtual NameWorkbook::Written Write(const Baza& Table, bool Workbook,
                                                      const QString& WorkFolder) const = 0;
    // A patch of Rows (index, name, was) as a workbook or as CSV.
    [[nodiscard]] virtual NameWorkbook::Written WritePatch(const NameChanges& Rows, bool Workbook,
                                                           const QString& WorkFolder) const = 0;

    // The code page Table's names suggest when Chosen looks wrong for them (ICU's charset
    // detector, which lives in the module too); none when Chosen looks right.
    [[nodiscard]] virtual std::optional<QString> LikelyEncoding(const Baza& Table,
                                                                const CodePage& Chosen) const = 0;

    struct Found {
        const ListFormats* Formats = nullptr; // null when there are none
        QString Reason;                       // why there are none
    };
    // The formats given to Use, or else those of voxtrel-lists in the program's folder,
    // loaded on the first call and kept for the rest of the run.
    [[nodiscard]] static Found Find();
    // For a program that links the formats in: Formats, which outlive every use.
    static void Use(const ListFormats* Formats);
};

} // namespace voxtrel

// The module's one entry point: its formats, which live as long as the module.
extern "C" Q_DECL_EXPORT const voxtrel::ListFormats* VoxtrelListFormats();
