#include "document/ZipPackage.h"

#include <QCoreApplication>

#include <zip.h>

namespace voxtrel {

ZipPackage::Opened ZipPackage::Open(const QByteArray& Bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(Bytes.constData(), zip_uint64_t(Bytes.size()), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (archive == nullptr) {
        if (source) {
            zip_source_free(source);
        }
        return {std::nullopt,
                QCoreApplication::translate("voxtrel::ZipPackage", "the package cannot be opened")};
    }
    ZipPackage package(archive);
    if (zip_get_num_entries(archive, 0) > MaxParts) {
        return {std::nullopt, QCoreApplication::translate("voxtrel::ZipPackage",
                                                          "the package has more than %1 parts")
                                  .arg(MaxParts)};
    }
    return {std::move(package), {}};
}

ZipPackage::ZipPackage(ZipPackage&& Other) noexcept : m_Zip(Other.m_Zip) {
    Other.m_Zip = nullptr;
}

ZipPackage::~ZipPackage() {
    if (m_Zip) {
        zip_discard(m_Zip);
    }
}

bool ZipPackage::Has(const QString& Name) const {
    return zip_name_locate(m_Zip, Name.toUtf8().constData(), 0) >= 0;
}

ZipPackage::Part ZipPackage::Read(const QString& Name) const {
    const auto tooLarge = [&Name] {
        return Part{Part::Outcome::TooLarge,
                    {},
                    QCoreApplication::translate("voxtrel::ZipPackage",
                                                "the part %1 is larger than %2 MiB when unpacked")
                        .arg(Name)
                        .arg(MaxPartSize / (1024 * 1024))};
    };
    const auto broken = [&Name] {
        return Part{
            Part::Outcome::Broken,
            {},
            QCoreApplication::translate("voxtrel::ZipPackage", "the part %1 cannot be unpacked")
                .arg(Name)};
    };
    const QByteArray name = Name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(m_Zip, name.constData(), 0, &stat) != 0) {
        return {
            Part::Outcome::Missing,
            {},
            QCoreApplication::translate("voxtrel::ZipPackage", "the part %1 is missing").arg(Name)};
    }
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(MaxPartSize)) {
        return tooLarge(); // said so honestly
    }
    zip_file_t* file = zip_fopen(m_Zip, name.constData(), 0);
    if (file == nullptr) {
        return broken();
    }
    // Whatever the header declares, no more than the limit is ever unpacked.
    QByteArray bytes;
    char buffer[65536];
    zip_int64_t got = 0;
    while ((got = zip_fread(file, buffer, sizeof buffer)) > 0) {
        if (bytes.size() + got > MaxPartSize) {
            zip_fclose(file);
            return tooLarge();
        }
        bytes.append(buffer, qsizetype(got));
    }
    zip_fclose(file);
    if (got < 0) {
        return broken();
    }
    return {Part::Outcome::Read, bytes, {}};
}

} // namespace voxtrel
