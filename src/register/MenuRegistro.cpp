#include "register/MenuRegistro.h"

#include "base/Clock.h"
#include "base/ScreenSettings.h"
#include "base/TextFunctions.h"
#include "register/Registro.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/KeyRules.h"
#include "widgets/Messages.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString modeAvvio = u"avvio"_s;
const QString modeRegistro = u"registro"_s;
const QString modeStatistiche = u"statistiche_vis"_s;

const QString buttonStyle
    = u"QPushButton { font-family: Verdana; font-size: 12pt; font-weight: bold; color: white;"
      u" border: 1px solid #0F2847; border-radius: 8px;"
      u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5C97D6, stop:0.5 #2F67A8, stop:1 #1B4478); }"
      u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      u" stop:0 #6FA8E4, stop:0.5 #3A76BA, stop:1 #21528E); }"
      u"QPushButton:pressed { background: #1B4478; }"
      u"QPushButton:focus { border: 2px solid #F2B632; }"_s;

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &geometry, int points, bool bold)
{
    auto *label = new QLabel(text, parent);
    QFont font(u"Verdana"_s, points);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setStyleSheet(u"color: #1B3A5E;"_s);
    return label;
}

GradientPanel *makeCard(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *card = new GradientPanel(parent, QColor(255, 255, 255, 235), QColor(221, 232, 244, 235));
    card->setObjectName(name);
    card->setBorder(QColor(120, 150, 190), 1, 14);
    card->setGeometry(geometry);
    return card;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(u"Apri"_s, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(buttonStyle);
    // Enter on the focused button opens, as the year box's Enter leads here.
    button->setAutoDefault(true);
    return button;
}

} // namespace

TfrmMenuRegistro::TfrmMenuRegistro(QWidget *parent)
    : Screen(u"TfrmMenuRegistro"_s, u" Portavel - Archivio Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    ApplyScreenSettings();
    QWidget *p = panel();

    GradientPanel *banner = makeCard(p, u"shpTitolo"_s, QRect(20, 20, 955, 110));
    auto *picture = new QLabel(banner);
    picture->setObjectName(u"imgTitolo"_s);
    picture->setGeometry(24, 13, 112, 84);
    picture->setPixmap(SvgPixmap(u":/img/tile_registro.svg"_s, picture->size()));
    makeLabel(banner, u"Archivio Visite"_s, QRect(150, 12, 600, 40), 22, true);
    auto *intro = makeLabel(banner,
        u"In questo ambiente è possibile registrare gli ingressi e le uscite dei Visitatori e "
        u"visualizzare grafici statistici delle visite mensili."_s,
        QRect(150, 56, 640, 44), 11, false);
    intro->setWordWrap(true);

    GradientPanel *registerCard = makeCard(p, u"shpRegistro"_s, QRect(40, 180, 440, 240));
    makeLabel(registerCard, u"Registrazione ingressi e uscite:"_s, QRect(24, 18, 400, 28), 14, true);
    auto *door = new QLabel(registerCard);
    door->setGeometry(24, 66, 189, 140);
    door->setPixmap(SvgPixmap(u":/img/tile_registro.svg"_s, door->size()));
    auto *anno = makeLabel(registerCard, u"Anno:"_s, QRect(236, 70, 170, 26), 12, true);
    anno->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_txtAnnoFatture = new QLineEdit(registerCard);
    m_txtAnnoFatture->setObjectName(u"txtAnnoFatture"_s);
    m_txtAnnoFatture->setGeometry(236, 100, 170, 40);
    QFont yearFont(u"Verdana"_s, 14);
    yearFont.setBold(true);
    m_txtAnnoFatture->setFont(yearFont);
    m_txtAnnoFatture->setAlignment(Qt::AlignCenter);
    m_txtAnnoFatture->setStyleSheet(u"QLineEdit { color: #0F2847; background: white; border: 1px solid #7896BE;"
                                    u" border-radius: 4px; }"_s);
    m_btnApriFatture = makeButton(registerCard, u"btnApriFatture"_s, QRect(236, 160, 170, 44));

    GradientPanel *stats = makeCard(p, u"shpStatistiche"_s, QRect(515, 180, 440, 240));
    makeLabel(stats, u"Grafici statistici visite mensili:"_s, QRect(24, 18, 400, 28), 14, true);
    auto *chart = new QLabel(stats);
    chart->setGeometry(24, 66, 189, 140);
    chart->setPixmap(SvgPixmap(u":/img/tile_riepilogo.svg"_s, chart->size()));
    m_btnApriRiepStats = makeButton(stats, u"btnApriRiepStats"_s, QRect(236, 160, 170, 44));

    InstallYearBoxFilter(m_txtAnnoFatture, m_btnApriFatture);

    auto *guida = new ClickableImage(u"imgGuida"_s, u":/img/icona_guida.svg"_s, QRect(807, 27, 56, 56), banner);
    guida->setToolTip(u"Guida"_s);
    auto *esci = new ClickableImage(u"imgEsci"_s, u":/img/icona_esci.svg"_s, QRect(875, 27, 56, 56), banner);
    esci->setToolTip(u"Esci"_s);

    m_lblMemory = MakeHiddenLabel(this, u"lblMemory"_s, modeAvvio);

    connect(m_btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriFattureClick);
    connect(m_btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriRiepStatsClick);
    connect(esci, &ClickableImage::clicked, this, &QWidget::close);
}

void TfrmMenuRegistro::onShow()
{
    m_txtAnnoFatture->setText(u"%1"_s.arg(Clock::today().year(), 4, 10, QChar(u'0')));
    m_lblMemory->setText(modeAvvio);
    m_txtAnnoFatture->setFocus();
}

void TfrmMenuRegistro::btnApriFattureClick()
{
    // Four digits and nothing else: pasted text is not filtered by the box, and the year becomes
    // part of a file name.
    const QString typed = m_txtAnnoFatture->text();
    if (typed.length() != 4 || !IsAllDigits(typed)) {
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
