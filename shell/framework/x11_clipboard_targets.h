#pragma once

// Whether another program's CLIPBOARD on X11 holds text, learned without ever waiting for that
// program. Qt's clipboard asks the owner for its formats and waits up to 5 s for the answer;
// here the question for the owner's TARGETS goes out without waiting, to a window of our own,
// and the answer is read when the X server hands it over among the other events. Until it
// comes (from an owner that never answers it never does) nothing is known. The only waits are
// for the X server itself.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <QAbstractNativeEventFilter>

struct xcb_connection_t;

namespace fw {

class X11ClipboardTargets final : public QAbstractNativeEventFilter {
public:
  // For the application's X11 connection; nullptr on any other platform.
  static std::unique_ptr<X11ClipboardTargets> ForThisApplication();

  X11ClipboardTargets(const X11ClipboardTargets&) = delete;
  X11ClipboardTargets& operator=(const X11ClipboardTargets&) = delete;
  ~X11ClipboardTargets() override;

  // Asks the present owner, if another program, for its targets; what was known is forgotten.
  void OwnerChanged();

  // True when the clipboard has no owner, or its owner's targets name no text type.
  bool HoldsNoText();

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
  using Atom = std::uint32_t;
  explicit X11ClipboardTargets(xcb_connection_t& connection);
  std::uint32_t Owner() const;
  void Ask(std::uint32_t owner);
  void TakeAnswer(Atom property);

  xcb_connection_t& m_connection;
  std::uint32_t m_window { 0 };
  Atom m_clipboard { 0 };
  Atom m_targets { 0 };
  std::vector<Atom> m_textTypes;
  // Each question names the next property of this ring, so that an answer to an earlier one
  // that comes late is told from the answer to the last.
  std::vector<Atom> m_properties;
  std::size_t m_asked { 0 };         // the property of the last question
  std::uint32_t m_askedOwner { 0 };  // the owner it went to
  bool m_noText { false };           // its answer named no text type
};

}  // namespace fw
