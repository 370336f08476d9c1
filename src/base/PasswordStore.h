#pragma once
// The one stored password of the installation: section "Accesso", key "Valore" of the INI file
// "unins000.dll" in the program folder, holding the scrambled password as hexadecimal text.
// Every call opens, reads or writes and releases the file; nothing is cached.

#include <QString>

class PasswordStore
{
public:
    static QString path();

    // The stored hexadecimal value; empty when the file, the section or the key is missing.
    // Raises PasswordError when the file is there but cannot be read.
    static QString readValue();
    // Writes the key, creating the file or the section if needed and keeping every other line.
    // The file is replaced in one step, so a failure leaves the former store whole; raises PasswordError.
    static void writeValue(const QString &value);

    // The stored password in clear, trimmed. Raises PasswordError.
    static QString readPassword();
    // Stores a password already in its password text form. Raises PasswordError.
    static void writePassword(const QString &password);
};

// What the operator typed as the program compares and stores it: trimmed, a-z in capitals.
QString PasswordText(const QString &typed);
// Whether a password text can be stored faithfully: one byte per character, at most 255 characters.
bool IsStorablePassword(const QString &passwordText);
