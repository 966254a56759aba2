#include "framework/fw_graphics.h"

#include <QImage>
#include <QPainter>

#include "framework/fw_picture.h"
#include "framework/fw_qt_p.h"

namespace fw {

Graphics::Graphics(QPainter& painter, int width, int height)
    : painter_(&painter), width_(width), height_(height) {}

Graphics::Graphics(QImage& image) : image_(&image), width_(image.width()), height_(image.height()) {}

Graphics::~Graphics() = default;

// A picture's graphics paints and finishes at each call, so that the picture
// can be drawn elsewhere in between.
template <class F>
void Graphics::Paint(F&& draw) {
  if (painter_) {
    draw(*painter_);
    return;
  }
  QPainter painter(image_);
  draw(painter);
}

void Graphics::DrawPicture(const Picture& pic, int x, int y) {
  Paint([&](QPainter& p) { p.drawImage(QPoint(x, y), pic.Composed()); });
}

void Graphics::DrawPicture(const Picture& pic, int x, int y, int destW, int destH, int srcX, int srcY,
                           int srcW, int srcH) {
  Paint([&](QPainter& p) {
    p.drawImage(QRect(x, y, destW, destH), pic.Composed(), QRect(srcX, srcY, srcW, srcH));
  });
}

void Graphics::FillRect(int x, int y, int w, int h) {
  Paint([&](QPainter& p) { p.fillRect(QRect(x, y, w, h), qt::ToQColor(foreColor_)); });
}

void Graphics::DrawRect(int x, int y, int w, int h) {
  Paint([&](QPainter& p) {
    p.setPen(qt::ToQColor(foreColor_));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x, y, w - 1, h - 1));
  });
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
  Paint([&](QPainter& p) {
    p.setPen(qt::ToQColor(foreColor_));
    p.drawLine(x1, y1, x2, y2);
  });
}

void Graphics::DrawString(const std::string& text, int x, int y) {
  Paint([&](QPainter& p) {
    p.setPen(qt::ToQColor(foreColor_));
    p.drawText(x, y, qt::ToQ(text));
  });
}

}  // namespace fw
