#pragma once
#include <functional>
#include <string>

#include "framework/fw_color.h"
#include "framework/fw_rectcontrol.h"

namespace fw {

// What a text field and a text area share: the text, its colours, its change event.
class TextEdit : public RectControl {
 public:
  virtual std::string Text() const = 0;
  virtual void Text(const std::string& text) = 0;
  void TextColor(Color c);
  void BackColor(Color c);
  void ReadOnly(bool value);
  bool ReadOnly() const { return readOnly_; }
  virtual void SelectAll() = 0;
  virtual std::string SelText() const = 0;

  std::function<void()> TextChange;
  void RaiseTextChange();

 protected:
  TextEdit(Window& window, const std::string& name, QWidget* widget);
  virtual void Event_TextChange();
  virtual void ApplyReadOnly() = 0;

 private:
  bool readOnly_ = false;
};

// One line of text; Password masks what it shows.
class TextField : public TextEdit {
 public:
  TextField(Window& window, const std::string& name);
  std::string Text() const override;
  void Text(const std::string& text) override;
  bool Password() const;
  void Password(bool masked);
  void LimitText(int maxChars);
  // 0 left, 1 left, 2 centre, 3 right.
  void Alignment(int code);
  void SelectAll() override;
  std::string SelText() const override;

 protected:
  void ApplyReadOnly() override;
};

// Several lines of plain text; Tab moves the focus instead of inserting a tab.
class TextArea : public TextEdit {
 public:
  TextArea(Window& window, const std::string& name);
  std::string Text() const override;
  void Text(const std::string& text) override;
  void ScrollbarVertical(bool on);
  void ScrollbarHorizontal(bool on);
  void SelectAll() override;
  std::string SelText() const override;

 protected:
  void ApplyReadOnly() override;
};

// A label. It takes a mouse press only when its owner handles MouseDown;
// otherwise the press goes on to the window, as a click on the window itself.
class StaticText : public RectControl {
 public:
  StaticText(Window& window, const std::string& name);
  std::string Text() const;
  void Text(const std::string& text);
  void TextColor(Color c);
  Color TextColor() const { return color_; }
  // 0 left, 1 left, 2 centre, 3 right.
  void TextAlign(int code);
  void Multiline(bool on);

  // The owner's handlers (X and Y local to the label).
  std::function<bool(int, int)> MouseDown;
  std::function<void()> MouseEnter;
  std::function<void()> MouseExit;

  // Called by the framework's widget.
  bool TakesMouseDown() const { return static_cast<bool>(MouseDown); }
  bool RaiseMouseDown(int x, int y);
  void RaiseMouseEnter();
  void RaiseMouseExit();

 protected:
  virtual bool Event_MouseDown(int x, int y);
  virtual void Event_MouseEnter();
  virtual void Event_MouseExit();

 private:
  Color color_{};
};

// A titled frame; the controls inside it follow it when it moves or resizes.
class GroupBox : public RectControl {
 public:
  GroupBox(Window& window, const std::string& name);
  std::string Caption() const;
  void Caption(const std::string& text);
};

// A horizontal or vertical line.
class Separator : public RectControl {
 public:
  Separator(Window& window, const std::string& name);
};

}  // namespace fw
