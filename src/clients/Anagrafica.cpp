#include "clients/Anagrafica.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "clients/AllegaCartella.h"
#include "clients/Cartella.h"
#include "clients/ClientCardLabels.h"
#include "clients/ClientCardRules.h"
#include "clients/ClientFolders.h"
#include "clients/DaRinnovare.h"
#include "clients/ExpClienti.h"
#include "clients/RepScheda.h"
#include "clients/TrovaClienti.h"
#include "output/ReportPrinting.h"
#include "storage/ClientFile.h"
#include "storage/StorableText.h"
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
#include "widgets/TMisc.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace {

constexpr int ToolTop = 6;
constexpr int ToolHeight = 56;
constexpr int ImageSize = 40;
constexpr int CardTop = 68;
constexpr int CardHeight = 606;
constexpr int SectionPadding = 12;
constexpr int RowPitch = 49;
constexpr int LabelHeight = 14;
constexpr int BoxTop = 17; // below the row's top, under the label
constexpr int BoxHeight = 26;
constexpr int BoxGap = 8;
constexpr int ButtonGap = 6;
constexpr int ButtonSize = 28;
constexpr int SeparatorHeight = 12;
constexpr int HeaderHeight = 26;
constexpr int AmountLength = 15;
// The designed widths of a municipality box and of the province box beside it.
constexpr int MunicipalityWidth = 188;
constexpr int ProvinceWidth = 64;

QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

using F = ClientField;
using A = TfrmAnagrafica;

// One box of the card, with its label above it and the check button beside it, if any.
struct BoxSpec
{
    F field;
    int width; // 0: the rest of the row
    const char16_t *button = nullptr;
    const char16_t *icon = nullptr;
    const char16_t *hint = nullptr;
    void (A::*slot)() = nullptr;
};

struct RowSpec
{
    QList<BoxSpec> boxes;
    bool separatorBefore = false;
};

bool isProvince(F field)
{
    return field == F::ProvNasc || field == F::ProvRes;
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : RecordEditor(
        u"TfrmAnagrafica"_s, u" Portavel - Archivio Anagrafico"_s, u"Pronto per salvare una nuova scheda..."_s, parent)
    , m_repScheda(MakeRepScheda())
{
    setBackground(Palette::RegistryTop, Qt::white);
    buildToolbar();
    buildCard();
    installTypingRules();

    for (int i = 0; i < int(m_slots.size()); ++i)
        m_slots[std::size_t(i)] = MakeHiddenLabel(panel(), ClientBoxName(F(int(BoxCount) + i)));
    hintLine()->raise();
}

void TfrmAnagrafica::buildToolbar()
{
    struct Tool
    {
        const char16_t *name; // nullptr: the record bar stands here
        const char16_t *icon;
        const char16_t *hint;
        void (A::*slot)();
    };
    const QList<QList<Tool>> groups = {
        { { u"cmdNuovo", u":/img/reg_nuovo.svg", u"Prepara la schermata per la registrazione di una nuova scheda.",
              &A::cmdNuovoClick },
            { u"cmdSalva", u":/img/reg_salva.svg", u"Salva la scheda corrente in archivio.", &A::cmdSalvaClick },
            { u"cmdTrova", u":/img/reg_trova.svg", u"Trova una scheda in archivio.", &A::cmdTrovaClick },
            { u"cmdCartella", u":/img/ana_cartella.svg", u"Gestisci la cartella abbinata alla scheda corrente.",
                &A::cmdCartellaClick } },
        { { u"cmdFile", u":/img/ana_allega.svg", u"Allega file alla scheda corrente.", &A::cmdFileClick } },
        { { u"cmdStampa", u":/img/reg_stampa.svg", u"Stampa la scheda corrente.", &A::cmdStampaClick } },
        { { nullptr, nullptr, nullptr, nullptr } },
        { { u"cmdEsporta", u":/img/reg_excel.svg", u"Esporta le schede in archivio in un file di Microsoft Excel.",
              &A::cmdEsportaClick },
            { u"cmdScaduti", u":/img/ana_scaduti.svg", u"Visualizza il riepilogo delle rate in scadenza o scadute.",
                &A::cmdScadutiClick } },
        { { u"cmdGuida", u":/img/reg_guida.svg", u"Visualizza la guida in linea.", &A::cmdGuidaClick },
            { u"cmdEsci", u":/img/reg_esci.svg", u"Esci da questa schermata di lavoro.", &A::cmdEsciClick } },
    };
    const GradientLook toolLook { Qt::white, Palette::SectionBottom, Palette::SteelBlue, 1, 8 };
    // The record bar: four arrows and the position between them.
    constexpr RecordBar::Sizes BarSizes { ImageSize, 72, 34 };
    constexpr int BarWidth = 4 * (ImageSize + 6) + BarSizes.positionWidth + 6;
    int left = 8;
    int index = 0;
    for (const QList<Tool> &group : groups) {
        int width = 8;
        for (const Tool &tool : group)
            width += tool.name ? ImageSize + 6 : BarWidth;
        width += 2;
        GradientPanel *box
            = MakeCard(panel(), u"shpStrumenti%1"_s.arg(++index), QRect(left, ToolTop, width, ToolHeight), toolLook);
        hintLine()->addBackground(box);
        int x = 8;
        for (const Tool &tool : group) {
            if (!tool.name) {
                makeRecordBar(box, QPoint(x, 0), ToolHeight, BarSizes);
                x += BarWidth;
                continue;
            }
            auto *image = new ClickableImage(
                text(tool.name), text(tool.icon), QRect(x, (ToolHeight - ImageSize) / 2, ImageSize, ImageSize), box);
            image->setAttribute(Qt::WA_TranslucentBackground);
            hintLine()->addHint(image, text(tool.hint));
            connect(image, &ClickableImage::clicked, this, tool.slot);
            x += ImageSize + 6;
        }
        left += width + 8;
    }

    // The rest of the strip names the screen.
    GradientPanel *title
        = MakeCard(panel(), u"shpTitolo"_s, QRect(left, ToolTop, panel()->width() - 8 - left, ToolHeight), toolLook);
    hintLine()->addBackground(title);
    MakePicture(title, u"imgTitolo"_s, u":/img/tile_anagrafica.svg"_s, QRect(6, 13, 40, 30));
    MakeLabel(title, u"lblTitolo"_s, u"Archivio\nAnagrafico"_s, QRect(50, 4, title->width() - 54, ToolHeight - 8),
        { VerdanaFont(10, true), Palette::TitleInk, Qt::AlignLeft | Qt::AlignVCenter });
}

void TfrmAnagrafica::buildCard()
{
    const QFont boxFont = VerdanaFont(12, true);
    // A province box is as wide as its widest code needs beside the arrow, at the font it is shown
    // in; the municipality box before it gives up the room.
    QComboBox probe;
    probe.setFont(boxFont);
    probe.setEditable(true);
    probe.addItems(ProvinceCodes());
    probe.setStyleSheet(DropDownStyle());
    const int provinceWidth = std::max(ProvinceWidth, probe.sizeHint().width());
    const int municipalityWidth = MunicipalityWidth + ProvinceWidth - provinceWidth;

    const QList<RowSpec> leftRows = {
        { { { F::Cognome, 182 }, { F::Nome, 160 },
            { F::CodFisc, 216, u"btnCodFisc", u":/img/reg_codfisc.svg", u"Controlla il codice fiscale.",
                &A::btnCodFiscClick } } },
        { { { F::Sesso, 34 }, { F::DataNasc, 120 }, { F::ComuneNasc, municipalityWidth },
            { F::ProvNasc, provinceWidth },
            { F::Iva, 0, u"btnIva", u":/img/ana_iva.svg", u"Controlla il numero di partita IVA.", &A::btnIvaClick } } },
        { { { F::Indirizzo, 262 }, { F::Cap, 70 }, { F::ComuneRes, municipalityWidth }, { F::ProvRes, 0 } } },
        { { { F::Stato, 200 }, { F::Familiari, 0 } } },
        { { { F::Recapito, 200 }, { F::TelCasa, 200 }, { F::TelCel, 0 } }, true },
        { { { F::TelUff, 170 }, { F::Fax, 170 },
            { F::Email, 0, u"btnEmail", u":/img/ana_email.svg", u"Invia una e-mail all'indirizzo indicato.",
                &A::btnEmailClick } } },
        { { { F::Qualifiche, 300 }, { F::Professione, 0 } } },
        { { { F::Iban, 322, u"btnIban", u":/img/ana_iban.svg", u"Controlla l'IBAN.", &A::btnIbanClick },
              { F::Intestatario, 0 } },
            true },
        { { { F::Banca, 202 },
            { F::Carta, 236, u"btnCarta", u":/img/ana_carta.svg", u"Controlla il numero di carta di credito.",
                &A::btnCartaClick },
            { F::ScadeCarta, 0 } } },
        { { { F::Prodotti, 0 } } },
        { { { F::Pagamento, 300 }, { F::Note, 0 } } },
    };

    const QList<RowSpec> rightRows = {
        { { { F::TipoDoc, 0 } } },
        { { { F::NumDoc, 0 } } },
        { { { F::EnteRil, 0 } } },
        { { { F::DataRil, 120 }, { F::DataSca, 120 } } },
        { { { F::Codice, 0 } }, true },
        { { { F::Categoria, 0 } } },
        { { { F::Zona, 0 } } },
        { { { F::Acquisto, 0 } }, true },
        { { { F::Decorrenza, 120 }, { F::Scadenza, 120 } } },
        { { { F::Preavviso, 140 }, { F::Totale, 0 } } },
        { { { F::Frazionamento, 140 }, { F::Rata, 0 } } },
    };

    const int cardWidth = panel()->width() - 16;
    auto *panRecord = new QWidget(panel());
    panRecord->setObjectName(u"panRecord"_s);
    panRecord->setGeometry(8, CardTop, cardWidth, CardHeight);
    hintLine()->addBackground(panRecord);

    const QFont labelFont = VerdanaFont(8, true);
    const QFontMetrics labelMetrics(labelFont);
    const GradientLook sectionLook { Qt::white, Palette::SectionBottom, Palette::SteelBlue, 1, 8 };
    const int leftWidth = 632;
    const struct
    {
        const char16_t *name;
        const char16_t *title;
        QRect geometry;
        const QList<RowSpec> &rows;
    } sections[] = {
        { u"shpAnagrafica", u"DATI PERSONALI E RECAPITI", QRect(0, 0, leftWidth, CardHeight), leftRows },
        { u"shpCliente", u"DOCUMENTO, CLIENTE E RATE", QRect(leftWidth + 8, 0, cardWidth - leftWidth - 8, CardHeight),
            rightRows },
    };

    int separators = 0;
    for (const auto &section : sections) {
        GradientPanel *shape = MakeCard(panRecord, text(section.name), section.geometry, sectionLook);
        hintLine()->addBackground(shape);
        hintLine()->addBackground(MakeSectionHeader(shape, text(section.title), HeaderHeight));
        const int inner = shape->width() - 2 * SectionPadding;
        int y = HeaderHeight + 6;
        for (const RowSpec &row : section.rows) {
            if (row.separatorBefore) {
                GradientPanel *line = MakeCard(shape, u"shpSepara%1"_s.arg(++separators),
                    QRect(SectionPadding, y + 2, inner, 2), { Palette::LightSteelBlue, Palette::LightSteelBlue });
                hintLine()->addBackground(line);
                y += SeparatorHeight;
            }
            int x = SectionPadding;
            for (const BoxSpec &spec : row.boxes) {
                const int room = spec.button ? ButtonGap + ButtonSize : 0;
                const int width = spec.width > 0 ? spec.width : SectionPadding + inner - x - room;
                // A short box's label may reach past the box's right edge.
                const int labelWidth
                    = std::max(width, labelMetrics.horizontalAdvance(ClientFieldLabel(spec.field)) + 2);
                MakeLabel(shape, QString(), ClientFieldLabel(spec.field), QRect(x, y, labelWidth, LabelHeight),
                    { labelFont, Palette::Navy, Qt::AlignLeft | Qt::AlignBottom });

                const std::size_t i = std::size_t(spec.field);
                m_captions[i] = CaptionOfLabel(ClientFieldLabel(spec.field));
                const QRect geometry(x, y + BoxTop, width, BoxHeight);
                if (isProvince(spec.field)) {
                    auto *combo = new QComboBox(shape);
                    combo->setObjectName(ClientBoxName(spec.field));
                    combo->setGeometry(geometry);
                    combo->setFont(boxFont);
                    combo->setEditable(true);
                    combo->setInsertPolicy(QComboBox::NoInsert);
                    combo->setCompleter(nullptr);
                    combo->addItems(ProvinceCodes());
                    combo->setMaxVisibleItems(14);
                    combo->setStyleSheet(DropDownStyle());
                    combo->installEventFilter(this);
                    m_provinces[spec.field == F::ProvNasc ? 0 : 1] = combo;
                    m_boxes[i] = combo->lineEdit();
                    m_controls[i] = combo;
                } else {
                    auto *edit = new QLineEdit(shape);
                    edit->setObjectName(ClientBoxName(spec.field));
                    edit->setGeometry(geometry);
                    edit->setFont(boxFont);
                    edit->setStyleSheet(EditBoxStyle());
                    m_boxes[i] = edit;
                    m_controls[i] = edit;
                }
                m_boxes[i]->setMaxLength(ClientBoxMaxLength(spec.field));
                AttachFocusFrame(m_controls[i]);
                x += width;

                if (spec.button) {
                    QPushButton *button = MakeButton(shape, text(spec.button), QString(),
                        QRect(x + ButtonGap, y + BoxTop - 1, ButtonSize, ButtonSize), ButtonStyle::Plain,
                        text(spec.icon));
                    button->setIconSize(QSize(22, 22));
                    button->setFocusPolicy(Qt::NoFocus);
                    hintLine()->addHint(button, text(spec.hint));
                    connect(button, &QPushButton::clicked, this, spec.slot);
                    x += room;
                }
                x += BoxGap;
            }
            y += RowPitch;
        }
    }
}

void TfrmAnagrafica::installTypingRules()
{
    QList<QWidget *> cycle;
    for (QWidget *c : m_controls)
        cycle.append(c);
    InstallEnterCycle(cycle);
    for (qsizetype i = 0; i + 1 < cycle.size(); ++i)
        setTabOrder(cycle.at(i), cycle.at(i + 1));

    auto next = [&](F field) { return control(F((int(field) + 1) % int(BoxCount))); };
    for (F field : { F::CodFisc, F::Iban, F::Sesso, F::ProvNasc, F::ProvRes })
        InstallUpperCaseAsTyped(box(field));
    InstallTrimmedAsTyped(box(F::Email));
    for (F field : { F::Iva, F::Carta, F::Preavviso })
        InstallDigitFilter(box(field), next(field));
    for (F field : { F::Totale, F::Rata }) {
        InstallDigitFilter(box(field), next(field), u","_s);
        box(field)->installEventFilter(this);
        box(field)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (F field : { F::Decorrenza, F::Scadenza, F::Preavviso })
        box(field)->setAlignment(Qt::AlignCenter);
}

bool TfrmAnagrafica::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // The list of a province box opens with no code chosen; what the box holds stays.
        for (QComboBox *combo : m_provinces) {
            if (watched == combo) {
                const QString held = combo->currentText();
                combo->setCurrentIndex(-1);
                combo->setEditText(held);
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving an amount box for another control puts the amount in form; a message box or
        // another window taking the focus for a moment is not leaving it.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (F field : { F::Totale, F::Rata }) {
                if (watched == box(field))
                    box(field)->setText(NormaliseAmount(box(field)->text()));
            }
        }
    }
    return Screen::eventFilter(watched, event);
}

QLabel *TfrmAnagrafica::slotLabel(ClientField field) const
{
    return m_slots[std::size_t(field) - BoxCount];
}

void TfrmAnagrafica::loadCard(const TSchedaAnagrafica &card, int position)
{
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i) {
        const F field = F(i);
        const QString value = TrimText(card.field(i));
        if (IsAttachmentField(field)) {
            slotLabel(field)->setText(value);
            continue;
        }
        // A longer instalment amount from the file is shown whole, so a save does not cut it.
        if (field == F::Rata)
            box(field)->setMaxLength(std::max<int>(AmountLength, int(value.size())));
        ShowBoxText(box(field), value);
    }
    recordBar()->setPosition(position);
    rememberCard();
}

TSchedaAnagrafica TfrmAnagrafica::currentCard() const
{
    TSchedaAnagrafica card;
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i) {
        const F field = F(i);
        card.field(i) = IsAttachmentField(field) ? TrimmedText(slotLabel(field)) : TrimText(box(field)->text());
    }
    return card;
}

void TfrmAnagrafica::onShow()
{
    ApplyRole(findChild<ClickableImage *>(u"cmdEsporta"_s), hintLine());
    clearCard();
}

void TfrmAnagrafica::cardStored(int position, bool added)
{
    RecordActivity(
        u"salvataggio_anagrafica"_s, QString::number(position) + (added ? u" nuova"_s : u" modifica"_s), this);
}

void TfrmAnagrafica::clearCard()
{
    for (QLineEdit *edit : m_boxes)
        edit->clear();
    box(F::Rata)->setMaxLength(AmountLength);
    const QString today = DateText(Clock::today());
    ShowBoxText(box(F::Decorrenza), today);
    ShowBoxText(box(F::Scadenza), today);
    ShowBoxText(box(F::Preavviso), u"0"_s);
    ShowBoxText(box(F::Totale), u"0,00"_s);
    ShowBoxText(box(F::Rata), u"0,00"_s);
    for (QLabel *label : m_slots)
        label->clear();
    for (QComboBox *combo : m_provinces) {
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
    recordBar()->setPosition(std::nullopt);
    rememberCard();
    control(F::Cognome)->setFocus(Qt::OtherFocusReason);
}

void TfrmAnagrafica::cmdNuovoClick()
{
    if (mayLeaveCard())
        clearCard();
}

void TfrmAnagrafica::cmdSalvaClick()
{
    const TSchedaAnagrafica card = currentCard();
    if (const std::optional<ClientSaveFailure> failure = CheckClientCardForSave(card)) {
        refuseSave(failure->box == ClientSaveFailure::Box::Warning, failure->message,
            failure->focus ? control(*failure->focus) : nullptr);
        return;
    }
    QList<CaptionedBox> captioned;
    for (std::size_t i = 0; i < BoxCount; ++i)
        captioned.append({ m_boxes[i], m_controls[i], m_captions[i] });
    if (!CheckStorableBoxes(this, captioned, hintLine()))
        return;
    // A card whose place another program took out of the file is added, so the operator's work is
    // kept.
    storeCard(card, PastTheEnd::Added);
}

void TfrmAnagrafica::cmdTrovaClick()
{
    TfrmTrovaClienti dlg(this);
    dlg.setMode(SearchMode::Clienti);
    dlg.exec();
    takeChosen(dlg.chosenCard());
}

void TfrmAnagrafica::cmdCartellaClick()
{
    if (!position()) {
        Messages::warning(ClientFolderTexts::storeCardFirst(), this);
        return;
    }
    TfrmCartella dlg(this);
    dlg.setPosition(*position());
    dlg.exec();
}

void TfrmAnagrafica::cmdFileClick()
{
    TfrmAllegaCartella dlg(this);
    dlg.setOpenedByEditor();
    AttachmentSlots slots;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        slots[i] = { TrimmedText(slotLabel(F(int(F::File01) + int(i)))),
            TrimmedText(slotLabel(F(int(F::Desc01) + int(i)))) };
    }
    dlg.setSlots(slots);
    dlg.exec();
    if (const std::optional<AttachmentSlots> &applied = dlg.appliedSlots()) {
        for (std::size_t i = 0; i < applied->size(); ++i) {
            slotLabel(F(int(F::File01) + int(i)))->setText((*applied)[i].file);
            slotLabel(F(int(F::Desc01) + int(i)))->setText((*applied)[i].description);
        }
    }
}

void TfrmAnagrafica::cmdStampaClick()
{
    FillRepScheda(m_repScheda, currentCard(), Clock::now());
    if (PrintReport(this, m_repScheda) == PrintOutcome::Printed)
        RecordActivity(
            u"stampa"_s, position() ? u"scheda anagrafica %1"_s.arg(*position()) : u"scheda anagrafica"_s, this);
}

void TfrmAnagrafica::cmdEsportaClick()
{
    TfrmExpClienti dlg(this);
    dlg.exec();
}

void TfrmAnagrafica::cmdScadutiClick()
{
    TfrmDaRinnovare dlg(this);
    dlg.exec();
    takeChosen(dlg.chosenCard());
}

void TfrmAnagrafica::cmdGuidaClick()
{
    ShowHelp(this, HelpTopic::Anagrafica);
}

void TfrmAnagrafica::cmdEsciClick()
{
    close();
}

void TfrmAnagrafica::btnCodFiscClick()
{
    ShowFiscalCodeBoxCheck(this, TrimText(box(F::CodFisc)->text()));
}

void TfrmAnagrafica::btnIvaClick()
{
    ShowCheck<TfrmPartitaIva>(this, TrimText(box(F::Iva)->text()));
}

void TfrmAnagrafica::btnEmailClick()
{
    TMisc::Open(QUrl(u"mailto:"_s + TrimText(box(F::Email)->text()), QUrl::TolerantMode));
}

void TfrmAnagrafica::btnIbanClick()
{
    ShowCheck<TfrmIban>(this, TrimText(box(F::Iban)->text()));
}

void TfrmAnagrafica::btnCartaClick()
{
    ShowCheck<TfrmCarta>(this, TrimText(box(F::Carta)->text()));
}
