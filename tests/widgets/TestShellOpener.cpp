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

class TestShellOpener : public QObject
{
    Q_OBJECT

private:
    const QStringList m_schemes { u"file"_s, u"mailto"_s, u"https"_s };
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

    // The desktop gets exactly the address: a file name keeps its quotes, blanks and shell signs,
    // since nothing ever reads it as a command line.
    void openHandsTheAddressToTheDesktop_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("path with blanks")
            << QUrl::fromLocalFile(u"/home/reception/Portavel dati/Registro_Visite.xls"_s);
        QTest::newRow("name with a double quote")
            << QUrl::fromLocalFile(u"/opt/portavel/Documenti_Allegati/contratto \"firmato\".pdf"_s);
        QTest::newRow("shell signs") << QUrl::fromLocalFile(u"/tmp/a.xls\"; rm -rf ~ $(reboot) `id` | cat"_s);
        QTest::newRow("web address") << QUrl(u"https://www.portavel.it"_s);
        QTest::newRow("mailto with subject and body") << QUrl(
            u"mailto:info@portavel.it?subject=Software Portavel&body=Salve, desidererei:"_s, QUrl::TolerantMode);
    }
    void openHandsTheAddressToTheDesktop()
    {
        QFETCH(QUrl, url);
        TMisc::Open(url);
        QCOMPARE(m_catcher.urls, QList<QUrl> { url });
    }

    void emptyAddressOpensNothing()
    {
        TMisc::Open(QUrl());
        TMisc::Open(QUrl::fromLocalFile(QString()));
        QVERIFY(m_catcher.urls.isEmpty());
    }

    void replacedOpenerGetsTheAddress()
    {
        QList<QUrl> seen;
        TMisc::setOpener([&seen](const QUrl &url) { seen.append(url); });
        const QUrl url = QUrl::fromLocalFile(u"/tmp/a \"b\".xls"_s);
        TMisc::Open(url);
        QCOMPARE(seen, QList<QUrl> { url });
        QCOMPARE(seen.first().toLocalFile(), u"/tmp/a \"b\".xls"_s);
        QVERIFY(m_catcher.urls.isEmpty());
    }
};

QTEST_MAIN(TestShellOpener)
#include "TestShellOpener.moc"
