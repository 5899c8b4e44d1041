// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>
#include <string>

// Pictures are carried in the binary as resources under :/pictures/.
namespace avtosalon::qt {

// The picture at its natural size, drawn for a screen of the given scale: vector
// pictures are rendered at that scale so they stay sharp. A missing picture is null.
QPixmap LoadPicture(const std::string& name, qreal device_pixel_ratio);
// The natural size in device-independent pixels, read without decoding the picture.
QSize PictureSize(const std::string& name);

}  // namespace avtosalon::qt
