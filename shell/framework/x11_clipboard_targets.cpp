#include "shell/framework/x11_clipboard_targets.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

#include <QClipboard>
#include <QGuiApplication>

namespace fw {
namespace {

struct FreeReply final {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// The types under which an owner offers text, those that Qt reads as text.
constexpr std::initializer_list<const char*> kTextTypeNames = {
  "UTF8_STRING", "STRING", "TEXT", "text/plain", "text/plain;charset=utf-8", "COMPOUND_TEXT",
};
constexpr std::initializer_list<const char*> kPropertyNames = {
  "_QUILLON_CLIPBOARD_TARGETS_0", "_QUILLON_CLIPBOARD_TARGETS_1",
  "_QUILLON_CLIPBOARD_TARGETS_2", "_QUILLON_CLIPBOARD_TARGETS_3",
};
// A list of targets is short; one longer than this many is read in part.
constexpr std::uint32_t kMostTargets = 1024;

// The atoms of the names, asked for together: one wait for the X server.
std::vector<xcb_atom_t> Atoms(xcb_connection_t& connection, std::initializer_list<const char*> names) {
  std::vector<xcb_intern_atom_cookie_t> cookies;
  for (const char* name : names)
    cookies.push_back(xcb_intern_atom(&connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
  std::vector<xcb_atom_t> atoms;
  for (const xcb_intern_atom_cookie_t& cookie : cookies) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(&connection, cookie, nullptr));
    atoms.push_back(reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE });
  }
  return atoms;
}

}  // namespace

std::unique_ptr<X11ClipboardTargets> X11ClipboardTargets::ForThisApplication() {
  const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr)
    return nullptr;
  return std::unique_ptr<X11ClipboardTargets>(new X11ClipboardTargets(*x11->connection()));
}

X11ClipboardTargets::X11ClipboardTargets(xcb_connection_t& connection) : m_connection(connection) {
  // The answers come to a window that is never shown, which only this object uses.
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(&connection)).data;
  m_window = xcb_generate_id(&connection);
  xcb_create_window(&connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  const std::vector<xcb_atom_t> atoms = Atoms(connection, { "CLIPBOARD", "TARGETS" });
  m_clipboard = atoms[0];
  m_targets = atoms[1];
  m_textTypes = Atoms(connection, kTextTypeNames);
  m_properties = Atoms(connection, kPropertyNames);
  QCoreApplication::instance()->installNativeEventFilter(this);
  OwnerChanged();
}

X11ClipboardTargets::~X11ClipboardTargets() {
  xcb_destroy_window(&m_connection, m_window);
  xcb_flush(&m_connection);
}

std::uint32_t X11ClipboardTargets::Owner() const {
  const Reply<xcb_get_selection_owner_reply_t> reply(
    xcb_get_selection_owner_reply(&m_connection, xcb_get_selection_owner(&m_connection, m_clipboard), nullptr));
  return reply ? reply->owner : XCB_NONE;
}

void X11ClipboardTargets::OwnerChanged() { Ask(Owner()); }

bool X11ClipboardTargets::HoldsNoText() {
  const std::uint32_t owner = Owner();
  if (owner == XCB_NONE)
    return true;
  // An owner whose change has not been told yet.
  if (owner != m_askedOwner)
    Ask(owner);
  return m_noText;
}

void X11ClipboardTargets::Ask(std::uint32_t owner) {
  m_askedOwner = owner;
  m_noText = false;
  // What this program holds Qt reads in this process; no owner has nothing to answer.
  if (owner == XCB_NONE || QGuiApplication::clipboard()->ownsClipboard())
    return;
  m_asked = (m_asked + 1) % m_properties.size();
  xcb_convert_selection(&m_connection, m_window, m_clipboard, m_targets, m_properties[m_asked], XCB_CURRENT_TIME);
  xcb_flush(&m_connection);
}

bool X11ClipboardTargets::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t")
    return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
    return false;
  const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
  if (notify->requestor != m_window)
    return false;
  // A refusal, which names no property, tells nothing: what was known stays.
  if (notify->property != XCB_ATOM_NONE)
    TakeAnswer(notify->property);
  return true;
}

void X11ClipboardTargets::TakeAnswer(Atom property) {
  const auto at = std::ranges::find(m_properties, property);
  if (at == m_properties.end())
    return;
  // Read and deleted, whichever question it answers.
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
    &m_connection, xcb_get_property(&m_connection, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMostTargets),
    nullptr));
  // An answer to an earlier question, or from an owner that has gone since, is old.
  if (static_cast<std::size_t>(at - m_properties.begin()) != m_asked || Owner() != m_askedOwner)
    return;
  // A list of targets is a list of atoms; anything else (INCR, a reply of another type) tells
  // nothing.
  if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
    return;
  const auto* targets = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  const bool text = std::any_of(targets, targets + count, [this](xcb_atom_t target) {
    return target != XCB_ATOM_NONE && std::ranges::find(m_textTypes, target) != m_textTypes.end();
  });
  // A list read in part that names no text type may name one further on.
  m_noText = !text && reply->bytes_after == 0;
}

}  // namespace fw
