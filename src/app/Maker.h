#pragma once
// The maker of the program, as the start menu, the information and the credits windows name it.

#include <QString>

inline QString MakerName()
{
    using namespace Qt::StringLiterals;
    return u"Portavel Software"_s;
}

inline QString MakerWebAddress()
{
    using namespace Qt::StringLiterals;
    return u"https://www.portavel.it"_s;
}

inline QString MakerEmailAddress()
{
    using namespace Qt::StringLiterals;
    return u"info@portavel.it"_s;
}
