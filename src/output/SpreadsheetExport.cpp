#include "output/SpreadsheetExport.h"

#include "base/DiskSync.h"
#include "base/TextFunctions.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"

#include <QIODevice>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// Every data cell opens with this. Besides the table's x:str, LibreOffice needs its own text
// format (sdnum) to keep "0612345678" from becoming a number that loses its leading zero.
constexpr QStringView DataCellOpen = u"<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";

bool needsReference(char32_t c)
{
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0))
        return true; // control characters: the file stays on one line
    return !IsWindows1252Character(c);
}

// The text as HTML character data: markup characters, controls and whatever the code page lacks
// become character references, so the spreadsheet shows every character that was in the cell.
void appendText(QString &out, QStringView text)
{
    bool plain = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x300) {
            plain = false;
            break;
        }
    }
    // A letter typed as base letter plus combining mark is the letter the code page may hold.
    const QString composed = plain ? QString() : text.toString().normalized(QString::NormalizationForm_C);
    const QStringView source = plain ? text : QStringView(composed);

    for (qsizetype i = 0; i < source.size(); ++i) {
        char32_t c = source.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < source.size() && source.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(source.at(i), source.at(i + 1));
            ++i;
        }
        switch (c) {
        case U'&':
            out += u"&amp;";
            break;
        case U'<':
            out += u"&lt;";
            break;
        case U'>':
            out += u"&gt;";
            break;
        case U'"':
            out += u"&quot;";
            break;
        default:
            if (needsReference(c))
                out += u"&#"_s + QString::number(quint32(c)) + u';';
            else
                out += QChar(char16_t(c));
        }
    }
}

void put(QIODevice *device, const QString &text)
{
    const QByteArray bytes = EncodeWindows1252(text);
    if (device->write(bytes) != bytes.size())
        throw StorageError(u"Export not written: "_s + device->errorString());
}

QString headAndHeaderRow(const ExportSheet &sheet)
{
    QString out = u"<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                  u"xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
                  u"<head>"
                  u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                  u"<!--[if gte mso 9]><xml>"
                  u"<x:ExcelWorkbook>"
                  u"<x:ExcelWorksheets>"
                  u"<x:ExcelWorksheet>"
                  u"<x:Name>"_s;
    appendText(out, sheet.worksheet);
    out += u"</x:Name>"
           u"<x:WorksheetOptions>"
           u"<x:Selected/>"
           u"<x:Panes>"
           u"<x:Pane>"
           u"<x:Number>1</x:Number>"
           u"<x:ActiveRow>3</x:ActiveRow>"
           u"</x:Pane>"
           u"</x:Panes>"
           u"<x:ProtectContents>False</x:ProtectContents>"
           u"<x:ProtectObjects>False</x:ProtectObjects>"
           u"<x:ProtectScenarios>False</x:ProtectScenarios>"
           u"</x:WorksheetOptions>"
           u"</x:ExcelWorksheet>"
           u"</x:ExcelWorksheets>"
           u"</x:ExcelWorkbook>"
           u"</xml><![endif]-->"
           u"</head>"
           u"<body>"
           u"<table x:str>"
           u"<tr>";
    for (const ExportColumn &column : sheet.columns) {
        out += u"<td style=\"text-align: left; font-weight: bold;\" width="_s + QString::number(column.width) + u'>';
        appendText(out, column.caption);
        out += u"</td>";
    }
    out += u"</tr>";
    return out;
}

} // namespace

void WriteSpreadsheet(QIODevice *device, const ExportSheet &sheet, int rows, const ExportCell &cell)
{
    put(device, headAndHeaderRow(sheet));
    const int columns = int(sheet.columns.size());
    QString row;
    for (int r = 0; r < rows; ++r) {
        row = u"<tr>"_s;
        for (int c = 0; c < columns; ++c) {
            row += DataCellOpen;
            appendText(row, TrimText(cell(r, c)));
            row += u"</td>";
        }
        row += u"</tr>";
        put(device, row);
    }
    put(device, u"</table></body></html>"_s);
}

void SaveSpreadsheet(const QString &path, const QByteArray &bytes)
{
    // Until commit() the bytes go to a temporary file; leaving early discards it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw StorageError(u"Cannot create %1: %2"_s.arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size())
        throw StorageError(u"Cannot write %1: %2"_s.arg(path, file.errorString()));
    // An export the disk never confirmed must not replace the earlier one.
    if (!CommitToDisk(file))
        throw StorageError(u"Cannot write %1: %2"_s.arg(path, file.errorString()));
}
