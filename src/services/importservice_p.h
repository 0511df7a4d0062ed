#pragma once

// Helpers shared by the parts of ImportService (importservice.cpp,
// csvimport.cpp, qifimport.cpp); not for use elsewhere.

#include <QString>
#include <QUuid>

namespace ImportSupport {

// Longest turn of the event loop an import takes.
constexpr int kEventSliceMs = 5;

inline QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace ImportSupport
