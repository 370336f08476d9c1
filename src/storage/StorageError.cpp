#include "storage/StorageError.h"

StorageError::StorageError(const QString &message)
    : std::runtime_error(message.toStdString())
{ }
