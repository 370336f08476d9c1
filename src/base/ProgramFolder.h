#pragma once
// The folder where every archive and the password store live: the folder of the executable when
// the program may write there (a copy run from its own folder keeps everything beside itself), or
// else the user's data folder (an installed program, whose folder belongs to the system).

#include <QByteArray>
#include <QString>

// The folder with its trailing separator. Decided once, at the first call.
QString ProgramFolder();
// Tests point the program at a temporary folder; an empty text gives the real one back.
void SetProgramFolder(const QString &folder);

// The folder a program kept in `ownFolder` works in: `ownFolder` when a file can be created there,
// otherwise `dataFolder`. Both without a trailing separator; the choice carries one.
QString ChooseProgramFolder(const QString &ownFolder, const QString &dataFolder);

// Start-up: when the program works in the user's data folder, creates it and, when it holds no
// password store yet, writes `initialStore` there (the installation's store, with the initial
// password). False when that fails; a folder beside the program is left as it is.
bool PrepareProgramFolder(const QByteArray &initialStore);
