#include "widgets/SearchCriteriaPanel.h"

#include "widgets/FocusFrame.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Screen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int ColumnLeft[] = { 144, 488 };
constexpr int FirstRowTop = 141;
constexpr int RowPitch = 70;
constexpr int BoxWidth = 320;
constexpr int BoxHeight = 26;
constexpr int LabelAbove = 24;

} // namespace

SearchCriteriaPanel::SearchCriteriaPanel(const QList<Box> &boxes, const QString &picture, QWidget *parent)
    : GradientPanel(ListPanelCard, parent)
{
    setObjectName(u"panAvvio"_s);
    resize(833, 529);

    GradientPanel *help = MakeCard(this, u"shpAiuto"_s, QRect(8, 8, 817, 92), WhitePanel);
    MakePicture(help, u"imgAiuto"_s, u":/img/icona_info.svg"_s, QRect(18, 18, 56, 56));
    const LabelLook helpLook { VerdanaFont(8), Palette::HelpInk };
    MakeLabel(help, u"lblRigo04"_s,
        u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e premere il "
        u"pulsante Cerca."_s,
        QPoint(92, 18), helpLook);
    MakeLabel(help, u"lblRigo05"_s, u"Lasciare in bianco tutti gli altri campi."_s, QPoint(92, 38), helpLook);
    MakeLabel(help, u"lblRigo06"_s, u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_s,
        QPoint(92, 58), helpLook);

    GradientPanel *strip = MakeCard(this, u"shpStriscia"_s, QRect(8, 108, 120, 373), SearchStripCard);
    MakePicture(strip, u"imgStriscia"_s, picture, QRect(8, 40, 104, 77));
    MakePicture(strip, u"imgLente"_s, u":/img/lente.svg"_s, QRect(28, 250, 64, 64));

    MakeCard(this, u"shpCampi"_s, QRect(136, 108, 689, 373), ListFrameCard);

    const LabelLook labelLook { VerdanaFont(12), Palette::Navy };
    QList<QWidget *> cycle;
    for (int i = 0; i < boxes.size(); ++i) {
        const QPoint at(ColumnLeft[i % 2], FirstRowTop + (i / 2) * RowPitch);
        MakeLabel(this, u"lbl"_s + boxes.at(i).name.mid(3), boxes.at(i).label, at - QPoint(0, LabelAbove), labelLook);
        auto *box = new QLineEdit(this);
        box->setObjectName(boxes.at(i).name);
        box->setGeometry(QRect(at, QSize(BoxWidth, BoxHeight)));
        box->setFont(VerdanaFont(12, true));
        box->setStyleSheet(u"QLineEdit { background: white; color: %1; border: 1px solid %2; padding: 0px 4px; }"_s.arg(
            Palette::BoxInk.name(), Palette::ListBorder.name()));
        AttachFocusFrame(box);
        m_boxes.append(box);
        cycle.append(box);
    }
    InstallEnterCycle(cycle);

    m_btnAnnulla = MakeButton(this, u"btnAnnulla"_s, u"Chiudi"_s, QRect(8, 488, 150, 30));
    m_btnCerca = MakeButton(this, u"btnCerca"_s, u"Cerca"_s, QRect(675, 488, 150, 30));
    m_lblAttendere = MakeLabel(this, u"lblAttendere"_s, u"Ricerca schede in corso. Attendere..."_s, QPoint(177, 494),
        { VerdanaFont(10, true), Palette::DarkCyan });
    m_lblAttendere->hide();
    m_lblConta = MakeHiddenLabel(this, u"lblConta"_s);

    for (int i = 1; i < m_boxes.size(); ++i)
        setTabOrder(m_boxes.at(i - 1), m_boxes.at(i));
    if (!m_boxes.isEmpty())
        setTabOrder(m_boxes.last(), m_btnCerca);
    setTabOrder(m_btnCerca, m_btnAnnulla);

    // The waiting line shows from the press on, so it is on screen while the click runs the search.
    m_btnCerca->installEventFilter(this);
    connect(m_btnCerca, &QPushButton::clicked, this, &SearchCriteriaPanel::cercaClicked);
    connect(m_btnAnnulla, &QPushButton::clicked, this, &SearchCriteriaPanel::annullaClicked);
}

QStringList SearchCriteriaPanel::typed() const
{
    QStringList texts;
    for (const QLineEdit *box : m_boxes)
        texts.append(box->text());
    return texts;
}

void SearchCriteriaPanel::setFilledCount(int count)
{
    m_lblConta->setText(QString::number(count));
}

bool SearchCriteriaPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_btnCerca && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        m_lblAttendere->show();
    return GradientPanel::eventFilter(watched, event);
}
