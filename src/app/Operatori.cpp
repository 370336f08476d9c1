#include "app/Operatori.h"

#include "base/Session.h"
#include "base/TextFunctions.h"
#include "storage/ActivityLog.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
#include "widgets/GradientPanel.h"
#include "widgets/ListBox.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"
#include "widgets/Screen.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 14;
constexpr int Inner = 692;

QLineEdit *makeBox(QWidget *parent, const QString &name, const QRect &geometry, bool masked)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(VerdanaFont(10, true));
    box->setStyleSheet(EditBoxStyle());
    box->setMaxLength(60);
    if (masked)
        box->setEchoMode(QLineEdit::Password);
    return box;
}

QString operatorLine(const Operator &op)
{
    return FixedColumn(op.name, 24) + u"  "_s + FixedColumn(RoleName(op.role), 14) + u"  "_s
        + (op.active ? u"attivo"_s : u"disattivato"_s);
}

} // namespace

TfrmOperatori::TfrmOperatori(QWidget *parent)
    : Dialog(u"TfrmOperatori"_s, u" Operatori"_s, QSize(720, 486), parent, Dialog::Placement::CentreOnScreen)
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    MakeBanner(this, BannerStyle::List, QRect(Margin, Margin, Inner, 46), u"Operatori e permessi"_s);

    GradientLook look = WhitePanel;
    look.bottom = Palette::PanelBottom;
    const LabelLook caption { VerdanaFont(9, true), Palette::HelpInk };
    GradientPanel *list = MakeCard(this, u"shpElenco"_s, QRect(Margin, 70, 440, 300), look);
    MakeLabel(list, QString(), u"Operatori:"_s, QRect(12, 8, 300, 20), caption);
    m_lstOperatori = new ListBox(u"lstOperatori"_s, QRect(12, 30, 416, 258), list, ListBox::Order::AsGiven);
    m_lstOperatori->setItemFont(QFont(u"Courier New"_s, 10));

    GradientPanel *boxes = MakeCard(this, u"shpDati"_s, QRect(Margin + 450, 70, Inner - 450, 300), look);
    const int width = Inner - 450 - 24;
    MakeLabel(boxes, QString(), u"Nome:"_s, QRect(12, 8, width, 20), caption);
    m_txtNome = makeBox(boxes, u"txtNome"_s, QRect(12, 30, width, 30), false);
    MakeLabel(boxes, QString(), u"Password:"_s, QRect(12, 72, width, 20), caption);
    m_txtPassword = makeBox(boxes, u"txtPassword"_s, QRect(12, 94, width, 30), true);
    MakeLabel(boxes, QString(), u"Conferma password:"_s, QRect(12, 136, width, 20), caption);
    m_txtConferma = makeBox(boxes, u"txtConferma"_s, QRect(12, 158, width, 30), true);
    MakeLabel(boxes, QString(), u"Ruolo:"_s, QRect(12, 200, width, 20), caption);
    m_cboRuolo = new QComboBox(boxes);
    m_cboRuolo->setObjectName(u"cboRuolo"_s);
    m_cboRuolo->setGeometry(12, 222, width, 30);
    m_cboRuolo->setFont(VerdanaFont(10, true));
    m_cboRuolo->setStyleSheet(DropDownStyle());
    m_cboRuolo->addItems({ RoleName(OperatorRole::Amministratore), RoleName(OperatorRole::Operatore) });

    const int row1 = 382;
    const int buttonWidth = (Inner - 3 * 8) / 4;
    m_btnAggiungi = MakeButton(this, u"btnAggiungi"_s, u"Aggiungi"_s, QRect(Margin, row1, buttonWidth, 40));
    m_btnCambiaRuolo = MakeButton(
        this, u"btnCambiaRuolo"_s, u"Cambia ruolo"_s, QRect(Margin + (buttonWidth + 8), row1, buttonWidth, 40));
    m_btnDisattiva = MakeButton(
        this, u"btnDisattiva"_s, u"Disattiva/Riattiva"_s, QRect(Margin + 2 * (buttonWidth + 8), row1, buttonWidth, 40));
    m_btnNuovaPassword = MakeButton(
        this, u"btnNuovaPassword"_s, u"Nuova password"_s, QRect(Margin + 3 * (buttonWidth + 8), row1, buttonWidth, 40));
    const int row2 = row1 + 50;
    m_btnVerificaRegistro = MakeButton(
        this, u"btnVerificaRegistro"_s, u"Verifica registro attività"_s, QRect(Margin, row2, 2 * buttonWidth + 8, 40));
    m_btnEsci = MakeButton(this, u"btnEsci"_s, u"Chiudi"_s, QRect(Margin + Inner - buttonWidth, row2, buttonWidth, 40));

    setTabOrder(m_txtNome, m_txtPassword);
    setTabOrder(m_txtPassword, m_txtConferma);
    setTabOrder(m_txtConferma, m_cboRuolo);
    setTabOrder(m_cboRuolo, m_btnAggiungi);

    connect(m_btnAggiungi, &QPushButton::clicked, this, &TfrmOperatori::btnAggiungiClick);
    connect(m_btnCambiaRuolo, &QPushButton::clicked, this, &TfrmOperatori::btnCambiaRuoloClick);
    connect(m_btnDisattiva, &QPushButton::clicked, this, &TfrmOperatori::btnDisattivaClick);
    connect(m_btnNuovaPassword, &QPushButton::clicked, this, &TfrmOperatori::btnNuovaPasswordClick);
    connect(m_btnVerificaRegistro, &QPushButton::clicked, this, &TfrmOperatori::btnVerificaRegistroClick);
    connect(m_btnEsci, &QPushButton::clicked, this, [this] { closeDialog(); });
    connect(
        m_lstOperatori->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmOperatori::updateButtons);

    fill();
    m_txtNome->setFocus(Qt::OtherFocusReason);
}

void TfrmOperatori::fill(const QString &selectName)
{
    try {
        m_operators = OperatorStore::read();
    } catch (const StorageError &) {
        m_operators.clear();
        Messages::warning(AccessFailureText(), this);
    }
    QStringList lines;
    QList<int> tags;
    int selectRow = -1;
    for (int i = 0; i < m_operators.size(); ++i) {
        lines.append(operatorLine(m_operators.at(i)));
        tags.append(i);
        if (!selectName.isEmpty() && m_operators.at(i).name.compare(selectName, Qt::CaseInsensitive) == 0)
            selectRow = i;
    }
    m_lstOperatori->setLines(lines, tags);
    if (selectRow >= 0)
        m_lstOperatori->selectRow(selectRow);
    updateButtons();
}

QString TfrmOperatori::selectedName() const
{
    const int tag = m_lstOperatori->selectedTag();
    return tag >= 0 && tag < m_operators.size() ? m_operators.at(tag).name : QString();
}

void TfrmOperatori::updateButtons()
{
    const bool chosen = !selectedName().isEmpty();
    m_btnCambiaRuolo->setEnabled(chosen);
    m_btnDisattiva->setEnabled(chosen);
    m_btnNuovaPassword->setEnabled(chosen);
}

void TfrmOperatori::clearBoxes()
{
    m_txtNome->clear();
    m_txtPassword->clear();
    m_txtConferma->clear();
}

bool TfrmOperatori::change(const std::function<OperatorRefusal()> &action)
{
    OperatorRefusal refusal;
    try {
        refusal = action();
    } catch (const StorageError &) {
        Messages::warning(AccessFailureText(), this);
        return false;
    }
    const auto refuse = [this](const QString &text, QWidget *focus) { Messages::refuse(text, true, this, focus); };
    switch (refusal) {
    case OperatorRefusal::None:
        return true;
    case OperatorRefusal::BlankName:
        refuse(u"Attenzione: indicare il nome dell'operatore."_s, m_txtNome);
        break;
    case OperatorRefusal::NameTaken:
        refuse(u"Attenzione: esiste già un operatore con questo nome."_s, m_txtNome);
        break;
    case OperatorRefusal::ShortPassword:
        refuse(u"Attenzione: la password deve contenere almeno 8 caratteri."_s, m_txtPassword);
        break;
    case OperatorRefusal::ConfirmationDiffers:
        refuse(u"Attenzione: la password e la conferma non coincidono."_s, m_txtConferma);
        break;
    case OperatorRefusal::FirstNotAdministrator:
        refuse(u"Attenzione: il primo operatore deve essere un amministratore."_s, m_cboRuolo);
        break;
    case OperatorRefusal::NoActiveAdministrator:
        refuse(u"Attenzione: deve restare almeno un amministratore attivo."_s, m_lstOperatori);
        break;
    case OperatorRefusal::UnknownOperator:
        // Another desk changed the list meanwhile: show it as it is now.
        fill();
        break;
    }
    return false;
}

void TfrmOperatori::btnAggiungiClick()
{
    const QString name = TrimmedText(m_txtNome);
    const OperatorRole role = m_cboRuolo->currentIndex() == 0 ? OperatorRole::Amministratore : OperatorRole::Operatore;
    if (!change([&] { return OperatorStore::add(name, m_txtPassword->text(), m_txtConferma->text(), role); }))
        return;
    RecordActivity(u"operatore"_s, u"aggiunto "_s + name, this);
    fill(name);
    clearBoxes();
    Messages::information(u"Operatore aggiunto."_s, this);
    m_txtNome->setFocus(Qt::OtherFocusReason);
}

void TfrmOperatori::btnCambiaRuoloClick()
{
    const QString name = selectedName();
    if (name.isEmpty() || !change([&] { return OperatorStore::changeRole(name); }))
        return;
    RecordActivity(u"operatore"_s, u"ruolo "_s + name, this);
    fill(name);
    // Whoever is logged in under that name works with the new role from now on.
    if (Session::operatorName().compare(name, Qt::CaseInsensitive) == 0) {
        for (const Operator &op : std::as_const(m_operators)) {
            if (op.name.compare(name, Qt::CaseInsensitive) == 0)
                Session::logIn(op.name, op.role);
        }
    }
}

void TfrmOperatori::btnDisattivaClick()
{
    const QString name = selectedName();
    bool nowActive = false;
    if (name.isEmpty() || !change([&] { return OperatorStore::toggleActive(name, &nowActive); }))
        return;
    RecordActivity(u"operatore"_s, (nowActive ? u"riattivato "_s : u"disattivato "_s) + name, this);
    fill(name);
}

void TfrmOperatori::btnNuovaPasswordClick()
{
    const QString name = selectedName();
    if (name.isEmpty()
        || !change([&] { return OperatorStore::setPassword(name, m_txtPassword->text(), m_txtConferma->text()); }))
        return;
    RecordActivity(u"operatore"_s, u"password "_s + name, this);
    m_txtPassword->clear();
    m_txtConferma->clear();
    Messages::information(u"Password modificata."_s, this);
}

void TfrmOperatori::btnVerificaRegistroClick()
{
    std::optional<ActivityLog::Check> check;
    try {
        check = ComputeOffWindow<ActivityLog::Check>(this, u"Verifica del registro in corso..."_s,
            [path = ActivityLog::path()] { return ActivityLog::verify(path); });
    } catch (const StorageError &) {
        Messages::warning(AccessFailureText(), this);
        return;
    }
    if (!check)
        return;
    if (check->intact)
        Messages::information(u"Il registro delle attività è integro: %1 righe."_s.arg(check->lines), this);
    else
        Messages::warning(
            u"Attenzione: il registro delle attività è stato alterato alla riga %1."_s.arg(check->firstBadLine), this);
}
