// Draws the two pictures compiled into the program: the window icon (three coloured
// axes leaving a common centre) and the about dialog's picture of Euler's equations.
//
//   drawresources <resources directory>
//
// writes <dir>/icon/icon_32.png and <dir>/images/formula.png. Run it with
// QT_QPA_PLATFORM=offscreen where there is no display.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QTextStream>
#include <QVector>
#include <algorithm>

namespace {

const QColor red(205, 0, 0);
const QColor green(0, 140, 0);
const QColor blue(0, 0, 215);

// ---- Icon -----------------------------------------------------------------------------

void drawArrow(QPainter &painter, QPointF from, QPointF to, const QColor &colour)
{
    const double headLength = 8.0;
    const double headHalfWidth = 4.0;
    const QLineF shaft(from, to);
    const QPointF direction = (to - from) / shaft.length();
    const QPointF normal(-direction.y(), direction.x());
    const QPointF headBase = to - direction * headLength;

    painter.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, headBase + direction);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({ to, headBase + normal * headHalfWidth, headBase - normal * headHalfWidth }));
}

QImage drawIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A small oblique view of a right-handed frame: X to the right, Y up, Z toward the
    // viewer; the axis nearest to the viewer is drawn last.
    const QPointF centre(12.5, 18.5);
    drawArrow(painter, centre, QPointF(12.5, 1.5), green);
    drawArrow(painter, centre, QPointF(30.5, 18.5), red);
    drawArrow(painter, centre, QPointF(2.0, 29.5), blue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(centre, 2.0, 2.0);
    return image;
}

// ---- Formula --------------------------------------------------------------------------

/// One piece of a formula line: a text, optionally with a subscript, or a stacked fraction
/// d<numerator>/dt.
struct Piece {
    QString text;
    QString subscript;
    bool italic = false;
    bool fraction = false;
    double spaceAfter = 0;
};

Piece symbol(const QString &text, const QString &subscript, double spaceAfter = 1.5)
{
    Piece p;
    p.text = text;
    p.subscript = subscript;
    p.italic = true;
    p.spaceAfter = spaceAfter;
    return p;
}

Piece sign(const QString &text, double spaceAfter = 0)
{
    Piece p;
    p.text = text;
    p.spaceAfter = spaceAfter;
    return p;
}

Piece derivative(const QString &subscript)
{
    Piece p = symbol(QStringLiteral("dω"), subscript, 3);
    p.fraction = true;
    return p;
}

class FormulaWriter {
public:
    explicit FormulaWriter(QPainter &painter)
        : painter(painter), body(QStringLiteral("DejaVu Serif")), small(body)
    {
        body.setPixelSize(14);
        small.setPixelSize(9);
    }

    /// Width of a line, so that it can be centred.
    double width(const QVector<Piece> &pieces) const
    {
        double w = 0;
        for (const Piece &p : pieces)
            w += pieceWidth(p) + p.spaceAfter;
        return w;
    }

    void drawLine(
        const QVector<Piece> &pieces, double centreX, double baseline, const QColor &colour)
    {
        painter.setPen(colour);
        double x = centreX - width(pieces) / 2;
        for (const Piece &p : pieces) {
            if (p.fraction)
                drawFraction(p, x, baseline);
            else
                drawSymbol(p, x, baseline);
            x += pieceWidth(p) + p.spaceAfter;
        }
    }

private:
    QFont font(const QFont &base, bool italic) const
    {
        QFont f(base);
        f.setItalic(italic);
        return f;
    }

    double symbolWidth(const Piece &p) const
    {
        double w = QFontMetricsF(font(body, p.italic)).horizontalAdvance(p.text);
        if (!p.subscript.isEmpty())
            w += QFontMetricsF(font(small, true)).horizontalAdvance(p.subscript);
        return w;
    }

    double pieceWidth(const Piece &p) const
    {
        if (!p.fraction)
            return symbolWidth(p);
        const double dt = QFontMetricsF(font(body, true)).horizontalAdvance(QStringLiteral("dt"));
        return std::max(symbolWidth(p), dt) + 2;
    }

    void drawSymbol(const Piece &p, double x, double baseline)
    {
        const QFont main = font(body, p.italic);
        painter.setFont(main);
        painter.drawText(QPointF(x, baseline), p.text);
        if (p.subscript.isEmpty())
            return;
        painter.setFont(font(small, true));
        const double advance = QFontMetricsF(main).horizontalAdvance(p.text);
        painter.drawText(QPointF(x + advance, baseline + 3), p.subscript);
    }

    void drawFraction(const Piece &p, double x, double baseline)
    {
        // The bar sits on the maths axis, about the height of a minus sign.
        const double axis = baseline - 5;
        const double w = pieceWidth(p);
        Piece numerator = p;
        numerator.fraction = false;
        drawSymbol(numerator, x + (w - symbolWidth(numerator)) / 2, axis - 7);
        painter.save();
        painter.setPen(QPen(painter.pen().color(), 1.0));
        painter.drawLine(QPointF(x, axis), QPointF(x + w, axis));
        painter.restore();
        const Piece denominator = symbol(QStringLiteral("dt"), QString());
        drawSymbol(denominator, x + (w - symbolWidth(denominator)) / 2, axis + 13);
    }

    QPainter &painter;
    QFont body;
    QFont small;
};

/// I_a dω_a/dt + (I_c − I_b) ω_b ω_c = 0 for one cyclic order (a, b, c) of the axes; the
/// two angular velocities of the product are written in alphabetical order.
QVector<Piece> eulerEquation(QChar a, QChar b, QChar c)
{
    // Thin spaces around the operators keep the line within the picture's width.
    const QString minus = QStringLiteral("\u2009−\u2009");
    const QChar first = std::min(b, c);
    const QChar second = std::max(b, c);
    return { symbol("I", a.toUpper(), 2), derivative(a), sign(QStringLiteral("\u2009+\u2009"), 1),
        sign("(", 1), symbol("I", c.toUpper(), 0), sign(minus), symbol("I", b.toUpper(), 0),
        sign(")", 3), symbol("ω", first, 2), symbol("ω", second, 0),
        sign(QStringLiteral("\u2009=\u20090")) };
}

QImage drawFormula()
{
    QImage image(200, 155, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    FormulaWriter writer(painter);
    const double centreX = image.width() / 2.0;
    writer.drawLine(eulerEquation('x', 'y', 'z'), centreX, 33, red);
    writer.drawLine(eulerEquation('y', 'z', 'x'), centreX, 83, green);
    writer.drawLine(eulerEquation('z', 'x', 'y'), centreX, 133, blue);
    return image;
}

bool save(const QImage &image, const QString &fileName)
{
    if (!QDir().mkpath(QFileInfo(fileName).path()) || !image.save(fileName, "PNG")) {
        QTextStream(stderr) << "cannot write " << fileName << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: drawresources <resources directory>\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const bool ok = save(drawIcon(), dir + "/icon/icon_32.png")
        && save(drawFormula(), dir + "/images/formula.png");
    return ok ? 0 : 1;
}
