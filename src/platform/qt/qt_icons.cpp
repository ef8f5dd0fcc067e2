// The program's icon (resource 9012), drawn as vectors so that it is sharp at every size the
// desktop asks for: a blue tile with a small tree of reasoning, the root asking, the leaves
// concluding. It holds no picture file and reads none.
#include "platform/qt/qt_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <utility>

namespace platform::qt {

namespace {

constexpr int kProgramIcon = 9012;

// The icon on a 64 x 64 grid, scaled to `size`.
QPixmap program_icon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2b, 0x63, 0xa8));
    tile.setColorAt(1, QColor(0x16, 0x37, 0x63));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 11, 11);

    const QPointF root(32, 15);
    const QPointF left(17, 34);
    const QPointF right(47, 34);
    const QPointF leaf_a(9, 52);
    const QPointF leaf_b(25, 52);
    const QPointF leaf_c(47, 52);
    p.setPen(QPen(QColor(0xe8, 0xf0, 0xfa), 3.2, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [from, to] : {std::pair{root, left}, std::pair{root, right}, std::pair{left, leaf_a},
                                   std::pair{left, leaf_b}, std::pair{right, leaf_c}})
        p.drawLine(from, to);

    p.setPen(QPen(QColor(0xe8, 0xf0, 0xfa), 2.2));
    p.setBrush(QColor(0xf4, 0xb4, 0x3a));
    p.drawEllipse(root, 8.5, 8.5);
    p.setBrush(QColor(0x8f, 0xc9, 0xf2));
    for (const QPointF& node : {left, right}) p.drawEllipse(node, 6, 6);
    p.setBrush(QColor(0x7d, 0xd3, 0x8b));
    for (const QPointF& leaf : {leaf_a, leaf_b, leaf_c}) p.drawEllipse(leaf, 5, 5);

    // The question of the root: a "?" in the node.
    QFont font;
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(QColor(0x16, 0x37, 0x63));
    p.drawText(QRectF(root.x() - 8, root.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

}  // namespace

QIcon resource_icon(int id)
{
    if (id != kProgramIcon) return QIcon();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(program_icon(size));
    return icon;
}

}  // namespace platform::qt
