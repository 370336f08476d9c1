#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include "app/AppWindows.h"
#include "base/TextFunctions.h"
#include "storage/VisitFile.h"
#include "visits/EntratiOggi.h"
#include "visits/NonUsciti.h"
#include "visits/Registro.h"
#include "visits/UscitiOggi.h"
#include "widgets/ListBox.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PresenceKind)

namespace {

const QStringList EditorBoxes = VisitBoxNames();

// Cognome, Nome, DataEnt, OraEnt, DataUsc, OraUsc, Note; the other fields follow from them.
TSchedaVisita visit(const QString &cognome, const QString &nome, const QString &dataEnt, const QString &oraEnt,
    const QString &dataUsc, const QString &oraUsc, const QString &note)
{
    using F = VisitField;
    return VisitCard({ { F::Cognome, cognome }, { F::Nome, nome }, { F::DataEnt, dataEnt }, { F::OraEnt, oraEnt },
        { F::DataUsc, dataUsc }, { F::OraUsc, oraUsc }, { F::Note, note }, { F::OperatoreEnt, u"Operatore "_s + note },
        { F::TelCel, u"333"_s }, { F::Motivo, u"Riunione"_s }, { F::Tessera, note } });
}

} // namespace

class TestPresenceList : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    QString m_yearFile;

    std::unique_ptr<PresenceList> open(PresenceKind kind)
    {
        std::unique_ptr<PresenceList> dlg;
        switch (kind) {
        case PresenceKind::NonUsciti:
            dlg = std::make_unique<TfrmNonUsciti>(Windows().registro());
            break;
        case PresenceKind::EntratiOggi:
            dlg = std::make_unique<TfrmEntratiOggi>(Windows().registro());
            break;
        case PresenceKind::UscitiOggi:
            dlg = std::make_unique<TfrmUscitiOggi>(Windows().registro());
            break;
        }
        dlg->setYearFile(m_yearFile);
        dlg->show();
        return dlg;
    }

    // Opens the list of `kind` from the editor's button, as the operator does, and runs `action` on
    // it while it is shown; returns once the list has closed and the editor has taken its card.
    void throughTheEditor(PresenceKind kind, const std::function<void(PresenceList *)> &action)
    {
        const char16_t *buttons[] = { u"btnNonUsciti", u"btnEntratiOggi", u"btnUscitiOggi" };
        bool ran = false;
        WhenModalShown([&](QDialog *dlg) {
            ran = true;
            action(qobject_cast<PresenceList *>(dlg));
        });
        Windows().registro()->findChild<QPushButton *>(QString::fromUtf16(buttons[int(kind)]))->click();
        QVERIFY(ran);
    }
    static ListBox *list(QWidget *dlg) { return dlg->findChild<ListBox *>(u"lstRecords"_s); }

    static void doubleClickRow(ListBox *box, int row)
    {
        const QRect r = box->visualRect(box->model()->index(row, 0));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, r.center());
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
        m_yearFile = m_app->file(u"2024.vis"_s);
        Windows().registro()->setYearFile(m_yearFile);

        VisitFile file;
        file.open(m_yearFile);
        file.append(visit(u"Rossi"_s, u"Mario"_s, u"05/03/2024"_s, u"09:00"_s, {}, {}, u"primo"_s));
        file.append(
            visit(u"bianchi"_s, u"Anna"_s, u"04/03/2024"_s, u"08:30"_s, u"05/03/2024"_s, u"12:00"_s, u"secondo"_s));
        file.append(visit(u"Rossi"_s, u"Mario"_s, u"05/03/2024"_s, u"09:00"_s, {}, {}, u"terzo"_s));
        file.append(visit({}, u"Zeno"_s, u"01/03/2024"_s, u"07:45"_s, {}, {}, u"quarto"_s));
        file.append(
            visit(u"Verdi"_s, u"Luca"_s, u"05/03/2024"_s, u"11:10"_s, u"05/03/2024"_s, u"11:50"_s, u"quinto"_s));
        file.close();
    }
    void cleanup() { m_app.reset(); }

    void filling_data()
    {
        QTest::addColumn<PresenceKind>("kind");
        QTest::addColumn<QStringList>("notes"); // the cards listed, in displayed order, by their note

        QTest::newRow("not out") << PresenceKind::NonUsciti << QStringList { u"quarto"_s, u"primo"_s, u"terzo"_s };
        QTest::newRow("entered today") << PresenceKind::EntratiOggi
                                       << QStringList { u"primo"_s, u"terzo"_s, u"quinto"_s };
        QTest::newRow("exited today") << PresenceKind::UscitiOggi << QStringList { u"secondo"_s, u"quinto"_s };
    }
    void filling()
    {
        QFETCH(PresenceKind, kind);
        QFETCH(QStringList, notes);

        auto dlg = open(kind);
        QStringList expected;
        for (const QString &note : notes) {
            VisitFile file;
            file.open(m_yearFile);
            for (int p = 1; p <= file.count(); ++p) {
                const TSchedaVisita c = file.readAt(p);
                if (c.Note == note)
                    expected.append(PresenceLine(kind, c));
            }
            file.close();
        }
        QCOMPARE(list(dlg.get())->lines(), expected);
        QCOMPARE(list(dlg.get())->selectedRow(), -1);
        QCOMPARE(dlg->focusWidget(), dlg->findChild<QLineEdit *>(u"txtTrova"_s));
    }

    void missingFileListsNothingAndTrovaSaysSo()
    {
        QFile::remove(m_yearFile);
        MessageRecorder recorder;
        auto dlg = open(PresenceKind::NonUsciti);
        QVERIFY(QFile::exists(m_yearFile));
        QCOMPARE(QFileInfo(m_yearFile).size(), 0);
        QCOMPARE(list(dlg.get())->count(), 0);

        dlg->findChild<QLineEdit *>(u"txtTrova"_s)->setText(u"rossi"_s);
        dlg->findChild<QPushButton *>(u"btnTrova"_s)->click();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.lastKind(), MessageKind::Notice);
        QCOMPARE(recorder.lastText(), u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
    }

    void trovaThroughTheScreen()
    {
        MessageRecorder recorder;
        auto dlg = open(PresenceKind::NonUsciti);
        ListBox *box = list(dlg.get());
        auto *txtTrova = dlg->findChild<QLineEdit *>(u"txtTrova"_s);
        auto *btnTrova = dlg->findChild<QPushButton *>(u"btnTrova"_s);

        // Enter moves on to Trova without searching.
        dlg->activateWindow();
        txtTrova->setFocus();
        QTest::keyClicks(txtTrova, u"mario"_s);
        QTest::keyClick(txtTrova, Qt::Key_Return);
        QCOMPARE(box->selectedRow(), -1);
        QTRY_COMPARE(QApplication::focusWidget(), btnTrova);

        btnTrova->click();
        QCOMPARE(box->selectedRow(), 1);
        txtTrova->setText(u"MARIO"_s);
        btnTrova->click();
        QCOMPARE(box->selectedRow(), 2);
        btnTrova->click();
        QCOMPARE(box->selectedRow(), 1);
        txtTrova->setText(u"nessuno"_s);
        btnTrova->click();
        QCOMPARE(box->selectedRow(), 1);
        QCOMPARE(recorder.count(), 0);
    }

    void doubleClickLoadsTheCardOfTheLine_data()
    {
        QTest::addColumn<bool>("exitedTwin");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("position");

        // Cards 1 and 3 give the same line; each line loads its own card.
        QTest::newRow("first of two equal lines") << false << 1 << u"primo"_s << u"1"_s;
        QTest::newRow("second of two equal lines") << false << 2 << u"terzo"_s << u"3"_s;
        // A later card that has already exited gives the same line too: loading it would have the
        // exit typed next written over its own.
        QTest::newRow("exited twin later, first line") << true << 1 << u"primo"_s << u"1"_s;
        QTest::newRow("exited twin later, second line") << true << 2 << u"terzo"_s << u"3"_s;
    }
    void doubleClickLoadsTheCardOfTheLine()
    {
        QFETCH(bool, exitedTwin);
        QFETCH(int, row);
        QFETCH(QString, note);
        QFETCH(QString, position);

        if (exitedTwin) {
            VisitFile file;
            file.open(m_yearFile);
            file.append(
                visit(u"Rossi"_s, u"Mario"_s, u"05/03/2024"_s, u"09:00"_s, u"05/03/2024"_s, u"10:00"_s, u"sesto"_s));
            file.close();
        }
        throughTheEditor(PresenceKind::NonUsciti, [&](PresenceList *dlg) {
            ListBox *box = list(dlg);
            QCOMPARE(box->count(), 3);
            QCOMPARE(box->lines().at(1), box->lines().at(2));
            doubleClickRow(box, row);
            QVERIFY(!dlg->isVisible());
            QCOMPARE(box->count(), 0);
        });

        const QStringList state = VisitEditorState();
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtNote"_s)), note);
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtTessera"_s)), note);
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtOperatoreEnt"_s)), u"Operatore "_s + note);
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtCognome"_s)), u"Rossi"_s);
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtDataUsc"_s)), QString());
        QCOMPARE(state.last(), position);
    }

    // Enter on the selected line hands its card over as a double-click does, in each of the lists;
    // without a selected line it does nothing.
    void enterLoadsTheCardOfTheLine_data()
    {
        QTest::addColumn<PresenceKind>("kind");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("position");
        QTest::newRow("not out") << PresenceKind::NonUsciti << 0 << u"quarto"_s << u"4"_s;
        QTest::newRow("entered today") << PresenceKind::EntratiOggi << 2 << u"quinto"_s << u"5"_s;
        QTest::newRow("exited today") << PresenceKind::UscitiOggi << 0 << u"secondo"_s << u"2"_s;
    }
    void enterLoadsTheCardOfTheLine()
    {
        QFETCH(PresenceKind, kind);
        QFETCH(int, row);
        QFETCH(QString, note);
        QFETCH(QString, position);

        throughTheEditor(kind, [&](PresenceList *dlg) {
            ListBox *box = list(dlg);
            box->setFocus();
            box->selectionModel()->clear();
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(dlg->isVisible());
            box->selectRow(row);
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(!dlg->isVisible());
        });
        const QStringList state = VisitEditorState();
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtNote"_s)), note);
        QCOMPARE(state.last(), position);
    }

    void doubleClickAfterTheFileChanged_data()
    {
        QTest::addColumn<QList<int>>("overwritten"); // positions given to another visitor after the listing
        QTest::addColumn<int>("keptCards"); // the file cut to this many cards; -1 leaves its length
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("position");

        // The line of row 2 was built from card 3. When card 3 no longer gives it, the line is looked
        // for in the whole file and the last equal card wins.
        QTest::newRow("listed card overwritten") << QList<int> { 3 } << -1 << u"primo"_s << u"1"_s;
        QTest::newRow("listed position past the end") << QList<int> {} << 2 << u"primo"_s << u"1"_s;
        QTest::newRow("no card gives the line any more") << QList<int> { 1, 3 } << -1 << u"sul video"_s << u"7"_s;
    }
    void doubleClickAfterTheFileChanged()
    {
        QFETCH(QList<int>, overwritten);
        QFETCH(int, keptCards);
        QFETCH(QString, note);
        QFETCH(QString, position);

        Windows().registro()->loadCard(
            visit(u"Neri"_s, u"Paola"_s, u"02/03/2024"_s, u"14:00"_s, {}, {}, u"sul video"_s), 7);
        throughTheEditor(PresenceKind::NonUsciti, [&](PresenceList *dlg) {
            ListBox *box = list(dlg);
            box->selectRow(2);
            QCOMPARE(box->selectedTag(), 3);

            VisitFile file;
            file.open(m_yearFile);
            for (const int p : overwritten)
                file.writeAt(p, visit(u"Neri"_s, u"Paola"_s, u"05/03/2024"_s, u"09:00"_s, {}, {}, u"altro"_s));
            file.close();
            if (keptCards >= 0)
                QVERIFY(QFile::resize(m_yearFile, qint64(keptCards) * TSchedaVisita::RecordSize));

            Q_EMIT box->lineDoubleClicked();
            QVERIFY(!dlg->isVisible());
        });
        QCOMPARE(VisitEditorState().at(EditorBoxes.indexOf(u"txtNote"_s)), note);
        QCOMPARE(VisitEditorState().last(), position);
    }

    void openedFromTheEditor()
    {
        // The editor's button opens a fresh modal screen; the double-click loads the card and closes it.
        QString seen;
        WhenModalShown([&seen](QDialog *dlg) {
            seen = dlg->objectName();
            ListBox *box = list(dlg);
            box->selectRow(int(box->lines().size()) - 1);
            Q_EMIT box->lineDoubleClicked();
        });
        Windows().registro()->findChild<QPushButton *>(u"btnUscitiOggi"_s)->click();
        QCOMPARE(seen, u"TfrmUscitiOggi"_s);
        QCOMPARE(VisitEditorState().at(EditorBoxes.indexOf(u"txtNote"_s)), u"quinto"_s);
        QCOMPARE(VisitEditorState().last(), u"5"_s);
    }

    void failedHandOverLeavesTheEditorAsItWas_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<bool>("breakFile");

        QTest::newRow("year file unreadable") << true << true;
        QTest::newRow("no line selected") << false << false;
    }
    void failedHandOverLeavesTheEditorAsItWas()
    {
        QFETCH(bool, select);
        QFETCH(bool, breakFile);

        Windows().registro()->loadCard(
            visit(u"Neri"_s, u"Paola"_s, u"02/03/2024"_s, u"14:00"_s, {}, {}, u"sul video"_s), 7);
        const QStringList before = VisitEditorState();
        MessageRecorder recorder;

        throughTheEditor(PresenceKind::NonUsciti, [&](PresenceList *dlg) {
            ListBox *box = list(dlg);
            QCOMPARE(box->count(), 3);
            if (select)
                box->selectRow(2);
            if (breakFile) {
                // Between the listing and the double-click the year file turns into something unreadable.
                QVERIFY(QFile::remove(m_yearFile));
                QVERIFY(QDir().mkdir(m_yearFile));
            }
            Q_EMIT box->lineDoubleClicked();
            QVERIFY(!dlg->isVisible());
        });

        QCOMPARE(VisitEditorState(), before);
        QCOMPARE(recorder.count(), 0);
    }

    void printing_data()
    {
        QTest::addColumn<PresenceKind>("kind");
        QTest::addColumn<QString>("title");

        QTest::newRow("not out") << PresenceKind::NonUsciti << u"Visitatori non ancora usciti"_s;
        QTest::newRow("entered today") << PresenceKind::EntratiOggi << u"Visitatori entrati in data 06/03/2024"_s;
        QTest::newRow("exited today") << PresenceKind::UscitiOggi << u"Visitatori usciti in data 06/03/2024"_s;
    }
    void printing()
    {
        QFETCH(PresenceKind, kind);
        QFETCH(QString, title);

        auto dlg = open(kind);
        const QStringList lines = list(dlg.get())->lines();
        QVERIFY(!lines.isEmpty());
        // The title takes the date of the moment Stampa is pressed.
        Clock::setFixed(QDateTime(QDate(2024, 3, 6), QTime(0, 5)));
        const QString pdfPath = m_app->file(u"lista.pdf"_s);
        PdfPrinting pdf(pdfPath);
        dlg->findChild<QPushButton *>(u"btnStampa"_s)->click();
        QCOMPARE(pdf.dialogs, 1);

        QCOMPARE(PrintedListMismatch(pdfPath, title, lines, u"06/03/2024"_s), QString());
        QVERIFY(dlg->isVisible());
    }
};

QTEST_MAIN(TestPresenceList)
#include "TestPresenceList.moc"
