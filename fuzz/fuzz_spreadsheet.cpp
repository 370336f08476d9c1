// The spreadsheet cell writer on any cell texts: whatever the cells hold, the file stays one line
// of the fixed head, one row per grid row with one cell per column, and the fixed tail.

#include "FuzzSupport.h"

#include "output/SpreadsheetExport.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool clients = input.ConsumeBool();
    const ExportSheet &sheet = clients ? ClientExport : VisitExport;
    const int rows = input.ConsumeIntegralInRange(0, 4);
    QStringList texts;
    while (input.remaining_bytes() > 0 && texts.size() < 40)
        texts << TakeText(input, 80);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const int columns = int(sheet.columns.size());
    WriteSpreadsheet(&buffer, sheet, rows, [&](int row, int column) {
        FUZZ_CHECK(row >= 0 && row < rows && column >= 0 && column < columns);
        return texts.isEmpty() ? QString() : texts.at((row * columns + column) % texts.size());
    });
    const QByteArray file = buffer.data();

    // Cell text never becomes markup or a line break.
    FUZZ_CHECK(!file.contains('\n') && !file.contains('\r'));
    FUZZ_CHECK(file.startsWith("<html ") && file.endsWith("</table></body></html>"));
    FUZZ_CHECK(file.count("<tr>") == rows + 1 && file.count("</tr>") == rows + 1);
    FUZZ_CHECK(file.count("<td") == qsizetype(rows + 1) * columns);
    FUZZ_CHECK(file.count("</td>") == qsizetype(rows + 1) * columns);
    FUZZ_CHECK(file.count('<') == file.count('>'));
    return 0;
}
