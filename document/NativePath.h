#pragma once

#include <QByteArray>
#include <QString>

namespace voxtrel {

// A file name's bytes as the program holds them. Where the name is UTF-8 it is its
// characters; any byte that is not part of valid UTF-8 becomes the character U+DC80 + byte
// (which valid text never holds), so that every name the file system has survives the trip
// into text and back.
namespace NativePath {

QString FromBytes(const QByteArray& Bytes);
QByteArray ToBytes(const QString& Path);
// Path made absolute against the current folder, by its text alone.
// A current folder too deep to have a name leaves a relative path as it is.
QString Absolute(const QString& Path);
// For messages: each byte that is not UTF-8 written as \xNN.
QString Shown(const QString& Text);

} // namespace NativePath
} // namespace voxtrel
