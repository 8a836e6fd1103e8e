#pragma once

#include <QString>

namespace fernwick {

// Where the saved last values live: beside the program when its folder can
// be written (a portable install), else under the same name in the user's
// configuration folder (an install under /usr or /opt), for reading too.
QString settingsFilePath(const QString& programFolder, const QString& configFolder, bool programFolderWritable);

// The same for this program and this user.
QString settingsFilePath(const QString& programFolder);

} // namespace fernwick
