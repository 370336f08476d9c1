#pragma once
// Waits until what was written to an open file is on the disk itself, not only in the system's
// cache: a save counts as done only then.

// False when the system reports that the data could not be stored.
bool SyncToDisk(int handle);
