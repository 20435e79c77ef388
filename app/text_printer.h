#pragma once

#include <QFont>
#include <QStringList>
#include <vector>

class QPainter;
class QPaintDevice;
class QPrinter;

// Prints a text in a given font: long lines wrap, the text flows over as many
// pages as it needs, and the printer's page range, copies and collation are
// honoured (copies are printed here when the printer cannot make them).
class TextPrinter
{
public:
    TextPrinter(const QStringList &lines, const QFont &font);

    // Pages the whole text takes on `printer`'s page.
    int pageCount(QPrinter &printer) const;

    enum class Result { Printed, NothingInRange, PrinterFailed };
    // Prints the pages of the printer's range. NothingInRange when the range
    // starts after the last page (nothing is printed then).
    Result print(QPrinter &printer) const;

private:
    // Where a page begins: a line of the text and a wrapped row inside it.
    struct Position
    {
        int line = 0;
        int row = 0;
        bool operator==(const Position &) const = default;
    };

    // The font at the printer's resolution.
    QFont deviceFont(QPaintDevice *device) const;
    std::vector<Position> paginate(QPrinter &printer, const QFont &font) const;
    void paintPage(QPainter &painter, QPrinter &printer, const QFont &font, Position from,
                   Position to) const;

    QStringList m_lines;
    QFont m_font;
};
