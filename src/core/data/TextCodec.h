#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The 8-bit text of the program's plain files: the Arabic Windows code page
// (Windows-1256). Files written elsewhere as UTF-8 are read as well.
namespace TextCodec {

// The text of a file's bytes: UTF-8 when the bytes are valid UTF-8 (a byte
// order mark is dropped), otherwise Windows-1256.
QString decode(const QByteArray &bytes);

// The text in Windows-1256; nothing when a character has no place in the
// code page (or the code page is not available).
std::optional<QByteArray> encodeCp1256(const QString &text);

} // namespace TextCodec
