#pragma once

#include <QString>

#ifndef QARVEL_VERSION
#define QARVEL_VERSION "0.0.0"
#endif

inline QString programName() { return QStringLiteral("Qarvel"); }
inline QString programVersion() { return QStringLiteral(QARVEL_VERSION); }
