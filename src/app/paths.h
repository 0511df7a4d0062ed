#pragma once

#include <QString>

// The data directory: TALLYLEAF_DATA_DIR when set and not empty, else the
// per-user generic data location + "/Larkspur/Tallyleaf". Created if
// missing; evaluated anew at every call.
QString dataDirectory();
// dataDirectory() + "/tallyleaf.db".
QString databasePath();

// An environment variable as UTF-8 text; set-but-empty counts as unset.
QString environmentValue(const char* name);
