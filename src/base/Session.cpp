#include "base/Session.h"

using namespace Qt::StringLiterals;

namespace {

// Set and read on the window's thread only.
QString loggedInName;
OperatorRole loggedInRole = OperatorRole::Amministratore;

} // namespace

void Session::logIn(const QString &name, OperatorRole role)
{
    loggedInName = name;
    loggedInRole = role;
}

void Session::logOut()
{
    loggedInName.clear();
    loggedInRole = OperatorRole::Amministratore;
}

QString Session::operatorName()
{
    return loggedInName;
}

bool Session::isRestricted()
{
    return hasOperator() && loggedInRole == OperatorRole::Operatore;
}

QString RoleName(OperatorRole role)
{
    return role == OperatorRole::Amministratore ? u"Amministratore"_s : u"Operatore"_s;
}
