#pragma once
// The spreadsheet file of the exports: an HTML page holding one table, with the Office namespaces
// and a workbook description, that spreadsheet programs open as a worksheet. It is Windows-1252
// text on one line, written row by row as the rows come, never held whole in memory.

#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <span>

class QIODevice;

// A column of the exported table: its caption in the header row and its width.
struct ExportColumn
{
    QStringView caption;
    int width;
};

// The columns of the register's export: the sixteen fields of a visit card, in stored order.
inline constexpr std::array<ExportColumn, 16> VisitExportColumns { {
    { u"Data ingresso", 180 },
    { u"Ora ingresso", 180 },
    { u"Operatore entrata", 250 },
    { u"Cognome Visitatore", 250 },
    { u"Nome Visitatore", 250 },
    { u"Codice fiscale", 200 },
    { u"Motivo della visita", 300 },
    { u"Numero tessera", 200 },
    { u"Tipo documento", 250 },
    { u"Numero documento", 200 },
    { u"Ente di rilascio", 250 },
    { u"Cellulare", 180 },
    { u"Note", 300 },
    { u"Data uscita", 180 },
    { u"Ora uscita", 180 },
    { u"Operatore uscita", 250 },
} };

// The columns of the registry's export.
inline constexpr std::array<ExportColumn, 25> ClientExportColumns { {
    { u"Cognome e nome Visitatore", 250 },
    { u"Codice fiscale", 200 },
    { u"Data di nascita", 200 },
    { u"Comune di nascita", 250 },
    { u"Partita IVA", 200 },
    { u"Indirizzo di residenza", 250 },
    { u"Città di residenza", 250 },
    { u"Recapito preferenziale", 250 },
    { u"Tel. casa", 200 },
    { u"Tel. cellulare", 200 },
    { u"E-mail", 250 },
    { u"Professione", 250 },
    { u"IBAN", 300 },
    { u"Intestatario C/C", 250 },
    { u"Modalità di pagamento", 250 },
    { u"Prodotti e servizi di interesse", 300 },
    { u"Tipo documento", 250 },
    { u"Numero documento", 250 },
    { u"Ente di rilascio", 250 },
    { u"Data di rilascio", 200 },
    { u"Data di scadenza", 200 },
    { u"Codice Cliente", 250 },
    { u"Categoria", 250 },
    { u"Zona di appartenenza", 250 },
    { u"Note", 300 },
} };

// One export: the file it writes in the program folder, the worksheet's name and the columns.
struct ExportSheet
{
    QStringView fileName;
    QStringView worksheet;
    std::span<const ExportColumn> columns;
};

inline constexpr ExportSheet VisitExport { u"Registro_Visite.xls", u"Registro Visite", VisitExportColumns };
inline constexpr ExportSheet ClientExport { u"Visitatori.xls", u"Anagrafica Visitatori", ClientExportColumns };

// The text of the cell at a 0-based row and a 0-based column of the exported table.
using ExportCell = std::function<QString(int row, int column)>;

// Writes the whole file to `device`, already open for writing: the head, the header row, `rows`
// rows of the sheet's columns and the tail. Cell text is trimmed and written as text, never as
// markup; a character the code page lacks is written as its character reference.
// Throws StorageError when a write fails.
void WriteSpreadsheet(QIODevice *device, const ExportSheet &sheet, int rows, const ExportCell &cell);

// Writes the file at `path` whole or not at all: the bytes go to a temporary file beside it, which
// replaces an earlier file only once complete. Throws StorageError, leaving an earlier file as it was.
void SaveSpreadsheet(const QString &path, const QByteArray &bytes);
