// Draws the pictures of the reference tables and the logo of the tables
// window into a folder:
//
//   drawtables <folder>
//
// writes logo.pbm (the word "ТАБЛИЦЫ", one bit per pixel) and the four
// pictures the table windows show. The files are kept in resources/tables, so
// the build does not depend on the fonts of the machine; run this again after
// changing a picture (target drawtables, not built by default).
#include "platform/jpegfile.h"
#include "platform/qt/rgbimage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kPaper(255, 251, 234);
const QColor kInk(26, 26, 94);
const QColor kHeading(139, 26, 26);
const QColor kRule(93, 64, 55);
const char* kFamily = "DejaVu Sans";

QFont fontOf(qreal pixels, bool bold = false, bool italic = false)
{
    QFont font(QString::fromLatin1(kFamily));
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont smaller(const QFont& font)
{
    QFont small = font;
    small.setPixelSize(std::max(10, qRound(font.pixelSize() * 0.7)));
    return small;
}

// A piece of a formula laid out on a baseline: how far it reaches right, up
// and down, and how to draw it with its baseline starting at a point.
struct Box {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
    std::function<void(QPainter&, QPointF)> draw = [](QPainter&, QPointF) {};
};

Box textBox(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.ascent(), metrics.descent(),
            [text, font](QPainter& p, QPointF at) {
                p.setFont(font);
                p.drawText(at, text);
            }};
}

// The box moved up by shift (down when negative).
Box shifted(Box box, qreal shift)
{
    Box moved{box.width, box.ascent + shift, std::max<qreal>(0, box.descent - shift), {}};
    moved.draw = [inner = box.draw, shift](QPainter& p, QPointF at) { inner(p, at - QPointF(0, shift)); };
    return moved;
}

Box rowOf(const std::vector<Box>& boxes)
{
    Box row;
    for (const Box& b : boxes) {
        row.width += b.width;
        row.ascent = std::max(row.ascent, b.ascent);
        row.descent = std::max(row.descent, b.descent);
    }
    row.draw = [boxes](QPainter& p, QPointF at) {
        for (const Box& b : boxes) {
            b.draw(p, at);
            at.rx() += b.width;
        }
    };
    return row;
}

// The bar of a fraction lies at the height of a minus sign.
qreal axisOf(const QFont& font) { return QFontMetricsF(font).xHeight() / 2; }

Box fraction(const Box& over, const Box& under, const QFont& font)
{
    const qreal axis = axisOf(font);
    const qreal gap = 2;
    const qreal width = std::max(over.width, under.width) + 4;
    Box box{width, axis + gap + over.descent + over.ascent, under.ascent + gap + under.descent - axis, {}};
    box.draw = [=](QPainter& p, QPointF at) {
        over.draw(p, at + QPointF((width - over.width) / 2, -axis - gap - over.descent));
        under.draw(p, at + QPointF((width - under.width) / 2, -axis + gap + under.ascent));
        p.setPen(QPen(p.pen().color(), 1.2));
        p.drawLine(at + QPointF(1, -axis), at + QPointF(width - 1, -axis));
    };
    return box;
}

Box root(const Box& radicand, const QFont& font)
{
    const qreal sign = font.pixelSize() * 0.55;
    const qreal top = radicand.ascent + 2;
    Box box{sign + radicand.width + 2, top + 1, radicand.descent, {}};
    box.draw = [=](QPainter& p, QPointF at) {
        p.setPen(QPen(p.pen().color(), 1.2));
        QPainterPath path(at + QPointF(1, -top * 0.45));
        path.lineTo(at + QPointF(sign * 0.35, -top * 0.55));
        path.lineTo(at + QPointF(sign * 0.6, radicand.descent * 0.8));
        path.lineTo(at + QPointF(sign - 1, -top));
        path.lineTo(at + QPointF(sign + radicand.width + 2, -top));
        p.drawPath(path);
        radicand.draw(p, at + QPointF(sign + 1, 0));
    };
    return box;
}

// A formula in a small markup: plain text, ^{raised}, _{lowered},
// \sqrt{radicand} and \frac{over}{under}, nested as deep as wanted.
class Formula {
public:
    static Box layout(const QString& markup, const QFont& font)
    {
        Formula parser(markup);
        return parser.row(font);
    }

private:
    explicit Formula(const QString& markup) : s_(markup) {}

    Box group(const QFont& font)
    {
        ++i_; // '{'
        Box inner = row(font);
        ++i_; // '}'
        return inner;
    }

    Box row(const QFont& font)
    {
        std::vector<Box> boxes;
        QString plain;
        const auto flush = [&] {
            if (!plain.isEmpty())
                boxes.push_back(textBox(plain, font));
            plain.clear();
        };
        const qreal ascent = QFontMetricsF(font).ascent();
        while (i_ < s_.size() && s_[i_] != QLatin1Char('}')) {
            const QChar c = s_[i_];
            if (c == QLatin1Char('^') || c == QLatin1Char('_')) {
                flush();
                ++i_;
                const Box inner = group(smaller(font));
                boxes.push_back(shifted(inner, c == QLatin1Char('^') ? ascent * 0.42 : -ascent * 0.25));
            } else if (s_.mid(i_, 5) == QLatin1String("\\sqrt")) {
                flush();
                i_ += 5;
                boxes.push_back(root(group(font), font));
            } else if (s_.mid(i_, 5) == QLatin1String("\\frac")) {
                flush();
                i_ += 5;
                const Box over = group(font);
                const Box under = group(font);
                boxes.push_back(fraction(over, under, font));
            } else {
                plain += c;
                ++i_;
            }
        }
        flush();
        return rowOf(boxes);
    }

    QString s_;
    qsizetype i_ = 0;
};

// Draws a formula with its baseline at y, starting at x (or centred on x).
void drawFormula(QPainter& p, const QString& markup, const QFont& font, qreal x, qreal y, bool centred = false)
{
    const Box box = Formula::layout(markup, font);
    box.draw(p, QPointF(centred ? x - box.width / 2 : x, y));
}

// Draws a formula centred in a cell, its ascent and descent balanced.
void drawInCell(QPainter& p, const QString& markup, const QFont& font, const QRectF& cell)
{
    const Box box = Formula::layout(markup, font);
    const qreal baseline = cell.center().y() + (box.ascent - box.descent) / 2;
    box.draw(p, QPointF(cell.center().x() - box.width / 2, baseline));
}

// A picture of the given size on paper, drawn by draw, framed where wanted.
template <class Draw>
QImage sheet(int width, int height, bool framed, Draw&& draw)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (framed) {
        p.setPen(QPen(kRule, 2));
        p.drawRect(QRectF(1, 1, width - 2, height - 2));
    }
    draw(p);
    return image;
}

// A heading and the note below it, centred on x.
void heading(QPainter& p, const QString& title, const QFont& titleFont, const QString& note, const QFont& noteFont,
             qreal x, qreal titleY, qreal noteY)
{
    p.setPen(kHeading);
    drawFormula(p, title, titleFont, x, titleY, true);
    p.setPen(kInk);
    drawFormula(p, note, noteFont, x, noteY, true);
}

// Numbered lines of formulas below a heading.
void numberedLines(QPainter& p, const QStringList& lines, const QFont& font, qreal top, qreal step, qreal left)
{
    for (int i = 0; i < lines.size(); ++i) {
        const qreal y = top + i * step;
        p.setPen(kHeading);
        drawFormula(p, QStringLiteral("%1.").arg(i + 1), font, left, y);
        p.setPen(kInk);
        drawFormula(p, lines[i], font, left + font.pixelSize() * 1.9, y);
    }
}

QImage identities()
{
    return sheet(384, 260, true, [](QPainter& p) {
        heading(p, QStringLiteral("Формулы сокращенного умножения"), fontOf(17, true),
                QStringLiteral("(Для любых чисел a,b и с справедливы равенства)"), fontOf(12, false, true), 192, 26,
                46);
        const QStringList lines = {
            QStringLiteral("(a+b)^{2} = a^{2}+2ab+b^{2}"),
            QStringLiteral("(a−b)^{2} = a^{2}−2ab+b^{2}"),
            QStringLiteral("(a+b)(a−b) = a^{2}−b^{2}"),
            QStringLiteral("a^{3}+b^{3} = (a+b)(a^{2}−ab+b^{2})"),
            QStringLiteral("a^{3}−b^{3} = (a−b)(a^{2}+ab+b^{2})"),
            QStringLiteral("(a+b)^{3} = a^{3}+3a^{2}b+3ab^{2}+b^{3}"),
            QStringLiteral("(a−b)^{3} = a^{3}−3a^{2}b+3ab^{2}−b^{3}"),
            QStringLiteral("(a+b+c)^{2} = a^{2}+b^{2}+c^{2}+2ab+2bc+2ac"),
        };
        numberedLines(p, lines, fontOf(16), 75, 24.5, 14);
    });
}

// A grid of cells: column edges and row edges in pixels.
struct Grid {
    std::vector<qreal> columns;
    std::vector<qreal> rows;

    QRectF cell(int column, int row, int columnSpan = 1, int rowSpan = 1) const
    {
        return QRectF(QPointF(columns[column], rows[row]), QPointF(columns[column + columnSpan], rows[row + rowSpan]));
    }
};

std::vector<qreal> edges(qreal first, const std::vector<qreal>& sizes)
{
    std::vector<qreal> result{first};
    for (qreal size : sizes)
        result.push_back(result.back() + size);
    return result;
}

// Draws a table whose first column heads the rows and whose first two rows
// head the columns: the corner cell spans both rows, the title of the columns
// spans the first row over every other column. Heads are shaded.
void headedTable(QPainter& p, const Grid& grid, const QString& corner, const QString& title, const QFont& font)
{
    const int columns = static_cast<int>(grid.columns.size()) - 1;
    const int rows = static_cast<int>(grid.rows.size()) - 1;
    std::vector<QRectF> cells{grid.cell(0, 0, 1, 2), grid.cell(1, 0, columns - 1, 1)};
    for (int row = 1; row < rows; ++row)
        for (int column = row == 1 ? 1 : 0; column < columns; ++column)
            cells.push_back(grid.cell(column, row));
    const QColor shade(246, 232, 196);
    p.fillRect(grid.cell(0, 0, columns, 2), shade);
    p.fillRect(grid.cell(0, 2, 1, rows - 2), shade);
    p.setPen(QPen(kRule, 1.2));
    for (const QRectF& cell : cells)
        p.drawRect(cell);
    p.setPen(QPen(kRule, 2));
    p.drawRect(grid.cell(0, 0, columns, rows));
    p.setPen(kHeading);
    drawInCell(p, corner, font, grid.cell(0, 0, 1, 2));
    drawInCell(p, title, font, grid.cell(1, 0, columns - 1, 1));
}

QImage trigonometry()
{
    return sheet(628, 314, false, [](QPainter& p) {
        const Grid grid{edges(4, {96, 75, 75, 75, 75, 75, 75, 74}), edges(2, {28, 70, 53, 53, 53, 53})};
        const QFont head = fontOf(16, true);
        const QFont value = fontOf(17);
        headedTable(p, grid, QStringLiteral("функция"), QStringLiteral("Аргумент"), head);

        const QStringList arguments = {
            QStringLiteral("0"),
            QStringLiteral("\\frac{π}{6}"),
            QStringLiteral("\\frac{π}{4}"),
            QStringLiteral("\\frac{π}{3}"),
            QStringLiteral("\\frac{π}{2}"),
            QStringLiteral("π"),
            QStringLiteral("\\frac{3π}{2}"),
        };
        const QStringList degrees = {
            QString(),
            QStringLiteral("(30°)"),
            QStringLiteral("(45°)"),
            QStringLiteral("(60°)"),
            QStringLiteral("(90°)"),
            QStringLiteral("(180°)"),
            QStringLiteral("(270°)"),
        };
        p.setPen(kInk);
        for (int i = 0; i < arguments.size(); ++i) {
            const QRectF cell = grid.cell(i + 1, 1);
            if (degrees[i].isEmpty()) {
                drawInCell(p, arguments[i], value, cell);
                continue;
            }
            drawInCell(p, arguments[i], value, cell.adjusted(0, 0, 0, -cell.height() * 0.36));
            drawInCell(p, degrees[i], fontOf(13), cell.adjusted(0, cell.height() * 0.62, 0, 0));
        }

        // The last row holds the cotangent; the table was printed with tg α on it.
        const QStringList functions = {QStringLiteral("sin α"), QStringLiteral("cos α"), QStringLiteral("tg α"),
                                       QStringLiteral("tg α")};
        const QString root2 = QStringLiteral("\\frac{\\sqrt{2}}{2}");
        const QString root3 = QStringLiteral("\\frac{\\sqrt{3}}{2}");
        const QString third = QStringLiteral("\\frac{\\sqrt{3}}{3}");
        const QString half = QStringLiteral("\\frac{1}{2}");
        const QString none = QStringLiteral("—");
        const QStringList values[] = {
            {QStringLiteral("0"), half, root2, root3, QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("−1")},
            {QStringLiteral("1"), root3, root2, half, QStringLiteral("0"), QStringLiteral("−1"), QStringLiteral("0")},
            {QStringLiteral("0"), third, QStringLiteral("1"), QStringLiteral("\\sqrt{3}"), none, QStringLiteral("0"),
             none},
            {none, QStringLiteral("\\sqrt{3}"), QStringLiteral("1"), third, QStringLiteral("0"), none,
             QStringLiteral("0")},
        };
        for (int row = 0; row < 4; ++row) {
            p.setPen(kHeading);
            drawInCell(p, functions[row], head, grid.cell(0, row + 2));
            p.setPen(kInk);
            for (int column = 0; column < 7; ++column)
                drawInCell(p, values[row][column], value, grid.cell(column + 1, row + 2));
        }
    });
}

QImage signs()
{
    return sheet(321, 194, false, [](QPainter& p) {
        const Grid grid{edges(3, {95, 55, 55, 55, 55}), edges(3, {30, 28, 32, 32, 32, 32})};
        const QFont head = fontOf(15, true);
        headedTable(p, grid, QStringLiteral("Функция"), QStringLiteral("Четверть"), head);
        const QStringList quarters = {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
                                      QStringLiteral("IV")};
        for (int i = 0; i < 4; ++i)
            drawInCell(p, quarters[i], head, grid.cell(i + 1, 1));

        const QStringList functions = {QStringLiteral("sin"), QStringLiteral("cos"), QStringLiteral("tg"),
                                       QStringLiteral("ctg")};
        const char* table[] = {"++--", "+--+", "+-+-", "+-+-"};
        const QFont sign = fontOf(22, true);
        for (int row = 0; row < 4; ++row) {
            p.setPen(kHeading);
            drawInCell(p, functions[row], head, grid.cell(0, row + 2));
            for (int column = 0; column < 4; ++column) {
                const bool plus = table[row][column] == '+';
                p.setPen(plus ? QColor(0, 110, 40) : QColor(170, 20, 20));
                drawInCell(p, plus ? QStringLiteral("+") : QStringLiteral("−"), sign, grid.cell(column + 1, row + 2));
            }
        }
    });
}

QImage logarithms()
{
    return sheet(328, 430, true, [](QPainter& p) {
        heading(p, QStringLiteral("Логарифм."), fontOf(18, true), QStringLiteral("a > 0,  a ≠ 1,  b > 0,  b ≠ 1"),
                fontOf(14, false, true), 164, 27, 50);
        const QStringList rules = {
            QStringLiteral("a^{log_{a}x} = x"),
            QStringLiteral("log_{a}a = 1,   log_{a}1 = 0"),
            QStringLiteral("log_{a}(xy) = log_{a}x + log_{a}y,  x, y > 0"),
            QStringLiteral("log_{a} \\frac{x}{y} = log_{a}x − log_{a}y,  x, y > 0"),
            QStringLiteral("log_{a}(x^{p}) = p·log_{a}x,  x > 0"),
            QStringLiteral("log_{a}x = \\frac{log_{b}x}{log_{b}a}"),
            QStringLiteral("log_{a}b · log_{b}a = 1"),
            QStringLiteral("log_{a}b = log_{a^{p}}(b^{p}),  p ≠ 0"),
            QStringLiteral("a^{log_{b}c} = c^{log_{b}a}"),
            QStringLiteral("a^{\\sqrt{log_{a}b}} = b^{\\sqrt{log_{b}a}}"),
        };
        numberedLines(p, rules, fontOf(16), 84, 36, 10);
    });
}

// The word white on black, as large as the picture allows, one bit per pixel.
QImage logo()
{
    QImage image(235, 55, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const QString word = QStringLiteral("ТАБЛИЦЫ");
    QFont font = fontOf(60, true);
    while (font.pixelSize() > 8) {
        const QRectF bounds = QFontMetricsF(font).tightBoundingRect(word);
        if (bounds.width() <= 229 && bounds.height() <= 49)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    const QRectF bounds = QFontMetricsF(font).tightBoundingRect(word);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QPointF((235 - bounds.width()) / 2 - bounds.left(), (55 - bounds.height()) / 2 - bounds.top()), word);
    p.end();
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawtables <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    if (!logo().save(folder + QStringLiteral("logo.pbm"), "PBM")) {
        std::fprintf(stderr, "cannot write logo.pbm\n");
        return 1;
    }
    const struct {
        const char* name;
        QImage (*draw)();
    } pictures[] = {
        {"identities.jpg", identities},
        {"trigonometry.jpg", trigonometry},
        {"signs.jpg", signs},
        {"logarithms.jpg", logarithms},
    };
    try {
        for (const auto& picture : pictures)
            vy::WriteJpegFile((folder + QString::fromLatin1(picture.name)).toStdString(),
                              vy::platform::toRgbImage(picture.draw()), 92);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
