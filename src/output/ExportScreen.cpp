#include "output/ExportScreen.h"

#include "base/ProgramFolder.h"
#include "base/WorkProgress.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/HintLine.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/OffWindowWork.h"
#include "widgets/TMisc.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBuffer>
#include <QHash>
#include <QHeaderView>
#include <QShowEvent>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

const QString ExportCaption = u"Esportazione in corso..."_s;
const QString ExportQuestion = u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero "
                               u"di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;
const QString ExportDone
    = u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"_s;
const QString ExportFailed = u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                             u"file di Excel non sia già aperto."_s;

// The wait cursor while a long year is read or written.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QString gridStyle()
{
    return u"QTableView#grdRecords { background: white; alternate-background-color: %1; color: %2;"
           u" gridline-color: %3; border: 1px solid %4; selection-background-color: %5; selection-color: white; }"
           u"QTableView#grdRecords::item { padding: 0px 3px; }"
           u"QTableView#grdRecords QHeaderView::section { color: %6; padding: 0px 4px; border: none;"
           u" border-right: 1px solid %7; border-bottom: 1px solid %7;"
           u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 %8); }"
           u"QTableView#grdRecords QTableCornerButton::section { background: %8; border: none; }"_s.arg(
               Palette::GridShade.name(), Palette::BoxInk.name(), Palette::GridLine.name(), Palette::ListBorder.name(),
               Palette::SteelBlue.name(), Palette::ButtonInk.name(), Palette::PanelBorder.name(),
               Palette::SectionBottom.name());
}

} // namespace

QStringView GridCells::at(int row, int column) const
{
    const qsizetype index = qsizetype(row) * m_columns + column;
    const qsizetype begin = index == 0 ? 0 : m_ends.at(index - 1);
    return QStringView(m_text).sliced(begin, m_ends.at(index) - begin);
}

// The grid's rows: column 0 numbers them, the others show the cards' cells or what the operator
// typed over them. The archive is never written from here.
class ExportGridModel : public QAbstractTableModel
{
public:
    ExportGridModel(std::span<const GridColumn> columns, QObject *parent)
        : QAbstractTableModel(parent)
        , m_columns(columns)
        , m_cells(int(columns.size()) - 1)
    { }

    void setCells(GridCells cells)
    {
        beginResetModel();
        m_cells = std::move(cells);
        m_typed.clear();
        endResetModel();
    }

    // The text of a data column (0 is the grid's column 1), as the export writes it.
    QString cell(int row, int dataColumn) const
    {
        const auto typed = m_typed.constFind(key(row, dataColumn + 1));
        return typed != m_typed.constEnd() ? *typed : m_cells.at(row, dataColumn).toString();
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_cells.rows();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const bool number = index.column() == 0;
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return number ? QString::number(index.row() + 1) : cell(index.row(), index.column() - 1);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::BackgroundRole:
            return number ? QVariant(Palette::GridNumber) : QVariant();
        default:
            return {};
        }
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        m_typed.insert(key(index.row(), index.column()), value.toString());
        Q_EMIT dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (m_columns[size_t(index.column())].editable)
            flags |= Qt::ItemIsEditable;
        return flags;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < int(m_columns.size()))
            return m_columns[size_t(section)].header.toString();
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    qint64 key(int row, int column) const { return qint64(row) * qint64(m_columns.size()) + column; }

    std::span<const GridColumn> m_columns;
    GridCells m_cells;
    QHash<qint64, QString> m_typed;
};

// The grid, able to take what is being typed in a cell before the export reads the rows.
class ExportGridView : public QTableView
{
public:
    using QTableView::QTableView;

    void commitTyping()
    {
        if (state() != QAbstractItemView::EditingState)
            return;
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

ExportScreen::ExportScreen(const ExportScreenSpec &spec, QWidget *parent)
    : Dialog(spec.className, spec.caption, QSize(862, 560), parent, Dialog::Placement::CentreOnScreen)
    , m_spec(spec)
{
    Q_ASSERT(spec.columns.size() == spec.sheet.columns.size() + 1);
    setBackground(Palette::LightGrey, Palette::LightGrey);

    auto *panel = MakeCard(this, u"panContainer"_s, QRect(12, 13, 837, 533),
        { Palette::ListPanelTop, Palette::ListPanelBottom, Palette::ListBorder, 1, 4 });

    GradientPanel *shpTop = MakeCard(panel, u"shpTop"_s, QRect(8, 6, 821, 68), WhitePanel);
    MakeBanner(panel, BannerStyle::List, QRect(16, 14, 472, 52), u"ESPORTAZIONE IN EXCEL"_s);
    MakePicture(panel, u"icoHand"_s, u":/img/exp_mano.svg"_s, QRect(500, 19, 56, 42));
    auto *cmdEsporta = new ClickableImage(u"cmdEsporta"_s, u":/img/reg_excel.svg"_s, QRect(566, 15, 50, 50), panel);
    auto *cmdGuida = new ClickableImage(u"cmdGuida"_s, u":/img/icona_guida.svg"_s, QRect(670, 13, 54, 54), panel);
    auto *cmdEsci = new ClickableImage(u"cmdEsci"_s, u":/img/icona_esci.svg"_s, QRect(766, 15, 50, 50), panel);

    m_model = new ExportGridModel(spec.columns, this);
    m_grid = new ExportGridView(panel);
    m_grid->setObjectName(u"grdRecords"_s);
    m_grid->setGeometry(8, 80, 821, 409);
    m_grid->setModel(m_model);
    m_grid->setFont(VerdanaFont(8));
    m_grid->horizontalHeader()->setFont(VerdanaFont(8, true));
    m_grid->horizontalHeader()->setFixedHeight(23);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(21);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->setStyleSheet(gridStyle());
    for (int c = 0; c < int(spec.columns.size()); ++c)
        m_grid->setColumnWidth(c, spec.columns[size_t(c)].width);

    auto *shpInfo = MakeCard(
        panel, u"shpInfo"_s, QRect(8, 497, 821, 28), { Palette::SlateBlue, Palette::HintBar, Palette::Navy, 1, 4 });
    m_panInfo = new HintLine(shpInfo, QRect(3, 2, 815, 24), u"Esportazione archivio in Microsoft Excel."_s);
    m_panInfo->addHint(cmdEsporta, u"Esporta l'archivio in formato Microsoft Excel."_s);
    m_panInfo->addHint(cmdGuida, u"Visualizza la pagina della guida sensibile al contesto."_s);
    m_panInfo->addHint(cmdEsci, u"Esci da questo ambiente di lavoro."_s);
    for (QWidget *background :
        { static_cast<QWidget *>(this), static_cast<QWidget *>(panel), static_cast<QWidget *>(shpTop),
            m_grid->viewport(), static_cast<QWidget *>(shpInfo), static_cast<QWidget *>(m_panInfo) })
        m_panInfo->addBackground(background);

    connect(cmdEsporta, &ClickableImage::clicked, this, &ExportScreen::cmdEsportaClick);
    connect(cmdGuida, &ClickableImage::clicked, this, &ExportScreen::cmdGuidaClick);
    connect(cmdEsci, &ClickableImage::clicked, this, &ExportScreen::cmdEsciClick);
}

ExportScreen::~ExportScreen() = default;

void ExportScreen::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void ExportScreen::formShow()
{
    GridCells cells(int(m_spec.sheet.columns.size()));
    try {
        if (!RunOffWindow(this, ExportCaption, [&] { readCards(cells); })) {
            // Annulla: no grid is shown; the screen closes once the showing is over.
            QMetaObject::invokeMethod(
                this, [this] { closeDialog(); }, Qt::QueuedConnection);
            return;
        }
    } catch (const StorageError &) {
        // The grid shows the cards read before the failure.
    }
    m_model->setCells(std::move(cells));
    m_grid->setFocus(Qt::OtherFocusReason);
}

void ExportScreen::cmdEsportaClick()
{
    m_grid->commitTyping();
    if (!Messages::confirm(ExportQuestion, this))
        return;
    const QString path = ProgramFolder() + m_spec.sheet.fileName.toString();
    try {
        // The file is made off the window and written here, whole, once made: Annulla leaves an
        // earlier export as it was.
        const int rows = m_model->rowCount();
        const std::optional<QByteArray> bytes = ComputeOffWindow<QByteArray>(this, ExportCaption, [&] {
            WorkProgress::expectRead(rows);
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            WriteSpreadsheet(&buffer, m_spec.sheet, rows, [this](int row, int column) {
                if (column == 0)
                    WorkProgress::read(1);
                return m_model->cell(row, column);
            });
            return buffer.data();
        });
        if (!bytes)
            return;
        const WaitCursor wait;
        SaveSpreadsheet(path, *bytes);
        RecordActivity(u"esportazione"_s, m_spec.sheet.fileName.toString() + u' ' + QString::number(rows), this);
    } catch (const StorageError &) {
        Messages::notice(ExportFailed, this);
        return;
    }
    if (Messages::confirm(ExportDone, this))
        TMisc::Open(QUrl::fromLocalFile(path));
}

void ExportScreen::cmdGuidaClick()
{
    ShowHelp(this, m_spec.help);
}

void ExportScreen::cmdEsciClick()
{
    closeDialog();
}
