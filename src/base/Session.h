#pragma once
// Who is working at this desk: the operator who logged in by name, or nobody when the office
// has no operators (the shared password opens everything, as it always has).

#include <QString>

enum class OperatorRole { Amministratore, Operatore };

class Session
{
public:
    static void logIn(const QString &name, OperatorRole role);
    static void logOut();
    // The logged-in operator's name as stored; empty without operators.
    static QString operatorName();
    static bool hasOperator() { return !operatorName().isEmpty(); }
    // Whether the functions kept for administrators are closed: an "Operatore" is logged in.
    static bool isRestricted();
};

// The role's name as shown and stored: "Amministratore" or "Operatore".
QString RoleName(OperatorRole role);
