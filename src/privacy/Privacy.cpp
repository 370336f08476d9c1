#include "privacy/Privacy.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "output/ListReport.h"
#include "output/ReportPrinting.h"
#include "privacy/Retention.h"
#include "storage/PrivacySettings.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
#include "widgets/GradientPanel.h"
#include "widgets/KeyRules.h"
#include "widgets/ListBox.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"
#include "widgets/Screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 14;
constexpr int NoticeLimit = 1200;

QLineEdit *makeBox(QWidget *parent, const QString &name, const QRect &geometry, int maxLength)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(VerdanaFont(10, true));
    box->setStyleSheet(EditBoxStyle());
    box->setMaxLength(maxLength);
    return box;
}

QString previewText(const RetentionCount &count)
{
    QString text = u"Schede di visita da anonimizzare: %1"_s.arg(count.due);
    if (count.unreadableDates > 0)
        text += u", con data non leggibile: %1"_s.arg(count.unreadableDates);
    return text;
}

// A line longer than the page goes on over as many lines as it needs, at its own indent.
QStringList PageLines(const QStringList &lines)
{
    constexpr qreal Width = 262 * ReportLayout::UnitsPerMm; // the list's width less the deepest indent
    QStringList paged;
    for (const QString &line : lines) {
        qsizetype indent = 0;
        while (indent < line.size() && line.at(indent) == u' ')
            ++indent;
        const QStringList parts = WrapReportText(line.mid(indent), u"Courier New"_s, 8, Width);
        if (parts.size() == 1) {
            paged.append(line);
            continue;
        }
        for (const QString &part : parts)
            paged.append(line.left(indent) + part);
    }
    return paged;
}

} // namespace

QString PrivacyFailureText(const QString &file)
{
    return file.isEmpty() ? AccessFailureText() : AccessFailureText() + u"\n\r\n\rArchivio: "_s + file;
}

TfrmPrivacy::TfrmPrivacy(QWidget *parent)
    : Dialog(u"TfrmPrivacy"_s, u" Privacy e conservazione dei dati"_s, QSize(980, 640), parent,
        Dialog::Placement::CentreOnScreen)
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    MakeBanner(this, BannerStyle::List, QRect(Margin, Margin, 952, 46), u"Privacy e conservazione dei dati"_s);

    GradientLook look = WhitePanel;
    look.bottom = Palette::PanelBottom;
    const LabelLook caption { VerdanaFont(9, true), Palette::HelpInk };
    const LabelLook plain { VerdanaFont(9), Palette::HelpInk };

    // Left: retention and the notice.
    GradientPanel *keep = MakeCard(this, u"shpConservazione"_s, QRect(Margin, 70, 470, 160), look);
    MakeLabel(keep, QString(), u"Conserva le visite per mesi:"_s, QRect(12, 12, 230, 28), caption);
    m_txtMesi = makeBox(keep, u"txtMesi"_s, QRect(246, 12, 70, 28), 3);
    InstallDigitFilter(m_txtMesi, nullptr);
    m_lblAnteprima = MakeLabel(keep, u"lblAnteprima"_s, QString(), QRect(12, 50, 446, 22), plain);
    m_lblUltima = MakeLabel(keep, u"lblUltima"_s, QString(), QRect(12, 74, 446, 22), plain);
    m_btnAnonimizza = MakeButton(keep, u"btnAnonimizza"_s, u"Anonimizza ora"_s, QRect(12, 108, 200, 40));

    GradientPanel *notice = MakeCard(this, u"shpInformativa"_s, QRect(Margin, 240, 470, 330), look);
    m_chkInformativa = new QCheckBox(u"Stampa l'informativa sulla ricevuta"_s, notice);
    m_chkInformativa->setObjectName(u"chkInformativa"_s);
    m_chkInformativa->setGeometry(12, 10, 446, 24);
    m_chkInformativa->setFont(VerdanaFont(9, true));
    m_txtInformativa = new QPlainTextEdit(notice);
    m_txtInformativa->setObjectName(u"txtInformativa"_s);
    m_txtInformativa->setGeometry(12, 40, 446, 278);
    m_txtInformativa->setFont(VerdanaFont(9));
    m_txtInformativa->setStyleSheet(
        u"QPlainTextEdit { background: white; border: 1px solid %1; }"_s.arg(Palette::BoxBorder.name()));
    m_btnSalvaImpostazioni = MakeButton(this, u"btnSalvaImpostazioni"_s, u"Salva"_s, QRect(Margin, 580, 200, 40));

    // Right: one person's data.
    GradientPanel *person = MakeCard(this, u"shpPersona"_s, QRect(Margin + 482, 70, 470, 500), look);
    MakeLabel(person, QString(), u"Cognome:"_s, QRect(12, 10, 220, 20), caption);
    m_txtCognomePersona = makeBox(person, u"txtCognomePersona"_s, QRect(12, 32, 220, 28), 60);
    MakeLabel(person, QString(), u"Nome:"_s, QRect(238, 10, 220, 20), caption);
    m_txtNomePersona = makeBox(person, u"txtNomePersona"_s, QRect(238, 32, 220, 28), 60);
    MakeLabel(person, QString(), u"Codice fiscale:"_s, QRect(12, 68, 220, 20), caption);
    m_txtCodFiscPersona = makeBox(person, u"txtCodFiscPersona"_s, QRect(12, 90, 220, 28), 16);
    InstallUpperCaseAsTyped(m_txtCodFiscPersona);
    m_btnCerca = MakeButton(person, u"btnCerca"_s, u"Cerca in tutti gli archivi"_s, QRect(238, 84, 220, 40));
    m_lstSchede = new ListBox(u"lstSchede"_s, QRect(12, 134, 446, 300), person, ListBox::Order::AsGiven);
    m_lstSchede->setItemFont(QFont(u"Courier New"_s, 9));
    m_lblTrovate = MakeLabel(person, u"lblTrovate"_s, QString(), QRect(12, 446, 290, 40), plain);
    m_lblTrovate->setWordWrap(true);
    m_btnStampaPersona = MakeButton(person, u"btnStampaPersona"_s, u"Stampa"_s, QRect(318, 446, 140, 40));
    m_btnStampaPersona->setEnabled(false);
    m_btnCancellaPersona
        = MakeButton(this, u"btnCancellaPersona"_s, u"Anonimizza questa persona"_s, QRect(Margin + 482, 580, 260, 40));
    m_btnCancellaPersona->setEnabled(false);
    m_btnEsci = MakeButton(this, u"btnEsci"_s, u"Chiudi"_s, QRect(Margin + 952 - 150, 580, 150, 40));

    InstallEnterMovesTo(m_txtCognomePersona, m_txtNomePersona);
    InstallEnterMovesTo(m_txtNomePersona, m_txtCodFiscPersona);

    connect(m_txtMesi, &QLineEdit::textChanged, this, &TfrmPrivacy::updatePreview);
    connect(m_btnAnonimizza, &QPushButton::clicked, this, &TfrmPrivacy::btnAnonimizzaClick);
    connect(m_btnSalvaImpostazioni, &QPushButton::clicked, this, &TfrmPrivacy::btnSalvaImpostazioniClick);
    connect(m_btnCerca, &QPushButton::clicked, this, &TfrmPrivacy::btnCercaClick);
    connect(m_btnStampaPersona, &QPushButton::clicked, this, &TfrmPrivacy::btnStampaPersonaClick);
    connect(m_btnCancellaPersona, &QPushButton::clicked, this, &TfrmPrivacy::btnCancellaPersonaClick);
    connect(m_btnEsci, &QPushButton::clicked, this, [this] { closeDialog(); });

    loadSettings();
}

void TfrmPrivacy::loadSettings()
{
    PrivacySettings settings;
    QString noticeText;
    try {
        settings = PrivacySettings::read();
        noticeText = PrivacySettings::readNotice();
    } catch (const StorageError &) {
        Messages::warning(AccessFailureText(), this);
        noticeText = PrivacySettings::defaultNotice();
    }
    const QSignalBlocker quiet(m_txtMesi);
    m_txtMesi->setText(settings.months ? QString::number(*settings.months) : QString());
    m_chkInformativa->setChecked(settings.printNotice);
    m_txtInformativa->setPlainText(noticeText);
    if (settings.lastAutomaticRun.isValid())
        m_lblUltima->setText(
            u"Ultima anonimizzazione automatica: %1, %2 schede."_s.arg(DateText(settings.lastAutomaticRun))
                .arg(settings.lastAutomaticCount));
}

void TfrmPrivacy::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    // Once the window is up: the count reads every year and may show its progress over it.
    if (!m_previewShown) {
        m_previewShown = true;
        QMetaObject::invokeMethod(this, &TfrmPrivacy::updatePreview, Qt::QueuedConnection);
    }
}

std::optional<int> TfrmPrivacy::typedMonths() const
{
    const QString text = TrimmedText(m_txtMesi);
    return text.isEmpty() ? std::nullopt : std::optional<int>(text.toInt());
}

void TfrmPrivacy::updatePreview()
{
    const std::optional<int> months = typedMonths();
    if (!months || *months < 1) {
        m_lblAnteprima->setText(previewText({}));
        return;
    }
    const QDate cutOff = RetentionCutOff(Clock::today(), *months);
    try {
        if (const auto count = ComputeOffWindow<RetentionCount>(
                this, u"Conteggio in corso..."_s, [cutOff] { return CountDueVisits(cutOff); }))
            m_lblAnteprima->setText(previewText(*count));
    } catch (const StorageError &error) {
        m_lblAnteprima->clear();
        Messages::warning(PrivacyFailureText(error.file()), this);
    }
}

void TfrmPrivacy::btnSalvaImpostazioniClick()
{
    const std::optional<int> months = typedMonths();
    if (months && *months < 1) {
        Messages::refuse(
            u"Attenzione: il periodo di conservazione deve essere di almeno un mese."_s, true, this, m_txtMesi);
        return;
    }
    const QString noticeText = m_txtInformativa->toPlainText();
    if (noticeText.size() > NoticeLimit) {
        Messages::refuse(u"Attenzione: l'informativa non può superare 1200 caratteri."_s, true, this, m_txtInformativa);
        return;
    }
    try {
        PrivacySettings settings = PrivacySettings::read();
        settings.months = months;
        settings.printNotice = m_chkInformativa->isChecked();
        settings.write();
        PrivacySettings::writeNotice(noticeText);
    } catch (const StorageError &) {
        Messages::warning(AccessFailureText(), this);
        return;
    }
    RecordActivity(u"impostazioni_privacy"_s,
        (months ? u"mesi %1"_s.arg(*months) : u"mesi -"_s)
            + (m_chkInformativa->isChecked() ? u", informativa sulla ricevuta"_s : QString()),
        this);
    Messages::information(u"Impostazioni salvate."_s, this);
}

void TfrmPrivacy::btnAnonimizzaClick()
{
    const std::optional<int> months = typedMonths();
    if (months && *months < 1) {
        Messages::refuse(
            u"Attenzione: il periodo di conservazione deve essere di almeno un mese."_s, true, this, m_txtMesi);
        return;
    }
    if (!months) {
        Messages::information(u"Nessuna scheda da rendere anonima."_s, this);
        return;
    }
    const QDate cutOff = RetentionCutOff(Clock::today(), *months);
    std::optional<int> done;
    try {
        const auto count = ComputeOffWindow<RetentionCount>(
            this, u"Conteggio in corso..."_s, [cutOff] { return CountDueVisits(cutOff); });
        if (!count)
            return;
        m_lblAnteprima->setText(previewText(*count));
        if (count->due == 0) {
            Messages::information(u"Nessuna scheda da rendere anonima."_s, this);
            return;
        }
        if (!Messages::confirm(u"Attenzione: %1 schede di visita con data d'ingresso anteriore al %2 saranno rese "
                               u"anonime in modo definitivo. Continuare?"_s.arg(count->due)
                                   .arg(DateText(cutOff)),
                this))
            return;
        // Annulla stops it between two cards: those already written stay anonymous.
        done = ComputeOffWindow<int>(
            this, u"Anonimizzazione in corso..."_s, [cutOff] { return AnonymiseDueVisits(cutOff); });
    } catch (const StorageError &error) {
        Messages::warning(PrivacyFailureText(error.file()), this);
        updatePreview();
        return;
    }
    updatePreview();
    if (!done)
        return;
    RecordActivity(u"anonimizzazione"_s, DateText(cutOff) + u' ' + QString::number(*done), this);
    Messages::information(u"Schede rese anonime: %1."_s.arg(*done), this);
}

void TfrmPrivacy::btnCercaClick()
{
    const PersonQuery query { TrimmedText(m_txtCognomePersona), TrimmedText(m_txtNomePersona),
        TrimmedText(m_txtCodFiscPersona) };
    if (!IsCompletePersonQuery(query)) {
        Messages::refuse(u"Attenzione: indicare il codice fiscale oppure cognome e nome della persona."_s, true, this,
            query.fiscalCode.isEmpty() && query.surname.isEmpty() ? m_txtCognomePersona : m_txtCodFiscPersona);
        return;
    }
    try {
        const auto found
            = ComputeOffWindow<PersonCards>(this, u"Ricerca in corso..."_s, [query] { return FindPersonCards(query); });
        if (!found)
            return;
        m_found = *found;
        m_foundFor = query;
    } catch (const StorageError &error) {
        Messages::warning(PrivacyFailureText(error.file()), this);
        return;
    }
    showFound();
}

void TfrmPrivacy::showFound()
{
    m_lstSchede->setLines(m_found.lines);
    m_lblTrovate->setText(
        u"Schede trovate: %1 visite, %2 schede anagrafiche."_s.arg(m_found.visits.size()).arg(m_found.clients.size()));
    m_btnCancellaPersona->setEnabled(!m_found.visits.isEmpty() || !m_found.clients.isEmpty());
    m_btnStampaPersona->setEnabled(m_foundFor.has_value());
}

void TfrmPrivacy::btnStampaPersonaClick()
{
    if (!m_foundFor)
        return;
    QStringList lines;
    try {
        const auto report = ComputeOffWindow<QStringList>(this, u"Preparazione della stampa in corso..."_s,
            [query = *m_foundFor, cards = m_found] { return PersonReportLines(query, cards, Clock::today()); });
        if (!report)
            return;
        lines = PageLines(*report);
    } catch (const StorageError &error) {
        Messages::warning(PrivacyFailureText(error.file()), this);
        return;
    }
    if (PrintReport(this, BuildListReport(u"DATI PERSONALI CONSERVATI"_s, lines, Clock::today()))
        == PrintOutcome::Printed)
        RecordActivity(
            u"accesso_dati_persona"_s, u"%1 %2"_s.arg(m_found.visits.size()).arg(m_found.clients.size()), this);
}

void TfrmPrivacy::btnCancellaPersonaClick()
{
    const qsizetype visits = m_found.visits.size();
    const qsizetype clients = m_found.clients.size();
    if (visits + clients == 0)
        return;
    if (!Messages::confirm(
            u"Attenzione: %1 schede di visita e %2 schede anagrafiche di questa persona saranno rese "
            u"anonime in modo definitivo e i documenti allegati saranno eliminati. Continuare?"_s.arg(visits)
                .arg(clients),
            this))
        return;
    ErasedCounts erased;
    try {
        erased = ErasePersonCards(m_found);
    } catch (const StorageError &error) {
        Messages::warning(PrivacyFailureText(error.file()), this);
        return;
    }
    // Never the person's name: the register would keep what was just erased.
    RecordActivity(u"cancellazione_persona"_s, u"%1 %2"_s.arg(erased.visits).arg(erased.clients), this);
    Messages::information(
        u"Dati della persona resi anonimi: %1 schede di visita, %2 schede anagrafiche."_s.arg(erased.visits)
            .arg(erased.clients),
        this);
    m_found = {};
    m_foundFor.reset();
    showFound();
}
