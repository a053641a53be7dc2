#pragma once

// The property-set format: the byte string that sets up a window or a control. A set is a
// sequence of entries with no header, count or terminator; each entry is the key's name in
// ASCII letters, one blank (0x20), then the value in the encoding that belongs to the key:
//   Int32    4 bytes, two's complement, most significant byte first
//   Boolean  1 byte, 0x00 false, 0x01 true
//   Colour   3 bytes, red, green, blue
//   String   a 4-byte big-endian byte count n, then n bytes of UTF-8 text, no terminator
// Values carry no type tag, so the reader knows the encoding of each of the seventy-three
// keys. A set that names an unknown key, holds a Boolean byte other than 0x00 or 0x01, or ends
// inside an entry is a programming error: the reader throws PropertySetError with the key and
// the byte offset, and never reads past the end.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shell/framework/colour.h"

namespace fw {

enum class PropertyEncoding { Int32, Boolean, Colour, String };

using PropertyValue = std::variant<std::int32_t, bool, Colour, std::string>;

// A value read as the encoding that its key's table gives it.
std::int32_t AsInt32(const PropertyValue& value);
bool AsBoolean(const PropertyValue& value);
Colour AsColour(const PropertyValue& value);
const std::string& AsString(const PropertyValue& value);

struct PropertyEntry final {
  std::string key;
  PropertyValue value;
};

class PropertySetError final : public std::runtime_error {
public:
  PropertySetError(const std::string& what, std::string key, std::size_t offset);
  const std::string& key() const { return m_key; }
  std::size_t offset() const { return m_offset; }

private:
  std::string m_key;
  std::size_t m_offset { 0 };
};

// The encoding of one of the seventy-three keys; nothing for any other name.
std::optional<PropertyEncoding> EncodingOfKey(std::string_view key);

// Writes entries in the order they are added. Adding a key with a value of another encoding
// than the key's own throws PropertySetError.
class PropertySetBuilder final {
public:
  PropertySetBuilder& Int32(std::string_view key, std::int32_t value);
  PropertySetBuilder& Boolean(std::string_view key, bool value);
  PropertySetBuilder& Colour(std::string_view key, fw::Colour value);
  PropertySetBuilder& String(std::string_view key, std::string_view value);
  const std::string& bytes() const { return m_bytes; }

private:
  void key(std::string_view key, PropertyEncoding encoding);
  std::string m_bytes;
};

// Reads a whole set into its entries, in the set's order.
std::vector<PropertyEntry> ReadPropertySet(std::string_view set);

// Whatever a set can set up: a window or a control.
class PropertyTarget {
public:
  virtual ~PropertyTarget() = default;
  // Gives the property of that name the value; a key this kind of object does not carry
  // throws PropertySetError.
  virtual void SetProperty(std::string_view key, const PropertyValue& value) = 0;
  // Called once a whole set is given: what depends on several keys is applied here, once.
  virtual void SetComplete() { }
};

// Applies a set's entries to the object, one after another in the set's order, then completes
// the set.
void _SetProperties(PropertyTarget& target, std::string_view set);

}  // namespace fw
