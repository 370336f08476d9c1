#include "base/Crypt.h"
#include "base/PasswordStore.h"

#include "FileSizeLimit.h"
#include "TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestCrypt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownVectors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("A") << u"A"_s << u"57"_s;
        QTest::newRow("ABC") << u"ABC"_s << u"570DD7"_s;
        QTest::newRow("delivered password") << u"PORTAVEL"_s << u"4647B7D0664108B0"_s;
    }
    void knownVectors()
    {
        QFETCH(QString, text);
        QFETCH(QString, hex);
        QCOMPARE(ScrambleText(text), hex);
        QCOMPARE(UnscrambleText(hex), text);
        QCOMPARE(UnscrambleText(hex.toLower()), text);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QString allCodes;
        for (int code = 0; code < 256; ++code)
            allCodes += QChar(char16_t(code));
        QTest::newRow("capitals") << u"SEGRETO"_s;
        QTest::newRow("blanks and digits") << u"PASS WORD 2026"_s;
        QTest::newRow("latin-1 letters") << u"CAFFè ÀÉÎÕÜ ÿ"_s;
        QTest::newRow("every byte") << allCodes;
        QTest::newRow("255 characters") << QString(255, u'Z');
        QTest::newRow("repeated character") << QString(40, u'A');
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        const QString hex = ScrambleText(text);
        QCOMPARE(hex.size(), text.size() * 2);
        for (QChar c : hex)
            QVERIFY2((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'), qPrintable(hex));
        QCOMPARE(UnscrambleText(hex), text);
    }

    void unscramble_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("raises");
        QTest::newRow("odd last digit dropped") << u"4647B7D0664108B07"_s << u"PORTAVEL"_s << false;
        QTest::newRow("odd last character never read") << u"57Z"_s << u"A"_s << false;
        QTest::newRow("one digit") << u"5"_s << QString() << false;
        QTest::newRow("mixed case digits") << u"570dD7"_s << u"ABC"_s << false;
        QTest::newRow("letter past F") << u"57G1"_s << QString() << true;
        QTest::newRow("blank inside") << u"57 D"_s << QString() << true;
        QTest::newRow("prefix") << u"0x57"_s << QString() << true;
    }
    void unscramble()
    {
        QFETCH(QString, hex);
        QFETCH(QString, text);
        QFETCH(bool, raises);
        if (raises)
            QVERIFY_THROWS_EXCEPTION(PasswordError, UnscrambleText(hex));
        else
            QCOMPARE(UnscrambleText(hex), text);
    }

    void passwordText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("storable");
        QTest::newRow("trimmed and capitals") << u"  segreto \t"_s << u"SEGRETO"_s << true;
        QTest::newRow("blank inside kept") << u"porta vel"_s << u"PORTA VEL"_s << true;
        QTest::newRow("only a-z change case") << u"caffè-1"_s << u"CAFFè-1"_s << true;
        QTest::newRow("255 characters") << QString(255, u'a') << QString(255, u'A') << true;
        QTest::newRow("256 characters") << QString(256, u'a') << QString(256, u'A') << false;
        QTest::newRow("blanks do not count") << u"  "_s + QString(255, u'a') + u"  "_s << QString(255, u'A') << true;
        QTest::newRow("last latin-1 code") << u"ÿ"_s << u"ÿ"_s << true;
        QTest::newRow("euro sign") << u"pass€"_s << u"PASS€"_s << false;
        QTest::newRow("outside the basic plane") << u"pass\U0001F511"_s << u"PASS\U0001F511"_s << false;
    }
    void passwordText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, password);
        QFETCH(bool, storable);
        QCOMPARE(PasswordText(typed), password);
        QCOMPARE(IsStorablePassword(PasswordText(typed)), storable);
    }

    void deliveredStore()
    {
        const QString delivered = QString::fromUtf8(PORTAVEL_DELIVERED_STORE);
        QVERIFY(QFile::exists(delivered));
        TempProgramFolder folder;
        QVERIFY(QFile::copy(delivered, PasswordStore::path()));
        QCOMPARE(PasswordStore::readPassword(), u"PORTAVEL"_s);
    }

    void readValue_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QString>("value");
        QTest::newRow("no file") << QByteArray() << QString();
        QTest::newRow("empty file") << QByteArray("") << QString();
        QTest::newRow("other section only") << QByteArray("[Altro]\r\nValore=57\r\n") << QString();
        QTest::newRow("no key") << QByteArray("[Accesso]\r\nAltro=57\r\n") << QString();
        QTest::newRow("key before any section") << QByteArray("Valore=57\r\n[Accesso]\r\n") << QString();
        QTest::newRow("crlf") << QByteArray("[Altro]\r\nValore=11\r\n[Accesso]\r\nValore=57\r\n") << u"57"_s;
        QTest::newRow("lf, no final break") << QByteArray("[Accesso]\nValore=57") << u"57"_s;
        QTest::newRow("names ignore case, blanks around")
            << QByteArray("  [ accesso ]  \n  VALORE  =  570DD7  \n") << u"570DD7"_s;
        QTest::newRow("quoted value") << QByteArray("[Accesso]\r\nValore=\"57\"\r\n") << u"57"_s;
        QTest::newRow("first section of the name counts")
            << QByteArray("[Accesso]\r\nX=1\r\n[Altro]\r\n[Accesso]\r\nValore=57\r\n") << QString();
    }
    void readValue()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, value);
        TempProgramFolder folder;
        if (!content.isNull())
            writeFile(PasswordStore::path(), content);
        QCOMPARE(PasswordStore::readValue(), value);
    }

    void writeValue_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=ABCD\r\n");
        QTest::newRow("key replaced, other lines kept")
            << QByteArray("; nota\r\n[Altro]\r\nA=Caff\xe8\r\n\r\n[accesso]\r\nValore=1234\r\nAltro=x\r\n")
            << QByteArray("; nota\r\n[Altro]\r\nA=Caff\xe8\r\n\r\n[accesso]\r\nValore=ABCD\r\nAltro=x\r\n");
        QTest::newRow("lf file keeps lf") << QByteArray("[Accesso]\nvalore = 1234\n[Altro]\nB=2\n")
                                          << QByteArray("[Accesso]\nvalore =ABCD\n[Altro]\nB=2\n");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Accesso]\r\nAltro=x\r\n\r\n[Z]\r\nValore=9\r\n")
            << QByteArray("[Accesso]\r\nAltro=x\r\nValore=ABCD\r\n\r\n[Z]\r\nValore=9\r\n");
        QTest::newRow("section without a line break")
            << QByteArray("[Accesso]") << QByteArray("[Accesso]\r\nValore=ABCD\r\n");
        QTest::newRow("section added") << QByteArray("[Altro]\nA=1\n")
                                       << QByteArray("[Altro]\nA=1\n\n[Accesso]\nValore=ABCD\n");
        QTest::newRow("section added after a last line without break")
            << QByteArray("[Altro]\r\nA=1") << QByteArray("[Altro]\r\nA=1\r\n\r\n[Accesso]\r\nValore=ABCD\r\n");
        QTest::newRow("key added after a last line ending in a lone carriage return")
            << QByteArray("[Accesso]\nAltro=x\r") << QByteArray("[Accesso]\nAltro=x\r\nValore=ABCD\n");
        QTest::newRow("section added after a last line ending in a lone carriage return")
            << QByteArray("[Altro]\nA=1\r") << QByteArray("[Altro]\nA=1\r\n\n[Accesso]\nValore=ABCD\n");
    }
    void writeValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TempProgramFolder folder;
        if (!before.isNull())
            writeFile(PasswordStore::path(), before);
        PasswordStore::writeValue(u"ABCD"_s);
        QCOMPARE(readFile(PasswordStore::path()), after);
        QCOMPARE(PasswordStore::readValue(), u"ABCD"_s);
    }

    void passwordRoundTrip()
    {
        TempProgramFolder folder;
        PasswordStore::writePassword(u"CAFFè 1"_s);
        QCOMPARE(readFile(PasswordStore::path()),
            QByteArray("[Accesso]\r\nValore=") + ScrambleText(u"CAFFè 1"_s).toLatin1() + QByteArray("\r\n"));
        QCOMPARE(PasswordStore::readPassword(), u"CAFFè 1"_s);
    }

    void folderInPlaceOfTheStore()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(u"unins000.dll"_s));
        QVERIFY_THROWS_EXCEPTION(PasswordError, PasswordStore::readValue());
        QVERIFY_THROWS_EXCEPTION(PasswordError, PasswordStore::writeValue(u"57"_s));
        QVERIFY(QFileInfo(PasswordStore::path()).isDir());
    }

    void failedWriteKeepsTheStore()
    {
        TempProgramFolder folder;
        const QByteArray before("[Altro]\r\nA=1\r\n[Accesso]\r\nValore=4647B7D0664108B0\r\n");
        writeFile(PasswordStore::path(), before);
        {
            FileSizeLimit limit(4);
            QVERIFY_THROWS_EXCEPTION(PasswordError, PasswordStore::writeValue(u"570DD7"_s));
        }
        QCOMPARE(readFile(PasswordStore::path()), before);
        // No half-written copy is left beside the store.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { u"unins000.dll"_s });
    }

    void readOnlyFolderKeepsTheStore()
    {
        TempProgramFolder folder;
        const QByteArray before("[Accesso]\r\nValore=57\r\n");
        writeFile(PasswordStore::path(), before);
        QFile dir(folder.path());
        const QFileDevice::Permissions permissions = dir.permissions();
        QVERIFY(dir.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile probe(folder.file(u"probe"_s));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            dir.setPermissions(permissions);
            QSKIP("folder permissions are not enforced for this user");
        }
        bool raised = false;
        try {
            PasswordStore::writeValue(u"570DD7"_s);
        } catch (const PasswordError &) {
            raised = true;
        }
        dir.setPermissions(permissions);
        QVERIFY(raised);
        QCOMPARE(readFile(PasswordStore::path()), before);
    }
};

QTEST_GUILESS_MAIN(TestCrypt)
#include "TestCrypt.moc"
