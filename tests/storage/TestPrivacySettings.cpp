#include "TestHelpers.h"

#include "storage/ArchiveBackup.h"
#include "storage/PrivacySettings.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

PrivacySettings someSettings()
{
    PrivacySettings settings;
    settings.months = 18;
    settings.printNotice = true;
    settings.lastAutomaticRun = QDate(2026, 3, 9);
    settings.lastAutomaticCount = 412;
    return settings;
}

void compareSettings(const PrivacySettings &actual, const PrivacySettings &expected)
{
    QCOMPARE(actual.months, expected.months);
    QCOMPARE(actual.printNotice, expected.printNotice);
    QCOMPARE(actual.lastAutomaticRun, expected.lastAutomaticRun);
    QCOMPARE(actual.lastAutomaticCount, expected.lastAutomaticCount);
}

} // namespace

class TestPrivacySettings : public QObject
{
    Q_OBJECT

    std::optional<TempProgramFolder> m_folder;

private Q_SLOTS:
    void init() { m_folder.emplace(); }
    void cleanup() { m_folder.reset(); }

    void defaultsWithoutFile()
    {
        compareSettings(PrivacySettings::read(), PrivacySettings {});
        QVERIFY(!PrivacySettings::read().months);
        QVERIFY(!QFile::exists(PrivacySettings::path()));
        QCOMPARE(PrivacySettings::readNotice(), PrivacySettings::defaultNotice());
        QVERIFY(!QFile::exists(PrivacySettings::noticePath()));
    }

    void roundTrip_data()
    {
        QTest::addColumn<std::optional<int>>("months");
        QTest::addColumn<bool>("printNotice");
        QTest::addColumn<QDate>("lastRun");
        QTest::addColumn<int>("lastCount");
        QTest::newRow("kept for ever, never run") << std::optional<int>() << false << QDate() << 0;
        QTest::newRow("six months, notice printed") << std::optional<int>(6) << true << QDate(2026, 1, 2) << 3;
        QTest::newRow("ten years") << std::optional<int>(120) << false << QDate(2031, 12, 31) << 0;
    }

    void roundTrip()
    {
        QFETCH(std::optional<int>, months);
        QFETCH(bool, printNotice);
        QFETCH(QDate, lastRun);
        QFETCH(int, lastCount);
        // Written over different values, so a key left as it was shows.
        someSettings().write();
        PrivacySettings settings;
        settings.months = months;
        settings.printNotice = printNotice;
        settings.lastAutomaticRun = lastRun;
        settings.lastAutomaticCount = lastCount;
        settings.write();
        compareSettings(PrivacySettings::read(), settings);
    }

    void writtenAsTheOfficeReadsIt()
    {
        someSettings().write();
        QCOMPARE(FileBytes(PrivacySettings::path()),
            QByteArray("[Privacy]\nMesiConservazione=18\nStampaInformativa=1\nUltimaAnonimizzazione=09/03/2026\n"
                       "UltimeSchedeAnonimizzate=412\n"));
    }

    // Other sections, other keys and the Windows line ends of a shared file stay as they were.
    void otherLinesKept_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("section in the middle")
            << QByteArray("; impostazioni\r\n[Generale]\r\nLingua=it\r\n\r\n[privacy]\r\n  mesiconservazione = 3\r\n"
                          "Altro=x\r\nStampaInformativa=0\r\n\r\n[Stampa]\r\nCopie=2\r\nMesiConservazione=99\r\n")
            << QByteArray("; impostazioni\r\n[Generale]\r\nLingua=it\r\n\r\n[privacy]\r\nMesiConservazione=18\r\n"
                          "Altro=x\r\nStampaInformativa=1\r\nUltimaAnonimizzazione=09/03/2026\r\n"
                          "UltimeSchedeAnonimizzate=412\r\n\r\n[Stampa]\r\nCopie=2\r\nMesiConservazione=99\r\n");
        QTest::newRow("no section, no last line end")
            << QByteArray("[Generale]\nLingua=it")
            << QByteArray("[Generale]\nLingua=it\n\n[Privacy]\nMesiConservazione=18\n"
                          "StampaInformativa=1\nUltimaAnonimizzazione=09/03/2026\n"
                          "UltimeSchedeAnonimizzate=412\n");
        QTest::newRow("last section, byte order mark")
            << QByteArray("\xEF\xBB\xBF[Generale]\nNome=Società\n[Privacy]\nUltimeSchedeAnonimizzate=7\n")
            << QByteArray("\xEF\xBB\xBF[Generale]\nNome=Società\n[Privacy]\nUltimeSchedeAnonimizzate=412\n"
                          "MesiConservazione=18\nStampaInformativa=1\nUltimaAnonimizzazione=09/03/2026\n");
    }

    void otherLinesKept()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        WriteFileBytes(PrivacySettings::path(), before);
        someSettings().write();
        QCOMPARE(FileBytes(PrivacySettings::path()), after);
        compareSettings(PrivacySettings::read(), someSettings());
    }

    // A hand-edited file never makes the program anonymise more than the office chose.
    void readingEditedValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<std::optional<int>>("months");
        QTest::addColumn<bool>("printNotice");
        QTest::addColumn<QDate>("lastRun");
        QTest::addColumn<int>("lastCount");
        const auto section = [](const QByteArray &lines) { return "[Privacy]\n" + lines; };
        QTest::newRow("blanks around") << section(" MesiConservazione = 24 \nStampaInformativa= 1\n")
                                       << std::optional<int>(24) << true << QDate() << 0;
        QTest::newRow("empty months") << section("MesiConservazione=\n") << std::optional<int>() << false << QDate()
                                      << 0;
        QTest::newRow("zero months") << section("MesiConservazione=0\n") << std::optional<int>() << false << QDate()
                                     << 0;
        QTest::newRow("negative months") << section("MesiConservazione=-6\n") << std::optional<int>() << false
                                         << QDate() << 0;
        QTest::newRow("words for months")
            << section("MesiConservazione=sei\n") << std::optional<int>() << false << QDate() << 0;
        QTest::newRow("months beyond an int")
            << section("MesiConservazione=99999999999\n") << std::optional<int>() << false << QDate() << 0;
        QTest::newRow("notice yes in words")
            << section("StampaInformativa=si\n") << std::optional<int>() << false << QDate() << 0;
        QTest::newRow("no such day") << section("UltimaAnonimizzazione=31/02/2026\nUltimeSchedeAnonimizzate=x\n")
                                     << std::optional<int>() << false << QDate() << 0;
        QTest::newRow("keys of another section")
            << QByteArray("[Altro]\nMesiConservazione=3\nStampaInformativa=1\n[Privacy]\nUltimeSchedeAnonimizzate=5\n")
            << std::optional<int>() << false << QDate() << 5;
        QTest::newRow("first of two") << section(
            "MesiConservazione=3\nMesiConservazione=1\n[Privacy]\nMesiConservazione=2\n")
                                      << std::optional<int>(3) << false << QDate() << 0;
        QTest::newRow("any case, Windows line ends")
            << QByteArray("[PRIVACY]\r\nmesiconservazione=4\r\nultimaanonimizzazione=1/2/2026\r\n")
            << std::optional<int>(4) << false << QDate(2026, 2, 1) << 0;
    }

    void readingEditedValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(std::optional<int>, months);
        QFETCH(bool, printNotice);
        QFETCH(QDate, lastRun);
        QFETCH(int, lastCount);
        WriteFileBytes(PrivacySettings::path(), file);
        const PrivacySettings settings = PrivacySettings::read();
        QCOMPARE(settings.months, months);
        QCOMPARE(settings.printNotice, printNotice);
        QCOMPARE(settings.lastAutomaticRun, lastRun);
        QCOMPARE(settings.lastAutomaticCount, lastCount);
    }

    void unreadableFiles()
    {
        QVERIFY(QDir().mkpath(PrivacySettings::path()));
        QVERIFY(QDir().mkpath(PrivacySettings::noticePath()));
        QVERIFY_THROWS_EXCEPTION(StorageError, PrivacySettings::read());
        QVERIFY_THROWS_EXCEPTION(StorageError, someSettings().write());
        QVERIFY_THROWS_EXCEPTION(StorageError, PrivacySettings::readNotice());
        QVERIFY_THROWS_EXCEPTION(StorageError, PrivacySettings::writeNotice(u"testo"_s));
        QVERIFY(QFileInfo(PrivacySettings::path()).isDir());
    }

    void noticeRoundTrip()
    {
        const QString text
            = u"Informativa: città, perché, 20 €, “virgolette”, Œuvre, ż, 日本, 🙂\nSeconda riga\r\n"_s;
        PrivacySettings::writeNotice(text);
        QCOMPARE(FileBytes(PrivacySettings::noticePath()), text.toUtf8());
        QCOMPARE(PrivacySettings::readNotice(), text);

        // As a Windows editor saves it.
        WriteFileBytes(PrivacySettings::noticePath(), "\xEF\xBB\xBFTesto dell'ufficio");
        QCOMPARE(PrivacySettings::readNotice(), u"Testo dell'ufficio"_s);
        // An office may choose no text at all: that is not the missing file.
        PrivacySettings::writeNotice(QString());
        QCOMPARE(PrivacySettings::readNotice(), QString());
    }

    void savedByTheDayCopy()
    {
        someSettings().write();
        PrivacySettings::writeNotice(u"Testo"_s);
        QCOMPARE(BackUpArchives(QDate(2026, 3, 10)), BackupOutcome::Done);
        const QString day = BackupFolder() + u"2026-03-10/"_s;
        QCOMPARE(FileBytes(day + u"Impostazioni.ini"_s), FileBytes(PrivacySettings::path()));
        QCOMPARE(FileBytes(day + u"Informativa.txt"_s), QByteArray("Testo"));
    }
};

QTEST_GUILESS_MAIN(TestPrivacySettings)
#include "TestPrivacySettings.moc"
