#pragma once
// One named element of a report layout: a text box (optionally framed and filled), a line, an
// SVG picture or a grid of modules (a QR code), placed in layout units (1/96 inch) relative to the
// top-left corner of its band.

#include <QBitArray>
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

struct ReportElement
{
    enum class Kind { Text, Line, Picture, Modules };

    Kind kind = Kind::Text;
    QString name;
    QRectF rect; // lines run from rect.topLeft() to rect.bottomRight()

    // Text boxes. A text longer than its box is laid out from the box's left edge and cut at its
    // right edge; it never wraps. With linePitch above 0 the box is a memo: it prints lines instead
    // of text, each linePitch tall from the top, and its height decides how many show. A memo keeps
    // its lines apart so a long one split over pages paints only each page's share.
    QString text;
    QString fontFamily = QStringLiteral("Arial");
    qreal pointSize = 10;
    bool bold = false;
    QColor textColor = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qreal padding = 2; // between the box's side and its text
    qreal linePitch = 0;
    QStringList lines; // memos only; a break inside a line prints as a blank

    // Box and line painting. An invalid fill paints none; with fillBottom valid too the fill is
    // a vertical gradient.
    QColor fill;
    QColor fillBottom;
    bool frame = false;
    QColor frameColor = Qt::black;
    qreal frameWidth = 1;

    // Lines.
    bool arrowAtStart = false;
    bool arrowAtEnd = false;

    // Pictures: an SVG resource such as ":/img/x.svg", stretched over rect.
    QString resource;

    // Modules: rows of equal length, a true bit a square of textColor; the grid fills rect. No
    // rows paint nothing.
    QList<QBitArray> modules;

    bool isMemo() const { return kind == Kind::Text && linePitch > 0; }

    static ReportElement textBox(const QString &name, const QRectF &rect, const QString &text = QString())
    {
        ReportElement e;
        e.name = name;
        e.rect = rect;
        e.text = text;
        return e;
    }
    static ReportElement memo(const QString &name, const QRectF &rect, qreal linePitch, const QStringList &lines)
    {
        ReportElement e = textBox(name, rect);
        e.linePitch = linePitch;
        e.lines = lines;
        return e;
    }
    static ReportElement line(const QString &name, const QPointF &from, const QPointF &to)
    {
        ReportElement e;
        e.kind = Kind::Line;
        e.name = name;
        e.rect = QRectF(from, to);
        return e;
    }
    static ReportElement picture(const QString &name, const QRectF &rect, const QString &resource)
    {
        ReportElement e;
        e.kind = Kind::Picture;
        e.name = name;
        e.rect = rect;
        e.resource = resource;
        return e;
    }
    static ReportElement moduleGrid(const QString &name, const QRectF &rect, const QList<QBitArray> &modules = {})
    {
        ReportElement e;
        e.kind = Kind::Modules;
        e.name = name;
        e.rect = rect;
        e.modules = modules;
        return e;
    }
};
