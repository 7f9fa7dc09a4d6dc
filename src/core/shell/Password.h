#pragma once

#include <QString>

#include <functional>

// The 808-character stored form of passwords (users' passwords and line 3
// of dbOptions.txt). Older year databases keep working only if this format
// stays exactly as it is.
namespace Password {

constexpr int kStoredLength = 808;
constexpr int kMaxLength = 10;

// Source of the random "0"/"1" filler; returns 0 or 1. Tests may replace it.
using BitSource = std::function<int()>;

QString Encode(const QString &password, const BitSource &random = {});

// Decodes a stored form. ok is false when the text is not 808 characters or
// its marker is damaged; the result is then empty.
QString Decode(const QString &stored, bool *ok = nullptr);

} // namespace Password
