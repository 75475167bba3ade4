#pragma once

#include <QString>

// The executable's version record. The other standard text fields are empty.
namespace VersionInfo {

inline const QString FileDescription = QStringLiteral("Talvoreth");
inline const QString CompanyName = QStringLiteral("Quorvel工作室");
inline const QString FileVersion = QStringLiteral("1.2.101.2009");
inline const QString ProductVersion = QStringLiteral("1.2.0.0");
// Chinese (PRC), code page 936.
constexpr unsigned Language = 0x0804;
constexpr unsigned CodePage = 936;

} // namespace VersionInfo
