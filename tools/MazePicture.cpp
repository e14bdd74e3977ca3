// Text painted on an image needs a running application of the GUI module;
// the tool has no window, so it runs one on the offscreen platform unless
// told otherwise.

#include "tools/MazePicture.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QMessageLogContext>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>

namespace tools {
namespace {

const QColor kWallColour(45, 45, 50);
const QColor kFloorColour(238, 238, 232);
const QColor kOtherByteColour(222, 210, 190);  // floor to the game, but not a space
const QColor kStartColour(30, 150, 60);
const QColor kGoalColour(200, 40, 40);
const QColor kRouteColour(40, 90, 230, 200);

// Qt's notes about the platform it runs on ("XDG_RUNTIME_DIR not set") mean
// nothing to an author; only its errors are passed on.
void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "mazecheck: %s\n", qPrintable(message));
  }
}

void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(ErrorsOnly);
  static int argc = 1;
  static char name[] = "mazecheck";
  static char* argv[] = {name, nullptr};
  // Kept to the end of the process, as the one application is meant to be.
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

// Twenty colours around the colour wheel, one per key number.
QColor NumberColour(int number, bool door) {
  const int hue = (number - 1) * 360 / maze::kKeyCount;
  return door ? QColor::fromHsv(hue, 200, 190) : QColor::fromHsv(hue, 110, 250);
}

QRect CellRect(int x, int y) {
  return QRect((x - 1) * kCellPixels, (y - 1) * kCellPixels, kCellPixels, kCellPixels);
}

QPoint CellCentre(maze::GridPosition p) { return CellRect(p.x, p.y).center() + QPoint(1, 1); }

void DrawCell(QPainter& painter, int x, int y, maze::CellCode code) {
  const QRect rect = CellRect(x, y);
  const bool door = maze::IsDoor(code);
  const bool key = maze::IsKey(code);
  if (maze::IsWall(code)) {
    painter.fillRect(rect, kWallColour);
  } else if (door) {
    painter.fillRect(rect, NumberColour(maze::DoorKeyNumber(code), true));
  } else {
    painter.fillRect(rect, code == maze::kFloor || key ? kFloorColour : kOtherByteColour);
  }
  if (key) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(NumberColour(maze::KeyNumber(code), false));
    painter.drawEllipse(rect);
  }
  if (door || key) {
    painter.setPen(Qt::black);
    const int number = door ? maze::DoorKeyNumber(code) : maze::KeyNumber(code);
    painter.drawText(rect, Qt::AlignCenter, QString::number(number));
  }
}

void DrawMark(QPainter& painter, maze::GridPosition p, const QColor& colour, const char* letter) {
  if (!maze::OnGrid(p.x, p.y)) return;
  const QRect rect = CellRect(p.x, p.y);
  painter.fillRect(rect, colour);
  painter.setPen(Qt::white);
  painter.drawText(rect, Qt::AlignCenter, letter);
}

void DrawRoute(QPainter& painter, const std::vector<maze::GridPosition>& route) {
  if (route.size() < 2) return;
  QPainterPath path(CellCentre(route.front()));
  for (size_t i = 1; i < route.size(); ++i) path.lineTo(CellCentre(route[i]));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kRouteColour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
}

}  // namespace

PictureResult WriteMazePicture(const std::filesystem::path& file, const maze::MazeRecord& record,
                               const std::vector<maze::GridPosition>& route) {
  EnsureApplication();
  QImage image(kPictureSide, kPictureSide, QImage::Format_RGB32);
  image.fill(kFloorColour);
  {
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(kCellPixels - 4);
    painter.setFont(font);
    for (int y = 1; y <= maze::kGridSize; ++y) {
      for (int x = 1; x <= maze::kGridSize; ++x)
        DrawCell(painter, x, y, maze::CellAt(record.grid, x, y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    DrawRoute(painter, route);
    DrawMark(painter, record.start, kStartColour, "S");
    DrawMark(painter, record.goal, kGoalColour, "G");
  }
  const QString name = QString::fromStdString(file.string());
  if (!image.save(name, "PNG")) return {false, "the picture cannot be written to " + file.string()};
  return {true, {}};
}

}  // namespace tools

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig, which Qt asks for the font of the numbers, keeps its caches to
// the end of the process on purpose; the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
