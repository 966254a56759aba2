#pragma once
#include <filesystem>
#include <memory>

class QImage;

namespace fw {

class Graphics;

// An image with an optional mask. In a mask, black is opaque and white transparent.
class Picture {
 public:
  Picture(int width, int height, int depth = 32);
  explicit Picture(const QImage& image);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // The file's picture, found by content whatever its name; nullptr when the
  // file is missing or holds no picture that can be read.
  static std::shared_ptr<Picture> Open(const std::filesystem::path& file);

  int Width() const;
  int Height() const;
  // Draws into this picture.
  fw::Graphics& Graphics();
  // The mask; created (all opaque) when asked with create and there is none yet.
  Picture* Mask(bool create = true);
  bool HasMask() const { return mask_ != nullptr; }

  // The picture with its mask applied as alpha: what drawing it shows.
  QImage Composed() const;
  QImage& Image();
  const QImage& Image() const;

 private:
  std::unique_ptr<QImage> image_;
  std::unique_ptr<Picture> mask_;
  std::unique_ptr<fw::Graphics> graphics_;
};

using PicturePtr = std::shared_ptr<Picture>;

}  // namespace fw
