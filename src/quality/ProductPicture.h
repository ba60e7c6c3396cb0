#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace mes {

// The product picture of an inspection standard. Its path names a file on the
// terminal's own share ("\\" + address + "\..."); only such a path is loaded.

// True when path lies on the share of the terminal with address ip.
bool gfPICTURE_ON_TERMINAL(const QString& path, const QString& ip);
// The file path names here: as it stands on Windows; elsewhere the share
// folder stands for the two leading backslashes ("" without a share folder).
QString gfPICTURE_FILE(const QString& path, const QString& shareFolder);
// "img/no_photo.gif" in the program's folder.
QString gfNO_PHOTO_FILE();
// The picture to show: the share's file when path qualifies and loads, else
// the program's no-photo picture.
QImage gfPRODUCT_PICTURE(const QString& path, const QString& ip, const QString& shareFolder);

// The configured share commands, the empty ones left out.
QStringList gfSHARE_COMMANDS();
// Starts each command without a window and without waiting.
void gsRUN_SHARE_COMMANDS(const QStringList& commands);

}  // namespace mes
