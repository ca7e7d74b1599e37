// Draws the program's icons and window images as PNG files into the folder
// given on the command line (resources/icons and resources/images). They are
// our own drawings; run it again after changing a drawing and commit the files.

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

void save(const QString& path, int w, int h, const Draw& draw) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    img.save(path);
}

void icon(const QString& dir, const QString& name, const Draw& draw) {
    save(dir + "/icons/" + name + ".png", 32, 32, draw);
}

void check_box(QPainter& p, bool on) {
    p.setPen(QPen(QColor(70, 70, 70), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(5, 5, 22, 22), 3, 3);
    if (on) {
        p.setPen(QPen(QColor(20, 140, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 16), QPointF(14, 22), QPointF(24, 9)}));
    }
}

void tick(QPainter& p, QColor c) {
    p.setPen(QPen(c, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 25), QPointF(27, 8)}));
}

void cross(QPainter& p, QColor c) {
    p.setPen(QPen(c, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(8, 8, 24, 24);
    p.drawLine(24, 8, 8, 24);
}

void round_badge(QPainter& p, QColor c) {
    QRadialGradient g(12, 10, 20);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setPen(QPen(c.darker(140), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 28, 28));
}

void letter(QPainter& p, const QString& s, QColor c, int size = 18) {
    QFont f("DejaVu Sans", size);
    f.setPixelSize(size);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, s);
}

void arrow(QPainter& p, double angle) {
    p.save();
    p.translate(16, 16);
    p.rotate(angle);
    QPainterPath a;
    a.moveTo(-10, -4);
    a.lineTo(2, -4);
    a.lineTo(2, -10);
    a.lineTo(12, 0);
    a.lineTo(2, 10);
    a.lineTo(2, 4);
    a.lineTo(-10, 4);
    a.closeSubpath();
    p.setPen(QPen(QColor(20, 70, 140), 1.5));
    p.setBrush(QColor(60, 130, 210));
    p.drawPath(a);
    p.restore();
}

void icons(const QString& d) {
    icon(d, "checkon", [](QPainter& p) { check_box(p, true); });
    icon(d, "checkoff", [](QPainter& p) { check_box(p, false); });
    icon(d, "ok", [](QPainter& p) { tick(p, QColor(20, 140, 40)); });
    icon(d, "cancel", [](QPainter& p) { cross(p, QColor(200, 30, 30)); });
    icon(d, "list_ok", [](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 2));
        for (int y : {8, 15, 22}) {
            p.drawLine(4, y, 16, y);
        }
        p.setPen(QPen(QColor(20, 140, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(16, 18), QPointF(21, 25), QPointF(29, 10)}));
    });
    icon(d, "print", [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawLine(11, 23, 21, 23);
        p.drawLine(11, 26, 19, 26);
    });
    icon(d, "resize", [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(QColor(250, 250, 220));
        p.drawRect(QRectF(3, 6, 26, 20));
        p.drawLine(16, 6, 16, 26);
        p.setPen(QPen(QColor(20, 70, 140), 2));
        p.drawLine(10, 16, 22, 16);
        p.drawLine(10, 16, 13, 13);
        p.drawLine(10, 16, 13, 19);
        p.drawLine(22, 16, 19, 13);
        p.drawLine(22, 16, 19, 19);
    });
    icon(d, "resize_auto", [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(QColor(220, 235, 250));
        p.drawRect(QRectF(3, 6, 26, 20));
        p.drawLine(12, 6, 12, 26);
        p.drawLine(21, 6, 21, 26);
        letter(p, "A", QColor(170, 40, 40), 14);
    });
    icon(d, "web_help", [](QPainter& p) {
        round_badge(p, QColor(40, 110, 200));
        p.setPen(QPen(QColor(230, 240, 255), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(9, 3, 14, 26));
        p.drawLine(3, 16, 29, 16);
        letter(p, "?", QColor(255, 220, 60), 20);
    });
    icon(d, "help", [](QPainter& p) {
        round_badge(p, QColor(40, 110, 200));
        letter(p, "?", Qt::white, 20);
    });
    icon(d, "plus", [](QPainter& p) {
        round_badge(p, QColor(30, 150, 60));
        letter(p, "+", Qt::white, 24);
    });
    icon(d, "minus", [](QPainter& p) {
        round_badge(p, QColor(200, 40, 40));
        letter(p, "\u2212", Qt::white, 24);
    });
    icon(d, "clear", [](QPainter& p) {
        p.setPen(QPen(QColor(110, 80, 40), 1.5));
        p.setBrush(QColor(240, 200, 120));
        p.drawRect(QRectF(6, 4, 20, 24));
        cross(p, QColor(200, 30, 30));
    });
    icon(d, "edit", [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 4, 20, 24));
        p.save();
        p.translate(18, 18);
        p.rotate(45);
        p.setBrush(QColor(240, 180, 40));
        p.drawRect(QRectF(-3, -14, 6, 22));
        p.restore();
    });
    icon(d, "def_kontrola", [](QPainter& p) {
        round_badge(p, QColor(240, 160, 30));
        letter(p, "K", Qt::white, 18);
    });
    icon(d, "def_util", [](QPainter& p) {
        round_badge(p, QColor(110, 110, 130));
        letter(p, "U", Qt::white, 18);
    });
    icon(d, "bullets", [](QPainter& p) {
        for (int y : {8, 16, 24}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 110, 200));
            p.drawEllipse(QPointF(7, y), 3, 3);
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.drawLine(13, y, 28, y);
        }
    });
    icon(d, "left", [](QPainter& p) { arrow(p, 180); });
    icon(d, "down", [](QPainter& p) { arrow(p, 90); });
    icon(d, "kw_lozinka", [](QPainter& p) {
        p.setPen(QPen(QColor(120, 90, 10), 2));
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(QRectF(3, 9, 14, 14));
        p.drawRect(QRectF(16, 14, 13, 4));
        p.drawRect(QRectF(24, 18, 3, 5));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(7, 13, 6, 6));
    });
    icon(d, "waframe", [](QPainter& p) {
        p.setPen(QPen(QColor(30, 60, 110), 1.5));
        p.setBrush(QColor(60, 120, 200));
        p.drawRoundedRect(QRectF(2, 4, 28, 20), 2, 2);
        p.setBrush(QColor(210, 230, 250));
        p.drawRect(QRectF(5, 7, 22, 14));
        p.setBrush(QColor(90, 90, 100));
        p.drawRect(QRectF(11, 24, 10, 3));
        p.drawRect(QRectF(7, 27, 18, 2));
        letter(p, "Z", QColor(30, 60, 110), 12);
    });
}

void images(const QString& d) {
    save(d + "/images/server-room.png", 800, 560, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 560);
        g.setColorAt(0, QColor(18, 30, 52));
        g.setColorAt(1, QColor(6, 10, 20));
        p.fillRect(0, 0, 800, 560, g);
        for (int r = 0; r < 7; ++r) {
            const int x = 30 + r * 110;
            QLinearGradient rack(x, 0, x + 90, 0);
            rack.setColorAt(0, QColor(40, 46, 58));
            rack.setColorAt(1, QColor(24, 28, 36));
            p.fillRect(x, 60, 90, 440, rack);
            p.setPen(QColor(70, 80, 96));
            p.drawRect(x, 60, 90, 440);
            for (int u = 0; u < 20; ++u) {
                const int y = 70 + u * 21;
                p.fillRect(x + 6, y, 78, 16, QColor(30, 34, 44));
                p.setPen(QColor(55, 62, 76));
                p.drawRect(x + 6, y, 78, 16);
                const QColor led = (u + r) % 5 == 0 ? QColor(255, 150, 40) : QColor(60, 220, 110);
                p.setPen(Qt::NoPen);
                p.setBrush(led);
                p.drawEllipse(QPointF(x + 14, y + 8), 2, 2);
                p.setBrush(QColor(70, 160, 255));
                p.drawEllipse(QPointF(x + 22, y + 8), 2, 2);
            }
        }
        QLinearGradient floor(0, 500, 0, 560);
        floor.setColorAt(0, QColor(30, 40, 60));
        floor.setColorAt(1, QColor(10, 14, 24));
        p.fillRect(0, 500, 800, 60, floor);
    });
    save(d + "/images/login.png", 520, 140, [](QPainter& p) {
        QLinearGradient g(0, 0, 520, 140);
        // Pale, so that the title drawn over it in the desktop colour reads.
        g.setColorAt(0, QColor(240, 245, 252));
        g.setColorAt(1, QColor(188, 212, 238));
        p.fillRect(0, 0, 520, 140, g);
        p.setPen(QPen(QColor(255, 255, 255, 140), 2));
        for (int i = 0; i < 14; ++i) {
            p.drawLine(i * 45 - 60, 140, i * 45 + 40, 0);
        }
        p.setPen(QPen(QColor(214, 160, 30), 5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(400, 35, 44, 44));
        p.drawLine(444, 57, 500, 57);
        p.drawLine(488, 57, 488, 75);
        p.drawLine(474, 57, 474, 70);
    });
    save(d + "/images/katalog.png", 640, 300, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 300);
        g.setColorAt(0, QColor(246, 248, 252));
        g.setColorAt(1, QColor(214, 224, 238));
        p.fillRect(0, 0, 640, 300, g);
        p.setPen(QPen(QColor(190, 205, 225), 1));
        for (int y = 20; y < 300; y += 20) {
            p.drawLine(0, y, 640, y);
        }
    });
    save(d + "/images/kwtolbar.png", 800, 40, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 40);
        g.setColorAt(0, QColor(250, 250, 252));
        g.setColorAt(1, QColor(212, 218, 228));
        p.fillRect(0, 0, 800, 40, g);
        p.setPen(QColor(170, 176, 190));
        p.drawLine(0, 39, 800, 39);
    });
    save(d + "/images/kwgr.png", 400, 300, [](QPainter& p) {
        QLinearGradient g(0, 0, 400, 300);
        g.setColorAt(0, QColor(236, 240, 246));
        g.setColorAt(1, QColor(206, 216, 230));
        p.fillRect(0, 0, 400, 300, g);
    });
    save(d + "/images/kw_tab1.png", 400, 300, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 300);
        g.setColorAt(0, QColor(252, 250, 240));
        g.setColorAt(1, QColor(232, 226, 204));
        p.fillRect(0, 0, 400, 300, g);
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir + "/icons");
    QDir().mkpath(dir + "/images");
    icons(dir);
    images(dir);
    return 0;
}
