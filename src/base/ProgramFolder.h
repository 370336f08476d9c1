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

// The files a day copy saves and whose presence makes a folder an archives' folder: each
// <yyyy>.vis, Visitatori.pro, the password store unins000.dll, the operators' store Operatori.ini,
// the settings Impostazioni.ini and the privacy notice Informativa.txt.
bool IsArchiveName(const QString &fileName);
// Whether `folder` holds any of those files.
bool HoldsArchives(const QString &folder);
// Whether a new file can be made in `folder`: trying is the only sure test.
bool IsWritableFolder(const QString &folder);

// The folder a program kept in `ownFolder` works in: `ownFolder` when a file can be created there
// or when it holds archives (read-only archives are still the office's archives), otherwise
// `dataFolder`. Both without a trailing separator; the choice carries one.
QString ChooseProgramFolder(const QString &ownFolder, const QString &dataFolder);

// Start-up: when the program works in the user's data folder, creates it and, when it holds no
// archive at all, writes `initialStore` there (the installation's store, with the initial
// password). A missing store is never made again beside archives: deleting it must not reset the
// password. False when that fails; a folder beside the program is left as it is.
bool PrepareProgramFolder(const QByteArray &initialStore);
