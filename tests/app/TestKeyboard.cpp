// What the keyboard reaches: Escape in a dialog leaves by its own exit, Enter presses the focused
// button, and the summary's drop-downs open and move with the keys a drop-down takes.

#include "AppFixture.h"
#include "MessageRecorder.h"

#include "app/Avvio.h"
#include "summaries/MenuRiepilogo.h"
#include "widgets/ClickableImage.h"
#include "widgets/Dialog.h"
#include "widgets/ListBox.h"
#include "widgets/ListPanel.h"
#include "widgets/Look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> m_app;

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void cleanup() { m_app.reset(); }

    // Escape presses the dialog's visible way out, a button or a picture, and only that one.
    void escapePressesTheExit_data()
    {
        QTest::addColumn<QStringList>("buttons"); // "name" or "-name" for a hidden one; "img:" a picture
        QTest::addColumn<QString>("pressed"); // empty: nothing pressed, the dialog stays
        QTest::newRow("Chiudi") << QStringList { u"btnStampa"_s, u"btnChiudi"_s } << u"btnChiudi"_s;
        QTest::newRow("Annulla") << QStringList { u"btnStampa"_s, u"btnAnnulla"_s } << u"btnAnnulla"_s;
        QTest::newRow("Esci before Annulla") << QStringList { u"btnAnnulla"_s, u"btnEsci"_s } << u"btnEsci"_s;
        QTest::newRow("hidden Chiudi") << QStringList { u"-btnChiudi"_s, u"btnAnnulla"_s } << u"btnAnnulla"_s;
        QTest::newRow("exit picture") << QStringList { u"btnStampa"_s, u"img:cmdEsci"_s } << u"cmdEsci"_s;
        QTest::newRow("no exit") << QStringList { u"btnStampa"_s } << QString();
    }
    void escapePressesTheExit()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QString, pressed);
        Dialog dialog(u"TfrmProva"_s, u" Prova"_s, QSize(300, 200), nullptr);
        QStringList clicked;
        int y = 10;
        for (QString name : buttons) {
            const bool hidden = name.startsWith(u'-');
            const bool picture = name.startsWith(u"img:"_s);
            name = name.mid(hidden ? 1 : picture ? 4 : 0);
            QWidget *control = nullptr;
            if (picture) {
                auto *image = new ClickableImage(name, u":/img/icona_esci.svg"_s, QRect(10, y, 40, 40), &dialog);
                connect(image, &ClickableLabel::clicked, this, [&clicked, name] { clicked << name; });
                control = image;
            } else {
                QPushButton *button = MakeButton(&dialog, name, name, QRect(10, y, 120, 30));
                connect(button, &QPushButton::clicked, this, [&clicked, name] { clicked << name; });
                control = button;
            }
            control->setVisible(!hidden);
            y += 45;
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(clicked, pressed.isEmpty() ? QStringList() : QStringList { pressed });
        QVERIFY(dialog.isVisible()); // only the exit's own handler closes it
    }

    // A real dialog: the information window leaves on Escape, back to the start menu.
    void escapeLeavesInformation()
    {
        Windows().avvio()->showScreen();
        bool closed = false;
        WhenModalShown([&closed](QDialog *dialog) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            closed = !dialog->isVisible();
            if (!closed)
                dialog->done(0);
        });
        ClickControl(Windows().avvio(), u"imgInfo"_s);
        QVERIFY(closed);
    }

    // Enter on a focused button presses it on a screen too: Esci of the summary criteria.
    void enterPressesTheFocusedButton()
    {
        Windows().avvio()->switchTo(Windows().menuRiepilogo());
        auto *esci = Windows().menuRiepilogo()->findChild<QPushButton *>(u"btnEsci"_s);
        esci->setFocus(Qt::TabFocusReason);
        QTest::keyClick(esci, Qt::Key_Return);
        QTRY_VERIFY(Windows().avvio()->isVisible());
        QVERIFY(!Windows().menuRiepilogo()->isVisible());
    }

    // In a dialog too, even on a button that must not be the dialog's default; once per press.
    void enterPressesOnceInADialog()
    {
        Dialog dialog(u"TfrmProva"_s, u" Prova"_s, QSize(300, 200), nullptr);
        QPushButton *stampa = MakeButton(&dialog, u"btnStampa"_s, u"Stampa"_s, QRect(10, 10, 120, 30));
        stampa->setAutoDefault(false);
        QSignalSpy clicked(stampa, &QPushButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        stampa->setFocus(Qt::TabFocusReason);
        QTest::keyClick(stampa, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(stampa, &held);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(stampa, Qt::Key_Enter);
        QCOMPARE(clicked.count(), 2);
    }

    // In a list dialog: Enter on the focused Trova finds the line, then Enter on the list loads it.
    void enterOnTrovaThenOnTheList()
    {
        Dialog dialog(u"TfrmProva"_s, u" Prova"_s, QSize(995, 692), nullptr);
        auto *panel = new ListPanel(u"ELENCO"_s, &dialog);
        panel->lstRecords()->setLines({ u"BIANCHI LUCIA"_s, u"ROSSI MARIO"_s, u"VERDI ANNA"_s });
        QSignalSpy chosen(panel, &ListPanel::lineChosen);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(panel->txtTrova(), u"ROSSI"_s);
        panel->btnTrova()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(panel->btnTrova(), Qt::Key_Return);
        QCOMPARE(panel->lstRecords()->selectedText(), u"ROSSI MARIO"_s);
        QCOMPARE(chosen.count(), 0);
        panel->lstRecords()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(panel->lstRecords(), Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QVERIFY(dialog.isVisible());
    }

    void dropDownKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("index"); // after the key, with the list closed
        QTest::newRow("Down") << int(Qt::Key_Down) << int(Qt::NoModifier) << false << 0;
        QTest::newRow("End") << int(Qt::Key_End) << int(Qt::NoModifier) << false << 30;
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier) << true << -1;
        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier) << true << -1;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << true << -1;
        QTest::newRow("a letter chooses nothing") << int(Qt::Key_3) << int(Qt::NoModifier) << false << -1;
    }
    void dropDownKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        QFETCH(int, index);
        Windows().avvio()->switchTo(Windows().menuRiepilogo());
        QVERIFY(QTest::qWaitForWindowExposed(Windows().menuRiepilogo()));
        auto *day = Windows().menuRiepilogo()->findChild<QComboBox *>(u"txtGiornoInizio"_s);
        day->setFocus(Qt::TabFocusReason);
        QCOMPARE(day->currentIndex(), -1);
        QTest::keyClick(day, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (opens) {
            QTRY_VERIFY(day->view()->isVisible());
            // The open day list scrolls: 31 days, 12 in view.
            QVERIFY(day->view()->verticalScrollBar()->isVisible());
            QTest::keyClick(day->view(), Qt::Key_Down);
            QTest::keyClick(day->view(), Qt::Key_Return);
            QTRY_VERIFY(!day->view()->isVisible());
            QVERIFY(day->currentIndex() >= 0);
            return;
        }
        QVERIFY(!day->view()->isVisible());
        QCOMPARE(day->currentIndex(), index);
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
