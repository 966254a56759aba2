#pragma once
#include <functional>
#include <string>

#include "framework/fw_picture.h"
#include "framework/fw_rectcontrol.h"

namespace fw {

// A push button. Return triggers the window's Default button, Escape its Cancel button.
class PushButton : public RectControl {
 public:
  PushButton(Window& window, const std::string& name);
  std::string Caption() const;
  void Caption(const std::string& text);
  bool Default() const { return default_; }
  void Default(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void Cancel(bool value) { cancel_ = value; }
  // Presses the button as a click would (only when it is enabled and shown).
  void Push();

  std::function<void()> Action;
  void RaiseAction();

 protected:
  virtual void Event_Action();

 private:
  bool default_ = false;
  bool cancel_ = false;
};

// A flat button with a caption and an icon; it does not take the focus.
class BevelButton : public RectControl {
 public:
  BevelButton(Window& window, const std::string& name);
  std::string Caption() const;
  void Caption(const std::string& text);
  const PicturePtr& Icon() const { return icon_; }
  void Icon(PicturePtr picture);
  // The framework's style codes; kept for the look.
  void Bevel(int code) { bevel_ = code; }
  void CaptionAlign(int code) { captionAlign_ = code; }
  void CaptionPlacement(int code);
  void IconAlign(int code) { iconAlign_ = code; }
  void IconDX(int dx) { iconDX_ = dx; }
  void IconDY(int dy) { iconDY_ = dy; }
  void Push();

  std::function<void()> Action;
  void RaiseAction();

 protected:
  virtual void Event_Action();

 private:
  PicturePtr icon_;
  int bevel_ = 0, captionAlign_ = 3, captionPlacement_ = 1, iconAlign_ = 0, iconDX_ = 0, iconDY_ = 0;
};

// A check box.
class CheckBox : public RectControl {
 public:
  CheckBox(Window& window, const std::string& name);
  std::string Caption() const;
  void Caption(const std::string& text);
  bool Value() const;
  void Value(bool checked);

  std::function<void()> Action;
  void RaiseAction();

 protected:
  virtual void Event_Action();
};

// A radio button; the radio buttons of one parent exclude each other.
class RadioButton : public RectControl {
 public:
  RadioButton(Window& window, const std::string& name);
  std::string Caption() const;
  void Caption(const std::string& text);
  bool Value() const;
  void Value(bool selected);

  std::function<void()> Action;
  void RaiseAction();

 protected:
  virtual void Event_Action();
};

}  // namespace fw
