#include "shell/framework/property_set.h"

#include <array>
#include <utility>

namespace fw {
namespace {

struct KeyEncoding {
  std::string_view key;
  PropertyEncoding encoding;
};

using enum PropertyEncoding;

constexpr std::array<KeyEncoding, 73> kKeys { {
    { "Placement", Int32 },
    { "Width", Int32 },
    { "Height", Int32 },
    { "MinWidth", Int32 },
    { "MinHeight", Int32 },
    { "MaxWidth", Int32 },
    { "MaxHeight", Int32 },
    { "Frame", Int32 },
    { "MacProcID", Int32 },
    { "Index", Int32 },
    { "Left", Int32 },
    { "Top", Int32 },
    { "TabPanelIndex", Int32 },
    { "TabIndex", Int32 },
    { "LimitText", Int32 },
    { "Alignment", Int32 },
    { "TextAlign", Int32 },
    { "ButtonStyle", Int32 },
    { "BorderWidth", Int32 },
    { "Mode", Int32 },
    { "Period", Int32 },
    { "Composite", Boolean },
    { "HasBackColor", Boolean },
    { "Visible", Boolean },
    { "FullScreen", Boolean },
    { "MenuBarVisible", Boolean },
    { "CloseButton", Boolean },
    { "Resizeable", Boolean },
    { "LiveResize", Boolean },
    { "MaximizeButton", Boolean },
    { "MinimizeButton", Boolean },
    { "LockLeft", Boolean },
    { "LockTop", Boolean },
    { "LockRight", Boolean },
    { "LockBottom", Boolean },
    { "TabStop", Boolean },
    { "Border", Boolean },
    { "Multiline", Boolean },
    { "ScrollbarHorizontal", Boolean },
    { "ScrollbarVertical", Boolean },
    { "Styled", Boolean },
    { "UseFocusRing", Boolean },
    { "Enabled", Boolean },
    { "AutoDeactivate", Boolean },
    { "HideSelection", Boolean },
    { "Bold", Boolean },
    { "Italic", Boolean },
    { "Underline", Boolean },
    { "ReadOnly", Boolean },
    { "AcceptTabs", Boolean },
    { "Selectable", Boolean },
    { "Transparent", Boolean },
    { "Default", Boolean },
    { "Cancel", Boolean },
    { "AcceptFocus", Boolean },
    { "DoubleBuffer", Boolean },
    { "EraseBackground", Boolean },
    { "BackColor", Colour },
    { "TextColor", Colour },
    { "FillColor", Colour },
    { "TopLeftColor", Colour },
    { "BottomRightColor", Colour },
    { "Name", String },
    { "Title", String },
    { "Text", String },
    { "Caption", String },
    { "TextFont", String },
    { "HelpTag", String },
    { "Format", String },
    { "Mask", String },
    { "DataSource", String },
    { "DataField", String },
    { "InitialParent", String },
} };

void AppendBigEndian32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Reads the entries one after another, checking every length against what is left.
class Reader final {
public:
  explicit Reader(std::string_view set) : m_set(set) { }

  std::vector<PropertyEntry> entries() {
    std::vector<PropertyEntry> result;
    while (m_pos < m_set.size())
      result.push_back(entry());
    return result;
  }

private:
  PropertyEntry entry() {
    const std::size_t start = m_pos;
    const std::size_t blank = m_set.find(' ', m_pos);
    if (blank == std::string_view::npos)
      throw PropertySetError("property set ends inside a key", std::string(m_set.substr(m_pos)), start);
    std::string key(m_set.substr(m_pos, blank - m_pos));
    const auto encoding = EncodingOfKey(key);
    if (!encoding)
      throw PropertySetError("unknown property key '" + key + "'", key, start);
    m_pos = blank + 1;
    return PropertyEntry { key, value(key, *encoding) };
  }

  PropertyValue value(const std::string& key, PropertyEncoding encoding) {
    switch (encoding) {
      case Int32:
        return static_cast<std::int32_t>(bigEndian32(key));
      case Boolean: {
        const char byte = take(key, 1)[0];
        if (byte != '\x00' && byte != '\x01')
          throw PropertySetError("the Boolean value of '" + key + "' is neither 0 nor 1", key, m_pos - 1);
        return byte != '\x00';
      }
      case Colour: {
        const std::string_view rgb = take(key, 3);
        return fw::Colour { static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                            static_cast<std::uint8_t>(rgb[2]) };
      }
      case String: {
        const std::uint32_t length = bigEndian32(key);
        return std::string(take(key, length));
      }
    }
    throw PropertySetError("bad encoding for '" + key + "'", key, m_pos);
  }

  std::uint32_t bigEndian32(const std::string& key) {
    std::uint32_t value = 0;
    for (const char byte : take(key, 4))
      value = (value << 8) | static_cast<std::uint8_t>(byte);
    return value;
  }

  std::string_view take(const std::string& key, std::size_t count) {
    if (count > m_set.size() - m_pos)
      throw PropertySetError("property set ends inside the value of '" + key + "'", key, m_pos);
    const std::string_view bytes = m_set.substr(m_pos, count);
    m_pos += count;
    return bytes;
  }

  std::string_view m_set;
  std::size_t m_pos { 0 };
};

}  // namespace

PropertySetError::PropertySetError(const std::string& what, std::string key, std::size_t offset)
    : std::runtime_error(what + " at byte " + std::to_string(offset)), m_key(std::move(key)), m_offset(offset) { }

std::int32_t AsInt32(const PropertyValue& value) { return std::get<std::int32_t>(value); }
bool AsBoolean(const PropertyValue& value) { return std::get<bool>(value); }
fw::Colour AsColour(const PropertyValue& value) { return std::get<fw::Colour>(value); }
const std::string& AsString(const PropertyValue& value) { return std::get<std::string>(value); }

std::optional<PropertyEncoding> EncodingOfKey(std::string_view key) {
  for (const auto& entry : kKeys)
    if (entry.key == key)
      return entry.encoding;
  return std::nullopt;
}

void PropertySetBuilder::key(std::string_view key, PropertyEncoding encoding) {
  if (EncodingOfKey(key) != encoding)
    throw PropertySetError("'" + std::string(key) + "' does not take this kind of value", std::string(key),
                           m_bytes.size());
  m_bytes.append(key);
  m_bytes.push_back(' ');
}

PropertySetBuilder& PropertySetBuilder::Int32(std::string_view key, std::int32_t value) {
  this->key(key, PropertyEncoding::Int32);
  AppendBigEndian32(m_bytes, static_cast<std::uint32_t>(value));
  return *this;
}

PropertySetBuilder& PropertySetBuilder::Boolean(std::string_view key, bool value) {
  this->key(key, PropertyEncoding::Boolean);
  m_bytes.push_back(value ? '\x01' : '\x00');
  return *this;
}

PropertySetBuilder& PropertySetBuilder::Colour(std::string_view key, fw::Colour value) {
  this->key(key, PropertyEncoding::Colour);
  m_bytes.push_back(static_cast<char>(value.red));
  m_bytes.push_back(static_cast<char>(value.green));
  m_bytes.push_back(static_cast<char>(value.blue));
  return *this;
}

PropertySetBuilder& PropertySetBuilder::String(std::string_view key, std::string_view value) {
  this->key(key, PropertyEncoding::String);
  AppendBigEndian32(m_bytes, static_cast<std::uint32_t>(value.size()));
  m_bytes.append(value);
  return *this;
}

std::vector<PropertyEntry> ReadPropertySet(std::string_view set) { return Reader(set).entries(); }

void _SetProperties(PropertyTarget& target, std::string_view set) {
  for (const auto& entry : ReadPropertySet(set))
    target.SetProperty(entry.key, entry.value);
  target.SetComplete();
}

}  // namespace fw
