#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct zip;

namespace voxtrel {

// A zip package held in memory, its parts unpacked one at a time and never past a limit: the
// sizes its headers declare are the packer's word only, so what is unpacked is counted.
class ZipPackage {
public:
    // A part is refused once it unpacks to more than this, and a package holds at most
    // MaxParts parts: a zip bomb ends there.
    static constexpr qint64 MaxPartSize = 16 * 1024 * 1024;
    static constexpr int MaxParts = 1000;

    struct Opened; // defined below
    // Bytes must outlive the package.
    [[nodiscard]] static Opened Open(const QByteArray& Bytes);

    ZipPackage(ZipPackage&& Other) noexcept;
    ZipPackage& operator=(ZipPackage&&) = delete;
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;
    ~ZipPackage();

    [[nodiscard]] bool Has(const QString& Name) const;

    struct Part {
        enum class Outcome { Read, Missing, TooLarge, Broken };
        Outcome Result = Outcome::Broken;
        QByteArray Bytes;
        QString Reason; // why it was not read
        [[nodiscard]] bool Ok() const { return Result == Outcome::Read; }
    };
    // The part Name, unpacked up to MaxPartSize.
    [[nodiscard]] Part Read(const QString& Name) const;

private:
    explicit ZipPackage(zip* Archive) : m_Zip(Archive) {}
    zip* m_Zip = nullptr;
};

struct ZipPackage::Opened {
    std::optional<ZipPackage> Package; // empty when it could not be opened
    QString Reason;
};

} // namespace voxtrel
