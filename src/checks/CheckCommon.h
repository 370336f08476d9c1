#pragma once
// What a validator dialog shows after its check, and the typing rule its boxes share.

#include <QString>

struct CheckMessage
{
    enum class Kind { Information, Warning };

    Kind kind = Kind::Warning;
    QString text;

    friend bool operator==(const CheckMessage &, const CheckMessage &) = default;
};

// The box text after every change and key release in the fiscal code, card and IBAN checks.
QString TypedCheckText(const QString &text);
