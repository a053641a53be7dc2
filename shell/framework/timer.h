#pragma once

// The timer control. Mode 0 is off, 1 fires once, 2 fires again every period; Period is in
// milliseconds. The timer starts counting as soon as both are set; its firing raises "Action".

#include <cstdint>

#include "shell/framework/control.h"

class QTimer;

namespace fw {

class Timer : public Control {
public:
  explicit Timer(Window& owner);
  ~Timer() override;

  std::int32_t Mode() const { return m_mode; }
  std::int32_t Period() const { return m_period; }
  bool IsRunning() const;

  void SetProperty(std::string_view key, const PropertyValue& value) override;

private:
  void Restart();

  QTimer* m_timer { nullptr };
  std::int32_t m_mode { 0 };
  std::int32_t m_period { 0 };
};

}  // namespace fw
