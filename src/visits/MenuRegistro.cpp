#include "visits/MenuRegistro.h"

#include "visits/Registro.h"
#include "visits/UsciteNonRegistrate.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/Help.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/YearBox.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

LabelLook verdana(int points, bool bold)
{
    return { VerdanaFont(points, bold), Palette::TitleInk };
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
        QRect(150, 56, 640, 44), { VerdanaFont(11), Palette::TitleInk, Qt::AlignLeft | Qt::AlignVCenter, true });

    GradientPanel *registerCard = MakeCard(p, u"shpRegistro"_s, QRect(40, 180, 440, 240), TileCard);
    MakeLabel(
        registerCard, QString(), u"Registrazione ingressi e uscite:"_s, QRect(24, 18, 400, 28), verdana(14, true));
    MakePicture(registerCard, QString(), u":/img/tile_registro.svg"_s, QRect(24, 66, 189, 140));
    MakeLabel(registerCard, QString(), u"Anno:"_s, QRect(236, 70, 170, 26), verdana(12, true));
    m_txtAnnoFatture = MakeYearBox(registerCard, u"txtAnnoFatture"_s, QRect(236, 100, 170, 40), 14);
    m_btnApriFatture = makeApri(registerCard, u"btnApriFatture"_s);

    GradientPanel *stats = MakeCard(p, u"shpStatistiche"_s, QRect(515, 180, 440, 240), TileCard);
    MakeLabel(stats, QString(), u"Grafici statistici visite mensili:"_s, QRect(24, 18, 400, 28), verdana(14, true));
    MakePicture(stats, QString(), u":/img/tile_riepilogo.svg"_s, QRect(24, 66, 189, 140));
    m_btnApriRiepStats = makeApri(stats, u"btnApriRiepStats"_s);

    GradientPanel *exits = MakeCard(p, u"shpNonRegistrate"_s, QRect(40, 440, 440, 84), TileCard);
    auto *nonRegistrate
        = new ClickableImage(u"imgNonRegistrate"_s, u":/img/icona_nonregistrate.svg"_s, QRect(16, 14, 56, 56), exits);
    nonRegistrate->setToolTip(u"Visite dei giorni precedenti senza uscita registrata."_s);
    MakeLabel(exits, QString(), u"Uscite non registrate"_s, QRect(88, 14, 336, 28), verdana(14, true));
    MakeLabel(
        exits, QString(), u"Visite dei giorni precedenti ancora aperte."_s, QRect(88, 44, 336, 24), verdana(10, false));

    InstallYearBoxFilter(m_txtAnnoFatture, m_btnApriFatture);

    auto *guida = new ClickableImage(u"imgGuida"_s, u":/img/icona_guida.svg"_s, QRect(807, 27, 56, 56), banner.widget);
    guida->setToolTip(u"Guida"_s);

    m_lblMemory = MakeHiddenLabel(this, u"lblMemory"_s);
    setNext(Next::Avvio);

    connect(m_btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriFattureClick);
    connect(m_btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriRiepStatsClick);
    connect(banner.exit, &ClickableImage::clicked, this, &QWidget::close);
    connect(guida, &ClickableImage::clicked, this, [this] { ShowHelp(this, HelpTopic::Registro); });
    connect(nonRegistrate, &ClickableImage::clicked, this,
        [this] { TfrmUsciteNonRegistrate::showFor(this, TfrmUsciteNonRegistrate::Opening::OnRequest); });
}

void TfrmMenuRegistro::setNext(Next next)
{
    static const QString words[] = { u"avvio"_s, u"registro"_s, u"statistiche_vis"_s };
    m_next = next;
    m_lblMemory->setText(words[int(next)]);
}

void TfrmMenuRegistro::onShow()
{
    ShowThisYear(m_txtAnnoFatture);
    setNext(Next::Avvio);
    m_txtAnnoFatture->setFocus();
}

void TfrmMenuRegistro::btnApriFattureClick()
{
    const std::optional<QString> year = TypedYear(this, m_txtAnnoFatture);
    if (!year)
        return;
    if (auto *editor = qobject_cast<TfrmRegistro *>(Screen::of(ScreenId::Registro)))
        editor->openYear(*year);
    setNext(Next::Registro);
    close();
}

void TfrmMenuRegistro::btnApriRiepStatsClick()
{
    setNext(Next::Statistiche);
    close();
}

void TfrmMenuRegistro::onClose()
{
    switch (m_next) {
    case Next::Avvio:
        switchTo(Screen::of(ScreenId::Avvio));
        break;
    case Next::Registro:
        switchTo(Screen::of(ScreenId::Registro));
        break;
    case Next::Statistiche:
        switchTo(Screen::of(ScreenId::Statistiche));
        break;
    }
}
