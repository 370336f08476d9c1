#include "app/AppWindows.h"
#include "app/CambiaPassword.h"
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

#include "AppFixture.h"
#include "MessageRecorder.h"

#include <QTest>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using Maker = std::function<Dialog *()>;

template<typename T> Maker make()
{
    return [] { return new T(nullptr); };
}

const QList<std::pair<QString, Maker>> &allDialogs()
{
    static const QList<std::pair<QString, Maker>> all = {
        { u"TfrmInfo"_s, make<TfrmInfo>() },
        { u"TfrmSplash"_s, make<TfrmSplash>() },
        { u"TfrmGuida"_s, make<TfrmGuida>() },
        { u"TfrmCodFisc"_s, make<TfrmCodFisc>() },
        { u"TfrmPartitaIva"_s, make<TfrmPartitaIva>() },
        { u"TfrmCarta"_s, make<TfrmCarta>() },
        { u"TfrmIban"_s, make<TfrmIban>() },
        { u"TfrmNonUsciti"_s, make<TfrmNonUsciti>() },
        { u"TfrmEntratiOggi"_s, make<TfrmEntratiOggi>() },
        { u"TfrmUscitiOggi"_s, make<TfrmUscitiOggi>() },
        { u"TfrmTrovaVisite"_s, make<TfrmTrovaVisite>() },
        { u"TfrmExpVisite"_s, make<TfrmExpVisite>() },
        { u"TfrmStampaVisita"_s, make<TfrmStampaVisita>() },
        { u"TfrmAllegaCartella"_s, make<TfrmAllegaCartella>() },
        { u"TfrmCartella"_s, make<TfrmCartella>() },
        { u"TfrmDaRinnovare"_s, make<TfrmDaRinnovare>() },
        { u"TfrmTrovaClienti"_s, make<TfrmTrovaClienti>() },
        { u"TfrmExpClienti"_s, make<TfrmExpClienti>() },
        { u"TfrmRiepilogo"_s, make<TfrmRiepilogo>() },
    };
    return all;
}

constexpr Qt::WindowFlags TitleBarButtons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
    | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint;

} // namespace

// Dialogs carry no title-bar buttons, cannot be minimised and close only by their own buttons;
// the summary alone, maximised, also closes by its title-bar button. The fixed screens cannot be
// minimised or maximised.
class TestDialogWindows : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5))); }
    void cleanup() { m_app.reset(); }

    void dialogs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("buttonBits"); // the title-bar buttons it may have
        for (int i = 0; i < int(allDialogs().size()); ++i) {
            const QString name = allDialogs().at(i).first;
            QTest::newRow(qPrintable(name))
                << i << (name == u"TfrmRiepilogo"_s ? int(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint) : 0);
        }
    }
    void dialogs()
    {
        QFETCH(int, index);
        QFETCH(int, buttonBits);
        const Qt::WindowFlags buttons = Qt::WindowFlags::fromInt(buttonBits);
        std::unique_ptr<Dialog> dlg(allDialogs().at(index).second());
        QCOMPARE(dlg->objectName(), allDialogs().at(index).first);

        const Qt::WindowFlags flags = dlg->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QCOMPARE(flags & TitleBarButtons, buttons);

        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        // Escape leaves by the dialog's own exit button, never by a way round it.
        QTest::keyClick(dlg.get(), Qt::Key_Escape);
        QTRY_VERIFY(!dlg->isVisible());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));

        dlg->setWindowState(dlg->windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(!(dlg->windowState() & Qt::WindowMinimized));
        QVERIFY(dlg->isVisible());

        // What a title-bar close or Alt+F4 asks of the window.
        const bool closable = buttons.testFlag(Qt::WindowCloseButtonHint);
        QCOMPARE(dlg->close(), closable);
        QCOMPARE(dlg->isVisible(), !closable);
    }

    void fixedScreens()
    {
        for (QWidget *screen :
            { static_cast<QWidget *>(Windows().password()), static_cast<QWidget *>(Windows().cambiaPassword()) }) {
            const Qt::WindowFlags flags = screen->windowFlags();
            QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint), qPrintable(screen->objectName()));
            QVERIFY2(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
                qPrintable(screen->objectName()));
            QCOMPARE(screen->minimumSize(), screen->maximumSize());
        }
    }
};

QTEST_MAIN(TestDialogWindows)
#include "TestDialogWindows.moc"
