#pragma once
// The office's operators, each with a name, a role and a password of their own: "Operatori.ini" in
// the program folder, shared by every desk. Only each password's Argon2id hash is kept, never the
// password nor anything it could be recovered from. Every change is made under the file's lock on
// the file as it stands then, so desks changing operators at once never lose each other's changes.

#include "base/Session.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct Operator
{
    QString name;
    OperatorRole role = OperatorRole::Operatore;
    bool active = true;
    QByteArray hash;
};

enum class OperatorRefusal {
    None,
    BlankName,
    NameTaken,
    ShortPassword,
    ConfirmationDiffers,
    FirstNotAdministrator,
    NoActiveAdministrator,
    UnknownOperator
};

// Names are kept as typed but trimmed, and compared trimmed and ignoring case.
class OperatorStore
{
public:
    static QString path(); // ProgramFolder() + "Operatori.ini"
    // The file exists: from then on the shared password no longer opens the program.
    static bool configured();
    // In the order they were added; missing file: empty. StorageError when it cannot be read.
    static QList<Operator> read();

    // Each checks in this order and changes nothing when refused; StorageError on a failed write.
    // add: BlankName (trimmed name empty), NameTaken, ShortPassword (fewer than 8 characters once blanks around it are
    //   left out), ConfirmationDiffers (password != confirmation exactly as typed), FirstNotAdministrator (no operator
    //   yet and role is Operatore). The hash is made from the password exactly as typed (UTF-8).
    static OperatorRefusal add(
        const QString &name, const QString &password, const QString &confirmation, OperatorRole role);
    // changeRole swaps Amministratore/Operatore; toggleActive deactivates or reactivates (*nowActive tells which);
    // both refuse UnknownOperator, and NoActiveAdministrator when the change would leave no active administrator.
    static OperatorRefusal changeRole(const QString &name);
    static OperatorRefusal toggleActive(const QString &name, bool *nowActive = nullptr);
    // setPassword: UnknownOperator, ShortPassword, ConfirmationDiffers (same rules as add).
    static OperatorRefusal setPassword(const QString &name, const QString &password, const QString &confirmation);
    // The active operator named `typedName` (trimmed, any case) whose hash verifies `password` as typed; nothing for
    // an unknown name, an inactive operator or a wrong password alike. StorageError when the store cannot be read.
    static std::optional<Operator> verify(const QString &typedName, const QString &password);
};
