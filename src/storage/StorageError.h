#pragma once
// The one error every record-file operation throws: open, create, seek, read, write, flush, lock, close.

#include <QString>

#include <stdexcept>

class StorageError : public std::runtime_error
{
public:
    // What failed and why, for logs and tests (what()); screens show their own fixed message instead.
    explicit StorageError(const QString &message, const QString &file = QString());

    // The name of the file that stopped a work reading or writing many, when it says which.
    QString file() const { return m_file; }
    // The same error naming the file at `path` (its name only), unless it names one already.
    StorageError inFile(const QString &path) const;

private:
    QString m_file;
};

// The one message a screen shows when a record file cannot be opened, created, read or written.
QString AccessFailureText();
