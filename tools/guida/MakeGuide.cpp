// Builds the user guide Guida.pdf from its HTML source. The pictures of the screens are taken from
// the program itself: every window is created offscreen on a folder of sample cards, driven to the
// screen the guide shows, and grabbed, so the guide always shows the program as it is.
//
//   make_guide <guida.html> <Guida.pdf> [folder]
//
// With a folder, every picture is also saved there as <name>.png, to compare the screens of two
// builds pixel by pixel.

#include "app/AppWindows.h"
#include "app/Guida.h"
#include "app/Info.h"
#include "app/Splash.h"
#include "base/Clock.h"
#include "base/ProgramFolder.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "clients/AllegaCartella.h"
#include "clients/Cartella.h"
#include "clients/DaRinnovare.h"
#include "clients/ExpClienti.h"
#include "clients/TrovaClienti.h"
#include "storage/ClientFile.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "summaries/Riepilogo.h"
#include "visits/EntratiOggi.h"
#include "visits/ExpVisite.h"
#include "visits/NonUsciti.h"
#include "visits/StampaVisita.h"
#include "visits/TrovaVisite.h"
#include "visits/UscitiOggi.h"
#include "widgets/Messages.h"
#include "widgets/Palette.h"
#include "widgets/PrintService.h"
#include "widgets/Screen.h"
#include "widgets/TMisc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// The desktop the pictures are taken on: the size the screens are designed for.
constexpr int DesktopWidth = 1016;
constexpr int DesktopHeight = 713;

// The offscreen desktop cannot raise windows; the program asks on every switch. Nothing else is hushed.
QtMessageHandler standardMessages = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(u"does not support raise()"_s))
        standardMessages(type, context, message);
}

void fail(const QString &what)
{
    std::fprintf(stderr, "make_guide: %s\n", qPrintable(what));
    std::exit(1);
}

// Nothing reaches the operator's desktop while the pictures are taken: no message box, no print
// dialog, no document opened. A message shown means a picture went wrong; it is said on stderr.
class SilentDesktop : public MessageHandler
{
public:
    SilentDesktop()
    {
        Messages::setHandler(this);
        PrintService::setChooser([](QWidget *, QPageLayout::Orientation, int) { return std::unique_ptr<QPrinter>(); });
        TMisc::setOpener([](const QUrl &) {});
    }
    ~SilentDesktop() override
    {
        TMisc::setOpener({});
        PrintService::setChooser({});
        Messages::setHandler(nullptr);
    }

    bool message(QWidget *, MessageKind, const QString &text) override
    {
        std::fprintf(stderr, "make_guide: message while taking a picture: %s\n", qPrintable(text));
        return false;
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
};

// The offscreen desktop is one screen of the design size, without window frames, so maximised
// screens come out exactly as designed.
void configureOffscreenDesktop(const QString &folder)
{
    const QString config = folder + u"/desktop.json"_s;
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        fail(u"cannot write "_s + config);
    file.write(QStringLiteral(R"({ "synchronousWindowSystemEvents": true, "windowFrameMargins": false,
        "screens": [ { "name": "Guida", "x": 0, "y": 0, "width": %1, "height": %2,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })")
                   .arg(DesktopWidth)
                   .arg(DesktopHeight)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", (u"offscreen:configfile="_s + config).toUtf8());
}

TSchedaVisita visit(const QString &entry, const QString &time, const QString &surname, const QString &name,
    const QString &reason, const QString &exit = QString(), const QString &exitTime = QString())
{
    TSchedaVisita card;
    card.DataEnt = entry;
    card.OraEnt = time;
    card.OperatoreEnt = u"Verdi Franco"_s;
    card.Cognome = surname;
    card.Nome = name;
    card.Motivo = reason;
    card.TipoDoc = u"Carta d'identità"_s;
    card.EnteRil = u"Comune di Milano"_s;
    card.DataUsc = exit;
    card.OraUsc = exitTime;
    if (!exit.isEmpty())
        card.OperatoreUsc = u"Neri Giovanna"_s;
    return card;
}

TSchedaAnagrafica client(const QString &surname, const QString &name, const QString &zone, const QString &contact)
{
    TSchedaAnagrafica card;
    card.Cognome = surname;
    card.Nome = name;
    card.Zona = zone;
    card.Recapito = contact;
    card.TelCel = contact;
    card.Decorrenza = u"07/03/2026"_s;
    card.Scadenza = u"07/03/2026"_s;
    card.Preavviso = u"0"_s;
    card.Totale = u"0,00"_s;
    card.Rata = u"0,00"_s;
    return card;
}

// A year of visits and a small registry, as a desk would have them on a March morning.
void writeSampleCards()
{
    VisitFile visits;
    visits.open(VisitFilePath(u"2026"_s));
    // Earlier months, for the statistics and the summary.
    const QStringList surnames { u"Colombo"_s, u"Ricci"_s, u"Marino"_s, u"Greco"_s, u"Bruno"_s, u"Gallo"_s, u"Conti"_s,
        u"De Luca"_s, u"Mancini"_s, u"Costa"_s, u"Giordano"_s, u"Rizzo"_s, u"Lombardi"_s, u"Moretti"_s };
    const QStringList reasons { u"Riunione commerciale"_s, u"Consegna merci"_s, u"Manutenzione impianti"_s,
        u"Colloquio di lavoro"_s, u"Visita guidata"_s };
    int n = 0;
    for (const auto &[month, count] : { std::pair(1, 17), std::pair(2, 23) }) {
        for (int i = 0; i < count; ++i, ++n) {
            const QString day
                = u"%1/%2/2026"_s.arg(1 + (i * 3) % 27, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
            visits.append(
                visit(day, u"%1:%2"_s.arg(8 + i % 9, 2, 10, QChar(u'0')).arg((i * 7) % 60, 2, 10, QChar(u'0')),
                    surnames[n % surnames.size()], i % 2 ? u"Marco"_s : u"Elena"_s, reasons[n % reasons.size()], day,
                    u"%1:%2"_s.arg(10 + i % 8, 2, 10, QChar(u'0')).arg((i * 11) % 60, 2, 10, QChar(u'0'))));
        }
    }
    visits.append(
        visit(u"05/03/2026"_s, u"10:00"_s, u"Russo"_s, u"Paolo"_s, u"Visita guidata"_s, u"05/03/2026"_s, u"11:15"_s));
    visits.append(visit(
        u"06/03/2026"_s, u"14:20"_s, u"Esposito"_s, u"Luca"_s, u"Colloquio di lavoro"_s, u"06/03/2026"_s, u"16:00"_s));
    TSchedaVisita rossi = visit(
        u"07/03/2026"_s, u"08:45"_s, u"Rossi"_s, u"Mario"_s, u"Riunione commerciale"_s, u"07/03/2026"_s, u"10:05"_s);
    rossi.CodFisc = u"RSSMRA80A01F205X"_s;
    rossi.Tessera = u"12"_s;
    rossi.NumDoc = u"CA12345AB"_s;
    rossi.TelCel = u"333 1234567"_s;
    rossi.Note = u"Accompagnato in sala riunioni"_s;
    visits.append(rossi);
    TSchedaVisita bianchi = visit(u"07/03/2026"_s, u"09:10"_s, u"Bianchi"_s, u"Laura"_s, u"Consegna merci"_s);
    bianchi.CodFisc = u"BNCLRA80A41H501D"_s;
    bianchi.TelCel = u"347 7654321"_s;
    bianchi.Tessera = u"14"_s;
    visits.append(bianchi);
    visits.append(visit(u"07/03/2026"_s, u"09:30"_s, u"Ferrari"_s, u"Giulia"_s, u"Manutenzione impianti"_s));
    visits.append(visit(u"07/03/2026"_s, u"09:55"_s, u"Romano"_s, u"Andrea"_s, u"Riunione commerciale"_s));
    visits.close();

    ClientFile clients;
    clients.open(ClientFilePath());
    TSchedaAnagrafica mario = client(u"Rossi"_s, u"Mario"_s, u"Milano nord"_s, u"333 1234567"_s);
    mario.CodFisc = u"RSSMRA80A01F205X"_s;
    mario.Sesso = u"M"_s;
    mario.DataNasc = u"01/01/1980"_s;
    mario.ComuneNasc = u"Milano"_s;
    mario.ProvNasc = u"MI"_s;
    mario.Indirizzo = u"Via Roma 12"_s;
    mario.Cap = u"20121"_s;
    mario.ComuneRes = u"Milano"_s;
    mario.ProvRes = u"MI"_s;
    mario.Email = u"mario.rossi@example.it"_s;
    mario.Professione = u"Agente di commercio"_s;
    mario.Iva = u"12345670587"_s;
    mario.Iban = u"IT60X0542811101000000123456"_s;
    mario.Carta = u"4111111111111111"_s;
    mario.TipoDoc = u"Carta d'identità"_s;
    mario.NumDoc = u"CA12345AB"_s;
    mario.EnteRil = u"Comune di Milano"_s;
    mario.Codice = u"C-0012"_s;
    mario.Categoria = u"Fornitore"_s;
    mario.Acquisto = u"Abbonamento sala riunioni"_s;
    mario.Decorrenza = u"01/01/2026"_s;
    mario.Scadenza = u"10/03/2026"_s;
    mario.Preavviso = u"5"_s;
    mario.Totale = u"1440,00"_s;
    mario.Frazionamento = u"Mensile"_s;
    mario.Rata = u"120,00"_s;
    clients.append(mario);
    clients.append(client(u"Bianchi"_s, u"Laura"_s, u"Monza"_s, u"347 7654321"_s));
    clients.append(client(u"Verdi"_s, u"Franco"_s, u"Reception"_s, u"interno 21"_s));
    clients.append(client(u"Neri"_s, u"Giovanna"_s, u"Reception"_s, u"interno 22"_s));
    clients.close();
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The window as it is on screen, with a thin frame so it stands out from the white page.
QImage grabWindow(QWidget *window)
{
    settle();
    QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setPen(Palette::PanelBorder);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

// Shows a screen as the program shows it, alone on the desktop.
QImage screenPicture(Screen *screen)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != screen && w->isVisible())
            w->hide();
    }
    screen->showScreen();
    return grabWindow(screen);
}

void click(QWidget *control)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->click();
        return;
    }
    const QPointF at = QRectF(control->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, control->mapToGlobal(at), Qt::LeftButton, {}, {});
    QApplication::sendEvent(control, &release);
}

// The dialog a control of a window opens, as the operator sees it; nothing when the control does not
// exist or opens no dialog.
QImage dialogOpenedBy(QWidget *window, const QString &controlName, const std::function<void(QDialog *)> &prepare = {})
{
    auto *control = window->findChild<QWidget *>(controlName);
    if (!control)
        return {};
    QImage picture;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        if (prepare)
            prepare(dialog);
        picture = grabWindow(dialog);
        dialog->done(QDialog::Rejected);
    });
    poll.start();
    click(control);
    poll.stop();
    return picture;
}

// A dialog on its own, for the screens whose opener does not open it yet.
template<typename Dialog> QImage freshDialog(QWidget *owner)
{
    Dialog dialog(owner);
    dialog.show();
    QImage picture = grabWindow(&dialog);
    dialog.hide();
    return picture;
}

void setText(QWidget *window, const QString &name, const QString &text)
{
    if (auto *box = window->findChild<QLineEdit *>(name))
        box->setText(text);
    else if (auto *combo = window->findChild<QComboBox *>(name))
        combo->setCurrentText(text);
}

using Picture = std::function<QImage()>;
using Owner = std::function<QWidget *()>;

// The dialog that a control of a window opens; while that control opens nothing yet, the dialog on
// its own.
template<typename Dialog>
Picture opened(const Owner &owner, const QString &control, const std::function<void(QDialog *)> &prepare = {})
{
    return [owner, control, prepare] {
        QWidget *window = owner();
        const QImage picture = dialogOpenedBy(window, control, prepare);
        return picture.isNull() ? freshDialog<Dialog>(window) : picture;
    };
}

// Every picture the guide may show, by the name its source uses after "schermata:".
std::map<QString, Picture> screenPictures()
{
    auto registro = [] {
        // The way the operator gets there: the year selection opens the register of 2026 on a new
        // card, the first arrow shows a stored card.
        Screen *years = Screen::of(ScreenId::MenuRegistro);
        screenPicture(years);
        setText(years, u"txtAnnoFatture"_s, u"2026"_s);
        click(years->findChild<QWidget *>(u"btnApriFatture"_s));
        Screen *editor = Screen::of(ScreenId::Registro);
        screenPicture(editor);
        if (auto *last = editor->findChild<QWidget *>(u"cmdUltimo"_s))
            click(last);
        if (auto *previous = editor->findChild<QWidget *>(u"cmdIndietro"_s)) {
            for (int i = 0; i < 3; ++i)
                click(previous);
        }
        return editor;
    };
    auto anagrafica = [] {
        Screen *editor = Screen::of(ScreenId::Anagrafica);
        screenPicture(editor);
        if (auto *first = editor->findChild<QWidget *>(u"cmdPrimo"_s))
            click(first);
        return editor;
    };
    return {
        { u"accesso"_s, [] { return screenPicture(Screen::of(ScreenId::Password)); } },
        { u"cambia_password"_s, [] { return screenPicture(Screen::of(ScreenId::CambiaPassword)); } },
        { u"avvio"_s, [] { return screenPicture(Screen::of(ScreenId::Avvio)); } },
        { u"anno"_s, [] { return screenPicture(Screen::of(ScreenId::MenuRegistro)); } },
        { u"registro"_s, [registro] { return grabWindow(registro()); } },
        { u"non_usciti"_s, opened<TfrmNonUsciti>(registro, u"btnNonUsciti"_s) },
        { u"entrati_oggi"_s, opened<TfrmEntratiOggi>(registro, u"btnEntratiOggi"_s) },
        { u"usciti_oggi"_s, opened<TfrmUscitiOggi>(registro, u"btnUscitiOggi"_s) },
        { u"trova_visite"_s,
            opened<TfrmTrovaVisite>(
                registro, u"btnTrova"_s, [](QDialog *d) { setText(d, u"txtCognome"_s, u"ross"_s); }) },
        { u"stampa_visita"_s, opened<TfrmStampaVisita>(registro, u"btnStampa"_s) },
        { u"exp_visite"_s, opened<TfrmExpVisite>(registro, u"btnExcel"_s) },
        { u"cod_fisc"_s, opened<TfrmCodFisc>(registro, u"impCodFisc"_s) },
        { u"trova_clienti"_s, opened<TfrmTrovaClienti>(registro, u"impVisitatore"_s) },
        { u"anagrafica"_s, [anagrafica] { return grabWindow(anagrafica()); } },
        { u"da_rinnovare"_s, opened<TfrmDaRinnovare>(anagrafica, u"cmdScaduti"_s) },
        { u"exp_clienti"_s, opened<TfrmExpClienti>(anagrafica, u"cmdEsporta"_s) },
        { u"cartella"_s, opened<TfrmCartella>(anagrafica, u"cmdCartella"_s) },
        { u"allega_cartella"_s, opened<TfrmAllegaCartella>(anagrafica, u"cmdFile"_s) },
        { u"partita_iva"_s, opened<TfrmPartitaIva>(anagrafica, u"btnIva"_s) },
        { u"carta"_s, opened<TfrmCarta>(anagrafica, u"btnCarta"_s) },
        { u"iban"_s, opened<TfrmIban>(anagrafica, u"btnIban"_s) },
        { u"menu_riepilogo"_s, [] { return screenPicture(Screen::of(ScreenId::MenuRiepilogo)); } },
        { u"riepilogo"_s,
            [] {
                Screen *criteria = Screen::of(ScreenId::MenuRiepilogo);
                screenPicture(criteria);
                setText(criteria, u"txtGiornoInizio"_s, u"01"_s);
                setText(criteria, u"txtMeseInizio"_s, u"Gennaio"_s);
                setText(criteria, u"txtGiornoFine"_s, u"31"_s);
                setText(criteria, u"txtMeseFine"_s, u"Marzo"_s);
                return opened<TfrmRiepilogo>([criteria] { return criteria; }, u"btnVisualizza"_s)();
            } },
        { u"statistiche"_s,
            [] {
                Screen *stats = Screen::of(ScreenId::Statistiche);
                screenPicture(stats);
                setText(stats, u"txtAnno"_s, u"2026"_s);
                if (auto *open = stats->findChild<QWidget *>(u"btnApri"_s))
                    click(open);
                return grabWindow(stats);
            } },
        { u"guida"_s,
            [] {
                TfrmGuida help(Screen::of(ScreenId::Avvio));
                help.showTopic(HelpTopic::Avvio);
                help.show();
                QImage picture = grabWindow(&help);
                help.hide();
                return picture;
            } },
        { u"info"_s, [] { return freshDialog<TfrmInfo>(Screen::of(ScreenId::Avvio)); } },
        { u"splash"_s, [] { return freshDialog<TfrmSplash>(Screen::of(ScreenId::Avvio)); } },
    };
}

// The program's own icons, drawn twice as large as shown so they stay sharp on paper.
QImage svgPicture(const QString &name, const QSize &size)
{
    QSvgRenderer renderer(u":/img/"_s + name + u".svg"_s);
    if (!renderer.isValid())
        fail(u"no picture "_s + name);
    QImage picture(size * 4, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_guide <guida.html> <Guida.pdf> [folder]\n");
        return 2;
    }
    QTemporaryDir work;
    if (!work.isValid())
        fail(u"no temporary folder"_s);
    configureOffscreenDesktop(work.path());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(work.path()));
    standardMessages = qInstallMessageHandler(quietOffscreen);

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString pdfPath = QString::fromLocal8Bit(argv[2]);
    const QString pictureFolder = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        fail(u"cannot read "_s + sourcePath);
    const QString html = QString::fromUtf8(source.readAll());

    // A picture that never comes back would hang the build: give up loudly instead.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { fail(u"the pictures took too long"_s); });
    watchdog.start(60000);

    SetProgramFolder(work.path() + u"/programma"_s);
    if (!QDir().mkpath(ProgramFolder()))
        fail(u"cannot create the sample folder"_s);
    Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(10, 15)));
    SilentDesktop silent;
    try {
        writeSampleCards();
    } catch (const StorageError &) {
        fail(u"cannot write the sample cards"_s);
    }
    CreateAppWindows();

    QTextDocument document;
    document.setDefaultFont(QFont(u"DejaVu Sans"_s, 10));
    const std::map<QString, Picture> pictures = screenPictures();
    static const QRegularExpression reference(
        u"src=\"(schermata|svg):([a-z_]+)\"(?: width=\"(\\d+)\")?(?: height=\"(\\d+)\")?"_s);
    for (auto match = reference.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        const QUrl url(m.captured(1) + u':' + m.captured(2));
        if (document.resource(QTextDocument::ImageResource, url).isValid())
            continue;
        QImage picture;
        if (m.captured(1) == u"svg"_s) {
            picture = svgPicture(m.captured(2), QSize(m.captured(3).toInt(), m.captured(4).toInt()));
        } else {
            const auto it = pictures.find(m.captured(2));
            if (it == pictures.end())
                fail(u"the guide shows an unknown screen: "_s + m.captured(2));
            picture = it->second();
            if (picture.isNull())
                fail(u"no picture of "_s + m.captured(2));
        }
        if (!pictureFolder.isEmpty() && !picture.save(pictureFolder + u'/' + m.captured(2) + u".png"_s))
            fail(u"cannot save the picture of "_s + m.captured(2));
        document.addResource(QTextDocument::ImageResource, url, picture);
    }
    DestroyAppWindows();
    watchdog.stop();

    document.setHtml(html);
    QPdfWriter pdf(pdfPath);
    pdf.setTitle(u"Portavel - Guida all'utilizzo del software"_s);
    pdf.setCreator(u"Portavel"_s);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    document.print(&pdf);
    if (!QFile::exists(pdfPath))
        fail(u"cannot write "_s + pdfPath);
    return 0;
}
