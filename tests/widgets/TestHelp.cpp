#include "AppFixture.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "register/MenuRegistro.h"
#include "register/Registro.h"
#include "summaries/Riepilogo.h"
#include "summaries/Statistiche.h"
#include "widgets/Help.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(HelpTopic)

// The help seam: a help request reaches the opener start-up set, with its owner and topic, and
// the screens' help controls ask for their own topic.
class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showHelpReachesTheOpener()
    {
        QWidget owner;
        ShowHelp(&owner, HelpTopic::Avvio); // no opener yet: nothing happens

        QList<std::pair<QWidget *, HelpTopic>> asked;
        SetHelpOpener([&asked](QWidget *w, HelpTopic topic) { asked.append({ w, topic }); });
        ShowHelp(&owner, HelpTopic::Statistiche);
        ShowHelp(nullptr, HelpTopic::ExpClienti);
        SetHelpOpener({});
        ShowHelp(&owner, HelpTopic::Riepilogo);

        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].first, &owner);
        QVERIFY(asked[0].second == HelpTopic::Statistiche);
        QCOMPARE(asked[1].first, nullptr);
        QVERIFY(asked[1].second == HelpTopic::ExpClienti);
    }

    void helpControlsAskForTheirTopic_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<HelpTopic>("topic");

        QTest::newRow("start menu") << u"TfrmAvvio"_s << u"imgGuida"_s << HelpTopic::Avvio;
        QTest::newRow("year selection") << u"TfrmMenuRegistro"_s << u"imgGuida"_s << HelpTopic::Registro;
        QTest::newRow("visit editor") << u"TfrmRegistro"_s << u"btnGuida"_s << HelpTopic::Registro;
        QTest::newRow("statistics, start panel") << u"TfrmStatistiche"_s << u"imgGuida"_s << HelpTopic::Statistiche;
        QTest::newRow("statistics, chart panel") << u"TfrmStatistiche"_s << u"cmdGuida"_s << HelpTopic::Statistiche;
        QTest::newRow("summary") << u"TfrmRiepilogo"_s << u"imgGuida"_s << HelpTopic::Riepilogo;
    }

    void helpControlsAskForTheirTopic()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(HelpTopic, topic);
        AppFixture app(QDateTime(QDate(2026, 3, 7), QTime(10, 15)));
        const AppWindows &w = Windows();
        QWidget *window = nullptr;
        for (QWidget *candidate : { static_cast<QWidget *>(w.avvio), static_cast<QWidget *>(w.menuRegistro),
                 static_cast<QWidget *>(w.registro), static_cast<QWidget *>(w.statistiche),
                 static_cast<QWidget *>(w.riepilogo) }) {
            if (candidate->objectName() == screen)
                window = candidate;
        }
        QVERIFY(window);

        QList<std::pair<QWidget *, HelpTopic>> asked;
        SetHelpOpener([&asked](QWidget *owner, HelpTopic t) { asked.append({ owner, t }); });
        auto *help = window->findChild<QWidget *>(control);
        QVERIFY(help);
        if (auto *button = qobject_cast<QPushButton *>(help))
            button->click();
        else
            QTest::mouseClick(help, Qt::LeftButton, {}, help->rect().center());
        SetHelpOpener({});

        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].first, window);
        QVERIFY(asked[0].second == topic);
    }
};

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
