#include "visits/UsciteNonRegistrate.h"

#include "base/Clock.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
#include "widgets/GradientPanel.h"
#include "widgets/ListBox.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"

#include <QItemSelectionModel>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 14;
constexpr int Inner = 952;

} // namespace

TfrmUsciteNonRegistrate::TfrmUsciteNonRegistrate(const QList<UnrecordedExit> &visits, QWidget *parent)
    : Dialog(u"TfrmUsciteNonRegistrate"_s, u" Uscite non registrate"_s, QSize(980, 560), parent,
        Dialog::Placement::CentreOnScreen)
    , m_visits(visits)
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    MakeBanner(this, BannerStyle::List, QRect(Margin, Margin, Inner, 46), u"Uscite non registrate"_s);

    GradientLook look = WhitePanel;
    look.bottom = Palette::PanelBottom;
    GradientPanel *list = MakeCard(this, u"shpVisite"_s, QRect(Margin, 70, Inner, 420), look);
    MakeLabel(list, QString(), u"Visite dei giorni precedenti senza uscita registrata:"_s, QRect(12, 8, 560, 20),
        { VerdanaFont(9, true), Palette::HelpInk });
    MakeLabel(list, QString(), u"Per sceglierne più di una: Ctrl o Maiusc e clic."_s, QRect(572, 8, Inner - 584, 20),
        { VerdanaFont(8), Palette::HelpInk, Qt::AlignRight | Qt::AlignVCenter });
    m_lstVisite = new ListBox(u"lstVisite"_s, QRect(12, 32, Inner - 24, 376), list, ListBox::Order::AsGiven);
    m_lstVisite->setItemFont(QFont(u"Courier New"_s, 10));
    m_lstVisite->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi le visite selezionate"_s, QRect(Margin, 502, 300, 40));
    m_btnEsci = MakeButton(this, u"btnEsci"_s, u"Esci"_s, QRect(Margin + Inner - 150, 502, 150, 40));

    connect(m_btnChiudi, &QPushButton::clicked, this, &TfrmUsciteNonRegistrate::btnChiudiClick);
    connect(m_btnEsci, &QPushButton::clicked, this, [this] { closeDialog(); });

    fill();
    m_lstVisite->setFocus(Qt::OtherFocusReason);
}

void TfrmUsciteNonRegistrate::showFor(QWidget *owner, Opening how)
{
    const QDate today = Clock::today();
    std::optional<QList<UnrecordedExit>> visits;
    try {
        visits = ComputeOffWindow<QList<UnrecordedExit>>(
            owner, u"Ricerca in corso..."_s, [today] { return FindUnrecordedExits(today); });
    } catch (const StorageError &) {
        // At login the lists and the roll-call say it when a file cannot be read.
        if (how == Opening::OnRequest)
            Messages::error(AccessFailureText(), owner);
        return;
    }
    if (!visits)
        return;
    if (how == Opening::OnRequest) {
        TfrmUsciteNonRegistrate dlg(*visits, owner);
        dlg.exec();
        return;
    }
    if (visits->isEmpty())
        return;
    // Modal as any dialog, but not waited for: the login's own work behind it (the day's copy, what
    // follows it and its messages) goes on.
    auto *dlg = new TfrmUsciteNonRegistrate(*visits, owner);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->show();
}

void TfrmUsciteNonRegistrate::fill()
{
    QStringList lines;
    QList<int> tags;
    for (qsizetype i = 0; i < m_visits.size(); ++i) {
        lines.append(m_visits.at(i).line);
        tags.append(int(i));
    }
    m_lstVisite->setLines(lines, tags);
}

void TfrmUsciteNonRegistrate::btnChiudiClick()
{
    QList<int> rows;
    for (const QModelIndex &index : m_lstVisite->selectionModel()->selectedRows())
        rows.append(index.data(Qt::UserRole).toInt());
    if (rows.isEmpty()) {
        Messages::notice(u"Attenzione: selezionare almeno una visita."_s, this);
        return;
    }
    std::sort(rows.begin(), rows.end());
    if (!Messages::confirm(
            u"Le %1 visite selezionate saranno chiuse come uscite non registrate. Continuare?"_s.arg(rows.size()),
            this))
        return;

    QList<UnrecordedExit> chosen;
    for (int row : rows)
        chosen.append(m_visits.at(row));
    // Filled on the worker as each card is done, read here once it has ended.
    QList<qsizetype> settled;
    int written = 0;
    bool failed = false;
    const QDate today = Clock::today();
    try {
        // One sync to the disk per card: a long choice keeps the window painted and can be stopped.
        RunOffWindow(this, u"Chiusura in corso..."_s, [&] {
            CloseUnrecordedExits(chosen, today, [&](qsizetype index, ExitClosing outcome) {
                settled.append(index);
                if (outcome == ExitClosing::Written)
                    ++written;
            });
        });
    } catch (const StorageError &) {
        failed = true;
    }

    // Whatever is settled is no longer open: written here, or closed meanwhile at another desk.
    QList<bool> gone(m_visits.size(), false);
    for (qsizetype index : settled)
        gone[rows.at(index)] = true;
    QList<UnrecordedExit> left;
    for (qsizetype i = 0; i < m_visits.size(); ++i) {
        if (!gone.at(i))
            left.append(m_visits.at(i));
    }
    m_visits = left;
    fill();

    if (failed)
        Messages::error(AccessFailureText(), this);
    if (written > 0)
        RecordActivity(u"salvataggio_visita"_s, u"uscite non registrate: "_s + QString::number(written), this);
    if (!failed)
        Messages::information(u"Visite chiuse: "_s + QString::number(written) + u'.', this);
}
