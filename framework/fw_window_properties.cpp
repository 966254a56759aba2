#include "framework/fw_window_properties.h"

#include "framework/fw_window.h"

namespace fw {

void ApplyProperties(Window& window, const WindowProperties& p) {
  window.Title(p.title);
  window.Width(p.width);
  window.Height(p.height);
  window.MinWidth(p.minWidth);
  window.MinHeight(p.minHeight);
  window.MaxWidth(p.maxWidth);
  window.MaxHeight(p.maxHeight);
  window.Placement(p.placement);
  window.Frame(p.frame);
  window.HasBackColor(p.hasBackColor);
  window.BackColor(p.backColor);
  window.CloseButton(p.closeButton);
  window.Resizeable(p.resizeable);
  window.LiveResize(p.liveResize);
  window.MaximizeButton(p.maximizeButton);
  window.MinimizeButton(p.minimizeButton);
  window.Visible(p.visible);
  window.MenuBarVisible(p.menuBarVisible);
}

}  // namespace fw
