#include "framework/fw_picture.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "framework/fw_graphics.h"

namespace fw {

Picture::Picture(int width, int height, int depth)
    : image_(std::make_unique<QImage>(std::max(width, 1), std::max(height, 1),
                                      depth == 32 ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32)) {
  image_->fill(depth == 32 ? Qt::transparent : Qt::white);
}

Picture::Picture(const QImage& image)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))) {}

Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::Open(const std::filesystem::path& file) {
  // By content, not by extension: a resource keeps its historical file name
  // whatever format its bytes are in.
  QImageReader reader(QString::fromStdString(file.string()));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(image);
}

int Picture::Width() const { return image_->width(); }
int Picture::Height() const { return image_->height(); }
QImage& Picture::Image() { return *image_; }
const QImage& Picture::Image() const { return *image_; }

fw::Graphics& Picture::Graphics() {
  if (!graphics_) graphics_ = std::make_unique<fw::Graphics>(*image_);
  return *graphics_;
}

Picture* Picture::Mask(bool create) {
  if (!mask_ && create) {
    mask_ = std::make_unique<Picture>(Width(), Height(), 24);
    mask_->Image().fill(Qt::black);
  }
  return mask_.get();
}

QImage Picture::Composed() const {
  if (!mask_) return *image_;
  QImage out = image_->convertToFormat(QImage::Format_ARGB32);
  const QImage& mask = mask_->Image();
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      int opacity = (x < mask.width() && y < mask.height()) ? 255 - qGray(mask.pixel(x, y)) : 0;
      QRgb p = line[x];
      line[x] = qRgba(qRed(p), qGreen(p), qBlue(p), qAlpha(p) * opacity / 255);
    }
  }
  return out;
}

}  // namespace fw
