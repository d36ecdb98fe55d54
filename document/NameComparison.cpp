#include "document/NameComparison.h"

#include "document/NameDocument.h"
#include "document/NameFileSize.h"
#include "document/NameLists.h"

namespace voxtrel {

NameComparison::NameComparison(const QString& AppPath) : m_AppPath(AppPath), m_Other(AppPath) {}

OpenResult NameComparison::Open(const QString& Path, const CodePage& Encoding) {
    NameDocument other(m_AppPath);
    other.setEncoding(Encoding);
    qint64 size = 0;
    OpenResult opened = other.Open(Path, {}, [&size](qint64 Bytes) {
        size = Bytes;
        return false; // only a name file is compared
    });
    if (opened.Result == OpenResult::Outcome::Declined) {
        opened.Reason = NameFileSize::WrongSize(Path, size);
    }
    if (opened.Ok()) {
        m_Other = other.Table();
        m_Path = Path;
    }
    return opened;
}

void NameComparison::Clear() {
    m_Path.clear();
}

bool NameComparison::Differs(const Baza& Current, qint32 Index) const {
    return Active() && Index >= 0 && Index < m_Other.Count() && Index < Current.Count() &&
           Current.GetNazwaBytes(Index) != m_Other.GetNazwaBytes(Index);
}

qint32 NameComparison::Count(const Baza& Current) const {
    qint32 count = 0;
    for (qint32 i = 0; i < Current.Count(); ++i) {
        count += Differs(Current, i) ? 1 : 0;
    }
    return count;
}

NameChanges NameComparison::Differences(const Baza& Current) const {
    return Active() ? NameLists::Differences(m_Other, Current) : NameChanges{};
}

} // namespace voxtrel
