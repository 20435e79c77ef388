#include "app/text_printer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextLayout>

namespace {

constexpr int kTabWidth = 4;

QString expandTabs(const QString &line)
{
    if (!line.contains(QLatin1Char('\t')))
        return line;
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(kTabWidth - out.size() % kTabWidth, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}

// One line of the text laid out in rows no wider than the page.
void layOut(QTextLayout &layout, const QString &line, qreal width)
{
    layout.setText(expandTabs(line));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLeadingIncluded(true);
        row.setLineWidth(width);
        row.setPosition(QPointF(0, y));
        y += row.height();
    }
    layout.endLayout();
}

QSizeF printableArea(QPrinter &printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution()).size();
}

} // namespace

TextPrinter::TextPrinter(const QStringList &lines, const QFont &font)
    : m_lines(lines.isEmpty() ? QStringList{QString()} : lines), m_font(font)
{
}

QFont TextPrinter::deviceFont(QPaintDevice *device) const
{
    QFont font = m_font;
    // A size in pixels means screen pixels; on paper it is kept in points.
    if (font.pointSizeF() <= 0 && font.pixelSize() > 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        font.setPointSizeF(font.pixelSize() * 72.0 / dpi);
    }
    return QFont(font, device);
}

std::vector<TextPrinter::Position> TextPrinter::paginate(QPrinter &printer,
                                                         const QFont &font) const
{
    const QSizeF area = printableArea(printer);
    std::vector<Position> starts{Position{}};
    qreal y = 0;
    for (int i = 0; i < m_lines.size(); ++i) {
        QTextLayout layout(QString(), font, &printer);
        layOut(layout, m_lines[i], area.width());
        for (int row = 0; row < layout.lineCount(); ++row) {
            const qreal height = layout.lineAt(row).height();
            if (y > 0 && y + height > area.height()) {
                starts.push_back(Position{i, row});
                y = 0;
            }
            y += height;
        }
    }
    return starts;
}

void TextPrinter::paintPage(QPainter &painter, QPrinter &printer, const QFont &font,
                            Position from, Position to) const
{
    const qreal width = printableArea(printer).width();
    qreal y = 0;
    for (int i = from.line; i < m_lines.size() && i <= to.line; ++i) {
        QTextLayout layout(QString(), font, &printer);
        layOut(layout, m_lines[i], width);
        const int firstRow = i == from.line ? from.row : 0;
        const int endRow = i == to.line ? to.row : layout.lineCount();
        for (int row = firstRow; row < endRow; ++row) {
            const QTextLine line = layout.lineAt(row);
            line.draw(&painter, QPointF(0, y - line.y()));
            y += line.height();
        }
    }
}

int TextPrinter::pageCount(QPrinter &printer) const
{
    return int(paginate(printer, deviceFont(&printer)).size());
}

TextPrinter::Result TextPrinter::print(QPrinter &printer) const
{
    const QFont font = deviceFont(&printer);
    std::vector<Position> starts = paginate(printer, font);
    const int pages = int(starts.size());
    starts.push_back(Position{int(m_lines.size()), 0});

    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = qMin(printer.toPage() > 0 ? printer.toPage() : pages, pages);
    }
    if (first > last)
        return Result::NothingInRange;

    // Printers that make copies themselves get one; otherwise we repeat.
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    const bool collate = printer.collateCopies();
    std::vector<int> sheets;
    for (int outer = 0; outer < (collate ? copies : 1); ++outer) {
        for (int page = first; page <= last; ++page) {
            for (int inner = 0; inner < (collate ? 1 : copies); ++inner)
                sheets.push_back(page);
        }
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return Result::PrinterFailed;
    painter.setFont(font);
    painter.setPen(Qt::black);
    bool firstSheet = true;
    for (const int page : sheets) {
        if (!firstSheet && !printer.newPage())
            return Result::PrinterFailed;
        firstSheet = false;
        paintPage(painter, printer, font, starts[page - 1], starts[page]);
    }
    return painter.end() ? Result::Printed : Result::PrinterFailed;
}
