#pragma once
// The toolkit side of a Window: a main window whose central widget holds the controls.
#include <QMainWindow>

namespace fw {

class Window;

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window& owner);
  QWidget* Content() const { return content_; }
  // The next close is the framework's own, not the user's close box.
  void CloseQuietly();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Window& owner_;
  QWidget* content_;
  bool closingQuietly_ = false;
};

}  // namespace fw
