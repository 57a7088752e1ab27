#include "resources/ui/ProgramIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tevano {

namespace {

enum class Shape { New, Open, Save, ReadRadio, WriteRadio, TestMode, Print, About, Radio };

// Colours of the drawings, one palette for all of them.
const QColor kInk(0x33, 0x3A, 0x45);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kFolder(0xF2, 0xC0, 0x4A);
const QColor kBlue(0x2F, 0x6F, 0xC9);
const QColor kGreen(0x2E, 0x9B, 0x5B);
const QColor kRed(0xD0, 0x4A, 0x3A);
const QColor kBody(0x4A, 0x55, 0x63);

void DrawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(4, 1.5);
    page.lineTo(11, 1.5);
    page.lineTo(14.5, 5);
    page.lineTo(14.5, 16.5);
    page.lineTo(4, 16.5);
    page.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawLine(QPointF(11, 1.5), QPointF(11, 5));
    p.drawLine(QPointF(11, 5), QPointF(14.5, 5));
}

// A handheld radio: body, antenna, display and keypad; `scale` fits it into the 18-unit box.
void DrawRadio(QPainter& p, QRectF body) {
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(body.right() - body.width() * 0.28, body.top() - body.height() * 0.45,
                             body.width() * 0.16, body.height() * 0.5),
                      0.6, 0.6);
    p.drawRoundedRect(body, 1.2, 1.2);
    p.setBrush(QColor(0x9F, 0xD8, 0xC4));
    p.drawRect(QRectF(body.left() + body.width() * 0.2, body.top() + body.height() * 0.14,
                      body.width() * 0.6, body.height() * 0.26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xCF, 0xD8));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(QPointF(body.left() + body.width() * (0.28 + col * 0.22),
                                  body.top() + body.height() * (0.58 + row * 0.2)),
                          body.width() * 0.07, body.width() * 0.07);
        }
    }
}

// The computer the cable leads to: a screen on a stand.
void DrawComputer(QPainter& p, QPointF topLeft) {
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(0xDD, 0xEA, 0xF7));
    p.drawRoundedRect(QRectF(topLeft, QSizeF(7, 5.5)), 0.6, 0.6);
    p.drawLine(topLeft + QPointF(3.5, 5.5), topLeft + QPointF(3.5, 7));
    p.drawLine(topLeft + QPointF(1.5, 7.2), topLeft + QPointF(5.5, 7.2));
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-direction.y(), direction.x());
    QPainterPath head;
    head.moveTo(to + direction * 1.5);
    head.lineTo(to - direction * 2.2 + normal * 2.6);
    head.lineTo(to - direction * 2.2 - normal * 2.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void Draw(QPainter& p, Shape shape) {
    p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (shape) {
    case Shape::New:
        DrawPage(p);
        p.setPen(QPen(kGreen, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.25, 8.5), QPointF(9.25, 14));
        p.drawLine(QPointF(6.5, 11.25), QPointF(12, 11.25));
        break;
    case Shape::Open: {
        p.setBrush(kFolder.darker(115));
        p.drawRect(QRectF(1.5, 4, 13, 11));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        QPainterPath front;
        front.moveTo(1.5, 15);
        front.lineTo(4.5, 7.5);
        front.lineTo(17, 7.5);
        front.lineTo(14, 15);
        front.closeSubpath();
        p.setBrush(kFolder);
        p.drawPath(front);
        break;
    }
    case Shape::Save:
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2, 2, 14, 14), 1.2, 1.2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 2, 8, 5));
        p.setBrush(QColor(0xDD, 0xE4, 0xEE));
        p.drawRect(QRectF(4.5, 10, 9, 6));
        p.setBrush(kBlue);
        p.drawRect(QRectF(10.5, 3, 1.5, 3));
        break;
    case Shape::ReadRadio:
        DrawRadio(p, QRectF(1.5, 7, 7, 10));
        DrawArrow(p, QPointF(10, 4.5), QPointF(15.5, 4.5), kGreen);
        DrawComputer(p, QPointF(10, 9));
        break;
    case Shape::WriteRadio:
        DrawRadio(p, QRectF(9.5, 7, 7, 10));
        DrawComputer(p, QPointF(1, 9));
        DrawArrow(p, QPointF(2.5, 4.5), QPointF(8, 4.5), kRed);
        break;
    case Shape::TestMode: {
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap));
        for (int tick = 0; tick < 5; ++tick) {
            const double angle = (210 - tick * 60) * M_PI / 180.0;
            const QPointF dir(std::cos(angle), -std::sin(angle));
            p.drawLine(QPointF(9, 9) + dir * 5.5, QPointF(9, 9) + dir * 7);
        }
        DrawArrow(p, QPointF(9, 9), QPointF(12.2, 5.6), kRed);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(9, 9), 1.4, 1.4);
        break;
    }
    case Shape::Print:
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 9, 6));
        p.setBrush(QColor(0x8A, 0x95, 0xA3));
        p.drawRoundedRect(QRectF(1.5, 6.5, 15, 7), 1, 1);
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 11, 9, 5.5));
        p.setPen(QPen(kInk, 0.8));
        p.drawLine(QPointF(6, 13), QPointF(12, 13));
        p.drawLine(QPointF(6, 14.8), QPointF(11, 14.8));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(14, 8.7), 0.8, 0.8);
        break;
    case Shape::About: {
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.setPen(kPaper);
        p.drawText(QRectF(1.5, 1.8, 15, 15), Qt::AlignCenter, "?");
        break;
    }
    case Shape::Radio:
        DrawRadio(p, QRectF(4.5, 6, 9, 11.5));
        break;
    }
}

class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(Shape shape) : shape_(shape) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 18.0, rect.height() / 18.0);
        if (mode == QIcon::Disabled) {
            painter->setOpacity(0.4);
        }
        Draw(*painter, shape_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new VectorIconEngine(shape_); }

private:
    Shape shape_;
};

} // namespace

QIcon ProgramIcons::Icon(int id) {
    switch (id) {
    case 57600:
        return QIcon(new VectorIconEngine(Shape::New));
    case 57601:
        return QIcon(new VectorIconEngine(Shape::Open));
    case 57603:
        return QIcon(new VectorIconEngine(Shape::Save));
    case 32771:
        return QIcon(new VectorIconEngine(Shape::ReadRadio));
    case 32772:
        return QIcon(new VectorIconEngine(Shape::WriteRadio));
    case 32778:
        return QIcon(new VectorIconEngine(Shape::TestMode));
    case 57607:
        return QIcon(new VectorIconEngine(Shape::Print));
    case 57664:
        return QIcon(new VectorIconEngine(Shape::About));
    case 128:
    case 134:
        return QIcon(new VectorIconEngine(Shape::Radio));
    default:
        return QIcon();
    }
}

} // namespace tevano
