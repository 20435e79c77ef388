#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace glyphs {

namespace {

constexpr int size = 16;
const QColor ink(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor blue(30, 90, 170);
const QColor green(20, 130, 50);

void page(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void textLines(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void magnifier(QPainter &p, qreal x, qreal y)
{
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QPointF(x, y), 3.6, 3.6);
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 2.8, y + 2.8), QPointF(x + 6, y + 6));
}

void arrow(QPainter &p, bool forward)
{
    p.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    if (forward) {
        curve.moveTo(3, 12);
        curve.cubicTo(3, 5, 10, 4, 12, 7);
    } else {
        curve.moveTo(13, 12);
        curve.cubicTo(13, 5, 6, 4, 4, 7);
    }
    p.drawPath(curve);
    p.setBrush(blue);
    p.setPen(Qt::NoPen);
    QPolygonF head;
    if (forward)
        head << QPointF(14, 3) << QPointF(14, 9.5) << QPointF(8.5, 8);
    else
        head << QPointF(2, 3) << QPointF(2, 9.5) << QPointF(7.5, 8);
    p.drawPolygon(head);
}

void draw(QPainter &p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::New:
        page(p, QRectF(3.5, 1.5, 9, 13));
        break;
    case Glyph::Open:
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF() << QPointF(3.5, 7.5) << QPointF(15, 7.5) << QPointF(13, 13.5)
                                  << QPointF(1.5, 13.5));
        break;
    case Glyph::Save:
        p.setPen(QPen(ink, 1));
        p.setBrush(blue);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(210, 210, 210));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case Glyph::Close:
        page(p, QRectF(2.5, 1.5, 9, 13));
        p.setPen(QPen(QColor(190, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(14, 14));
        p.drawLine(QPointF(14, 9), QPointF(9, 14));
        break;
    case Glyph::Print:
        p.setPen(QPen(ink, 1));
        p.setBrush(paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(paper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case Glyph::Cut:
        p.setPen(QPen(ink, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12), 2.4, 2.4);
        p.drawEllipse(QPointF(11.5, 12), 2.4, 2.4);
        p.drawLine(QPointF(6, 10.2), QPointF(11.5, 1.5));
        p.drawLine(QPointF(10, 10.2), QPointF(4.5, 1.5));
        break;
    case Glyph::Copy:
        page(p, QRectF(1.5, 1.5, 8, 10));
        page(p, QRectF(6.5, 4.5, 8, 10));
        textLines(p, QRectF(6.5, 4.5, 8, 10));
        break;
    case Glyph::Paste:
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(190, 140, 80));
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5.5, 1.5, 4, 3));
        page(p, QRectF(7.5, 6.5, 7, 8));
        break;
    case Glyph::Find:
        page(p, QRectF(1.5, 1.5, 9, 12));
        textLines(p, QRectF(1.5, 1.5, 9, 12));
        magnifier(p, 9, 8.5);
        break;
    case Glyph::Replace:
        magnifier(p, 5.5, 5.5);
        p.setPen(QPen(green, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 13), QPointF(14, 13));
        p.drawLine(QPointF(12, 11), QPointF(14, 13));
        p.drawLine(QPointF(12, 15), QPointF(14, 13));
        break;
    case Glyph::Undo:
        arrow(p, false);
        break;
    case Glyph::Redo:
        arrow(p, true);
        break;
    case Glyph::Help: {
        p.setPen(QPen(blue.darker(120), 1));
        p.setBrush(blue);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(paper);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Compile: {
        page(p, QRectF(1.5, 1.5, 9, 13));
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.setPen(blue);
        p.drawText(QRectF(1.5, 3, 9, 11), Qt::AlignCenter, QStringLiteral("{}"));
        p.setPen(QPen(green, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF() << QPointF(9, 11) << QPointF(11, 13.5) << QPointF(15, 7.5));
        break;
    }
    case Glyph::Run:
        p.setPen(QPen(green.darker(130), 1));
        p.setBrush(green);
        p.drawPolygon(QPolygonF() << QPointF(4, 2) << QPointF(14, 8) << QPointF(4, 14));
        break;
    case Glyph::RunInside:
        // A window with the run triangle inside it.
        p.setPen(QPen(ink, 1));
        p.setBrush(paper);
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        p.setBrush(blue);
        p.drawRect(QRectF(0.5, 1.5, 15, 3));
        p.setPen(QPen(green.darker(130), 1));
        p.setBrush(green);
        p.drawPolygon(QPolygonF() << QPointF(5.5, 6) << QPointF(11.5, 9.5) << QPointF(5.5, 13));
        break;
    case Glyph::Debug: {
        // A ladybird: the bug that is hunted here.
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QRectF(3, 4, 10, 11));
        p.setBrush(ink);
        p.drawEllipse(QRectF(5, 1.5, 6, 5));
        p.drawLine(QPointF(8, 6), QPointF(8, 15));
        p.drawEllipse(QRectF(4.5, 8, 2, 2));
        p.drawEllipse(QRectF(9.5, 8, 2, 2));
        p.drawEllipse(QRectF(5.5, 11.5, 2, 2));
        p.drawEllipse(QRectF(8.5, 11.5, 2, 2));
        break;
    }
    case Glyph::Prompt: {
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(0.5, 2.5, 15, 11));
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(220, 220, 220));
        p.drawText(QRectF(1, 3, 14, 10), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral(">_"));
        break;
    }
    case Glyph::Html: {
        page(p, QRectF(1.5, 1.5, 13, 13));
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(7);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(190, 80, 20));
        p.drawText(QRectF(1.5, 2, 13, 12), Qt::AlignCenter, QStringLiteral("</>"));
        break;
    }
    }
}

const char *themeName(Glyph glyph)
{
    switch (glyph) {
    case Glyph::New: return "document-new";
    case Glyph::Open: return "document-open";
    case Glyph::Save: return "document-save";
    case Glyph::Close: return "document-close";
    case Glyph::Print: return "document-print";
    case Glyph::Cut: return "edit-cut";
    case Glyph::Copy: return "edit-copy";
    case Glyph::Paste: return "edit-paste";
    case Glyph::Find: return "edit-find";
    case Glyph::Replace: return "edit-find-replace";
    case Glyph::Undo: return "edit-undo";
    case Glyph::Redo: return "edit-redo";
    case Glyph::Help: return "help-contents";
    case Glyph::Compile: return "run-build";
    case Glyph::Run: return "media-playback-start";
    case Glyph::RunInside: return "";
    case Glyph::Debug: return "";
    case Glyph::Prompt: return "utilities-terminal";
    case Glyph::Html: return "text-html";
    }
    return "";
}

QIcon drawn(Glyph glyph)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(size * scale, size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, glyph);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon icon(Glyph glyph)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName(glyph)), drawn(glyph));
}

} // namespace glyphs
