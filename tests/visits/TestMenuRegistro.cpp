#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "visits/MenuRegistro.h"
#include "visits/Registro.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString fourDigits = u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s;

} // namespace

class TestMenuRegistro : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    TfrmMenuRegistro *screen() const { return Windows().menuRegistro(); }
    QLineEdit *year() const { return screen()->findChild<QLineEdit *>(u"txtAnnoFatture"_s); }
    QLabel *memory() const { return screen()->findChild<QLabel *>(u"lblMemory"_s); }
    QLabel *editorFile() const { return Windows().registro()->findChild<QLabel *>(u"lblFile"_s); }
    QPushButton *button(const QString &name) const { return screen()->findChild<QPushButton *>(name); }

    // From the start menu's tile, as the operator gets here.
    void enter()
    {
        Windows().avvio()->showScreen();
        auto *tile = Windows().avvio()->findChild<QWidget *>(u"btnRegistro"_s);
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->rect().center());
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmMenuRegistro"_s });
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(10, 15))); }
    void cleanup() { m_app.reset(); }

    void controls()
    {
        QVERIFY(year());
        QCOMPARE(year()->maxLength(), 4);
        QCOMPARE(year()->font().family(), u"Verdana"_s);
        QVERIFY(year()->font().bold());
        QCOMPARE(button(u"btnApriFatture"_s)->text(), u"Apri"_s);
        QCOMPARE(button(u"btnApriRiepStats"_s)->text(), u"Apri"_s);
        QVERIFY(memory());
        QVERIFY(!memory()->isVisibleTo(screen()));
        QCOMPARE(memory()->text(), u"avvio"_s);
        QVERIFY(editorFile());
    }

    void showResetsYearAndMode_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2026") << QDate(2026, 3, 7) << u"2026"_s;
        QTest::newRow("short year padded") << QDate(987, 1, 2) << u"0987"_s;
    }
    void showResetsYearAndMode()
    {
        QFETCH(QDate, today);
        QFETCH(QString, shown);
        Clock::setFixed(QDateTime(today, QTime(9, 0)));
        enter();
        QCOMPARE(year()->text(), shown);
        QCOMPARE(memory()->text(), u"avvio"_s);
        QCOMPARE(screen()->focusWidget(), year());

        // Whatever was left behind, the next visit starts over.
        year()->setText(u"1999"_s);
        memory()->setText(u"statistiche_vis"_s);
        screen()->switchTo(Windows().avvio());
        enter();
        QCOMPARE(year()->text(), shown);
        QCOMPARE(memory()->text(), u"avvio"_s);
    }

    void closingRightAfterShowReturnsToTheStartMenu()
    {
        enter();
        screen()->close();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
    }

    void openRegister_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file"); // empty: the warning, and the screen stays

        QTest::newRow("this year") << u"2026"_s << u"2026.vis"_s;
        QTest::newRow("any four digits") << u"0001"_s << u"0001.vis"_s;
        QTest::newRow("far future") << u"9999"_s << u"9999.vis"_s;
        QTest::newRow("emptied") << QString() << QString();
        QTest::newRow("three digits") << u"999"_s << QString();
        // Pasted text passes the key filter; the year still becomes a file name.
        QTest::newRow("pasted blank and three digits") << u" 999"_s << QString();
        QTest::newRow("pasted path") << u"../x"_s << QString();
        QTest::newRow("pasted letter") << u"2O26"_s << QString();
    }
    void openRegister()
    {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        MessageRecorder messages;
        enter();
        editorFile()->setText(u"untouched"_s);
        const QString caption = Windows().registro()->windowTitle();
        year()->setText(typed);
        QTest::mouseClick(button(u"btnApriFatture"_s), Qt::LeftButton);

        if (file.isEmpty()) {
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.lastKind(), MessageKind::Warning);
            QCOMPARE(messages.lastText(), fourDigits);
            QCOMPARE(screen()->focusWidget(), year());
            QCOMPARE(VisibleWindows(), QStringList { u"TfrmMenuRegistro"_s });
            QCOMPARE(memory()->text(), u"avvio"_s);
            QCOMPARE(editorFile()->text(), u"untouched"_s);
            QCOMPARE(Windows().registro()->windowTitle(), caption);
        } else {
            QCOMPARE(messages.count(), 0);
            QCOMPARE(editorFile()->text(), m_app->file(file));
            QCOMPARE(Windows().registro()->windowTitle(), u" Portavel - Archivio Visite anno "_s + typed);
            QCOMPARE(memory()->text(), u"registro"_s);
            QCOMPARE(VisibleWindows(), QStringList { u"TfrmRegistro"_s });
            // Nothing is created before the first operation on the file.
            QVERIFY(!QFile::exists(m_app->file(file)));
        }
    }

    void openingTwiceFollowsTheNewYear()
    {
        enter();
        year()->setText(u"2025"_s);
        QTest::mouseClick(button(u"btnApriFatture"_s), Qt::LeftButton);
        QCOMPARE(Windows().registro()->windowTitle(), u" Portavel - Archivio Visite anno 2025"_s);
        Windows().registro()->close();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });

        enter();
        QCOMPARE(year()->text(), u"2026"_s);
        QTest::mouseClick(button(u"btnApriFatture"_s), Qt::LeftButton);
        QCOMPARE(Windows().registro()->windowTitle(), u" Portavel - Archivio Visite anno 2026"_s);
        QCOMPARE(editorFile()->text(), m_app->file(u"2026.vis"_s));
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmRegistro"_s });
    }

    void openStatistics()
    {
        MessageRecorder messages;
        enter();
        editorFile()->setText(u"untouched"_s);
        QTest::mouseClick(button(u"btnApriRiepStats"_s), Qt::LeftButton);
        QCOMPARE(memory()->text(), u"statistiche_vis"_s);
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmStatistiche"_s });
        QCOMPARE(editorFile()->text(), u"untouched"_s);
        QCOMPARE(messages.count(), 0);
    }

    void yearBoxKeys_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");

        QTest::newRow("letter a") << u"202"_s << 3 << int(Qt::Key_A) << u"202"_s << 3;
        QTest::newRow("minus") << u"202"_s << 3 << int(Qt::Key_Minus) << u"202"_s << 3;
        QTest::newRow("blank") << u"202"_s << 3 << int(Qt::Key_Space) << u"202"_s << 3;
        QTest::newRow("slash") << u"202"_s << 1 << int(Qt::Key_Slash) << u"202"_s << 1;
        QTest::newRow("digit") << u"202"_s << 3 << int(Qt::Key_6) << u"2026"_s << 4;
        QTest::newRow("digit inside") << u"226"_s << 1 << int(Qt::Key_0) << u"2026"_s << 2;
        QTest::newRow("fifth digit") << u"2026"_s << 4 << int(Qt::Key_7) << u"2026"_s << 4;
        QTest::newRow("backspace") << u"2026"_s << 4 << int(Qt::Key_Backspace) << u"202"_s << 3;
        QTest::newRow("delete") << u"2026"_s << 0 << int(Qt::Key_Delete) << u"026"_s << 0;
        QTest::newRow("left") << u"2026"_s << 4 << int(Qt::Key_Left) << u"2026"_s << 3;
        QTest::newRow("right") << u"2026"_s << 0 << int(Qt::Key_Right) << u"2026"_s << 1;
    }
    void yearBoxKeys()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(int, key);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        enter();
        year()->setText(before);
        year()->setCursorPosition(cursor);
        QTest::keyClick(year(), Qt::Key(key));
        QCOMPARE(year()->text(), after);
        QCOMPARE(year()->cursorPosition(), cursorAfter);
        QCOMPARE(screen()->focusWidget(), year());
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmMenuRegistro"_s });
    }

    void enterMovesToApriAndEnterOpens()
    {
        MessageRecorder messages;
        enter();
        QTest::keyClick(year(), Qt::Key_Return);
        QCOMPARE(year()->text(), u"2026"_s);
        QCOMPARE(screen()->focusWidget(), button(u"btnApriFatture"_s));
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmMenuRegistro"_s });
        QTest::keyClick(button(u"btnApriFatture"_s), Qt::Key_Return);
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmRegistro"_s });
        QCOMPARE(messages.count(), 0);
    }

    // Where closing leads is held as the next screen and shown by its word in lblMemory.
    void closeLeadsToTheNextScreen_data()
    {
        QTest::addColumn<QString>("button"); // empty: the screen is closed as it is
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown");
        QTest::newRow("closed") << QString() << u"avvio"_s << u"TfrmAvvio"_s;
        QTest::newRow("register opened") << u"btnApriFatture"_s << u"registro"_s << u"TfrmRegistro"_s;
        QTest::newRow("statistics opened") << u"btnApriRiepStats"_s << u"statistiche_vis"_s << u"TfrmStatistiche"_s;
    }
    void closeLeadsToTheNextScreen()
    {
        QFETCH(QString, button);
        QFETCH(QString, word);
        QFETCH(QString, shown);
        enter();
        if (button.isEmpty())
            screen()->close();
        else
            ClickControl(screen(), button);
        QCOMPARE(memory()->text(), word);
        QCOMPARE(VisibleWindows(), QStringList { shown });
    }
};

QTEST_MAIN(TestMenuRegistro)
#include "TestMenuRegistro.moc"
