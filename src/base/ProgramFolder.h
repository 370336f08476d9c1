#pragma once
// The folder of the executable, where every archive and the password store live.

#include <QString>

// The folder with its trailing separator.
QString ProgramFolder();
// Tests point the program at a temporary folder; an empty text gives the real one back.
void SetProgramFolder(const QString &folder);
