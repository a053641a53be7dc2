// The property-set format: the bytes of each encoding, reading a set back, and the errors of
// a set that no window could have been given.

#include <gtest/gtest.h>

#include "shell/framework/property_records.h"
#include "shell/framework/property_set.h"

namespace {

using namespace std::string_literals;

TEST(PropertySet, EntriesAsBytes) {
  EXPECT_EQ(fw::PropertySetBuilder().Int32("LimitText", 2).bytes(), "LimitText \x00\x00\x00\x02"s);
  EXPECT_EQ(fw::PropertySetBuilder().String("Text", ".10").bytes(), "Text \x00\x00\x00\x03.10"s);
  EXPECT_EQ(fw::PropertySetBuilder().Colour("TextColor", fw::RGB(0x990000)).bytes(), "TextColor \x99\x00\x00"s);
  EXPECT_EQ(fw::PropertySetBuilder().Boolean("Bold", true).Boolean("Italic", false).bytes(), "Bold \x01Italic \x00"s);
  EXPECT_EQ(fw::PropertySetBuilder().String("HelpTag", "").bytes(), "HelpTag \x00\x00\x00\x00"s);
  EXPECT_EQ(fw::PropertySetBuilder().Int32("Index", fw::kNoIndex).bytes(), "Index \x80\x00\x00\x00"s);
  // A String's count is of bytes: "p ≤" is three characters in five bytes.
  EXPECT_EQ(fw::PropertySetBuilder().String("Text", "p \u2264").bytes(), "Text \x00\x00\x00\x05p \xE2\x89\xA4"s);
}

TEST(PropertySet, ReadsBackWhatWasWrittenInOrder) {
  const std::string longText(70000, 'x');
  const std::string set = fw::PropertySetBuilder()
                              .String("Name", "sFld")
                              .Int32("Top", -1)
                              .Boolean("ReadOnly", true)
                              .Colour("BackColor", fw::RGB(0xFFFFFF))
                              .String("Text", "a\rb")
                              .String("Caption", longText)
                              .bytes();
  const auto entries = fw::ReadPropertySet(set);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[0].key, "Name");
  EXPECT_EQ(std::get<std::string>(entries[0].value), "sFld");
  EXPECT_EQ(std::get<std::int32_t>(entries[1].value), -1);
  EXPECT_TRUE(std::get<bool>(entries[2].value));
  EXPECT_EQ(std::get<fw::Colour>(entries[3].value), fw::RGB(0xFFFFFF));
  EXPECT_EQ(std::get<std::string>(entries[4].value), "a\rb");
  EXPECT_EQ(std::get<std::string>(entries[5].value), longText);
  EXPECT_TRUE(fw::ReadPropertySet("").empty());
}

TEST(PropertySet, ASetNoWindowWasGivenIsAnErrorNamingKeyAndOffset) {
  const struct {
    std::string set;
    std::string key;
    std::size_t offset;
  } cases[] = {
    { "Colour \x01\x02\x03"s, "Colour", 0 },             // not one of the keys
    { "Bold \x01Widht \x00\x00\x00\x01"s, "Widht", 6 },  // a misspelt key after a good entry
    { "Width \x00\x00"s, "Width", 6 },                   // ends inside an Int32
    { "Bold "s, "Bold", 5 },                             // ends before a Boolean
    { "Bold \x02"s, "Bold", 5 },                         // a Boolean neither 0 nor 1
    { "Text \x00\x00\x00\x09short"s, "Text", 9 },        // a count past the end
    { "Text \xFF\xFF\xFF\xFF"s, "Text", 9 },             // a count no set can hold
    { "Title"s, "Title", 0 },                            // ends inside the key
  };
  for (const auto& c : cases) {
    try {
      fw::ReadPropertySet(c.set);
      ADD_FAILURE() << "no error for key " << c.key;
    } catch (const fw::PropertySetError& e) {
      EXPECT_EQ(e.key(), c.key);
      EXPECT_EQ(e.offset(), c.offset) << c.key;
    }
  }
  EXPECT_THROW(fw::PropertySetBuilder().Boolean("Width", true), fw::PropertySetError);
}

TEST(PropertySet, EachKindWritesItsKeysInItsOrder) {
  const auto keys = [](const std::string& set) {
    std::string joined;
    for (const auto& entry : fw::ReadPropertySet(set))
      joined += entry.key + " ";
    return joined;
  };
  EXPECT_EQ(keys(fw::PropertySetOf(fw::WindowProperties {})),
            "Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite HasBackColor BackColor Title "
            "Visible FullScreen MenuBarVisible CloseButton Resizeable LiveResize MaximizeButton MinimizeButton "
            "MacProcID ");
  EXPECT_EQ(keys(fw::PropertySetOf(fw::RectangleProperties {})),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex Visible "
            "HelpTag AutoDeactivate Enabled FillColor BorderWidth TopLeftColor BottomRightColor InitialParent ");
  EXPECT_EQ(keys(fw::PropertySetOf(fw::TimerProperties { 1, 1500 })), "Mode Period ");
  EXPECT_EQ(fw::ReadPropertySet(fw::PropertySetOf(fw::TextAreaProperties {})).size(), 40u);
  EXPECT_EQ(fw::ReadPropertySet(fw::PropertySetOf(fw::PushButtonProperties {})).size(), 26u);
  EXPECT_EQ(fw::ReadPropertySet(fw::PropertySetOf(fw::StaticTextProperties {})).size(), 29u);
  EXPECT_EQ(fw::ReadPropertySet(fw::PropertySetOf(fw::CanvasProperties {})).size(), 23u);
}

}  // namespace
