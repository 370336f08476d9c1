#include "TestHelpers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// The user guide built beside the program: a PDF of several pages, every chapter in it, and a
// picture for every screen its source shows.
class TestGuidaPdf : public QObject
{
    Q_OBJECT

    QString m_text;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(QStringLiteral(PORTAVEL_GUIDE_PDF)), PORTAVEL_GUIDE_PDF);
        const QStringList pages = PdfPages(QStringLiteral(PORTAVEL_GUIDE_PDF));
        QVERIFY2(pages.size() >= 15, qPrintable(QString::number(pages.size())));
        QVERIFY(pages.first().contains(u"Guida all'utilizzo del software"_s));
        // One line of words is easier to search; the "fi" ligatures of the fonts are read as two letters.
        m_text = pages.join(u' ').simplified().normalized(QString::NormalizationForm_KC);
    }

    void chapters_data()
    {
        QTest::addColumn<QString>("title");
        const char16_t *titles[] = {
            u"1. Benvenuti in Portavel",
            u"2. Accesso e password",
            u"3. Il menu iniziale",
            u"4. Archivio Visite: la scelta dell'anno",
            u"5. La scheda della visita",
            u"6. Gli elenchi delle presenze",
            u"7. La ricerca delle visite",
            u"8. La stampa della scheda",
            u"9. Archivio Anagrafico",
            u"10. La ricerca nell'Archivio Anagrafico",
            u"11. Rate in scadenza o scadute",
            u"12. Cartella e file allegati",
            u"13. I controlli di validità",
            u"14. Esportazione in Microsoft Excel",
            u"15. Riepilogo Visite",
            u"16. Statistiche visite mensili",
            u"17. Guida, informazioni e crediti",
            u"18. Gli archivi e la cartella del programma",
        };
        for (const char16_t *title : titles)
            QTest::newRow(qPrintable(QString::fromUtf16(title))) << QString::fromUtf16(title);
    }

    void chapters()
    {
        QFETCH(QString, title);
        QVERIFY2(m_text.contains(title), qPrintable(title));
    }

    void everyScreenHasItsPicture()
    {
        QFile source(QStringLiteral(PORTAVEL_GUIDE_SOURCE));
        QVERIFY(source.open(QIODevice::ReadOnly));
        static const QRegularExpression picture(u"src=\"schermata:([a-z_]+)\""_s);
        QSet<QString> screens;
        for (auto match = picture.globalMatch(QString::fromUtf8(source.readAll())); match.hasNext();)
            screens.insert(match.next().captured(1));
        QVERIFY(screens.size() >= 20);

        QProcess list;
        list.start(u"pdfimages"_s, { u"-list"_s, QStringLiteral(PORTAVEL_GUIDE_PDF) });
        QVERIFY(list.waitForFinished(30000));
        // Two heading lines, then one line per picture drawn.
        const int drawn = int(QString::fromUtf8(list.readAllStandardOutput()).trimmed().split(u'\n').size()) - 2;
        QVERIFY2(drawn >= screens.size(), qPrintable(u"%1 pictures for %2 screens"_s.arg(drawn).arg(screens.size())));
    }
};

QTEST_GUILESS_MAIN(TestGuidaPdf)
#include "TestGuidaPdf.moc"
