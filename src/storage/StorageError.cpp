#include "storage/StorageError.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

StorageError::StorageError(const QString &message, const QString &file)
    : std::runtime_error(message.toStdString())
    , m_file(file)
{ }

StorageError StorageError::inFile(const QString &path) const
{
    return m_file.isEmpty() ? StorageError(QString::fromStdString(what()), QFileInfo(path).fileName()) : *this;
}

QString AccessFailureText()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
           u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."_s;
}
