#pragma once
// The reversible 16-bit scrambling that keeps the stored password from being read at a glance;
// it is no cryptographic protection.

#include "base/PasswordError.h"

#include <QString>

// Each character's low 8 bits become one scrambled byte, written as two upper-case hex digits.
QString ScrambleText(const QString &text);
// The inverse; an odd last digit is ignored, a pair that is not hexadecimal raises PasswordError.
QString UnscrambleText(const QString &hex);
