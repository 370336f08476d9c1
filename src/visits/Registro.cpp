#include "visits/Registro.h"

#include "base/Clock.h"
#include "base/Session.h"
#include "base/TextFunctions.h"
#include "checks/CodFisc.h"
#include "clients/TrovaClienti.h"
#include "storage/StorableText.h"
#include "storage/VisitFile.h"
#include "visits/EntratiOggi.h"
#include "visits/ExpVisite.h"
#include "visits/NonUsciti.h"
#include "visits/QuickExit.h"
#include "visits/StampaVisita.h"
#include "visits/TrovaVisite.h"
#include "visits/UscitiOggi.h"
#include "visits/VisitCardLabels.h"
#include "visits/VisitCardRules.h"
#include "widgets/Activity.h"
#include "widgets/ClickableImage.h"
#include "widgets/FocusFrame.h"
#include "widgets/GradientPanel.h"
#include "widgets/Help.h"
#include "widgets/HintLine.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/Roles.h"
#include "widgets/StorableBoxes.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace {

constexpr int RowPitch = 34;
constexpr int BoxHeight = 26;
constexpr int HeaderHeight = 26;
constexpr int LabelLeft = 12;
constexpr int LabelWidth = 200;
constexpr int BoxLeft = 222;
constexpr int SectionLeft = 252;
constexpr int SectionWidth = 735;

QString today()
{
    return DateText(Clock::today());
}

QString captionFor(const QString &year)
{
    return u" Portavel - Archivio Visite anno "_s + year;
}

QString currentTime()
{
    return TimeText(Clock::now().time());
}

struct Row
{
    VisitField field;
    int width;
    // The picture beside the box, if any.
    const char16_t *image = nullptr;
    const char16_t *icon = nullptr;
    const char16_t *hint = nullptr;
    void (TfrmRegistro::*slot)() = nullptr;
    // F2 in the box does what the image does.
    bool byF2 = false;
};

constexpr int Long = 465;
constexpr int Medium = 300;

const char16_t *const DateHint = u"Inserisci data corrente.";
const char16_t *const TimeHint = u"Inserisci ora corrente.";
const char16_t *const ImportHint = u"Importa dati da Archivio Anagrafico.";

QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : RecordEditor(u"TfrmRegistro"_s, captionFor(QString()), u"Pronto per archiviare una nuova scheda..."_s, parent)
{
    buildRecordBar();
    buildButtons();
    buildSections();

    m_lblFile = MakeHiddenLabel(panel(), u"lblFile"_s);
    hintLine()->raise();
}

void TfrmRegistro::buildRecordBar()
{
    GradientPanel *bar = MakeCard(panel(), u"shpRecord"_s, QRect(8, 6, 232, 56),
        { Qt::white, Palette::LightSteelBlue, Palette::SteelBlue, 1, 6 });
    hintLine()->addBackground(bar);
    makeRecordBar(bar, QPoint(8, 0), bar->height(), { 32, 64, 32 });
}

ClickableImage *TfrmRegistro::makeImage(
    QWidget *parent, const QString &name, const QString &icon, const QRect &geometry)
{
    auto *image = new ClickableImage(name, icon, geometry, parent);
    image->setAttribute(Qt::WA_TranslucentBackground);
    return image;
}

void TfrmRegistro::buildButtons()
{
    struct Button
    {
        const char16_t *name;
        const char16_t *caption;
        const char16_t *icon;
        const char16_t *hint;
        void (TfrmRegistro::*slot)();
        bool groupStart;
    };
    const Button buttons[] = {
        { u"btnNuovo", u"Nuovo", u":/img/reg_nuovo.svg",
            u"Prepara la schermata per la registrazione di una nuova scheda.", &TfrmRegistro::btnNuovoClick, false },
        { u"btnSalva", u"Salva", u":/img/reg_salva.svg", u"Salva la scheda corrente in archivio.",
            &TfrmRegistro::btnSalvaClick, false },
        { u"btnTrova", u"Trova", u":/img/reg_trova.svg", u"Trova una scheda in archivio.", &TfrmRegistro::btnTrovaClick,
            false },
        { u"btnNonUsciti", u"Visitatori non ancora usciti", u":/img/reg_nonusciti.svg",
            u"Visualizza l'elenco dei Visitatori non ancora usciti.", &TfrmRegistro::btnNonUscitiClick, true },
        { u"btnEntratiOggi", u"Visitatori entrati oggi", u":/img/reg_entrati.svg",
            u"Visualizza l'elenco dei Visitatori entrati oggi.", &TfrmRegistro::btnEntratiOggiClick, false },
        { u"btnUscitiOggi", u"Visitatori usciti oggi", u":/img/reg_usciti.svg",
            u"Visualizza l'elenco dei Visitatori usciti oggi.", &TfrmRegistro::btnUscitiOggiClick, false },
        { u"btnStampa", u"Stampa", u":/img/reg_stampa.svg", u"Stampa la scheda corrente.",
            &TfrmRegistro::btnStampaClick, true },
        { u"btnExcel", u"Esporta archivio in Excel", u":/img/reg_excel.svg",
            u"Esporta le schede in archivio in un file di Microsoft Excel.", &TfrmRegistro::btnExcelClick, false },
        { u"btnGuida", u"Guida", u":/img/reg_guida.svg", u"Visualizza la guida in linea.", &TfrmRegistro::btnGuidaClick,
            true },
        { u"btnEsci", u"Esci", u":/img/reg_esci.svg", u"Esci da questa schermata di lavoro.",
            &TfrmRegistro::btnEsciClick, false },
    };
    int top = 72;
    for (const Button &b : buttons) {
        if (b.groupStart)
            top += 12;
        QPushButton *button = MakeButton(
            panel(), text(b.name), text(b.caption), QRect(8, top, 232, 48), ButtonStyle::Command, text(b.icon));
        hintLine()->addHint(button, text(b.hint));
        connect(button, &QPushButton::clicked, this, b.slot);
        top += 54;
    }
}

void TfrmRegistro::buildSections()
{
    const QFont labelFont = VerdanaFont(10, true);
    const QFont boxFont = VerdanaFont(12, true);
    QList<QWidget *> cycle;

    using F = VisitField;
    using R = TfrmRegistro;
    // One list of rows per part of the card; each part is headed by its rows' section.
    const QList<QList<Row>> sections = {
        {
            { F::DataEnt, 130, u"impDataEnt", u":/img/reg_data.svg", DateHint, &R::impDataEntClick, true },
            { F::OraEnt, 80, u"impOraEnt", u":/img/reg_ora.svg", TimeHint, &R::impOraEntClick, true },
            { F::OperatoreEnt, Long, u"impOperatoreEnt", u":/img/reg_importa.svg", ImportHint,
                &R::impOperatoreEntClick },
        },
        {
            { F::Cognome, Long },
            { F::Nome, Long, u"impVisitatore", u":/img/reg_importa.svg", ImportHint, &R::impVisitatoreClick },
            { F::CodFisc, 230, u"impCodFisc", u":/img/reg_codfisc.svg", u"Controlla codice fiscale.",
                &R::impCodFiscClick },
            { F::Motivo, Long },
            { F::Tessera, Medium },
            { F::TipoDoc, Long },
            { F::NumDoc, Medium },
            { F::EnteRil, Long },
            { F::TelCel, Medium },
            { F::Note, Long },
        },
        {
            { F::DataUsc, 130, u"impDataUsc", u":/img/reg_data.svg", DateHint, &R::impDataUscClick, true },
            { F::OraUsc, 80, u"impOraUscita", u":/img/reg_ora.svg", TimeHint, &R::impOraUscitaClick, true },
            { F::OperatoreUsc, Long, u"impOperatoreUscita", u":/img/reg_importa.svg", ImportHint,
                &R::impOperatoreUscitaClick },
        },
    };

    int top = 6;
    GradientPanel *exitShape = nullptr;
    for (const QList<Row> &rows : sections) {
        const QString title = VisitFieldSection(rows.first().field);
        const int height = HeaderHeight + 8 + int(rows.size()) * RowPitch + 2;
        GradientPanel *shape = MakeCard(panel(), u"shp"_s + title.at(0) + LowerAZ(title.mid(1)),
            QRect(SectionLeft, top, SectionWidth, height),
            { Qt::white, Palette::SectionBottom, Palette::SteelBlue, 1, 8 });
        hintLine()->addBackground(shape);
        if (rows.first().field == F::DataUsc)
            exitShape = shape;

        QLabel *header = MakeSectionHeader(shape, title, HeaderHeight);
        hintLine()->addBackground(header);

        int y = HeaderHeight + 8;
        for (const Row &row : rows) {
            MakeLabel(shape, QString(), VisitFieldLabel(row.field), QRect(LabelLeft, y, LabelWidth, BoxHeight),
                { labelFont, Palette::Navy, Qt::AlignRight | Qt::AlignVCenter });

            auto *edit = new QLineEdit(shape);
            edit->setObjectName(VisitBoxName(row.field));
            edit->setGeometry(BoxLeft, y, row.width, BoxHeight);
            edit->setFont(boxFont);
            edit->setMaxLength(TSchedaVisita::layout().capacity(int(row.field)));
            edit->setStyleSheet(EditBoxStyle());
            m_boxes[std::size_t(row.field)] = edit;
            m_captions[std::size_t(row.field)] = CaptionOfLabel(VisitFieldLabel(row.field));
            AttachFocusFrame(edit);

            if (row.image) {
                ClickableImage *image
                    = makeImage(shape, text(row.image), text(row.icon), QRect(BoxLeft + row.width + 8, y - 1, 28, 28));
                hintLine()->addHint(image, text(row.hint));
                connect(image, &ClickableImage::clicked, this, row.slot);
            }
            if (row.byF2) {
                auto *f2 = new QShortcut(QKeySequence(Qt::Key_F2), edit);
                f2->setContext(Qt::WidgetShortcut);
                connect(f2, &QShortcut::activated, this, row.slot);
            }
            y += RowPitch;
        }
        top += height + 8;
    }

    for (QLineEdit *edit : m_boxes)
        cycle.append(edit);
    InstallEnterCycle(cycle);
    InstallUpperCaseAsTyped(box(VisitField::CodFisc));

    // Beside the exit's date and time, and outside the card's Enter cycle: a reader's Enter records
    // the exit and leaves the box ready for the next scan.
    const int quickTop = HeaderHeight + 8;
    MakeLabel(exitShape, QString(), u"Uscita rapida:"_s, QRect(390, quickTop, 131, BoxHeight),
        { labelFont, Palette::Navy, Qt::AlignRight | Qt::AlignVCenter });
    m_txtUscitaRapida = new QLineEdit(exitShape);
    m_txtUscitaRapida->setObjectName(u"txtUscitaRapida"_s);
    m_txtUscitaRapida->setGeometry(BoxLeft + Long - 160, quickTop, 160, BoxHeight);
    m_txtUscitaRapida->setFont(boxFont);
    m_txtUscitaRapida->setStyleSheet(EditBoxStyle());
    AttachFocusFrame(m_txtUscitaRapida);
    hintLine()->addHint(m_txtUscitaRapida,
        u"Leggere il codice della ricevuta, oppure scrivere il numero della scheda, e premere Invio per registrare "
        u"l'uscita."_s);
    connect(m_txtUscitaRapida, &QLineEdit::returnPressed, this, &TfrmRegistro::txtUscitaRapidaEnter);
}

void TfrmRegistro::loadCard(const TSchedaVisita &card, int position)
{
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
        ShowBoxText(m_boxes[std::size_t(i)], TrimText(card.field(i)));
    recordBar()->setPosition(position);
    rememberCard();
}

TSchedaVisita TfrmRegistro::currentCard() const
{
    QStringList texts;
    for (const QLineEdit *edit : m_boxes)
        texts.append(edit->text());
    return VisitCardFromTexts(texts);
}

void TfrmRegistro::openYear(const QString &year)
{
    setYearFile(VisitFilePath(year));
    setWindowTitle(captionFor(year));
}

void TfrmRegistro::setYearFile(const QString &path)
{
    m_yearFile = path;
    m_lblFile->setText(path);
}

void TfrmRegistro::onShow()
{
    ApplyRole(findChild<QPushButton *>(u"btnExcel"_s), hintLine());
    newCard();
}

void TfrmRegistro::cardStored(int position, bool added)
{
    RecordActivity(u"salvataggio_visita"_s,
        QFileInfo(m_yearFile).fileName() + u' ' + QString::number(position) + (added ? u" nuova"_s : u" modifica"_s),
        this);
}

void TfrmRegistro::newCard()
{
    for (QLineEdit *edit : m_boxes)
        edit->clear();
    ShowBoxText(box(VisitField::DataEnt), today());
    ShowBoxText(box(VisitField::OraEnt), currentTime());
    // Editable still: the operator may register a visit for a colleague.
    if (Session::hasOperator())
        ShowBoxText(box(VisitField::OperatoreEnt), Session::operatorName());
    recordBar()->setPosition(std::nullopt);
    rememberCard();
    box(VisitField::OperatoreEnt)->setFocus(Qt::OtherFocusReason);
}

void TfrmRegistro::btnNuovoClick()
{
    if (mayLeaveCard())
        newCard();
}

void TfrmRegistro::btnSalvaClick()
{
    TSchedaVisita card = currentCard();
    if (const std::optional<VisitSaveFailure> failure = CheckVisitCardForSave(card)) {
        refuseSave(failure->box == VisitSaveFailure::Box::Warning, failure->message, box(failure->focus));
        return;
    }
    QList<CaptionedBox> captioned;
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        captioned.append({ m_boxes[i], m_boxes[i], m_captions[i] });
    if (!CheckStorableBoxes(this, captioned, hintLine()))
        return;
    card = VisitCardAsStored(card);
    for (VisitField field : { VisitField::DataEnt, VisitField::OraEnt, VisitField::DataUsc, VisitField::OraUsc })
        ShowBoxText(box(field), card.field(int(field)));
    storeCard(card, PastTheEnd::Fails);
}

void TfrmRegistro::showPresenceList(PresenceList &list)
{
    list.setYearFile(yearFile());
    list.exec();
    takeChosen(list.chosenCard());
}

void TfrmRegistro::btnTrovaClick()
{
    TfrmTrovaVisite dlg(this);
    dlg.setMode(SearchMode::Registro);
    dlg.setYearFile(yearFile());
    dlg.exec();
    takeChosen(dlg.chosenCard());
}

void TfrmRegistro::btnNonUscitiClick()
{
    TfrmNonUsciti dlg(this);
    showPresenceList(dlg);
}

void TfrmRegistro::btnEntratiOggiClick()
{
    TfrmEntratiOggi dlg(this);
    showPresenceList(dlg);
}

void TfrmRegistro::btnUscitiOggiClick()
{
    TfrmUscitiOggi dlg(this);
    showPresenceList(dlg);
}

void TfrmRegistro::btnStampaClick()
{
    TfrmStampaVisita dlg(this);
    dlg.setCard(currentCard());
    dlg.setPlace(QFileInfo(m_yearFile).fileName(), position());
    dlg.exec();
}

void TfrmRegistro::txtUscitaRapidaEnter()
{
    const QString typed = m_txtUscitaRapida->text();
    m_txtUscitaRapida->clear();
    m_txtUscitaRapida->setFocus(Qt::OtherFocusReason);
    const std::optional<ExitCode> code = ParseExitCode(typed);
    if (!code) {
        Messages::notice(u"Attenzione: codice non riconosciuto."_s, this);
        return;
    }
    const QString fileYear = QFileInfo(m_yearFile).completeBaseName();
    if (!code->year.isEmpty() && code->year != fileYear) {
        Messages::notice(u"Attenzione: la ricevuta appartiene all'archivio %1."_s.arg(code->year), this);
        return;
    }
    runFileAction([&] {
        const QuickExit exit = RecordQuickExit(m_yearFile, code->number, Clock::today(), Clock::now().time(),
            Session::hasOperator() ? Session::operatorName() : QString());
        const QString name = TrimText(TrimText(exit.card.Cognome) + u' ' + TrimText(exit.card.Nome));
        switch (exit.outcome) {
        case QuickExit::Outcome::NoSuchCard:
            Messages::notice(u"Attenzione: la scheda n. %1 non esiste in archivio."_s.arg(code->number), this);
            return;
        case QuickExit::Outcome::AlreadyClosed:
            showScannedCard(exit.card, exit.position);
            Messages::notice(u"La visita di %1 risulta già chiusa il %2 alle ore %3."_s.arg(
                                 name, TrimText(exit.card.DataUsc), TrimText(exit.card.OraUsc)),
                this);
            return;
        case QuickExit::Outcome::Recorded:
            RecordActivity(u"salvataggio_visita"_s,
                QFileInfo(m_yearFile).fileName() + u' ' + QString::number(exit.position) + u" uscita rapida"_s, this);
            showScannedCard(exit.card, exit.position);
            Messages::information(u"Uscita registrata: %1 alle ore %2."_s.arg(name, TrimText(exit.card.OraUsc)), this);
            return;
        }
    });
    m_txtUscitaRapida->setFocus(Qt::OtherFocusReason);
}

void TfrmRegistro::showScannedCard(const TSchedaVisita &card, int position)
{
    // The exit is in the file already; a card being typed is kept unless the operator lets it go.
    if (mayLeaveCard())
        loadCard(card, position);
}

void TfrmRegistro::btnExcelClick()
{
    TfrmExpVisite dlg(this);
    dlg.setYearFile(yearFile());
    dlg.exec();
}

void TfrmRegistro::btnGuidaClick()
{
    ShowHelp(this, HelpTopic::Registro);
}

void TfrmRegistro::btnEsciClick()
{
    close();
}

void TfrmRegistro::impDataEntClick()
{
    ShowBoxText(box(VisitField::DataEnt), today());
}

void TfrmRegistro::impOraEntClick()
{
    ShowBoxText(box(VisitField::OraEnt), currentTime());
}

void TfrmRegistro::impDataUscClick()
{
    ShowBoxText(box(VisitField::DataUsc), today());
    if (Session::hasOperator() && TrimmedText(box(VisitField::OperatoreUsc)).isEmpty())
        ShowBoxText(box(VisitField::OperatoreUsc), Session::operatorName());
}

void TfrmRegistro::impOraUscitaClick()
{
    ShowBoxText(box(VisitField::OraUsc), currentTime());
}

void TfrmRegistro::impCodFiscClick()
{
    ShowFiscalCodeBoxCheck(this, TrimmedText(box(VisitField::CodFisc)));
}

void TfrmRegistro::impVisitatoreClick()
{
    importFromRegistry(ImportRole::Visitatore);
}

void TfrmRegistro::impOperatoreEntClick()
{
    importFromRegistry(ImportRole::OperatoreEnt);
}

void TfrmRegistro::impOperatoreUscitaClick()
{
    importFromRegistry(ImportRole::OperatoreUsc);
}

void TfrmRegistro::importFromRegistry(ImportRole role)
{
    TfrmTrovaClienti dlg(this);
    switch (role) {
    case ImportRole::Visitatore:
        dlg.setMode(SearchMode::Visitatore);
        break;
    case ImportRole::OperatoreEnt:
        dlg.setMode(SearchMode::OperatoreEnt);
        break;
    case ImportRole::OperatoreUsc:
        dlg.setMode(SearchMode::OperatoreUsc);
        break;
    }
    dlg.exec();
    if (const std::optional<ClientCard> &chosen = dlg.chosenCard()) {
        for (const VisitImportValue &value : VisitImportFor(role, chosen->card))
            ShowBoxText(box(value.field), value.text);
    }
}
