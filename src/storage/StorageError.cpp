#include "storage/StorageError.h"

StorageError::StorageError(const QString &message)
    : std::runtime_error(message.toStdString())
{ }

QString StorageError::message() const
{
    return QString::fromStdString(what());
}
