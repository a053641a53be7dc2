#include "shell/framework/rect_control.h"

#include "shell/framework/nil_object_exception.h"
#include "shell/framework/qt_text.h"
#include "shell/framework/window.h"

namespace fw {

QWidget& RectControl::Widget() const { return NotNil(m_widget.data(), "the widget of control '" + Name() + "'"); }

void RectControl::Adopt(QWidget* widget) {
  m_widget = widget;
  widget->setParent(&Owner().Content());
  widget->show();
}

void RectControl::SetProperty(std::string_view key, const PropertyValue& value) {
  QWidget& widget = Widget();
  if (key == "Name" || key == "Index" || key == "TabPanelIndex" || key == "HelpTag" || key == "AutoDeactivate" ||
      key == "InitialParent") {
    if (key == "HelpTag")
      widget.setToolTip(ToQString(AsString(value)));
  } else if (key == "Left") {
    m_design.moveLeft(AsInt32(value));
  } else if (key == "Top") {
    m_design.moveTop(AsInt32(value));
  } else if (key == "Width") {
    m_design.setWidth(AsInt32(value));
  } else if (key == "Height") {
    m_design.setHeight(AsInt32(value));
  } else if (key == "LockLeft") {
    m_lockLeft = AsBoolean(value);
  } else if (key == "LockTop") {
    m_lockTop = AsBoolean(value);
  } else if (key == "LockRight") {
    m_lockRight = AsBoolean(value);
  } else if (key == "LockBottom") {
    m_lockBottom = AsBoolean(value);
  } else if (key == "TabIndex") {
    m_tabIndex = AsInt32(value);
  } else if (key == "TabStop") {
    m_tabStop = AsBoolean(value);
  } else if (key == "Visible") {
    widget.setVisible(AsBoolean(value));
  } else if (key == "Enabled") {
    widget.setEnabled(AsBoolean(value));
  } else if (key == "TextFont") {
    m_fontName = AsString(value);
    UpdateFont();
  } else if (key == "Bold") {
    m_style.bold = AsBoolean(value);
    UpdateFont();
  } else if (key == "Italic") {
    m_style.italic = AsBoolean(value);
    UpdateFont();
  } else if (key == "Underline") {
    m_style.underline = AsBoolean(value);
    UpdateFont();
  } else if (!SetKindProperty(key, value)) {
    throw PropertySetError("a control of this kind has no property '" + std::string(key) + "'", std::string(key), 0);
  }
  widget.setGeometry(m_design);
}

void RectControl::SetTextSize(float size) {
  m_textSize = size;
  UpdateFont();
}

void RectControl::SetTextUnit(std::uint8_t unit) {
  if (unit != 0)
    throw std::invalid_argument("only text unit 0 (pixels) is supported");
  UpdateFont();
}

void RectControl::UpdateFont() { ApplyFont(FontFor(m_fontName, m_textSize, m_style)); }

void RectControl::ApplyFont(const QFont& font) { Widget().setFont(font); }

void RectControl::SetFocus() { Widget().setFocus(Qt::OtherFocusReason); }

void RectControl::FollowWindowResize(int dw, int dh) {
  QRect r = m_design;
  if (m_lockRight && m_lockLeft)
    r.setWidth(r.width() + dw);
  else if (m_lockRight)
    r.translate(dw, 0);
  if (m_lockBottom && m_lockTop)
    r.setHeight(r.height() + dh);
  else if (m_lockBottom)
    r.translate(0, dh);
  Widget().setGeometry(r);
}

}  // namespace fw
