#pragma once
#include <QFont>
#include <QString>

namespace platform {

// The family to use for a family the windows name; Verdana and Arial Black fall back to
// an installed close family when they are missing.
QString ResolveFontFamily(const QString& family);

// A font as the windows describe it: family, point size, bold. A stand-in for a missing family
// is set a little smaller.
QFont ProgramFont(const QString& family, double pointSize, bool bold = false);

}  // namespace platform
