#pragma once

#include <QString>

// Texts of the documents page shared by its windows.
namespace DocumentTexts {
// The tab caption of document kind 0..5 in the interface language.
QString kindCaption(int kind);
} // namespace DocumentTexts
