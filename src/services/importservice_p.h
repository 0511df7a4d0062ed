#pragma once

// Helpers shared by the parts of ImportService (importservice.cpp,
// csvimport.cpp, qifimport.cpp); not for use elsewhere.

#include <QString>
#include <QStringList>
#include <QUuid>

namespace ImportSupport {

// Longest turn of the event loop an import takes.
constexpr int kEventSliceMs = 5;

// The date forms read without a format given, in the order tried: month
// first before day first.
const QStringList& dateFormats();

inline QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace ImportSupport
