#pragma once
// The reversible 16-bit scrambling that keeps the stored password from being read at a glance;
// it is no cryptographic protection.

#include <QString>
#include <stdexcept>

// Raised when the password store cannot be read or written, or holds digits that are not hexadecimal.
class PasswordError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Each character's low 8 bits become one scrambled byte, written as two upper-case hex digits.
QString ScrambleText(const QString &text);
// The inverse; an odd last digit is ignored, a pair that is not hexadecimal raises PasswordError.
QString UnscrambleText(const QString &hex);
