#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "app/AppWindows.h"
#include "app/Guida.h"
#include "app/Info.h"
#include "app/Splash.h"
#include "clients/ExpClienti.h"
#include "summaries/Riepilogo.h"
#include "visits/ExpVisite.h"
#include "widgets/Help.h"
#include "widgets/TMisc.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

void click(QWidget *control)
{
    if (auto *button = qobject_cast<QPushButton *>(control))
        button->click();
    else
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// What a help window showed while it was open.
struct ShownHelp
{
    QPointer<QDialog> dialog;
    QString window;
    QWidget *owner = nullptr;
    QString title;
    QString text;
};

// Arms the next help window to be read and closed with its own Chiudi.
void readNextHelpWindow(std::optional<ShownHelp> &shown)
{
    WhenModalShown([&shown](QDialog *dialog) {
        shown = ShownHelp { dialog, dialog->objectName(), dialog->parentWidget(),
            dialog->findChild<QLabel *>(u"lblTitolo"_s)->text(),
            dialog->findChild<QPlainTextEdit *>(u"txtGuida"_s)->toPlainText() };
        dialog->findChild<QPushButton *>(u"btnChiudi"_s)->click();
    });
}

enum class LinkWindow { Guida, Info, Splash };

std::unique_ptr<QDialog> makeLinkWindow(LinkWindow which)
{
    switch (which) {
    case LinkWindow::Guida:
        return std::make_unique<TfrmGuida>();
    case LinkWindow::Info:
        return std::make_unique<TfrmInfo>();
    case LinkWindow::Splash:
        return std::make_unique<TfrmSplash>();
    }
    return {};
}

QColor linkColour(QWidget *window)
{
    return window->findChild<QLabel *>(u"lnkWeb"_s)->palette().color(QPalette::WindowText);
}

const QColor darkBlue = QColor::fromRgba(0xFF00008B);
const QColor orange = QColor::fromRgba(0xFFFFA500);

} // namespace

Q_DECLARE_METATYPE(HelpTopic)
Q_DECLARE_METATYPE(LinkWindow)

// The help window opened by every help control with its topic; the links of the help, information
// and credits windows and what they hand to the desktop.
class TestGuida : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> m_app;
    QList<QUrl> m_opened;

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(10, 15)));
        m_opened.clear();
        TMisc::setOpener([this](const QUrl &url) { m_opened.append(url); });
    }

    void cleanup()
    {
        TMisc::setOpener({});
        m_app.reset();
    }

    void helpControlsOpenTheirTopic_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control"); // empty: the screen asks for the topic itself
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("opening");

        QTest::newRow("start menu") << u"TfrmAvvio"_s << u"imgGuida"_s << HelpTopic::Avvio
                                    << u"Uno sguardo a Portavel."_s << 16 << u"Portavel è un software facile"_s;
        // The year selection and the visit editor show one and the same topic.
        QTest::newRow("year selection") << u"TfrmMenuRegistro"_s << u"imgGuida"_s << HelpTopic::Registro
                                        << u"Archivio Visite."_s << 7 << u"L'Archivio Visite è l'applicazione"_s;
        QTest::newRow("visit editor") << u"TfrmRegistro"_s << u"btnGuida"_s << HelpTopic::Registro
                                      << u"Archivio Visite."_s << 7 << u"L'Archivio Visite è l'applicazione"_s;
        QTest::newRow("client editor") << u"TfrmAnagrafica"_s << QString() << HelpTopic::Anagrafica
                                       << u"Archivio Anagrafico."_s << 7 << u"L'Archivio Anagrafico è utile"_s;
        QTest::newRow("visit export") << u"TfrmExpVisite"_s << u"cmdGuida"_s << HelpTopic::ExpVisite
                                      << u"Esportazione archivio visite in Microsoft Excel."_s << 3
                                      << u"Il pulsante Esporta archivio consente di esportare il registro"_s;
        QTest::newRow("client export") << u"TfrmExpClienti"_s << u"cmdGuida"_s << HelpTopic::ExpClienti
                                       << u"Esportazione archivio Visitatori in Microsoft Excel."_s << 3
                                       << u"Il pulsante Esporta archivio consente di esportare i dati"_s;
        // The statistics open the same topic from both their panels.
        QTest::newRow("statistics, start panel")
            << u"TfrmStatistiche"_s << u"imgGuida"_s << HelpTopic::Statistiche
            << u"Grafici statistici visite mensili."_s << 4 << u"L'applicazione Statistiche visite mensili"_s;
        QTest::newRow("statistics, chart panel")
            << u"TfrmStatistiche"_s << u"cmdGuida"_s << HelpTopic::Statistiche
            << u"Grafici statistici visite mensili."_s << 4 << u"L'applicazione Statistiche visite mensili"_s;
        QTest::newRow("summary") << u"TfrmRiepilogo"_s << u"imgGuida"_s << HelpTopic::Riepilogo
                                 << u"Riepilogo Visite."_s << 4 << u"L'applicazione Riepiloghi Visite"_s;
    }

    void helpControlsOpenTheirTopic()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(HelpTopic, topic);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        QFETCH(QString, opening);
        // The screens are there from start-up; a dialog is made as its opener makes it.
        std::unique_ptr<QWidget> dialog;
        if (screen == u"TfrmExpVisite"_s)
            dialog = std::make_unique<TfrmExpVisite>();
        else if (screen == u"TfrmExpClienti"_s)
            dialog = std::make_unique<TfrmExpClienti>();
        else if (screen == u"TfrmRiepilogo"_s)
            dialog = std::make_unique<TfrmRiepilogo>();
        QWidget *owner = dialog ? dialog.get() : TopLevelWindow(screen);
        QVERIFY(owner);

        std::optional<ShownHelp> shown;
        readNextHelpWindow(shown);
        if (control.isEmpty()) {
            ShowHelp(owner, topic);
        } else {
            auto *help = owner->findChild<QWidget *>(control);
            QVERIFY(help);
            QCOMPARE(help->cursor().shape(), Qt::PointingHandCursor);
            click(help);
        }

        QVERIFY(shown);
        QCOMPARE(shown->window, u"TfrmGuida"_s);
        QCOMPARE(shown->owner, owner);
        QCOMPARE(shown->title, title);
        QVERIFY2(shown->text.startsWith(opening), qPrintable(shown->text.left(80)));
        // One empty line between paragraphs, none before the first or after the last.
        const QStringList shownParagraphs = shown->text.split(u"\n\n"_s);
        QCOMPARE(shownParagraphs.size(), paragraphs);
        for (const QString &paragraph : shownParagraphs)
            QVERIFY2(!paragraph.isEmpty() && !paragraph.contains(u'\n') && !paragraph.contains(u'\r'),
                qPrintable(paragraph.left(60)));
        // A fresh window for each opening, gone once it is closed.
        QVERIFY(shown->dialog.isNull());
    }

    void startMenuOpensInformationAndCredits_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("window");
        QTest::newRow("information") << u"imgInfo"_s << u"TfrmInfo"_s;
        QTest::newRow("credits") << u"imgSplash"_s << u"TfrmSplash"_s;
    }

    void startMenuOpensInformationAndCredits()
    {
        QFETCH(QString, image);
        QFETCH(QString, window);
        QWidget *avvio = TopLevelWindow(u"TfrmAvvio"_s);
        QString opened;
        QWidget *owner = nullptr;
        WhenModalShown([&](QDialog *dialog) {
            opened = dialog->objectName();
            owner = dialog->parentWidget();
            dialog->findChild<QPushButton *>(u"btnChiudi"_s)->click();
        });
        click(avvio->findChild<QWidget *>(image));
        QCOMPARE(opened, window);
        QCOMPARE(owner, avvio);
        QVERIFY(m_opened.isEmpty());
    }

    void links_data()
    {
        QTest::addColumn<LinkWindow>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("target"); // %1: the program folder

        const QString pdf = u"%1Guida.pdf"_s;
        const QString mail = u"mailto:info@portavel.it?subject=Software Portavel&body=Salve, desidererei avere le "
                             u"seguenti informazioni sul software in oggetto:"_s;
        const QString site = u"https://www.portavel.it"_s;
        QTest::newRow("help, link") << LinkWindow::Guida << u"lnkWeb"_s << pdf;
        QTest::newRow("help, PDF icon") << LinkWindow::Guida << u"imgPDF"_s << pdf;
        QTest::newRow("information, link") << LinkWindow::Info << u"lnkWeb"_s << mail;
        QTest::newRow("information, letter icon") << LinkWindow::Info << u"imgEmail"_s << mail;
        QTest::newRow("credits, link") << LinkWindow::Splash << u"lnkWeb"_s << site;
        QTest::newRow("credits, globe icon") << LinkWindow::Splash << u"imgWeb"_s << site;
    }

    void links()
    {
        QFETCH(LinkWindow, window);
        QFETCH(QString, control);
        QFETCH(QString, target);
        QFile guide(m_app->file(u"Guida.pdf"_s));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.close();
        MessageRecorder messages;

        std::unique_ptr<QDialog> dialog = makeLinkWindow(window);
        dialog->show();
        QCOMPARE(linkColour(dialog.get()), darkBlue);
        auto *link = dialog->findChild<QWidget *>(control);
        QVERIFY(link);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(linkColour(dialog.get()), orange);
        QVERIFY(m_opened.isEmpty());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().center());

        const QUrl expected = target.contains(u"%1"_s) ? QUrl::fromLocalFile(target.arg(m_app->path()))
                                                       : QUrl(target, QUrl::TolerantMode);
        QCOMPARE(m_opened, QList<QUrl> { expected });
        QCOMPARE(linkColour(dialog.get()), darkBlue);
        QVERIFY(dialog->isVisible()); // the window stays open
        QCOMPARE(messages.count(), 0);
    }

    void linkReleasedOutsideOpensNothing_data() { links_data(); }

    void linkReleasedOutsideOpensNothing()
    {
        QFETCH(LinkWindow, window);
        QFETCH(QString, control);
        std::unique_ptr<QDialog> dialog = makeLinkWindow(window);
        dialog->show();
        auto *link = dialog->findChild<QWidget *>(control);

        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(linkColour(dialog.get()), orange);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, link->height() + 20));

        QCOMPARE(linkColour(dialog.get()), darkBlue);
        QVERIFY(m_opened.isEmpty());
    }

    void guideLinkWithoutTheGuideOpensNothing()
    {
        MessageRecorder messages;
        QVERIFY(!QFile::exists(m_app->file(u"Guida.pdf"_s)));
        TfrmGuida help;
        help.show();
        for (const QString &name : { u"lnkWeb"_s, u"imgPDF"_s }) {
            auto *link = help.findChild<QWidget *>(name);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        }
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(messages.count(), 0);
        QVERIFY(help.isVisible());
        QCOMPARE(linkColour(&help), darkBlue);
    }
};

QTEST_MAIN(TestGuida)
#include "TestGuida.moc"
