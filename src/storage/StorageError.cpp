#include "storage/StorageError.h"

using namespace Qt::StringLiterals;

StorageError::StorageError(const QString &message)
    : std::runtime_error(message.toStdString())
{ }

QString AccessFailureText()
{
    return u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
           u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."_s;
}
