#include "settings_location.h"

#include "last_values.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fernwick {

QString settingsFilePath(const QString& programFolder, const QString& configFolder, bool programFolderWritable)
{
    const QString folder = programFolderWritable ? programFolder : configFolder;
    return QDir(folder).filePath(kSettingsFileName.toString());
}

QString settingsFilePath(const QString& programFolder)
{
    return settingsFilePath(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                            QFileInfo(programFolder).isWritable());
}

} // namespace fernwick
