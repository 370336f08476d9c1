#pragma once
// Waits until what was written to an open file is on the disk itself, not only in the system's
// cache: a save counts as done only then.

class QSaveFile;

// False when the system reports that the data could not be stored.
bool SyncToDisk(int handle);

// Puts a finished QSaveFile in place of the old file only once its bytes are flushed and synced.
// commit() alone does not see a write that fails only while flushing (a full disk) and ignores a
// failed sync, so it would replace a good file with one that may never reach the disk. On any
// failure the temporary file is discarded, the old file stays, and the answer is false.
bool CommitToDisk(QSaveFile &file);
