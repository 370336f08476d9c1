#pragma once
// The one error every record-file operation throws: open, create, seek, read, write, flush, lock, close.

#include <QString>

#include <stdexcept>

class StorageError : public std::runtime_error
{
public:
    // What failed and why, for logs and tests (what()); screens show their own fixed message instead.
    explicit StorageError(const QString &message);
};

// The one message a screen shows when a record file cannot be opened, created, read or written.
QString AccessFailureText();
