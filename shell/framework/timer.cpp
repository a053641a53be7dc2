#include "shell/framework/timer.h"

#include <QTimer>

namespace fw {

Timer::Timer(Window& owner) : Control(owner), m_timer(new QTimer) {
  QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { RaiseAction(); });
}

Timer::~Timer() { delete m_timer; }

bool Timer::IsRunning() const { return m_timer->isActive(); }

void Timer::SetProperty(std::string_view key, const PropertyValue& value) {
  if (key == "Mode")
    m_mode = AsInt32(value);
  else if (key == "Period")
    m_period = AsInt32(value);
  else
    throw PropertySetError("a timer has no property '" + std::string(key) + "'", std::string(key), 0);
  Restart();
}

void Timer::Restart() {
  m_timer->stop();
  if (m_mode == 0 || m_period <= 0)
    return;
  m_timer->setSingleShot(m_mode == 1);
  m_timer->start(m_period);
}

}  // namespace fw
