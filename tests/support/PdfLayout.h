#pragma once
// Reads where the words of a PDF stand (pdftotext -bbox-layout), the colour of a spot of a page
// (pdftoppm), its fonts and title, so report tests can check positions and not only texts. Units:
// points from the top-left corner of the page.

#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

struct PdfWord
{
    QString text;
    QRectF box;
};

struct PdfLine
{
    QString text; // its words joined by single blanks
    QRectF box;
};

struct PdfPage
{
    QSizeF size;
    QList<PdfWord> words;
    QList<PdfLine> lines;

    QList<PdfWord> wordsEqual(const QString &text) const;
    QList<PdfLine> linesContaining(const QString &text) const;
};

QList<PdfPage> ReadPdfLayout(const QString &pdfPath);

// The page rendered at the given resolution (96 gives one pixel per layout unit).
QImage RenderPdfPage(const QString &pdfPath, int page, int dpi);

// The fonts the PDF uses, as pdffonts names them.
QStringList PdfFontNames(const QString &pdfPath);

// The document's title, as pdfinfo reads it; the print job's name.
QString PdfTitle(const QString &pdfPath);

inline constexpr qreal PointsPerMm = 72.0 / 25.4;
inline constexpr qreal PointsPerUnit = 72.0 / 96.0;
