#include "AppFixture.h"
#include "MessageRecorder.h"
#include "SummaryYear.h"
#include "TestHelpers.h"
#include "TestPrinting.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "summaries/MenuRiepilogo.h"
#include "summaries/Riepilogo.h"
#include "visits/PresenceLines.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString NotAccessible = u"Attenzione: il file di archivio non risulta accessibile."_s;

QStringList linesOf(const QStringList &notes)
{
    QStringList lines;
    for (const TSchedaVisita &card : SummaryCards(notes))
        lines.append(VisitSearchLine(card));
    return lines;
}

// Closes, and counts, every modal dialog that opens while it lives.
class ModalWatch
{
public:
    ModalWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ++opened;
                dlg->reject();
            }
        });
        m_timer.start(5);
    }

    int opened = 0;

private:
    QTimer m_timer;
};

} // namespace

// The summary criteria screen and the summary list, driven as the operator drives them.
class TestSummaryScreens : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    static TfrmMenuRiepilogo *menu() { return Windows().menuRiepilogo(); }
    template<typename T = QWidget> static T *on(QWidget *window, const QString &name)
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no %s", qPrintable(name));
        return found;
    }
    static QString text(QWidget *window, const QString &name) { return on<QLabel>(window, name)->text(); }

    // From the start menu's tile, as the operator gets here.
    static void enter()
    {
        Windows().avvio()->showScreen();
        auto *tile = Windows().avvio()->findChild<QWidget *>(u"btnRiepilogo"_s);
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->rect().center());
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmMenuRiepilogo"_s });
    }

    static void choose(const QString &list, const QString &item)
    {
        auto *box = on<QComboBox>(menu(), list);
        box->setCurrentIndex(box->findText(item));
    }

    // Year, reason and the four lists, then the mouse on "Visualizza riepilogo".
    static void visualizza(const QString &year, const QString &reason, const QStringList &period)
    {
        on<QLineEdit>(menu(), u"txtAnno"_s)->setText(year);
        on<QLineEdit>(menu(), u"txtTipologia"_s)->setText(reason);
        const char16_t *lists[] = { u"txtGiornoInizio", u"txtMeseInizio", u"txtGiornoFine", u"txtMeseFine" };
        for (int i = 0; i < 4; ++i)
            choose(QString::fromUtf16(lists[i]), period.value(i));
        auto *button = on<QPushButton>(menu(), u"btnVisualizza"_s);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    std::unique_ptr<TfrmRiepilogo> summary(const QString &start, const QString &end, const QString &reason)
    {
        auto dlg = std::make_unique<TfrmRiepilogo>(menu());
        const SummaryRequest request { m_app->file(u"2024.vis"_s), start, end, reason };
        if (!dlg->buildSummary(request, ReadVisitSummary(request)))
            return {};
        dlg->show();
        return dlg;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        m_app.emplace(QDateTime(QDate(2024, 4, 10), QTime(9, 0)));
        WriteSummaryYear(m_app->file(u"2024.vis"_s));
    }
    void cleanup() { m_app.reset(); }

    // Each showing empties the period and puts back the current year; the reason stays.
    void showResetsYearAndPeriodNotReason()
    {
        enter();
        QCOMPARE(on<QLineEdit>(menu(), u"txtAnno"_s)->text(), u"2024"_s);
        QCOMPARE(text(menu(), u"lblAnnoInizio"_s), u"2024"_s);
        QCOMPARE(text(menu(), u"lblAnnoFine"_s), u"2024"_s);
        QCOMPARE(menu()->focusWidget(), on(menu(), u"txtTipologia"_s));
        QVERIFY(!on(menu(), u"lblAttendere"_s)->isVisible());

        on<QLineEdit>(menu(), u"txtAnno"_s)->setText(u"2019"_s);
        on<QLineEdit>(menu(), u"txtTipologia"_s)->setText(u"Consegna"_s);
        choose(u"txtGiornoInizio"_s, u"05"_s);
        choose(u"txtMeseFine"_s, u"Maggio"_s);
        on<QPushButton>(menu(), u"btnEsci"_s)->click();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });

        enter();
        QCOMPARE(on<QLineEdit>(menu(), u"txtAnno"_s)->text(), u"2024"_s);
        QCOMPARE(text(menu(), u"lblAnnoFine"_s), u"2024"_s);
        QCOMPARE(on<QLineEdit>(menu(), u"txtTipologia"_s)->text(), u"Consegna"_s);
        for (const QString &list : { u"txtGiornoInizio"_s, u"txtMeseInizio"_s, u"txtGiornoFine"_s, u"txtMeseFine"_s }) {
            QCOMPARE(on<QComboBox>(menu(), list)->currentText(), QString());
            QCOMPARE(on<QComboBox>(menu(), list)->count(), list.startsWith(u"txtGiorno"_s) ? 31 : 12);
        }
        menu()->close();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
    }

    void keys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("next");
        QTest::newRow("year") << u"txtAnno"_s << u"txtTipologia"_s;
        QTest::newRow("reason") << u"txtTipologia"_s << u"txtGiornoInizio"_s;
        QTest::newRow("start day") << u"txtGiornoInizio"_s << u"txtMeseInizio"_s;
        QTest::newRow("start month") << u"txtMeseInizio"_s << u"txtGiornoFine"_s;
        QTest::newRow("end day") << u"txtGiornoFine"_s << u"txtMeseFine"_s;
        QTest::newRow("end month") << u"txtMeseFine"_s << u"btnVisualizza"_s;
    }
    // Enter moves on; the lists take no typing but the arrows, and the year box takes digits only, its labels
    // following it; each box shows its yellow frame while it has the focus.
    void keys()
    {
        QFETCH(QString, box);
        QFETCH(QString, next);
        enter();
        QWidget *widget = on(menu(), box);
        widget->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget);
        QWidget *frame = on(menu(), u"eff"_s + box.mid(3));
        QVERIFY(frame->isVisible());

        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            // Typing chooses nothing; the arrows move as in any drop-down.
            QTest::keyClicks(list, u"1M"_s);
            QCOMPARE(list->currentIndex(), -1);
            QTest::keyClick(list, Qt::Key_End);
            QCOMPARE(list->currentIndex(), list->count() - 1);
            list->setCurrentIndex(3);
            QTest::keyClick(list, Qt::Key_Up);
            QCOMPARE(list->currentIndex(), 2);
        } else if (box == u"txtAnno"_s) {
            auto *year = static_cast<QLineEdit *>(widget);
            QTest::keyClick(year, Qt::Key_Backspace);
            QTest::keyClicks(year, u"a-9 "_s);
            QCOMPARE(year->text(), u"2029"_s);
            QCOMPARE(text(menu(), u"lblAnnoInizio"_s), u"2029"_s);
            QCOMPARE(text(menu(), u"lblAnnoFine"_s), u"2029"_s);
        }
        QTest::keyClick(widget, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), on(menu(), next));
        QVERIFY(!frame->isVisible());
    }

    void refusedCriteria_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QStringList>("period");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("dates"); // lblDataInizio, lblDataFine

        QTest::newRow("two-digit year") << u"24"_s << QStringList { u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s }
                                        << int(MessageKind::Warning)
                                        << u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s
                                        << u"txtAnno"_s << QStringList { QString(), QString() };
        QTest::newRow("no end month") << u"2024"_s << QStringList { u"01"_s, u"Marzo"_s, u"31"_s, QString() }
                                      << int(MessageKind::Warning)
                                      << u"Attenzione: indicare il mese di fine intervallo selezionandolo "
                                         u"dall'elenco a cascata."_s
                                      << u"txtMeseFine"_s << QStringList { QString(), QString() };
        QTest::newRow("end date that does not exist")
            << u"2023"_s << QStringList { u"01"_s, u"Febbraio"_s, u"29"_s, u"Febbraio"_s } << int(MessageKind::Notice)
            << u"Attenzione: la data 29/02/2023 di fine intervallo non esiste.\n\r\n\rPer poter visualizzare il "
               u"riepilogo è necessario indicare una data valida."_s
            << u"txtGiornoFine"_s << QStringList { u"01/02/2023"_s, u"29/02/2023"_s };
    }
    void refusedCriteria()
    {
        QFETCH(QString, year);
        QFETCH(QStringList, period);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QStringList, dates);

        MessageRecorder messages;
        enter();
        ModalWatch modal;
        visualizza(year, QString(), period);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(int(messages.lastKind()), kind);
        QCOMPARE(messages.lastText(), message);
        QTRY_COMPARE(QApplication::focusWidget(), on(menu(), focus));
        QCOMPARE(text(menu(), u"lblDataInizio"_s), dates[0]);
        QCOMPARE(text(menu(), u"lblDataFine"_s), dates[1]);
        QVERIFY(!on(menu(), u"lblAttendere"_s)->isVisible());
        QCOMPARE(modal.opened, 0);
    }

    void summaryOfAMonth_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("closeBy");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("consegna, closed by Esci")
            << u"consegna"_s << u"btnEsci"_s << u"consegna"_s << QStringList { u"a"_s, u"c"_s, u"f"_s, u"i"_s };
        QTest::newRow("every reason, closed by the title bar")
            << u" "_s << u"title bar"_s << u"Tutti i motivi"_s
            << QStringList { u"a"_s, u"b"_s, u"c"_s, u"f"_s, u"i"_s };
    }
    // The criteria hand over to the summary, which lists the month in file order with its total
    // and interval while the waiting notice stays; closing it hides the notice.
    void summaryOfAMonth()
    {
        QFETCH(QString, reason);
        QFETCH(QString, closeBy);
        QFETCH(QString, heading);
        QFETCH(QStringList, listed);

        MessageRecorder messages;
        enter();
        bool shown = false;
        WhenModalShown([&](QDialog *dlg) {
            shown = true;
            QCOMPARE(dlg->objectName(), u"TfrmRiepilogo"_s);
            QVERIFY(dlg->windowState() & Qt::WindowMaximized);
            QVERIFY(dlg->windowFlags() & Qt::WindowCloseButtonHint);
            QVERIFY(on(menu(), u"lblAttendere"_s)->isVisible());
            QCOMPARE(text(dlg, u"titTipologia"_s), heading);
            QCOMPARE(on<ListBox>(dlg, u"lstRecords"_s)->lines(), linesOf(listed));
            QCOMPARE(text(dlg, u"lblTotCosti"_s), QString::number(listed.size()));
            QCOMPARE(text(dlg, u"lblIntervallo"_s), u"Dal   01/03/2024   al   31/03/2024"_s);
            QCOMPARE(dlg->focusWidget(), on(dlg, u"txtTrova"_s));
            if (closeBy == u"btnEsci"_s)
                on<QPushButton>(dlg, u"btnEsci"_s)->click();
            else
                dlg->close();
        });
        visualizza(u"2024"_s, reason, { u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s });
        QVERIFY(shown);
        QCOMPARE(messages.count(), 0);
        QVERIFY(!on(menu(), u"lblAttendere"_s)->isVisible());
        QCOMPARE(text(menu(), u"lblFile"_s), m_app->file(u"2024.vis"_s));
        QCOMPARE(text(menu(), u"lblDataInizio"_s), u"01/03/2024"_s);
        QCOMPARE(text(menu(), u"lblDataFine"_s), u"31/03/2024"_s);
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmMenuRiepilogo"_s });
    }

    // A folder where the year file should be: the notice, no summary, the waiting notice hidden.
    void unreadableYearShowsTheNotice()
    {
        QFile::remove(m_app->file(u"2024.vis"_s));
        QVERIFY(QDir().mkpath(m_app->file(u"2024.vis"_s)));
        MessageRecorder messages;
        enter();
        ModalWatch modal;
        visualizza(u"2024"_s, QString(), { u"01"_s, u"Marzo"_s, u"31"_s, u"Marzo"_s });
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.lastKind(), MessageKind::Notice);
        QCOMPARE(messages.lastText(), NotAccessible);
        QVERIFY(!on(menu(), u"lblAttendere"_s)->isVisible());
        QCOMPARE(modal.opened, 0);
    }

    // A year without a file: created empty, the summary is empty with a total of 0.
    void missingYearIsAnEmptySummary()
    {
        auto dlg = std::make_unique<TfrmRiepilogo>(menu());
        const SummaryRequest request { m_app->file(u"2031.vis"_s), u"01/01/2031"_s, u"31/12/2031"_s, QString() };
        QVERIFY(dlg->buildSummary(request, ReadVisitSummary(request)));
        QVERIFY(QFile::exists(m_app->file(u"2031.vis"_s)));
        QCOMPARE(on<ListBox>(dlg.get(), u"lstRecords"_s)->count(), 0);
        QCOMPARE(text(dlg.get(), u"lblTotCosti"_s), u"0"_s);
        QCOMPARE(text(dlg.get(), u"lblIntervallo"_s), u"Dal   01/01/2031   al   31/12/2031"_s);
    }

    // Trova goes through the list in file order; Enter in the search box does nothing.
    void trovaInFileOrder()
    {
        MessageRecorder messages;
        auto dlg = summary(u"01/03/2024"_s, u"31/03/2024"_s, QString());
        QVERIFY(dlg);
        auto *list = on<ListBox>(dlg.get(), u"lstRecords"_s);
        auto *box = on<QLineEdit>(dlg.get(), u"txtTrova"_s);
        auto *trova = on<QPushButton>(dlg.get(), u"btnTrova"_s);
        box->setText(u"CONSEGNA"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(list->selectedRow(), -1);
        QVERIFY(dlg->isVisible());
        const QList<int> expected = { 0, 2, 3, 4, 0 }; // a, c, f, i, then round to a
        for (int row : expected) {
            trova->click();
            QCOMPARE(list->selectedRow(), row);
        }
        QCOMPARE(messages.count(), 0);
    }

    void printing()
    {
        MessageRecorder messages;
        const QString pdfPath = m_app->file(u"riepilogo.pdf"_s);
        PdfPrinting pdf(pdfPath);

        // An empty summary: the warning, and nothing asked or printed.
        auto empty = summary(u"01/06/2024"_s, u"30/06/2024"_s, QString());
        on<QPushButton>(empty.get(), u"btnStampa"_s)->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.lastKind(), MessageKind::Warning);
        QCOMPARE(
            messages.lastText(), u"Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."_s);
        QCOMPARE(pdf.dialogs, 0);

        // No to the question: nothing printed.
        auto dlg = summary(u"01/03/2024"_s, u"31/03/2024"_s, u"Consegna"_s);
        messages.answers = { false };
        on<QPushButton>(dlg.get(), u"btnStampa"_s)->click();
        QCOMPARE(messages.lastKind(), MessageKind::Confirmation);
        QCOMPARE(messages.lastText(), u"Si vuole stampare il presente riepilogo?"_s);
        QCOMPARE(pdf.dialogs, 0);

        Clock::setFixed(QDateTime(QDate(2024, 4, 11), QTime(8, 0)));
        on<QPushButton>(dlg.get(), u"btnStampa"_s)->click();
        QCOMPARE(pdf.dialogs, 1);
        QCOMPARE(messages.count(), 3);
        // pdftotext spaces the columns its own way: compare with runs of blanks collapsed.
        const QString printed = PdfPages(pdfPath).join(u'\n').simplified();
        QStringList expected { u"Visite dovute al seguente motivo: Consegna"_s };
        expected += linesOf({ u"a"_s, u"c"_s, u"f"_s, u"i"_s });
        expected += { u"- - - - - - - - - - - - - - - -"_s, u"INTERVALLO SELEZIONATO: Dal 01/03/2024 al 31/03/2024"_s,
            u"TOTALE VISITE: 4"_s, u"Stampa eseguita in data 11/04/2024"_s };
        qsizetype at = 0;
        for (const QString &line : expected) {
            const qsizetype found = printed.indexOf(line.simplified(), at);
            QVERIFY2(found >= at, qPrintable(line + u" in "_s + printed));
            at = found + line.simplified().size();
        }
        QVERIFY(printed.endsWith(u"Stampa eseguita in data 11/04/2024"_s));
    }
};

QTEST_MAIN(TestSummaryScreens)
#include "TestSummaryScreens.moc"
