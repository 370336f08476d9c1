#include "visits/MenuRegistro.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "visits/Registro.h"
#include "storage/VisitFile.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/Help.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString modeAvvio = u"avvio"_s;
const QString modeRegistro = u"registro"_s;
const QString modeStatistiche = u"statistiche_vis"_s;

LabelLook verdana(int points, bool bold)
{
    QFont font(u"Verdana"_s, points);
    font.setBold(bold);
    return { font, Palette::TitleInk };
}

QPushButton *makeApri(QWidget *parent, const QString &name)
{
    QPushButton *button = MakeButton(parent, name, u"Apri"_s, QRect(236, 160, 170, 44), ButtonStyle::Open);
    return button;
}

} // namespace

TfrmMenuRegistro::TfrmMenuRegistro(QWidget *parent)
    : Screen(u"TfrmMenuRegistro"_s, u" Portavel - Archivio Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    QWidget *p = panel();

    const Banner banner = MakeBanner(p, BannerStyle::Screen, ScreenBannerRect.adjusted(0, 0, 0, 10),
        u"Archivio Visite"_s, u":/img/tile_registro.svg"_s, u"imgEsci"_s);
    banner.title->setGeometry(150, 12, 600, 40);
    MakeLabel(banner.widget, QString(),
        u"In questo ambiente è possibile registrare gli ingressi e le uscite dei Visitatori e "
        u"visualizzare grafici statistici delle visite mensili."_s,
        QRect(150, 56, 640, 44),
        { QFont(u"Verdana"_s, 11), Palette::TitleInk, Qt::AlignLeft | Qt::AlignVCenter, true });

    GradientPanel *registerCard = MakeCard(p, u"shpRegistro"_s, QRect(40, 180, 440, 240), TileCard);
    MakeLabel(
        registerCard, QString(), u"Registrazione ingressi e uscite:"_s, QRect(24, 18, 400, 28), verdana(14, true));
    MakePicture(registerCard, QString(), u":/img/tile_registro.svg"_s, QRect(24, 66, 189, 140));
    MakeLabel(registerCard, QString(), u"Anno:"_s, QRect(236, 70, 170, 26), verdana(12, true));
    m_txtAnnoFatture = new QLineEdit(registerCard);
    m_txtAnnoFatture->setObjectName(u"txtAnnoFatture"_s);
    m_txtAnnoFatture->setGeometry(236, 100, 170, 40);
    QFont yearFont(u"Verdana"_s, 14);
    yearFont.setBold(true);
    m_txtAnnoFatture->setFont(yearFont);
    m_txtAnnoFatture->setAlignment(Qt::AlignCenter);
    m_txtAnnoFatture->setStyleSheet(u"QLineEdit { color: #0F2847; background: white; border: 1px solid #7896BE;"
                                    u" border-radius: 4px; }"_s);
    m_btnApriFatture = makeApri(registerCard, u"btnApriFatture"_s);

    GradientPanel *stats = MakeCard(p, u"shpStatistiche"_s, QRect(515, 180, 440, 240), TileCard);
    MakeLabel(stats, QString(), u"Grafici statistici visite mensili:"_s, QRect(24, 18, 400, 28), verdana(14, true));
    MakePicture(stats, QString(), u":/img/tile_riepilogo.svg"_s, QRect(24, 66, 189, 140));
    m_btnApriRiepStats = makeApri(stats, u"btnApriRiepStats"_s);

    InstallYearBoxFilter(m_txtAnnoFatture, m_btnApriFatture);

    auto *guida = new ClickableImage(u"imgGuida"_s, u":/img/icona_guida.svg"_s, QRect(807, 27, 56, 56), banner.widget);
    guida->setToolTip(u"Guida"_s);

    m_lblMemory = MakeHiddenLabel(this, u"lblMemory"_s, modeAvvio);

    connect(m_btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriFattureClick);
    connect(m_btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriRiepStatsClick);
    connect(banner.exit, &ClickableImage::clicked, this, &QWidget::close);
    connect(guida, &ClickableImage::clicked, this, [this] { ShowHelp(this, HelpTopic::Registro); });
}

void TfrmMenuRegistro::onShow()
{
    m_txtAnnoFatture->setText(u"%1"_s.arg(Clock::today().year(), 4, 10, QChar(u'0')));
    m_lblMemory->setText(modeAvvio);
    m_txtAnnoFatture->setFocus();
}

void TfrmMenuRegistro::btnApriFattureClick()
{
    const QString typed = m_txtAnnoFatture->text();
    if (!IsVisitYear(typed)) {
        Messages::warning(u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s, this);
        m_txtAnnoFatture->setFocus();
        return;
    }
    if (auto *editor = qobject_cast<TfrmRegistro *>(Screen::of(ScreenId::Registro)))
        editor->openYear(typed);
    m_lblMemory->setText(modeRegistro);
    close();
}

void TfrmMenuRegistro::btnApriRiepStatsClick()
{
    m_lblMemory->setText(modeStatistiche);
    close();
}

Screen *TfrmMenuRegistro::nextScreen() const
{
    const QString mode = TrimmedText(m_lblMemory);
    if (mode == modeAvvio)
        return Screen::of(ScreenId::Avvio);
    if (mode == modeRegistro)
        return Screen::of(ScreenId::Registro);
    if (mode == modeStatistiche)
        return Screen::of(ScreenId::Statistiche);
    return nullptr;
}

void TfrmMenuRegistro::closeEvent(QCloseEvent *event)
{
    // An unknown word leads nowhere: the screen stays, rather than leaving no window at all.
    if (!nextScreen()) {
        event->ignore();
        return;
    }
    Screen::closeEvent(event);
}

void TfrmMenuRegistro::onClose()
{
    if (Screen *next = nextScreen())
        switchTo(next);
}
