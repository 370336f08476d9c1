#include "MessageRecorder.h"

#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The panel every list screen is built on: its controls where the list screens have them, Trova
// wired to the list, and the screen's three answers as signals.
class TestListPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStandWhereTheListScreensHaveThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // labels: only the position counts, they fit their text

        QTest::newRow("banner") << u"imgLogo"_s << QRect(8, 8, 817, 53);
        QTest::newRow("first help line") << u"lblRigo01"_s << QRect(8, 66, 0, 0);
        QTest::newRow("second help line") << u"lblRigo02"_s << QRect(8, 82, 0, 0);
        QTest::newRow("magnifier box") << u"shpLente"_s << QRect(8, 104, 81, 57);
        QTest::newRow("search strip") << u"shpSfondo"_s << QRect(96, 104, 729, 57);
        QTest::newRow("search box") << u"txtTrova"_s << QRect(112, 122, 593, 22);
        QTest::newRow("Trova") << u"btnTrova"_s << QRect(710, 117, 105, 30);
        QTest::newRow("list frame") << u"shpLista"_s << QRect(8, 168, 817, 313);
        QTest::newRow("list") << u"lstRecords"_s << QRect(16, 176, 801, 273);
        QTest::newRow("double-click hint") << u"lblRigo03"_s << QRect(16, 456, 0, 0);
        QTest::newRow("Chiudi") << u"btnChiudi"_s << QRect(8, 488, 150, 30);
        QTest::newRow("Stampa") << u"btnStampa"_s << QRect(675, 488, 150, 30);
    }

    void controlsStandWhereTheListScreensHaveThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QWidget window;
        ListPanel panel(u"VISITATORI USCITI OGGI"_s, &window);
        QCOMPARE(panel.objectName(), u"panContainer"_s);
        QCOMPARE(panel.size(), QSize(833, 529));

        auto *control = panel.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), &panel);
        if (geometry.isValid())
            QCOMPARE(control->geometry(), geometry);
        else
            QCOMPARE(control->pos(), geometry.topLeft());
    }

    void textsOfTheDesign()
    {
        ListPanel panel(u"VISITATORI USCITI OGGI"_s, nullptr);
        QCOMPARE(panel.findChild<QWidget *>(u"imgLogo"_s)->accessibleName(), u"VISITATORI USCITI OGGI"_s);
        QCOMPARE(panel.findChild<QLabel *>(u"lblRigo01"_s)->text(),
            u"Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
            u"pulsante Trova."_s);
        QCOMPARE(panel.findChild<QLabel *>(u"lblRigo02"_s)->text(),
            u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
            u"Trova."_s);
        QCOMPARE(panel.lblRigo03()->text(), u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_s);
        QCOMPARE(panel.lblRigo03()->palette().color(QPalette::WindowText), QColor(220, 20, 60));
        QCOMPARE(panel.btnTrova()->text(), u"Trova"_s);
        QCOMPARE(panel.btnChiudi()->text(), u"Chiudi"_s);
        QCOMPARE(panel.btnStampa()->text(), u"Stampa"_s);
        QCOMPARE(panel.findChild<QWidget *>(u"imgLente"_s)->parentWidget()->objectName(), u"shpLente"_s);
    }

    void enterMovesToTrovaAndTrovaFindsInTheList()
    {
        MessageRecorder messages;
        ListPanel panel(u"ELENCO"_s, nullptr);
        panel.lstRecords()->setLines({ u"ROSSI MARIO"_s, u"BIANCHI ANNA"_s, u"ROSSI LUCA"_s });
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.activateWindow();
        panel.txtTrova()->setFocus();
        QTest::keyClicks(panel.txtTrova(), u"rossi"_s);
        QTest::keyClick(panel.txtTrova(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), panel.btnTrova());
        QCOMPARE(panel.lstRecords()->selectedRow(), -1);

        // Sorted: BIANCHI ANNA, ROSSI LUCA, ROSSI MARIO.
        panel.btnTrova()->click();
        QCOMPARE(panel.lstRecords()->selectedText(), u"ROSSI LUCA"_s);
        panel.btnTrova()->click();
        QCOMPARE(panel.lstRecords()->selectedText(), u"ROSSI MARIO"_s);
        QCOMPARE(messages.count(), 0);
    }

    // Lines as the screens give them, some with characters no stored byte stands for: each keeps its
    // tag through the sort, shows and searches as given; lines given without tags carry none.
    void linesKeepTheirTagsAndTheirText()
    {
        MessageRecorder messages;
        ListPanel panel(u"ELENCO"_s, nullptr);
        ListBox *box = panel.lstRecords();
        box->setLines({ u"\u0141ukasz Nowak"_s, u"rossi Nicol\u00F2"_s, u"ROSSI ANNA"_s, u"Zo\u00EB \u20AC"_s,
                          u"\u0141ukasz Nowak"_s },
            { 10, 20, 30, 40, 50 });
        const QStringList shown { u"ROSSI ANNA"_s, u"rossi Nicol\u00F2"_s, u"Zo\u00EB \u20AC"_s, u"\u0141ukasz Nowak"_s,
            u"\u0141ukasz Nowak"_s };
        QCOMPARE(box->lines(), shown);
        const QList<int> tags { 30, 20, 40, 10, 50 };
        for (int row = 0; row < box->count(); ++row) {
            box->selectRow(row);
            QCOMPARE(box->selectedText(), shown.at(row));
            QCOMPARE(box->selectedTag(), tags.at(row));
            QCOMPARE(box->model()->data(box->model()->index(row, 0)).toString(), shown.at(row));
        }

        panel.txtTrova()->setText(u"\u0141UKASZ"_s);
        panel.btnTrova()->click();
        QCOMPARE(box->selectedRow(), 3);
        panel.btnTrova()->click();
        QCOMPARE(box->selectedRow(), 4);
        panel.txtTrova()->setText(u"NICOL\u00F2"_s);
        panel.btnTrova()->click();
        QCOMPARE(box->selectedRow(), 1);

        box->setLines({ u"UNA RIGA"_s });
        box->selectRow(0);
        QCOMPARE(box->selectedTag(), -1);
        QCOMPARE(messages.count(), 0);
    }

    void resetSearchStartsAfreshFromTheTop()
    {
        ListPanel panel(u"ELENCO"_s, nullptr);
        panel.lstRecords()->setLines({ u"a x"_s, u"b x"_s, u"c x"_s });
        panel.txtTrova()->setText(u"x"_s);
        panel.btnTrova()->click();
        panel.btnTrova()->click();
        QCOMPARE(panel.lstRecords()->selectedRow(), 1);

        panel.resetSearch();
        QVERIFY(panel.txtTrova()->text().isEmpty());
        panel.txtTrova()->setText(u"x"_s);
        panel.btnTrova()->click();
        QCOMPARE(panel.lstRecords()->selectedRow(), 0);
    }

    void buttonsAndDoubleClickBecomeSignals()
    {
        ListPanel panel(u"ELENCO"_s, nullptr);
        panel.lstRecords()->setLines({ u"UNA RIGA"_s });
        QSignalSpy chiudi(&panel, &ListPanel::chiudiClicked);
        QSignalSpy stampa(&panel, &ListPanel::stampaClicked);
        QSignalSpy chosen(&panel, &ListPanel::lineChosen);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        QTest::mouseClick(panel.btnStampa(), Qt::LeftButton);
        QCOMPARE(stampa.count(), 1);
        QCOMPARE(chiudi.count(), 0);
        QTest::mouseClick(panel.btnChiudi(), Qt::LeftButton);
        QCOMPARE(chiudi.count(), 1);
        QCOMPARE(chosen.count(), 0);

        QWidget *viewport = panel.lstRecords()->viewport();
        const QPoint firstLine = panel.lstRecords()->visualRect(panel.lstRecords()->model()->index(0, 0)).center();
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, firstLine);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(panel.lstRecords()->selectedText(), u"UNA RIGA"_s);
        QCOMPARE(stampa.count(), 1);
        QCOMPARE(chiudi.count(), 1);
    }

    void enterOnASelectedLineChoosesIt()
    {
        ListPanel panel(u"ELENCO"_s, nullptr);
        panel.lstRecords()->setLines({ u"UNA RIGA"_s, u"ALTRA RIGA"_s });
        QSignalSpy chosen(&panel, &ListPanel::lineChosen);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        panel.lstRecords()->setFocus();
        QTest::keyClick(panel.lstRecords(), Qt::Key_Return);
        QCOMPARE(chosen.count(), 0); // no line selected yet
        panel.lstRecords()->selectRow(1);
        QTest::keyClick(panel.lstRecords(), Qt::Key_Enter);
        QCOMPARE(chosen.count(), 1);
        QTest::keyClick(panel.lstRecords(), Qt::Key_Return);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(panel.lstRecords()->selectedText(), u"UNA RIGA"_s);
    }
};

QTEST_MAIN(TestListPanel)
#include "TestListPanel.moc"
