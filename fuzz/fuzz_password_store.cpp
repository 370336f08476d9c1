// The password store as any file may hold it: the INI reading, the unscrambling, and a change of
// password written into it and read back.

#include "FuzzSupport.h"

#include "base/Crypt.h"
#include "base/PasswordStore.h"
#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // The password to store, typed by the operator; the rest is the file.
    const QString typed = TakeText(input, 300);
    const std::string file = input.ConsumeRemainingBytesAsString();

    SetProgramFolder(ScratchFolder().path());
    WriteScratchFile(PasswordStore::path(), file.data(), file.size());

    try {
        PasswordStore::readValue();
        PasswordStore::readPassword();
    } catch (const PasswordError &) {
        // not hexadecimal: the login says so
    }

    // The scrambling of any text is hexadecimal, two digits a character, and unscrambles to the
    // low 8 bits of each character.
    const QString scrambled = ScrambleText(typed);
    FUZZ_CHECK(scrambled.size() == typed.size() * 2);
    QString low;
    for (QChar c : typed)
        low += QChar(char16_t(c.unicode() & 0xFF));
    FUZZ_CHECK(UnscrambleText(scrambled) == low);

    // A change of password reaches the key whatever the rest of the file holds.
    const QString password = PasswordText(typed);
    if (!IsStorablePassword(password))
        return 0;
    PasswordStore::writePassword(password);
    FUZZ_CHECK(PasswordStore::readValue() == ScrambleText(password));
    FUZZ_CHECK(PasswordStore::readPassword() == TrimText(password));
    return 0;
}
