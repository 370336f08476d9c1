#include "summaries/MenuRiepilogo.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "storage/VisitFile.h"
#include "summaries/Riepilogo.h"
#include "summaries/SummaryCriteria.h"
#include "summaries/VisitSummary.h"
#include "widgets/FocusFrame.h"
#include "widgets/GradientPanel.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

using namespace Qt::StringLiterals;

namespace {

// A list that takes no typing: a value can only be chosen from it. Enter moves on, the wheel does
// not change it, and leaving it empties a text that is not one of its items.
class PickOnlyList : public QObject
{
public:
    PickOnlyList(QComboBox *list, QWidget *next, QString (*kept)(const QString &))
        : QObject(list)
        , m_list(list)
        , m_next(next)
        , m_kept(kept)
    {
        list->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_next->setFocus(Qt::OtherFocusReason);
                return true;
            }
            // The keys that open a drop-down or move in it; typing still chooses nothing.
            static const QList<int> pickingKeys { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down,
                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_F4, Qt::Key_Space };
            return !pickingKeys.contains(key);
        }
        case QEvent::Wheel:
            return true;
        case QEvent::FocusOut:
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason
                && m_kept(m_list->currentText()).isEmpty())
                m_list->setCurrentIndex(-1);
            return false;
        default:
            return false;
        }
    }

private:
    QComboBox *m_list;
    QWidget *m_next;
    QString (*m_kept)(const QString &);
};

} // namespace

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent)
    : Screen(
        u"TfrmMenuRiepilogo"_s, u" Portavel - Riepilogo Visite"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    QWidget *p = panel();
    const Banner banner = MakeBanner(p, BannerStyle::Screen, ScreenBannerRect.adjusted(0, 0, 0, 10),
        u"RIEPILOGO INGRESSI E USCITE VISITATORI"_s, u":/img/tile_riepilogo.svg"_s);
    banner.title->setGeometry(150, 12, 780, 40);
    MakeLabel(banner.widget, QString(),
        u"In questo ambiente è possibile visualizzare e stampare il riepilogo delle visite registrate in un "
        u"periodo dell'anno, per tutti i motivi o per uno solo."_s,
        QRect(150, 56, 760, 44), { VerdanaFont(11), Palette::TitleInk, Qt::AlignLeft | Qt::AlignVCenter, true });

    buildYearAndReason();
    buildPeriod();

    m_lblAttendere = MakeLabel(p, u"lblAttendere"_s, u"Caricamento riepilogo in corso. Attendere..."_s,
        QRect(260, 620, 475, 44), { VerdanaFont(12), Palette::DarkCyan, Qt::AlignCenter });
    m_lblAttendere->hide();
    m_btnEsci
        = MakeButton(p, u"btnEsci"_s, u"Esci"_s, QRect(40, 620, 200, 44), ButtonStyle::Plain, u":/img/reg_esci.svg"_s);
    m_btnVisualizza = MakeButton(p, u"btnVisualizza"_s, u"Visualizza riepilogo"_s, QRect(715, 620, 240, 44),
        ButtonStyle::Plain, u":/img/reg_trova.svg"_s);

    m_lblDataInizio = MakeHiddenLabel(p, u"lblDataInizio"_s);
    m_lblDataFine = MakeHiddenLabel(p, u"lblDataFine"_s);
    m_lblFile = MakeHiddenLabel(p, u"lblFile"_s);

    InstallYearBoxFilter(m_txtAnno, m_txtTipologia);
    InstallEnterMovesTo(m_txtTipologia, m_txtGiornoInizio);
    new PickOnlyList(m_txtGiornoInizio, m_txtMeseInizio, KeptDayText);
    new PickOnlyList(m_txtMeseInizio, m_txtGiornoFine, KeptMonthText);
    new PickOnlyList(m_txtGiornoFine, m_txtMeseFine, KeptDayText);
    new PickOnlyList(m_txtMeseFine, m_btnVisualizza, KeptMonthText);

    setTabOrder(m_txtAnno, m_txtTipologia);
    setTabOrder(m_txtTipologia, m_txtGiornoInizio);
    setTabOrder(m_txtGiornoInizio, m_txtMeseInizio);
    setTabOrder(m_txtMeseInizio, m_txtGiornoFine);
    setTabOrder(m_txtGiornoFine, m_txtMeseFine);
    setTabOrder(m_txtMeseFine, m_btnEsci);
    setTabOrder(m_btnEsci, m_btnVisualizza);

    // The year labels follow the box as it changes, however it changes (typed, pasted, set).
    connect(m_txtAnno, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_lblAnnoInizio->setText(TrimText(text));
        m_lblAnnoFine->setText(TrimText(text));
    });
    // The notice shows as the button goes down, before the summary is read.
    connect(m_btnVisualizza, &QPushButton::pressed, m_lblAttendere, &QWidget::show);
    connect(m_btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogo::btnVisualizzaClick);
    connect(m_btnEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmMenuRiepilogo::buildYearAndReason()
{
    GradientPanel *card = MakeCard(panel(), u"shpCriteri"_s, QRect(40, 150, 915, 160), TileCard);
    MakeLabel(card, u"lblCampo01"_s, u"Indicare l'anno solare di interesse e il motivo della visita."_s,
        QRect(24, 14, 860, 24), { VerdanaFont(11, true), Palette::TitleInk });

    MakeLabel(card, QString(), u"Anno:"_s, QRect(24, 56, 70, 34), { VerdanaFont(10, true), Palette::Navy });
    m_txtAnno = new QLineEdit(card);
    m_txtAnno->setObjectName(u"txtAnno"_s);
    m_txtAnno->setGeometry(96, 60, 90, 28);
    m_txtAnno->setFont(VerdanaFont(12, true));
    m_txtAnno->setAlignment(Qt::AlignCenter);
    m_txtAnno->setStyleSheet(EditBoxStyle());
    m_txtAnno->setMaxLength(4);
    AttachFocusFrame(m_txtAnno);

    MakeLabel(card, QString(), u"Motivo della visita:"_s, QRect(226, 56, 180, 34),
        { VerdanaFont(10, true), Palette::Navy, Qt::AlignRight | Qt::AlignVCenter });
    m_txtTipologia = new QLineEdit(card);
    m_txtTipologia->setObjectName(u"txtTipologia"_s);
    m_txtTipologia->setGeometry(416, 60, 470, 28);
    m_txtTipologia->setFont(VerdanaFont(12, true));
    m_txtTipologia->setStyleSheet(EditBoxStyle());
    m_txtTipologia->setMaxLength(30);
    AttachFocusFrame(m_txtTipologia);

    MakeLabel(card, u"lblCampo02"_s,
        u"Per ottenere il riepilogo di tutte le visite a prescindere dal motivo, lasciare in bianco il relativo "
        u"campo."_s,
        QRect(24, 104, 860, 40), { VerdanaFont(9), Palette::HelpInk, Qt::AlignLeft | Qt::AlignVCenter, true });
}

void TfrmMenuRiepilogo::buildPeriod()
{
    GradientPanel *card = MakeCard(panel(), u"shpPeriodo"_s, QRect(40, 326, 915, 270), TileCard);
    MakeLabel(card, u"lblCampo03"_s, u"Indicare l'intervallo di tempo relativo al periodo da riepilogare."_s,
        QRect(24, 14, 860, 24), { VerdanaFont(11, true), Palette::TitleInk });
    buildDateGroup(card, QRect(24, 52, 420, 196), u" Data inizio intervallo: "_s, u"txtGiornoInizio"_s,
        u"txtMeseInizio"_s, u"lblAnnoInizio"_s);
    buildDateGroup(card, QRect(471, 52, 420, 196), u" Data fine intervallo: "_s, u"txtGiornoFine"_s, u"txtMeseFine"_s,
        u"lblAnnoFine"_s);
}

void TfrmMenuRiepilogo::buildDateGroup(QWidget *parent, const QRect &geometry, const QString &title,
    const QString &giorno, const QString &mese, const QString &anno)
{
    GradientPanel *group
        = MakeCard(parent, QString(), geometry, { Qt::white, Palette::SectionBottom, Palette::SteelBlue, 1, 8 });
    MakeLabel(group, QString(), TrimText(title), QRect(16, 10, 380, 26), { VerdanaFont(11, true), Palette::SteelBlue });
    MakeCard(group, QString(), QRect(16, 38, geometry.width() - 32, 2), { Palette::SteelBlue, Palette::SteelBlue });

    MakeLabel(group, QString(), u"Giorno:"_s, QRect(16, 62, 90, 24), { VerdanaFont(10, true), Palette::Navy });
    QComboBox *day = makeList(group, giorno, SummaryDayItems(), QRect(16, 92, 86, 32));
    MakeLabel(group, QString(), u"Mese:"_s, QRect(126, 62, 90, 24), { VerdanaFont(10, true), Palette::Navy });
    QComboBox *month = makeList(group, mese, SummaryMonthItems(), QRect(126, 92, 170, 32));
    QLabel *year = MakeLabel(
        group, anno, u"ANNO"_s, QRect(314, 88, 92, 40), { VerdanaFont(18, true), Palette::Navy, Qt::AlignCenter });
    MakeLabel(group, QString(), u"Scegliere il giorno e il mese dagli elenchi a cascata."_s, QRect(16, 146, 390, 30),
        { VerdanaFont(8), Palette::HelpInk, Qt::AlignLeft | Qt::AlignVCenter, true });

    if (giorno == u"txtGiornoInizio"_s) {
        m_txtGiornoInizio = day;
        m_txtMeseInizio = month;
        m_lblAnnoInizio = year;
    } else {
        m_txtGiornoFine = day;
        m_txtMeseFine = month;
        m_lblAnnoFine = year;
    }
}

QComboBox *TfrmMenuRiepilogo::makeList(
    QWidget *parent, const QString &name, const QStringList &items, const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setFont(VerdanaFont(12, true));
    list->setStyleSheet(DropDownStyle());
    list->setCursor(Qt::PointingHandCursor);
    list->addItems(items);
    list->setMaxVisibleItems(12);
    // The 31 days do not fit the open list: its scroll bar shows that more follow.
    list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setCurrentIndex(-1);
    AttachFocusFrame(list);
    return list;
}

void TfrmMenuRiepilogo::onShow()
{
    for (QComboBox *list : { m_txtGiornoInizio, m_txtMeseInizio, m_txtGiornoFine, m_txtMeseFine })
        list->setCurrentIndex(-1);
    m_txtAnno->setText(u"%1"_s.arg(Clock::today().year(), 4, 10, QChar(u'0')));
    m_lblAttendere->hide();
    m_txtTipologia->setFocus();
}

void TfrmMenuRiepilogo::onClose()
{
    switchTo(Screen::of(ScreenId::Avvio));
}

void TfrmMenuRiepilogo::failCheck(const QString &message, bool warning, QWidget *focus)
{
    Messages::refuse(message, warning, this, focus);
    m_lblAttendere->hide();
}

void TfrmMenuRiepilogo::btnVisualizzaClick()
{
    m_lblDataInizio->clear();
    m_lblDataFine->clear();
    const CriteriaCheck check = CheckSummaryCriteria({ m_txtAnno->text(), m_txtGiornoInizio->currentText(),
        m_txtMeseInizio->currentText(), m_txtGiornoFine->currentText(), m_txtMeseFine->currentText() });
    m_lblDataInizio->setText(check.dataInizio);
    m_lblDataFine->setText(check.dataFine);
    if (!check.accepted) {
        QWidget *focus = nullptr;
        switch (check.focus) {
        case CriteriaBox::Anno:
            focus = m_txtAnno;
            break;
        case CriteriaBox::GiornoInizio:
            focus = m_txtGiornoInizio;
            break;
        case CriteriaBox::MeseInizio:
            focus = m_txtMeseInizio;
            break;
        case CriteriaBox::GiornoFine:
            focus = m_txtGiornoFine;
            break;
        case CriteriaBox::MeseFine:
            focus = m_txtMeseFine;
            break;
        case CriteriaBox::None:
            break;
        }
        failCheck(check.message, check.warning, focus);
        return;
    }

    const QString yearFile = VisitFilePath(TrimText(m_txtAnno->text()));
    m_lblFile->setText(yearFile);
    // Also when the button was pressed from the keyboard; painted now, as reading a long year takes a while.
    m_lblAttendere->show();
    m_lblAttendere->repaint();
    try {
        const SummaryRequest request { yearFile, check.dataInizio, check.dataFine, m_txtTipologia->text() };
        const std::optional<VisitSummary> read = ComputeOffWindow<VisitSummary>(
            this, u"Riepilogo in corso..."_s, [&request] { return ReadVisitSummary(request); });
        if (!read) {
            m_lblAttendere->hide();
            return;
        }
        TfrmRiepilogo summary(this);
        if (!summary.buildSummary(request, *read)) {
            failCheck(u"Attenzione: il file di archivio non risulta accessibile."_s, false, nullptr);
            return;
        }
        summary.exec();
    } catch (const std::exception &) {
        failCheck(u"Attenzione: il file di archivio non risulta accessibile."_s, false, nullptr);
        return;
    }
    m_lblAttendere->hide();
}
