#include "AppFixture.h"
#include "FileSizeLimit.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "VisitCards.h"

#include "app/AppWindows.h"
#include "base/TextFunctions.h"
#include "clients/ExpClienti.h"
#include "storage/ClientFile.h"
#include "storage/VisitFile.h"
#include "visits/ExpVisite.h"
#include "visits/Registro.h"
#include "widgets/Help.h"
#include "widgets/TMisc.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum class Export { Visits, Clients };

using Row = QList<QByteArray>;

const QByteArray DataCell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";

// The fixed head of the file, piece by piece, around the worksheet's name.
QByteArray head(const QByteArray &worksheet)
{
    const QList<QByteArray> pieces = {
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">",
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
        "<!--[if gte mso 9]><xml>",
        "<x:ExcelWorkbook>",
        "<x:ExcelWorksheets>",
        "<x:ExcelWorksheet>",
        "<x:Name>" + worksheet + "</x:Name>",
        "<x:WorksheetOptions>",
        "<x:Selected/>",
        "<x:Panes>",
        "<x:Pane>",
        "<x:Number>1</x:Number>",
        "<x:ActiveRow>3</x:ActiveRow>",
        "</x:Pane>",
        "</x:Panes>",
        "<x:ProtectContents>False</x:ProtectContents>",
        "<x:ProtectObjects>False</x:ProtectObjects>",
        "<x:ProtectScenarios>False</x:ProtectScenarios>",
        "</x:WorksheetOptions>",
        "</x:ExcelWorksheet>",
        "</x:ExcelWorksheets>",
        "</x:ExcelWorkbook>",
        "</xml><![endif]-->",
        "</head>",
        "<body>",
        "<table x:str>",
    };
    return pieces.join();
}

// Caption and width of every exported column, as the file format lists them (Windows-1252).
const QList<std::pair<QByteArray, int>> VisitCaptions = { { "Data ingresso", 180 }, { "Ora ingresso", 180 },
    { "Operatore entrata", 250 }, { "Cognome Visitatore", 250 }, { "Nome Visitatore", 250 }, { "Codice fiscale", 200 },
    { "Motivo della visita", 300 }, { "Numero tessera", 200 }, { "Tipo documento", 250 }, { "Numero documento", 200 },
    { "Ente di rilascio", 250 }, { "Cellulare", 180 }, { "Note", 300 }, { "Data uscita", 180 }, { "Ora uscita", 180 },
    { "Operatore uscita", 250 } };
const QList<std::pair<QByteArray, int>> ClientCaptions = { { "Cognome e nome Visitatore", 250 },
    { "Codice fiscale", 200 }, { "Data di nascita", 200 }, { "Comune di nascita", 250 }, { "Partita IVA", 200 },
    { "Indirizzo di residenza", 250 }, { "Citt\xe0 di residenza", 250 }, { "Recapito preferenziale", 250 },
    { "Tel. casa", 200 }, { "Tel. cellulare", 200 }, { "E-mail", 250 }, { "Professione", 250 }, { "IBAN", 300 },
    { "Intestatario C/C", 250 }, { "Modalit\xe0 di pagamento", 250 }, { "Prodotti e servizi di interesse", 300 },
    { "Tipo documento", 250 }, { "Numero documento", 250 }, { "Ente di rilascio", 250 }, { "Data di rilascio", 200 },
    { "Data di scadenza", 200 }, { "Codice Cliente", 250 }, { "Categoria", 250 }, { "Zona di appartenenza", 250 },
    { "Note", 300 } };

QByteArray expectedFile(Export which, const QList<Row> &rows)
{
    QByteArray out = head(which == Export::Visits ? "Registro Visite" : "Anagrafica Visitatori") + "<tr>";
    for (const auto &[caption, width] : which == Export::Visits ? VisitCaptions : ClientCaptions)
        out += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + caption
            + "</td>";
    out += "</tr>";
    for (const Row &row : rows) {
        out += "<tr>";
        for (const QByteArray &cell : row)
            out += DataCell + cell + "</td>";
        out += "</tr>";
    }
    return out + "</table></body></html>";
}

// A row of `columns` cells, empty but for the given ones.
Row cells(int columns, std::initializer_list<std::pair<int, QByteArray>> filled)
{
    Row row(columns);
    for (const auto &[column, bytes] : filled)
        row[column] = bytes;
    return row;
}

// The data cells of an exported file, row by row.
QList<Row> exportedRows(const QByteArray &file)
{
    QList<Row> rows;
    qsizetype from = file.indexOf("</tr>") + 5; // past the header row
    while (true) {
        const qsizetype start = file.indexOf("<tr>", from);
        if (start < 0)
            break;
        const qsizetype end = file.indexOf("</tr>", start);
        const QByteArray tr = file.mid(start + 4, end - start - 4);
        Row row;
        for (const QByteArray &cell : tr.split('<'))
            if (cell.startsWith("td "))
                row.append(cell.mid(DataCell.size() - 1));
        rows.append(row);
        from = end + 5;
    }
    return rows;
}

TSchedaAnagrafica RegistryCard(std::initializer_list<std::pair<ClientField, QString>> fields)
{
    TSchedaAnagrafica card;
    for (const auto &[field, value] : fields)
        card.field(field) = value;
    return card;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Reads a CSV text (comma, double quotes) into rows of cells.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cell += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(cell);
            cell.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row.append(cell);
            rows.append(row);
            row.clear();
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row.append(cell);
        rows.append(row);
    }
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(Export)

// The visit and client export screens: the grid filled from the archive, the file written from
// the grid, typing that changes the export and not the archive, and every way an export can fail.
class TestExportScreens : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    QList<QUrl> m_opened;

    QString yearFile() const { return m_app->file(u"2026.vis"_s); }

    std::unique_ptr<ExportScreen> open(Export which)
    {
        std::unique_ptr<ExportScreen> screen;
        if (which == Export::Visits) {
            auto visits = std::make_unique<TfrmExpVisite>();
            visits->setYearFile(yearFile());
            screen = std::move(visits);
        } else {
            screen = std::make_unique<TfrmExpClienti>();
        }
        screen->show();
        return screen;
    }

    void store(const QList<TSchedaVisita> &cards)
    {
        VisitFile file;
        file.open(yearFile());
        for (const TSchedaVisita &card : cards)
            file.append(card);
        file.close();
    }

    void store(const QList<TSchedaAnagrafica> &cards)
    {
        ClientFile file;
        file.open(ClientFilePath());
        for (const TSchedaAnagrafica &card : cards)
            file.append(card);
        file.close();
    }

    static QTableView *grid(QWidget *screen) { return screen->findChild<QTableView *>(u"grdRecords"_s); }
    static QString cellText(QWidget *screen, int row, int column)
    {
        QAbstractItemModel *model = grid(screen)->model();
        return model->data(model->index(row, column)).toString();
    }
    static void click(QWidget *screen, const QString &name)
    {
        QWidget *image = screen->findChild<QWidget *>(name);
        QVERIFY2(image, qPrintable(name));
        QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(10, 10));
    }
    QString exportPath(Export which) const
    {
        return m_app->file(which == Export::Visits ? u"Registro_Visite.xls"_s : u"Visitatori.xls"_s);
    }

    // A small archive of each kind with markup, accents, the euro sign, leading zeros and empty fields.
    void storeTrickyCards()
    {
        using V = VisitField;
        store(QList<TSchedaVisita> {
            VisitCard({ { V::DataEnt, u"07/03/2026"_s }, { V::OraEnt, u"09:05"_s }, { V::OperatoreEnt, u"Zoë"_s },
                { V::Cognome, u"<b>Rossi</b>"_s }, { V::Nome, u"Niccolò"_s }, { V::CodFisc, u"RSSNCC80A01H501U"_s },
                { V::Motivo, u"Consegna & ritiro \"urgente\""_s }, { V::Tessera, u"007"_s },
                { V::TipoDoc, u"Carta d'identità"_s }, { V::NumDoc, u"1e5"_s }, { V::TelCel, u"0612345678"_s },
                { V::Note, u"<script>alert('x')</script> costo 10 € – Ω"_s }, { V::DataUsc, u"07/03/2026"_s },
                { V::OraUsc, u"11:40"_s } }),
            VisitCard({ { V::DataEnt, u"08/03/2026"_s }, { V::Cognome, u"Verdi"_s }, { V::Nome, u"=1+1"_s },
                { V::Tessera, u"-5"_s }, { V::TelCel, u"+39 333 0001"_s }, { V::Note, u"1/2"_s } }),
        });
        using C = ClientField;
        store(QList<TSchedaAnagrafica> {
            RegistryCard(
                { { C::Cognome, u"Rossi"_s }, { C::CodFisc, u"RSSMRA80A01H501U"_s }, { C::Iva, u"01234567890"_s },
                    { C::Cap, u"00100"_s }, { C::ComuneRes, u"Forlì"_s }, { C::TelCasa, u"0543 000111"_s },
                    { C::Iban, u"IT60X0542811101000000123456"_s }, { C::Pagamento, u"Bonifico <30 gg>"_s },
                    { C::Codice, u"000042"_s }, { C::Note, u"Saldo 1.250,00 €"_s } }),
            RegistryCard(
                { { C::Nome, u"Anna"_s }, { C::Email, u"anna&co@example.it"_s }, { C::DataRil, u"01/02/2020"_s } }),
        });
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(10, 15)));
        m_opened.clear();
        TMisc::setOpener([this](const QUrl &url) { m_opened.append(url); });
    }
    void cleanup()
    {
        TMisc::setOpener({});
        SetHelpOpener({});
        m_app.reset();
    }

    void gridLayout_data()
    {
        QTest::addColumn<Export>("which");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("columns"); // name, header, width, typing

        QTest::newRow("visits") << Export::Visits << u" Esporta archivio visite in Microsoft Excel"_s
                                << QStringList { u"colNum|N.|60|no"_s, u"colDataEnt|Data ingresso|120|no"_s,
                                       u"colOraEnt|Ora ingresso|120|yes"_s,
                                       u"colOperatoreEnt|Operatore entrata|250|no"_s,
                                       u"colCognome|Cognome Visitatore|250|no"_s, u"colNome|Nome Visitatore|250|yes"_s,
                                       u"colCodFisc|Codice fiscale|150|no"_s, u"colMotivo|Motivo della visita|300|no"_s,
                                       u"colTessera|Numero tessera|200|no"_s, u"colTipoDoc|Tipo documento|250|yes"_s,
                                       u"colNumDoc|Numero documento|200|yes"_s,
                                       u"colEnteRil|Ente di rilascio|250|yes"_s, u"colTelCel|Tel. cellulare|200|no"_s,
                                       u"colNote|Note|300|yes"_s, u"colDataUsc|Data uscita|120|yes"_s,
                                       u"colOraUsc|Ora uscita|120|no"_s, u"colOperatoreEsc|Operatore uscita|250|no"_s };
        QTest::newRow("clients")
            << Export::Clients << u" Esporta archivio Visitatori in Microsoft Excel"_s
            << QStringList { u"colNum|N.|60|no"_s, u"colDipendente|Cognome e nome Visitatore|250|no"_s,
                   u"colCodFisc|Codice fiscale|150|no"_s, u"colDataNasc|Data di nascita|120|no"_s,
                   u"colComuneNasc|Comune / Stato estero di nascita|250|no"_s, u"colIva|Partita IVA|150|yes"_s,
                   u"colIndirizzo|Indirizzo di residenza|250|no"_s, u"colComuneRes|Comune di residenza|250|yes"_s,
                   u"colRecapito|Recapito preferenziale|200|no"_s, u"colTelCasa|Tel. casa|200|yes"_s,
                   u"colTelCel|Tel. cellulare|200|no"_s, u"colEmail|E-mail|250|no"_s,
                   u"colProfessione|Professione|250|no"_s, u"colIban|IBAN|250|yes"_s,
                   u"colIntestatario|Intestatario C/C|250|no"_s, u"colPagamento|Modalità di pagamento|250|no"_s,
                   u"colProdotti|Prodotti e servizi di interesse|300|no"_s, u"colTipoDoc|Tipo documento|250|yes"_s,
                   u"colNumDoc|Numero documento|200|yes"_s, u"colEnteRil|Ente di rilascio|250|yes"_s,
                   u"colDataRil|Data rilascio|200|yes"_s, u"colDataSca|Data scadenza|200|no"_s,
                   u"colCodice|Codice Cliente|250|yes"_s, u"colCategoria|Categoria|250|no"_s,
                   u"colZona|Zona di appartenenza|250|no"_s, u"colNote|Note|300|yes"_s };
    }
    void gridLayout()
    {
        QFETCH(Export, which);
        QFETCH(QString, caption);
        QFETCH(QStringList, columns);
        storeTrickyCards();
        auto screen = open(which);

        QCOMPARE(screen->windowTitle(), caption);
        QCOMPARE(screen->size(), QSize(862, 560));
        QTableView *view = grid(screen.get());
        QVERIFY(view);
        QCOMPARE(QRect(view->mapTo(view->parentWidget(), QPoint(0, 0)), view->size()), QRect(8, 80, 821, 409));
        QCOMPARE(view->parentWidget()->size(), QSize(837, 533));
        QCOMPARE(view->verticalHeader()->defaultSectionSize(), 21);
        QVERIFY(view->alternatingRowColors());
        QCOMPARE(screen->findChild<QLabel *>(u"panInfo"_s)->text(), u"Esportazione archivio in Microsoft Excel."_s);

        QAbstractItemModel *model = view->model();
        QCOMPARE(model->columnCount(), columns.size());
        QCOMPARE(model->rowCount(), 2);
        for (int c = 0; c < columns.size(); ++c) {
            const QStringList expected = columns[c].split(u'|');
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), expected[1]);
            QCOMPARE(view->columnWidth(c), expected[2].toInt());
            const bool typing = expected[3] == u"yes"_s;
            for (int r = 0; r < 2; ++r) {
                QCOMPARE(bool(model->flags(model->index(r, c)) & Qt::ItemIsEditable), typing);
            }
        }
        QCOMPARE(cellText(screen.get(), 0, 0), u"1"_s);
        QCOMPARE(cellText(screen.get(), 1, 0), u"2"_s);
    }

    void gridShowsTheArchive()
    {
        storeTrickyCards();
        auto visits = open(Export::Visits);
        VisitFile file;
        file.open(yearFile());
        for (int p = 1; p <= 2; ++p) {
            const TSchedaVisita card = file.readAt(p);
            for (int f = 0; f < TSchedaVisita::FieldCount; ++f)
                QCOMPARE(cellText(visits.get(), p - 1, f + 1), card.field(f));
        }
        file.close();

        auto clients = open(Export::Clients);
        QCOMPARE(cellText(clients.get(), 0, 1), u"Rossi "_s); // no first name: surname and one blank
        QCOMPARE(cellText(clients.get(), 1, 1), u" Anna"_s);
        QCOMPARE(cellText(clients.get(), 0, 7), u"Forlì"_s);
        QCOMPARE(cellText(clients.get(), 0, 13), u"IT60X0542811101000000123456"_s);
        QCOMPARE(cellText(clients.get(), 1, 11), u"anna&co@example.it"_s);
        QCOMPARE(cellText(clients.get(), 1, 20), u"01/02/2020"_s);
        QCOMPARE(cellText(clients.get(), 0, 22), u"000042"_s);
    }

    void exportedBytes_data()
    {
        QTest::addColumn<Export>("which");
        QTest::addColumn<QList<Row>>("rows");

        QTest::newRow("visits, no card") << Export::Visits << QList<Row>();
        QTest::newRow("visits, one card")
            << Export::Visits
            << QList<Row> { { "07/03/2026", "09:05", "Bianchi Anna", "Rossi", "Mario", "RSSMRA80A01H501U", "Riunione",
                   "012", "Carta d'identit\xe0", "AX1234567", "Comune di Roma", "0612345678", "", "07/03/2026", "11:40",
                   "Verdi Luca" } };
        QTest::newRow("clients, no card") << Export::Clients << QList<Row>();
        QTest::newRow("clients, three cards")
            << Export::Clients
            << QList<Row> { cells(25, { { 0, "Rossi" }, { 1, "RSSMRA80A01H501U" }, { 6, "Citt\xe0 di Castello" } }),
                   cells(25, {}),
                   cells(25,
                       { { 0, "Bianchi Anna" }, { 2, "01/01/1980" }, { 3, "Roma" }, { 4, "01234567890" },
                           { 5, "Via Roma 1" }, { 7, "E-mail" }, { 8, "06 1234" }, { 9, "333 1234" },
                           { 10, "anna@example.it" }, { 11, "Impiegata" }, { 12, "IT60X0542811101000000123456" },
                           { 13, "Anna Bianchi" }, { 14, "Bonifico" }, { 15, "Polizze" }, { 16, "Patente" },
                           { 17, "U1234567" }, { 18, "MCTC" }, { 19, "01/02/2020" }, { 20, "01/02/2030" },
                           { 21, "C-7" }, { 22, "Oro" }, { 23, "Nord" }, { 24, "Saldo \x80 10,00" } }) };
    }
    void exportedBytes()
    {
        QFETCH(Export, which);
        QFETCH(QList<Row>, rows);
        if (which == Export::Visits && !rows.isEmpty()) {
            using V = VisitField;
            store(QList<TSchedaVisita> { VisitCard({ { V::DataEnt, u"07/03/2026"_s }, { V::OraEnt, u"09:05"_s },
                { V::OperatoreEnt, u"Bianchi Anna"_s }, { V::Cognome, u"Rossi"_s }, { V::Nome, u"Mario"_s },
                { V::CodFisc, u"RSSMRA80A01H501U"_s }, { V::Motivo, u"Riunione"_s }, { V::Tessera, u"012"_s },
                { V::TipoDoc, u"Carta d'identità"_s }, { V::NumDoc, u"AX1234567"_s },
                { V::EnteRil, u"Comune di Roma"_s }, { V::TelCel, u"0612345678"_s }, { V::DataUsc, u"07/03/2026"_s },
                { V::OraUsc, u"11:40"_s }, { V::OperatoreUsc, u"Verdi Luca"_s } }) });
        } else if (which == Export::Clients && !rows.isEmpty()) {
            using C = ClientField;
            store(QList<TSchedaAnagrafica> {
                RegistryCard({ { C::Cognome, u"Rossi"_s }, { C::CodFisc, u"RSSMRA80A01H501U"_s },
                    { C::ComuneRes, u"Città di Castello"_s }, { C::Sesso, u"M"_s }, { C::Banca, u"Banca"_s } }),
                RegistryCard({ { C::Fax, u"06 999"_s }, { C::Rata, u"10,00"_s } }),
                RegistryCard({ { C::Cognome, u"Bianchi"_s }, { C::Nome, u"Anna"_s }, { C::DataNasc, u"01/01/1980"_s },
                    { C::ComuneNasc, u"Roma"_s }, { C::Iva, u"01234567890"_s }, { C::Indirizzo, u"Via Roma 1"_s },
                    { C::Recapito, u"E-mail"_s }, { C::TelCasa, u"06 1234"_s }, { C::TelCel, u"333 1234"_s },
                    { C::Email, u"anna@example.it"_s }, { C::Professione, u"Impiegata"_s },
                    { C::Iban, u"IT60X0542811101000000123456"_s }, { C::Intestatario, u"Anna Bianchi"_s },
                    { C::Pagamento, u"Bonifico"_s }, { C::Prodotti, u"Polizze"_s }, { C::TipoDoc, u"Patente"_s },
                    { C::NumDoc, u"U1234567"_s }, { C::EnteRil, u"MCTC"_s }, { C::DataRil, u"01/02/2020"_s },
                    { C::DataSca, u"01/02/2030"_s }, { C::Codice, u"C-7"_s }, { C::Categoria, u"Oro"_s },
                    { C::Zona, u"Nord"_s }, { C::Note, u"Saldo € 10,00"_s }, { C::Qualifiche, u"Laurea"_s } }),
            });
        }
        MessageRecorder messages;
        auto screen = open(which);
        QCOMPARE(grid(screen.get())->model()->rowCount(), rows.size());
        const QString path = exportPath(which);
        QVERIFY(writeFile(path, "an earlier export, longer than nothing")); // replaced without asking

        click(screen.get(), u"cmdEsporta"_s);

        QCOMPARE(FileBytes(path), expectedFile(which, rows));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.messages[0].kind, MessageKind::Confirmation);
        QCOMPARE(messages.messages[0].text,
            u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti "
            u"in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s);
        QCOMPARE(messages.messages[1].kind, MessageKind::Confirmation);
        QCOMPARE(messages.messages[1].text,
            u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"_s);
        QCOMPARE(m_opened, QList<QUrl> { QUrl::fromLocalFile(path) });
        QCOMPARE(QDir(m_app->path()).entryList(QDir::Files | QDir::Hidden).filter(u".xls"_s),
            QStringList { QFileInfo(path).fileName() });

        // No to opening it: the file stays, nothing is opened.
        messages.answers = { true, false };
        click(screen.get(), u"cmdEsporta"_s);
        QCOMPARE(FileBytes(path), expectedFile(which, rows));
        QCOMPARE(m_opened.size(), 1);
    }

    void typedCellsReachTheExportNotTheArchive_data()
    {
        QTest::addColumn<Export>("which");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("exported");

        QTest::newRow("visit, first name")
            << Export::Visits << 0 << 5 << u"Giovanni & C."_s << QByteArray("Giovanni &amp; C.");
        QTest::newRow("visit, exit date") << Export::Visits << 1 << 14 << u"08/03/2026"_s << QByteArray("08/03/2026");
        QTest::newRow("client, client code") << Export::Clients << 1 << 22 << u"  0099  "_s << QByteArray("0099");
        QTest::newRow("client, notes") << Export::Clients << 0 << 25 << u"Nota <importante>"_s
                                       << QByteArray("Nota &lt;importante&gt;");
    }
    void typedCellsReachTheExportNotTheArchive()
    {
        QFETCH(Export, which);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QByteArray, exported);
        storeTrickyCards();
        const QString archive = which == Export::Visits ? yearFile() : ClientFilePath();
        const QByteArray stored = FileBytes(archive);
        MessageRecorder messages;
        messages.answers = { true, false };

        auto screen = open(which);
        const QString before = cellText(screen.get(), row, column);
        QTableView *view = grid(screen.get());
        const QModelIndex index = view->model()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(index));
        QVERIFY(editor);
        editor->clear();
        QTest::keyClicks(editor, typed);
        // The export takes the cell while it is still being typed in.
        click(screen.get(), u"cmdEsporta"_s);

        QCOMPARE(cellText(screen.get(), row, column), typed);
        const QList<Row> rows = exportedRows(FileBytes(exportPath(which)));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[row][column - 1], exported);
        QCOMPARE(FileBytes(archive), stored);

        screen.reset();
        auto again = open(which);
        QCOMPARE(cellText(again.get(), row, column), before);
    }

    void failedExports_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("no to the question") << u"no"_s;
        QTest::newRow("a folder where the file goes") << u"folder"_s;
        QTest::newRow("disk full") << u"full"_s;
        QTest::newRow("program folder gone") << u"gone"_s;
    }
    void failedExports()
    {
        QFETCH(QString, failure);
        storeTrickyCards();
        MessageRecorder messages;
        const QString folder = m_app->path();
        const QString path = exportPath(Export::Visits);
        const QByteArray earlier = "the export of last month";
        if (failure == u"folder"_s)
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeFile(path, earlier));
        const QStringList folderBefore = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);

        auto screen = open(Export::Visits);
        if (failure == u"no"_s) {
            messages.answers = { false };
            click(screen.get(), u"cmdEsporta"_s);
        } else if (failure == u"full"_s) {
            FileSizeLimit limit(1000);
            click(screen.get(), u"cmdEsporta"_s);
        } else if (failure == u"gone"_s) {
            SetProgramFolder(folder + u"cartella-assente/"_s);
            click(screen.get(), u"cmdEsporta"_s);
            SetProgramFolder(folder);
        } else {
            click(screen.get(), u"cmdEsporta"_s);
        }

        if (failure == u"no"_s) {
            QCOMPARE(messages.count(), 1);
        } else {
            QCOMPARE(messages.count(), 2);
            QCOMPARE(messages.lastKind(), MessageKind::Notice);
            QCOMPARE(messages.lastText(),
                u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non "
                u"sia già aperto."_s);
        }
        QVERIFY(m_opened.isEmpty());
        if (failure == u"folder"_s)
            QVERIFY(QFileInfo(path).isDir());
        else
            QCOMPARE(FileBytes(path), earlier);
        // No half-written file is left beside it.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), folderBefore);
        QVERIFY(!QFileInfo::exists(folder + u"cartella-assente"_s));
    }

    void hintsHelpAndExit_data()
    {
        QTest::addColumn<Export>("which");
        QTest::addColumn<int>("topic");
        QTest::newRow("visits") << Export::Visits << int(HelpTopic::ExpVisite);
        QTest::newRow("clients") << Export::Clients << int(HelpTopic::ExpClienti);
    }
    void hintsHelpAndExit()
    {
        QFETCH(Export, which);
        QFETCH(int, topic);
        auto screen = open(which);
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        auto *panInfo = screen->findChild<QLabel *>(u"panInfo"_s);

        const std::pair<QString, QString> hints[] = {
            { u"cmdEsporta"_s, u"Esporta l'archivio in formato Microsoft Excel."_s },
            { u"cmdGuida"_s, u"Visualizza la pagina della guida sensibile al contesto."_s },
            { u"cmdEsci"_s, u"Esci da questo ambiente di lavoro."_s },
        };
        for (const auto &[control, hint] : hints) {
            auto *image = screen->findChild<QWidget *>(control);
            QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseMove(image, QPoint(10, 10));
            QTRY_COMPARE(panInfo->text(), hint);
            QTest::mouseMove(grid(screen.get())->viewport(), QPoint(400, 300));
            QTRY_COMPARE(panInfo->text(), QString());
        }

        QList<std::pair<QWidget *, int>> asked;
        SetHelpOpener([&asked](QWidget *owner, HelpTopic t) { asked.append({ owner, int(t) }); });
        click(screen.get(), u"cmdGuida"_s);
        QCOMPARE(asked, (QList<std::pair<QWidget *, int>> { { screen.get(), topic } }));

        QVERIFY(screen->isVisible());
        click(screen.get(), u"cmdEsci"_s);
        QVERIFY(!screen->isVisible());
    }

    void theVisitEditorOpensItsYear()
    {
        using V = VisitField;
        Windows().registro()->openYear(u"2026"_s);
        store(QList<TSchedaVisita> { VisitCard({ { V::Cognome, u"Rossi"_s } }),
            VisitCard({ { V::Cognome, u"Verdi"_s } }), VisitCard({ { V::Cognome, u"Bianchi"_s } }) });
        QString name;
        QWidget *owner = nullptr;
        int rows = 0;
        QString number, surname;
        WhenModalShown([&](QDialog *dlg) {
            name = dlg->objectName();
            owner = dlg->parentWidget();
            rows = grid(dlg)->model()->rowCount();
            number = cellText(dlg, 2, 0);
            surname = cellText(dlg, 2, 4);
            click(dlg, u"cmdEsci"_s);
        });
        Windows().registro()->findChild<QPushButton *>(u"btnExcel"_s)->click();
        QCOMPARE(name, u"TfrmExpVisite"_s);
        QCOMPARE(owner, static_cast<QWidget *>(Windows().registro()));
        QCOMPARE(rows, 3);
        QCOMPARE(number, u"3"_s);
        QCOMPARE(surname, u"Bianchi"_s);
    }

    // A real spreadsheet program opens the file with every cell as the grid shows it.
    void libreOfficeReadsEveryCell_data()
    {
        QTest::addColumn<Export>("which");
        QTest::newRow("visits") << Export::Visits;
        QTest::newRow("clients") << Export::Clients;
    }
    void libreOfficeReadsEveryCell()
    {
        QFETCH(Export, which);
        const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
        if (soffice.isEmpty())
            QSKIP("soffice is not installed: scripts/setup-deps --tests installs libreoffice-calc-nogui");

        storeTrickyCards();
        MessageRecorder messages;
        messages.answers = { true, false };
        auto screen = open(which);
        click(screen.get(), u"cmdEsporta"_s);
        const QString exported = exportPath(which);
        QVERIFY(QFileInfo::exists(exported));

        QTemporaryDir work;
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(soffice,
            { u"-env:UserInstallation="_s + QUrl::fromLocalFile(work.filePath(u"profilo"_s)).toString(),
                u"--headless"_s, u"--convert-to"_s, u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"--outdir"_s,
                work.path(), exported });
        QVERIFY(process.waitForFinished(180000));
        const QByteArray output = process.readAll();
        QVERIFY2(process.exitCode() == 0, output.constData());
        QFile csv(work.filePath(QFileInfo(exported).completeBaseName() + u".csv"_s));
        QVERIFY2(csv.open(QIODevice::ReadOnly), output.constData());
        const QList<QStringList> sheet = parseCsv(QString::fromUtf8(csv.readAll()));

        const ExportSheet &format = which == Export::Visits ? VisitExport : ClientExport;
        const int columns = int(format.columns.size());
        QAbstractItemModel *model = grid(screen.get())->model();
        QCOMPARE(sheet.size(), model->rowCount() + 1);
        for (int c = 0; c < columns; ++c)
            QCOMPARE(sheet[0].value(c), format.columns[size_t(c)].caption.toString());
        for (int r = 0; r < model->rowCount(); ++r) {
            QCOMPARE(sheet[r + 1].size(), columns);
            for (int c = 0; c < columns; ++c)
                QCOMPARE(sheet[r + 1][c], TrimText(model->data(model->index(r, c + 1)).toString()));
        }
    }
};

QTEST_MAIN(TestExportScreens)
#include "TestExportScreens.moc"
