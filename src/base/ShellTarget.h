#pragma once
// How a shell target text (a path, a folder, a mailto or web address, maybe in double quotes)
// becomes the address handed to the desktop: never a command line.

#include <QString>
#include <QUrl>

QUrl ShellTargetUrl(const QString &sCommand);
