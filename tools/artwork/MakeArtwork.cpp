// Renders the window's banner (537x94 JPEG) and the application icon (32-bit PNG) into the folder
// given as the only argument. The window embeds the icon's sizes up to 48 px; the desktop's menu
// takes all of them from the installed icon theme.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kBlue(12, 149, 203);
const QColor kGreen(161, 198, 17);
const QColor kInk(40, 52, 64);
const QColor kGrey(110, 120, 130);

// Rising bars with a trend line over them: the picture of an optimization result.
void DrawChart(QPainter& painter, const QRectF& box, const QColor& bars, const QColor& line) {
  const double heights[] = {0.35, 0.55, 0.45, 0.75, 0.95};
  const int count = 5;
  const double gap = box.width() * 0.06;
  const double barWidth = (box.width() - gap * (count - 1)) / count;
  painter.setPen(Qt::NoPen);
  painter.setBrush(bars);
  QPainterPath trend;
  for (int i = 0; i < count; ++i) {
    const double h = box.height() * heights[i];
    const QRectF bar(box.left() + i * (barWidth + gap), box.bottom() - h, barWidth, h);
    painter.drawRect(bar);
    const QPointF top(bar.center().x(), bar.top() - box.height() * 0.08);
    if (i == 0) {
      trend.moveTo(top);
    } else {
      trend.lineTo(top);
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(
      QPen(line, std::max(1.0, box.height() * 0.08), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(trend);
}

QImage Banner() {
  QImage image(537, 94, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient wash(0, 0, 537, 0);
  wash.setColorAt(0.0, QColor(232, 245, 251));
  wash.setColorAt(0.6, Qt::white);
  painter.fillRect(image.rect(), wash);
  painter.fillRect(QRect(0, 90, 537, 4), kBlue);
  painter.fillRect(QRect(0, 88, 180, 2), kGreen);

  painter.setBrush(kBlue);
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(14, 12, 64, 64), 12, 12);
  DrawChart(painter, QRectF(24, 26, 44, 40), Qt::white, kGreen);

  QFont title(QStringLiteral("DejaVu Sans"));
  title.setBold(true);
  title.setPixelSize(30);
  painter.setFont(title);
  painter.setPen(kInk);
  painter.drawText(QPointF(94, 46), QStringLiteral("KVL-RIDAVU"));

  QFont tagline(QStringLiteral("DejaVu Sans"));
  tagline.setPixelSize(14);
  painter.setFont(tagline);
  painter.setPen(kGrey);
  painter.drawText(QPointF(96, 70), QStringLiteral(u"Парсер файла оптимизации в SET"));
  return image;
}

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(kBlue);
  painter.setPen(Qt::NoPen);
  const double radius = size * 0.2;
  painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
  const double margin = size * 0.18;
  DrawChart(painter, QRectF(margin, margin * 1.2, size - 2 * margin, size - 2.2 * margin),
            Qt::white, kGreen);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  bool written = Banner().save(folder.filePath(QStringLiteral("banner.jpg")), "JPG", 92);
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    written =
        Icon(size).save(folder.filePath(QStringLiteral("icon-%1.png").arg(size)), "PNG") && written;
  }
  if (!written) std::fprintf(stderr, "could not write into %s\n", argv[1]);
  return written ? 0 : 1;
}
