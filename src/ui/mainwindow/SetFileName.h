#pragma once

#include <QString>

// The export's file name: ".set" appended unless the name already ends in it, in any case.
QString WithSetExtension(const QString& path);
