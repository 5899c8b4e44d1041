// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/pictures.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace avtosalon::qt {

namespace {

QPixmap Decode(const std::string& name, qreal device_pixel_ratio) {
  const QString base = QStringLiteral(":/pictures/") + QString::fromStdString(name);
  if (QFile::exists(base + ".svg")) {
    QSvgRenderer renderer(base + ".svg");
    const QSize natural = renderer.defaultSize();
    QPixmap pixmap(natural * device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    return pixmap;
  }
  for (const char* suffix : {".png", ".gif"}) {
    if (QFile::exists(base + suffix)) {
      QImageReader reader(base + suffix);  // a GIF shows its first frame as a still
      return QPixmap::fromImage(reader.read());
    }
  }
  return {};
}

QString Path(const std::string& name) {
  const QString base = QStringLiteral(":/pictures/") + QString::fromStdString(name);
  for (const char* suffix : {".svg", ".png", ".gif"}) {
    if (QFile::exists(base + suffix)) return base + suffix;
  }
  return {};
}

}  // namespace

QSize PictureSize(const std::string& name) {
  const QString path = Path(name);
  if (path.endsWith(QStringLiteral(".svg"))) return QSvgRenderer(path).defaultSize();
  return QImageReader(path).size();
}

QPixmap LoadPicture(const std::string& name, qreal device_pixel_ratio) {
  // Pictures never change while the game runs; decode each once per screen scale.
  static QHash<QString, QPixmap> cache;
  const QString key = QString::fromStdString(name) + '@' + QString::number(device_pixel_ratio);
  auto found = cache.find(key);
  if (found == cache.end()) found = cache.insert(key, Decode(name, device_pixel_ratio));
  return *found;
}

}  // namespace avtosalon::qt
