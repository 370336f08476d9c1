#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include "storage/VisitFile.h"
#include "visits/Registro.h"
#include "visits/TrovaVisite.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

// Cards 1 and 3 give the same search line: they differ in their badge and notes only.
TSchedaVisita visit(const QString &cognome, const QString &nome, const QString &dataEnt, const QString &note)
{
    return VisitCard({ { F::Cognome, cognome }, { F::Nome, nome }, { F::DataEnt, dataEnt }, { F::OraEnt, u"09:00"_s },
        { F::Motivo, u"Riunione"_s }, { F::Tessera, note }, { F::Note, note }, { F::OperatoreEnt, u"Portineria"_s } });
}

const QStringList EditorBoxes = VisitBoxNames();

template<typename T> T *child(QWidget *dlg, const QString &name)
{
    T *found = dlg->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void doubleClickRow(ListBox *box, int row)
{
    const QRect r = box->visualRect(box->model()->index(row, 0));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestTrovaVisite : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    QString m_yearFile;

    // Opens the search from the editor's Trova, as the operator does, runs `action` on it while it
    // is shown, and returns once it has closed and the editor has taken its card.
    void throughTheEditor(const std::function<void(TfrmTrovaVisite *)> &action)
    {
        bool ran = false;
        WhenModalShown([&](QDialog *dlg) {
            ran = true;
            action(qobject_cast<TfrmTrovaVisite *>(dlg));
            if (dlg->isVisible())
                dlg->findChild<QPushButton *>(u"btnChiudi"_s)->click();
        });
        Windows().registro()->findChild<QPushButton *>(u"btnTrova"_s)->click();
        QVERIFY(ran);
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
        m_yearFile = m_app->file(u"2024.vis"_s);
        Windows().registro()->setYearFile(m_yearFile);

        VisitFile file;
        file.open(m_yearFile);
        file.append(visit(u"Rossi"_s, u"Mario"_s, u"05/03/2024"_s, u"primo"_s));
        file.append(visit(u"Bianchi"_s, u"Anna"_s, u"04/03/2024"_s, u"secondo"_s));
        file.append(visit(u"Rossi"_s, u"Mario"_s, u"05/03/2024"_s, u"terzo"_s));
        file.append(visit(u"De Rossetti"_s, u"Carla"_s, u"01/02/2024"_s, u"quarto"_s));
        file.close();
    }
    void cleanup() { m_app.reset(); }

    void criteriaBoxes()
    {
        TfrmTrovaVisite dlg(Windows().registro());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QList<std::pair<QString, QString>> boxes { { u"txtDataEnt"_s, u"Data ingresso:"_s },
            { u"txtDataUsc"_s, u"Data uscita:"_s }, { u"txtCognome"_s, u"Cognome Visitatore:"_s },
            { u"txtNome"_s, u"Nome Visitatore:"_s }, { u"txtCodFisc"_s, u"Codice fiscale:"_s },
            { u"txtTelCel"_s, u"Cellulare:"_s }, { u"txtTessera"_s, u"Numero tessera:"_s },
            { u"txtNumDoc"_s, u"Numero documento:"_s }, { u"txtMotivo"_s, u"Motivo della visita:"_s },
            { u"txtNote"_s, u"Note:"_s } };
        QCOMPARE(dlg.windowTitle(), u" Trova visite in archivio"_s);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&dlg, u"txtDataEnt"_s));
        for (int i = 0; i < boxes.size(); ++i) {
            const auto &[name, label] = boxes.at(i);
            auto *box = child<QLineEdit>(&dlg, name);
            QCOMPARE(box->pos(), QPoint(i % 2 ? 488 : 144, 141 + (i / 2) * 70));
            QCOMPARE(child<QLabel>(&dlg, u"lbl"_s + name.mid(3))->text(), label);
            QVERIFY(child<QWidget>(&dlg, u"eff"_s + name.mid(3)));
            // Enter moves to the next box of the table, the last back to the first.
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), boxes.at((i + 1) % boxes.size()).first);
        }
    }

    void foundFromTheEditorAndLoaded_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QStringList>("notes"); // the lines, by the notes of their cards, in displayed order
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("position");

        // Part of the surname, in any case; each of two equal lines loads its own card.
        QTest::newRow("first of two equal lines")
            << u"ROSS"_s << QStringList { u"quarto"_s, u"primo"_s, u"terzo"_s } << 1 << u"1"_s;
        QTest::newRow("second of two equal lines")
            << u"ross"_s << QStringList { u"quarto"_s, u"primo"_s, u"terzo"_s } << 2 << u"3"_s;
        QTest::newRow("inside the surname") << u"etti"_s << QStringList { u"quarto"_s } << 0 << u"4"_s;
    }
    void foundFromTheEditorAndLoaded()
    {
        QFETCH(QString, surname);
        QFETCH(QStringList, notes);
        QFETCH(int, row);
        QFETCH(QString, position);

        QStringList shown;
        throughTheEditor([&](TfrmTrovaVisite *dlg) {
            QVERIFY(dlg);
            QCOMPARE(child<QLabel>(dlg, u"lblMemory"_s)->text(), u"registro"_s);
            QTest::keyClicks(child<QLineEdit>(dlg, u"txtCognome"_s), surname);
            QTest::mouseClick(child<QPushButton>(dlg, u"btnCerca"_s), Qt::LeftButton);
            ListBox *list = child<ListBox>(dlg, u"lstRecords"_s);
            shown = list->lines();
            QCOMPARE(child<QLabel>(dlg, u"lblTrovate"_s)->text(),
                u"Il presente riepilogo contiene "_s + QString::number(notes.size()) + u" schede."_s);
            doubleClickRow(list, row);
            QVERIFY(!dlg->isVisible());
        });

        VisitFile file;
        file.open(m_yearFile);
        QStringList expected;
        for (const QString &note : notes) {
            for (int p = 1; p <= file.count(); ++p) {
                const TSchedaVisita card = file.readAt(p);
                if (card.Note == note)
                    expected.append(VisitSearchLine(card));
            }
        }
        file.close();
        QCOMPARE(shown, expected);

        const QStringList state = VisitEditorState();
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtNote"_s)), notes.at(row));
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtTessera"_s)), notes.at(row));
        QCOMPARE(state.at(EditorBoxes.indexOf(u"txtOperatoreEnt"_s)), u"Portineria"_s);
        QCOMPARE(state.last(), position);
    }

    void enterOnALineLoadsItAndClosingLoadsNothing()
    {
        throughTheEditor([&](TfrmTrovaVisite *dlg) {
            child<QPushButton>(dlg, u"btnCerca"_s)->click();
            ListBox *list = child<ListBox>(dlg, u"lstRecords"_s);
            QCOMPARE(list->count(), 4);
            list->selectRow(3);
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(!dlg->isVisible());
        });
        QCOMPARE(VisitEditorState().at(EditorBoxes.indexOf(u"txtNote"_s)), u"terzo"_s);
        QCOMPARE(VisitEditorState().last(), u"3"_s);

        const QStringList before = VisitEditorState();
        throughTheEditor([&](TfrmTrovaVisite *dlg) { child<QPushButton>(dlg, u"btnAnnulla"_s)->click(); });
        QCOMPARE(VisitEditorState(), before);
    }

    void onlyTheRegisterTakesACard()
    {
        TfrmTrovaVisite dlg(Windows().registro());
        dlg.setYearFile(m_yearFile);
        dlg.setMode(SearchMode::Visitatore);
        dlg.show();
        child<QPushButton>(&dlg, u"btnCerca"_s)->click();
        ListBox *list = child<ListBox>(&dlg, u"lstRecords"_s);
        list->selectRow(0);
        Q_EMIT list->lineDoubleClicked();
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.chosenCard());
    }

    void unreadableYearKeepsTheCriteria()
    {
        QVERIFY(QFile::remove(m_yearFile));
        QVERIFY(QDir().mkdir(m_yearFile));
        MessageRecorder messages;
        TfrmTrovaVisite dlg(Windows().registro());
        dlg.setYearFile(m_yearFile);
        dlg.setMode(SearchMode::Registro);
        dlg.show();
        child<QLineEdit>(&dlg, u"txtDataEnt"_s)->setText(u"03/2024"_s);
        child<QPushButton>(&dlg, u"btnCerca"_s)->click();

        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.lastKind(), MessageKind::Notice);
        QCOMPARE(messages.lastText(),
            u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
            u"privilegi di scrittura nella cartella di installazione del programma."_s);
        QVERIFY(child<QWidget>(&dlg, u"panAvvio"_s)->isVisible());
        QVERIFY(!child<QWidget>(&dlg, u"panContainer"_s)->isVisible());
        QCOMPARE(child<QLineEdit>(&dlg, u"txtDataEnt"_s)->text(), u"03/2024"_s);
        QVERIFY(dlg.isVisible());
    }

    void printing()
    {
        TfrmTrovaVisite dlg(Windows().registro());
        dlg.setYearFile(m_yearFile);
        dlg.show();
        child<QLineEdit>(&dlg, u"txtDataEnt"_s)->setText(u"03/2024"_s);
        child<QPushButton>(&dlg, u"btnCerca"_s)->click();
        const QStringList lines = child<ListBox>(&dlg, u"lstRecords"_s)->lines();
        QCOMPARE(lines.size(), 3);

        const QString pdfPath = m_app->file(u"visite.pdf"_s);
        PdfPrinting pdf(pdfPath);
        child<QPushButton>(&dlg, u"btnStampa"_s)->click();
        QCOMPARE(pdf.dialogs, 1);
        QCOMPARE(PrintedListMismatch(pdfPath, u"Riepilogo visite in archivio"_s, lines, u"05/03/2024"_s), QString());
    }
};

QTEST_MAIN(TestTrovaVisite)
#include "TestTrovaVisite.moc"
