#pragma once

// A control that stands in its window as a widget: position and size, edge locks, tab order,
// visibility and enabled state, font, help tag. Each kind adds its own keys.

#include <cstdint>

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "shell/framework/control.h"
#include "shell/framework/fonts.h"

namespace fw {

class RectControl : public Control {
public:
  using Control::Control;

  void SetProperty(std::string_view key, const PropertyValue& value) final;

  QWidget& Widget() const;
  std::int32_t TabIndex() const { return m_tabIndex; }
  bool TabStop() const { return m_tabStop; }

  // Text size and unit are set by code, never by a set. Unit 0, the only one the program uses,
  // is pixels of the window's coordinates.
  void SetTextSize(float size);
  void SetTextUnit(std::uint8_t unit);

  void SetFocus();

  // Moves and sizes the control after its window's content grew by dw and dh: an edge locked
  // on both sides stretches, an edge locked only on the far side moves.
  void FollowWindowResize(int dw, int dh);

protected:
  // The kind's widget, made in its Constructor; it becomes a child of the window's content.
  void Adopt(QWidget* widget);
  // A key of the kind's own; false when the kind does not carry it.
  virtual bool SetKindProperty(std::string_view key, const PropertyValue& value) = 0;
  virtual void ApplyFont(const QFont& font);
  void UpdateFont();

private:
  QPointer<QWidget> m_widget;
  QRect m_design;
  bool m_lockLeft { false };
  bool m_lockTop { false };
  bool m_lockRight { false };
  bool m_lockBottom { false };
  std::int32_t m_tabIndex { 0 };
  bool m_tabStop { true };
  std::string m_fontName { "System" };
  float m_textSize { 0 };
  FontStyle m_style;
};

}  // namespace fw
