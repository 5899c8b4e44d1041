// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture the windows show travels in the binary, at its stated size and depth.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QSet>
#include <QSvgRenderer>

namespace {

QString Resource(const char* name) { return QStringLiteral(":/pictures/") + name; }

TEST(Pictures, BitmapsAreOpaqueAtTheirStatedSize) {
  const std::pair<const char*, QSize> kBitmaps[] = {
      {"form1_background.png", {720, 536}}, {"model1.png", {410, 308}},
      {"model2.png", {410, 308}},           {"model3.png", {360, 268}},
      {"model4.png", {360, 268}},           {"model5.png", {360, 268}},
      {"model6.png", {360, 268}},           {"sales_car.png", {58, 37}},
      {"sales_globe.png", {66, 66}},        {"sales_coin.png", {57, 57}},
      {"sales_scale.png", {104, 46}},
  };
  for (const auto& [name, size] : kBitmaps) {
    QImageReader reader(Resource(name));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << name << ": " << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), size) << name;
    EXPECT_FALSE(image.hasAlphaChannel()) << name << " is 24-bit colour";
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << name;
  }
}

TEST(Pictures, BankAnimationHasSixFramesOfThirtyHundredthsOn32Colours) {
  QImageReader reader(Resource("bank.gif"));
  ASSERT_TRUE(reader.canRead());
  EXPECT_EQ(reader.imageCount(), 6);
  EXPECT_EQ(reader.loopCount(), -1) << "loops forever";
  QSet<QRgb> colours;
  int frames = 0;
  while (reader.canRead()) {
    const QImage frame = reader.read();
    const int delay = reader.nextImageDelay();  // Qt's GIF reader tells it once the frame is read
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.size(), QSize(139, 136));
    EXPECT_EQ(delay, 300) << "frame " << frames;
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
      for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y));
    }
    ++frames;
  }
  EXPECT_EQ(frames, 6);
  EXPECT_LE(colours.size(), 32);
}

TEST(Pictures, VectorDrawingsRender) {
  QSvgRenderer decoration(Resource("decoration.svg"));
  ASSERT_TRUE(decoration.isValid());
  EXPECT_EQ(decoration.defaultSize(), QSize(196, 186)) << "2.044 by 1.940 inches at 96 dpi";
  QSvgRenderer icon(Resource("icon.svg"));
  ASSERT_TRUE(icon.isValid());
  EXPECT_EQ(icon.defaultSize().width(), icon.defaultSize().height());
}

}  // namespace
