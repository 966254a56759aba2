#pragma once
#include <string>

#include "framework/fw_color.h"

class QPainter;
class QImage;

namespace fw {

class Picture;

// Drawing onto a control while it paints, or into a picture.
class Graphics {
 public:
  // Draws with a painter that the framework holds for the duration of a Paint.
  Graphics(QPainter& painter, int width, int height);
  // Draws into an image; each call paints and finishes at once.
  explicit Graphics(QImage& image);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }

  Color ForeColor() const { return foreColor_; }
  void ForeColor(Color c) { foreColor_ = c; }

  // The whole picture at its own size, its mask applied.
  void DrawPicture(const Picture& pic, int x, int y);
  // The source rectangle of the picture into the destination rectangle.
  void DrawPicture(const Picture& pic, int x, int y, int destW, int destH, int srcX, int srcY,
                   int srcW, int srcH);
  void FillRect(int x, int y, int w, int h);
  void DrawRect(int x, int y, int w, int h);
  void DrawLine(int x1, int y1, int x2, int y2);
  void DrawString(const std::string& text, int x, int y);

 private:
  template <class F>
  void Paint(F&& draw);

  QPainter* painter_ = nullptr;
  QImage* image_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Color foreColor_{};
};

}  // namespace fw
