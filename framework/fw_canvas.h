#pragma once
#include <functional>
#include <string>

#include "framework/fw_picture.h"
#include "framework/fw_rectcontrol.h"

namespace fw {

class Graphics;

// A control that paints itself and sees the mouse. After a MouseDown that answers
// True it receives MouseDrag while the button is held and one MouseUp at release;
// after False it receives neither for that press.
class Canvas : public RectControl {
 public:
  Canvas(Window& window, const std::string& name);

  const PicturePtr& Backdrop() const { return backdrop_; }
  void Backdrop(PicturePtr picture);
  // Whether the framework clears the control before each Paint.
  bool EraseBackground() const { return eraseBackground_; }
  void EraseBackground(bool value) { eraseBackground_ = value; }
  bool DoubleBuffer() const { return doubleBuffer_; }
  void DoubleBuffer(bool value) { doubleBuffer_ = value; }
  bool AcceptFocus() const;
  void AcceptFocus(bool value);

  // The owner's handlers (X and Y local to the control).
  std::function<void(Graphics&)> Paint;
  std::function<bool(int, int)> MouseDown;
  std::function<void(int, int)> MouseDrag;
  std::function<void(int, int)> MouseUp;
  std::function<void(int, int)> MouseMove;
  std::function<void()> MouseEnter;
  std::function<void()> MouseExit;
  std::function<bool(const std::string&)> KeyDown;

  // Called by the framework's widget.
  void RaisePaint(Graphics& g);
  bool RaiseMouseDown(int x, int y);
  void RaiseMouseDrag(int x, int y);
  void RaiseMouseUp(int x, int y);
  void RaiseMouseMove(int x, int y);
  void RaiseMouseEnter();
  void RaiseMouseExit();
  bool RaiseKeyDown(const std::string& key);

 protected:
  virtual void Event_Paint(Graphics& g);
  virtual bool Event_MouseDown(int x, int y);
  virtual void Event_MouseDrag(int x, int y);
  virtual void Event_MouseUp(int x, int y);
  virtual void Event_MouseMove(int x, int y);
  virtual void Event_MouseEnter();
  virtual void Event_MouseExit();
  virtual bool Event_KeyDown(const std::string& key);

 private:
  PicturePtr backdrop_;
  bool eraseBackground_ = true;
  bool doubleBuffer_ = false;
};

}  // namespace fw
