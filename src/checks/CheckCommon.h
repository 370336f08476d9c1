#pragma once
// What a validator dialog shows after its check.

#include <QString>

struct CheckMessage
{
    enum class Kind { Information, Warning };

    Kind kind = Kind::Warning;
    QString text;

    friend bool operator==(const CheckMessage &, const CheckMessage &) = default;
};
