// The entry point of the module voxtrel-lists: the name list formats, as NameCsv and
// NameWorkbook write and check them.
#include "document/LikelyEncoding.h"
#include "document/ListFormats.h"
#include "document/NameCsv.h"
#include "document/NameWorkbook.h"

namespace {

class ModuleFormats : public voxtrel::ListFormats {
public:
    voxtrel::ListCheck Check(const QByteArray& Bytes, const voxtrel::Baza& Table,
                             bool Transliterate) const override {
        using voxtrel::NameWorkbook;
        return NameWorkbook::IsWorkbook(Bytes)
                   ? NameWorkbook::Check(Bytes, Table, Transliterate)
                   : voxtrel::NameCsv::Check(Bytes, Table, Transliterate);
    }
    voxtrel::NameWorkbook::Written Write(const voxtrel::Baza& Table, bool Workbook,
                                         const QString& WorkFolder) const override {
        return Workbook ? voxtrel::NameWorkbook::Write(Table, WorkFolder)
                        : voxtrel::NameWorkbook::Written::Made(voxtrel::NameCsv::Write(Table));
    }
    voxtrel::NameWorkbook::Written WritePatch(const voxtrel::NameChanges& Rows, bool Workbook,
                                              const QString& WorkFolder) const override {
        return Workbook ? voxtrel::NameWorkbook::WritePatch(Rows, WorkFolder)
                        : voxtrel::NameWorkbook::Written::Made(voxtrel::NameCsv::WritePatch(Rows));
    }
    std::optional<QString> LikelyEncoding(const voxtrel::Baza& Table,
                                          const voxtrel::CodePage& Chosen) const override {
        return voxtrel::LikelyEncoding::Instead(Table, Chosen);
    }
};

} // namespace

const voxtrel::ListFormats* VoxtrelListFormats() {
    static const ModuleFormats formats;
    return &formats;
}
