#include "base/ShellTarget.h"
#include "widgets/TMisc.h"

#include <QDesktopServices>
#include <QTest>

using namespace Qt::StringLiterals;

// Stands in for the desktop: whatever TMisc::Open hands over arrives here as an address.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

class TestShellTarget : public QObject
{
    Q_OBJECT

private:
    const QStringList m_schemes { u"file"_s, u"mailto"_s, u"http"_s, u"https"_s, u"ftp"_s };
    UrlCatcher m_catcher;

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, &m_catcher, "open");
    }
    void cleanupTestCase()
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    void init()
    {
        TMisc::setOpener({});
        m_catcher.urls.clear();
    }

    void targets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("expected"); // empty: nothing is opened

        QTest::newRow("quoted path with blanks")
            << u"\"/home/reception/Portavel dati/Registro_Visite.xls\""_s
            << QUrl::fromLocalFile(u"/home/reception/Portavel dati/Registro_Visite.xls"_s);
        QTest::newRow("unquoted folder") << u"/opt/portavel/Documenti_Allegati/Visitatore_12"_s
                                         << QUrl::fromLocalFile(u"/opt/portavel/Documenti_Allegati/Visitatore_12"_s);
        QTest::newRow("blanks around the quotes")
            << u"  \"/opt/portavel/Guida.pdf\" "_s << QUrl::fromLocalFile(u"/opt/portavel/Guida.pdf"_s);
        QTest::newRow("web address") << u"https://www.portavel.it"_s << QUrl(u"https://www.portavel.it"_s);
        QTest::newRow("plain http") << u"http://www.portavel.it/contatti"_s
                                    << QUrl(u"http://www.portavel.it/contatti"_s);
        QTest::newRow("quoted mailto with subject and body")
            << u"\"mailto:info@portavel.it?subject=Software Portavel&body=Salve, desidererei avere le seguenti "
               u"informazioni sul software in oggetto:\""_s
            << QUrl(u"mailto:info@portavel.it?subject=Software Portavel&body=Salve, desidererei avere le seguenti "
                    u"informazioni sul software in oggetto:"_s,
                   QUrl::TolerantMode);
        QTest::newRow("mailto in capitals")
            << u"\"MAILTO:rossi@example.it\""_s << QUrl(u"MAILTO:rossi@example.it"_s, QUrl::TolerantMode);
        // Shell syntax stays text: the whole thing is one file name, never a command.
        QTest::newRow("semicolon after the quotes")
            << u"\"/tmp/a.xls\"; rm -rf ~"_s << QUrl::fromLocalFile(u"/tmp/a.xls; rm -rf ~"_s);
        QTest::newRow("command substitution") << u"$(reboot)"_s << QUrl::fromLocalFile(u"$(reboot)"_s);
        QTest::newRow("backticks in a path") << u"\"/tmp/`id`.pdf\""_s << QUrl::fromLocalFile(u"/tmp/`id`.pdf"_s);
        QTest::newRow("pipe and ampersand")
            << u"/tmp/x.xls | cat & echo"_s << QUrl::fromLocalFile(u"/tmp/x.xls | cat & echo"_s);
        QTest::newRow("unknown scheme is a file name")
            << u"javascript:alert(1)"_s << QUrl::fromLocalFile(u"javascript:alert(1)"_s);
        QTest::newRow("empty") << QString() << QUrl();
        QTest::newRow("blanks only") << u"   "_s << QUrl();
        QTest::newRow("empty quotes") << u"\"\""_s << QUrl();
    }

    void targets()
    {
        QFETCH(QString, target);
        QFETCH(QUrl, expected);
        const QUrl url = ShellTargetUrl(target);
        QCOMPARE(url, expected);
        if (!expected.isEmpty())
            QVERIFY2(m_schemes.contains(url.scheme().toLower()), qPrintable(url.scheme()));
    }

    // The real opener hands the desktop exactly that address, and nothing at all for an empty target.
    void openHandsTheAddressToTheDesktop_data() { targets_data(); }
    void openHandsTheAddressToTheDesktop()
    {
        QFETCH(QString, target);
        QFETCH(QUrl, expected);
        TMisc::Open(target);
        if (expected.isEmpty())
            QVERIFY(m_catcher.urls.isEmpty());
        else
            QCOMPARE(m_catcher.urls, QList<QUrl> { expected });
    }

    void replacedOpenerGetsTheTextAsWritten()
    {
        QStringList seen;
        TMisc::setOpener([&seen](const QString &target) { seen.append(target); });
        TMisc::Open(u"\"/tmp/a b.xls\""_s);
        QCOMPARE(seen, QStringList { u"\"/tmp/a b.xls\""_s });
        QVERIFY(m_catcher.urls.isEmpty());
    }
};

QTEST_MAIN(TestShellTarget)
#include "TestShellTarget.moc"
