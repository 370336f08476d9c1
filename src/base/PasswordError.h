#pragma once
// The one failure of the password store: it cannot be read or written, or holds digits that are
// not hexadecimal.

#include <stdexcept>

class PasswordError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
