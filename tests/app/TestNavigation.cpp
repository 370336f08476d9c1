#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/Guida.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Splash.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "clients/AllegaCartella.h"
#include "clients/Cartella.h"
#include "clients/DaRinnovare.h"
#include "clients/ExpClienti.h"
#include "clients/TrovaClienti.h"
#include "summaries/Riepilogo.h"
#include "visits/EntratiOggi.h"
#include "visits/ExpVisite.h"
#include "visits/NonUsciti.h"
#include "visits/StampaVisita.h"
#include "visits/TrovaVisite.h"
#include "visits/UscitiOggi.h"
#include "widgets/Dialog.h"
#include "widgets/Screen.h"
#include "widgets/TMisc.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Collects the windows in the order they come to life: every window names itself and sets its
// caption while it is being built.
class CreationRecorder : public QObject
{
public:
    CreationRecorder() { qApp->installEventFilter(this); }
    ~CreationRecorder() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowTitleChange) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow() && widget->objectName().startsWith(u"Tfrm"_s)
                && !order.contains(widget->objectName()))
                order.append(widget->objectName());
        }
        return false;
    }

    QStringList order;
};

QString kindOf(QWidget *w)
{
    if (auto *screen = qobject_cast<Screen *>(w))
        return screen->kind() == Screen::Kind::Maximized ? u"maximized screen"_s : u"fixed screen"_s;
    if (qobject_cast<Dialog *>(w))
        return u"dialog"_s;
    return u"other"_s;
}

// A fresh instance of a dialog, as its opener makes it.
std::unique_ptr<QWidget> makeDialog(const QString &name)
{
    const std::map<QString, std::function<std::unique_ptr<QWidget>()>> makers = {
        { u"TfrmCarta"_s, [] { return std::make_unique<TfrmCarta>(); } },
        { u"TfrmCodFisc"_s, [] { return std::make_unique<TfrmCodFisc>(); } },
        { u"TfrmGuida"_s, [] { return std::make_unique<TfrmGuida>(); } },
        { u"TfrmIban"_s, [] { return std::make_unique<TfrmIban>(); } },
        { u"TfrmInfo"_s, [] { return std::make_unique<TfrmInfo>(); } },
        { u"TfrmPartitaIva"_s, [] { return std::make_unique<TfrmPartitaIva>(); } },
        { u"TfrmSplash"_s, [] { return std::make_unique<TfrmSplash>(); } },
        { u"TfrmAllegaCartella"_s, [] { return std::make_unique<TfrmAllegaCartella>(); } },
        { u"TfrmCartella"_s, [] { return std::make_unique<TfrmCartella>(); } },
        { u"TfrmTrovaClienti"_s, [] { return std::make_unique<TfrmTrovaClienti>(); } },
        { u"TfrmDaRinnovare"_s, [] { return std::make_unique<TfrmDaRinnovare>(); } },
        { u"TfrmExpClienti"_s, [] { return std::make_unique<TfrmExpClienti>(); } },
        { u"TfrmNonUsciti"_s, [] { return std::make_unique<TfrmNonUsciti>(); } },
        { u"TfrmEntratiOggi"_s, [] { return std::make_unique<TfrmEntratiOggi>(); } },
        { u"TfrmUscitiOggi"_s, [] { return std::make_unique<TfrmUscitiOggi>(); } },
        { u"TfrmTrovaVisite"_s, [] { return std::make_unique<TfrmTrovaVisite>(); } },
        { u"TfrmExpVisite"_s, [] { return std::make_unique<TfrmExpVisite>(); } },
        { u"TfrmStampaVisita"_s, [] { return std::make_unique<TfrmStampaVisita>(); } },
        { u"TfrmRiepilogo"_s, [] { return std::make_unique<TfrmRiepilogo>(); } },
    };
    const auto it = makers.find(name);
    return it == makers.end() ? nullptr : it->second();
}

// Clicks the named control of whichever screen is showing.
void clickControl(const QString &name)
{
    for (const QString &screen : VisibleWindows()) {
        if (auto *control = TopLevelWindow(screen)->findChild<QWidget *>(name)) {
            QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
            return;
        }
    }
    QFAIL(qPrintable(u"no visible control "_s + name));
}

// Runs the event loop until the program quits, with a time limit; true when it quit by itself.
bool quitsAfter(const std::function<void()> &action, int limitMs = 3000)
{
    bool timedOut = false;
    QTimer trigger;
    trigger.setSingleShot(true);
    QObject::connect(&trigger, &QTimer::timeout, action);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    trigger.start(0);
    limit.start(limitMs);
    QCoreApplication::exec();
    return !timedOut && aboutToQuit.count() == 1;
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // As at start-up: hiding screens must never end the program by itself.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(10, 15))); }

    void cleanup()
    {
        m_app.reset();
        TMisc::setOpener({});
    }

    void startUpCreatesTheScreensInOrder_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");

        const QString screen = u"maximized screen"_s;
        const QString fixed = u"fixed screen"_s;
        const QString dialog = u"dialog"_s;
        struct Row
        {
            const char *name;
            QString kind;
            QString caption;
        };
        const Row rows[] = {
            { "TfrmPassword", fixed, u" Portavel - Autenticazione"_s },
            { "TfrmAvvio", screen, u" Portavel"_s },
            { "TfrmCambiaPassword", fixed, u" Cambia password"_s },
            { "TfrmCarta", dialog, u" Controllo carta di credito"_s },
            { "TfrmCodFisc", dialog, u" Controllo codice fiscale"_s },
            { "TfrmGuida", dialog, u" Guida all'utilizzo del software"_s },
            { "TfrmIban", dialog, u" Controllo IBAN"_s },
            { "TfrmInfo", dialog, u" Informazioni su Portavel"_s },
            { "TfrmPartitaIva", dialog, u" Controllo partita IVA"_s },
            // The product name, then the maker's credit line.
            { "TfrmSplash", dialog, u" Portavel*"_s },
            { "TfrmAnagrafica", screen, u" Portavel - Archivio Anagrafico"_s },
            { "TfrmAllegaCartella", dialog, u" Allega file"_s },
            { "TfrmCartella", dialog, u" Gestione cartella abbinata alla scheda corrente"_s },
            { "TfrmTrovaClienti", dialog, u" Trova Visitatori in archivio"_s },
            { "TfrmDaRinnovare", dialog, u" Riepilogo rate in scadenza o scadute"_s },
            { "TfrmExpClienti", dialog, u" Esporta archivio Visitatori in Microsoft Excel"_s },
            { "TfrmRegistro", screen, u" Portavel - Archivio Visite anno "_s },
            { "TfrmMenuRegistro", screen, u" Portavel - Archivio Visite"_s },
            { "TfrmNonUsciti", dialog, u" Visitatori non ancora usciti"_s },
            { "TfrmEntratiOggi", dialog, u" Visitatori entrati oggi"_s },
            { "TfrmUscitiOggi", dialog, u" Visitatori usciti oggi"_s },
            { "TfrmTrovaVisite", dialog, u" Trova visite in archivio"_s },
            { "TfrmExpVisite", dialog, u" Esporta archivio visite in Microsoft Excel"_s },
            { "TfrmStampaVisita", dialog, u" Stampa scheda corrente"_s },
            { "TfrmStatistiche", screen, u" Portavel - Statistiche visite mensili"_s },
            { "TfrmMenuRiepilogo", screen, u" Portavel - Riepilogo Visite"_s },
            { "TfrmRiepilogo", dialog, u" Portavel - Riepilogo Visite"_s },
        };
        int position = 0;
        for (const Row &row : rows) {
            // Start-up makes the screens only, in this order; a dialog is made by its opener.
            QTest::newRow(row.name) << (row.kind == dialog ? -1 : position) << row.kind << row.caption;
            if (row.kind != dialog)
                ++position;
        }
    }
    void startUpCreatesTheScreensInOrder()
    {
        QFETCH(int, position);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        const QString name = QString::fromLatin1(QTest::currentDataTag());

        DestroyAppWindows();
        QStringList order;
        {
            CreationRecorder recorder;
            CreateAppWindows();
            order = recorder.order;
        }
        QCOMPARE(order.size(), 8);
        std::unique_ptr<QWidget> made;
        QWidget *w = nullptr;
        if (position >= 0) {
            QCOMPARE(order.at(position), name);
            w = TopLevelWindow(name);
        } else {
            QVERIFY(!order.contains(name));
            made = makeDialog(name);
            w = made.get();
        }
        QVERIFY(w);
        QCOMPARE(kindOf(w), kind);
        if (caption.endsWith(u'*'))
            QVERIFY2(w->windowTitle().startsWith(caption.chopped(1)), qPrintable(w->windowTitle()));
        else
            QCOMPARE(w->windowTitle(), caption);
        QVERIFY(!w->isVisible());
    }

    void onlyTheLoginScreenShowsAtStartUp()
    {
        QVERIFY(VisibleWindows().isEmpty());
        Windows().password()->showScreen();
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmPassword"_s });
    }

    void tilesLeadToTheirScreens_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("target");
        const char *targets[][2] = { { "Anagrafica", "TfrmAnagrafica" }, { "Registro", "TfrmMenuRegistro" },
            { "Riepilogo", "TfrmMenuRiepilogo" } };
        for (const auto &[field, target] : targets) {
            for (const char *prefix : { "img", "btn", "inf" }) {
                const QString image = QString::fromLatin1(prefix) + QString::fromLatin1(field);
                QTest::newRow(qPrintable(image)) << image << QString::fromLatin1(target);
            }
        }
    }
    void tilesLeadToTheirScreens()
    {
        QFETCH(QString, image);
        QFETCH(QString, target);
        Windows().avvio()->showScreen();
        auto *control = Windows().avvio()->findChild<QWidget *>(image);
        QVERIFY(control);
        QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
        clickControl(image);
        QCOMPARE(VisibleWindows(), QStringList { target });
    }

    void decorationsDoNothing()
    {
        Windows().avvio()->showScreen();
        QList<QUrl> opened;
        TMisc::setOpener([&opened](const QUrl &url) { opened.append(url); });
        for (const char *name : { "imgLogo", "imgTitolo", "imgSottotitolo" }) {
            auto *picture = Windows().avvio()->findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(picture, name);
            QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
        }
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
        QVERIFY(opened.isEmpty());
    }

    void leavingAScreenReturnsToTheStartMenu_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("exit"); // empty: the window's close button

        QTest::newRow("registry, cmdEsci") << QStringList { u"btnAnagrafica"_s } << u"cmdEsci"_s;
        QTest::newRow("registry, closed") << QStringList { u"imgAnagrafica"_s } << QString();
        QTest::newRow("summaries, btnEsci") << QStringList { u"btnRiepilogo"_s } << u"btnEsci"_s;
        QTest::newRow("summaries, closed") << QStringList { u"infRiepilogo"_s } << QString();
        QTest::newRow("year selection, imgEsci") << QStringList { u"btnRegistro"_s } << u"imgEsci"_s;
        QTest::newRow("year selection, closed") << QStringList { u"imgRegistro"_s } << QString();
        // The editor and the statistics go back to the start menu, not to the year selection.
        QTest::newRow("visit editor, btnEsci") << QStringList { u"btnRegistro"_s, u"btnApriFatture"_s } << u"btnEsci"_s;
        QTest::newRow("visit editor, closed") << QStringList { u"btnRegistro"_s, u"btnApriFatture"_s } << QString();
        QTest::newRow("statistics, btnEsci") << QStringList { u"btnRegistro"_s, u"btnApriRiepStats"_s } << u"btnEsci"_s;
        QTest::newRow("statistics, closed") << QStringList { u"btnRegistro"_s, u"btnApriRiepStats"_s } << QString();
    }
    void leavingAScreenReturnsToTheStartMenu()
    {
        QFETCH(QStringList, path);
        QFETCH(QString, exit);
        MessageRecorder messages;
        Windows().avvio()->showScreen();
        for (const QString &control : path)
            clickControl(control);
        const QStringList there = VisibleWindows();
        QCOMPARE(there.size(), 1);
        QVERIFY(there.first() != u"TfrmAvvio"_s);

        if (exit.isEmpty())
            TopLevelWindow(there.first())->close();
        else
            clickControl(exit);
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
        QCOMPARE(messages.count(), 0);
    }

    void siteBannerOpensTheMakersSite()
    {
        QList<QUrl> opened;
        TMisc::setOpener([&opened](const QUrl &url) { opened.append(url); });
        Windows().avvio()->showScreen();
        clickControl(u"imgSito"_s);
        QCOMPARE(opened, QList<QUrl> { QUrl(u"https://www.portavel.it"_s) });
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
    }

    void exitImageEndsTheProgram()
    {
        Windows().avvio()->showScreen();
        QVERIFY(quitsAfter([] { clickControl(u"imgEsci"_s); }));
    }

    void closingTheStartMenuEndsTheProgramWithTheLoginHidden()
    {
        Windows().password()->showScreen();
        Windows().password()->switchTo(Windows().avvio());
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
        QVERIFY(TopLevelWindow(u"TfrmPassword"_s));
        QVERIFY(quitsAfter([] { Windows().avvio()->close(); }));
    }

    void leavingAWorkingScreenDoesNotEndTheProgram()
    {
        Windows().avvio()->showScreen();
        clickControl(u"btnAnagrafica"_s);
        QVERIFY(!quitsAfter([] { clickControl(u"cmdEsci"_s); }, 300));
        QCOMPARE(VisibleWindows(), QStringList { u"TfrmAvvio"_s });
    }

private:
    std::optional<AppFixture> m_app;
};

QTEST_MAIN(TestNavigation)
#include "TestNavigation.moc"
