#include "base/HelpTopics.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(HelpTopic)

// The help of each screen: its title, its number of paragraphs and its opening words, as published,
// and the paragraphs joined by exactly one empty line.
class TestHelpTopics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topics_data()
    {
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("opening");

        QTest::newRow("start menu") << HelpTopic::Avvio << u"Uno sguardo a Portavel."_s << 16
                                    << u"Portavel è un software facile e intuitivo da utilizzarsi nei locali adibiti "
                                       u"alla ricezione dei Visitatori"_s;
        QTest::newRow("visit archive") << HelpTopic::Registro << u"Archivio Visite."_s << 7
                                       << u"L'Archivio Visite è l'applicazione per gestire le schede da compilarsi "
                                          u"all'arrivo dei Visitatori."_s;
        QTest::newRow("registry") << HelpTopic::Anagrafica << u"Archivio Anagrafico."_s << 7
                                  << u"L'Archivio Anagrafico è utile per la compilazione veloce delle schede delle "
                                     u"visite"_s;
        QTest::newRow("visit export") << HelpTopic::ExpVisite << u"Esportazione archivio visite in Microsoft Excel."_s
                                      << 3
                                      << u"Il pulsante Esporta archivio consente di esportare il registro delle visite "
                                         u"in un foglio di lavoro di Microsoft Excel"_s;
        QTest::newRow("client export") << HelpTopic::ExpClienti
                                       << u"Esportazione archivio Visitatori in Microsoft Excel."_s << 3
                                       << u"Il pulsante Esporta archivio consente di esportare i dati di tutti i "
                                          u"Visitatori in un foglio di lavoro di Microsoft Excel"_s;
        QTest::newRow("statistics") << HelpTopic::Statistiche << u"Grafici statistici visite mensili."_s << 4
                                    << u"L'applicazione Statistiche visite mensili consente di visualizzare e stampare "
                                       u"grafici statistici sulle visite mensili"_s;
        QTest::newRow("summary") << HelpTopic::Riepilogo << u"Riepilogo Visite."_s << 4
                                 << u"L'applicazione Riepiloghi Visite permette di visualizzare il riepilogo delle "
                                    u"entrate e delle uscite dei visitatori"_s;
    }

    void topics()
    {
        QFETCH(HelpTopic, topic);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        QFETCH(QString, opening);

        QCOMPARE(HelpTitle(topic), title);
        const QString text = HelpText(topic);
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(120)));

        // Two line breaks (CR LF CR LF) between paragraphs, none anywhere else.
        const QStringList parts = text.split(u"\r\n\r\n"_s);
        QCOMPARE(parts.size(), paragraphs);
        for (const QString &part : parts) {
            QVERIFY2(!part.trimmed().isEmpty(), "an empty paragraph");
            QVERIFY2(!part.contains(u'\r') && !part.contains(u'\n'), qPrintable(part.left(60)));
            QCOMPARE(part, part.trimmed());
        }
    }

    void startMenuGivesThePasswordOfTheFirstAccess()
    {
        // The next to last paragraph tells the access password and the one to type the first time.
        const QStringList parts = HelpText(HelpTopic::Avvio).split(u"\r\n\r\n"_s);
        QCOMPARE(parts.size(), 16);
        QVERIFY(parts[14].contains(u"password"_s));
        QVERIFY(parts[14].contains(u"PORTAVEL"_s));
    }
};

QTEST_APPLESS_MAIN(TestHelpTopics)
#include "TestHelpTopics.moc"
