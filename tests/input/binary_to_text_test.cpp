// Binary form files converted to form text: layout of objects and values,
// string and binary line breaks, and the failures with their messages.
#include "input/binary_to_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "input/form_bytes.h"
#include "lib/errors.h"

namespace vornic {
namespace {

using testing::FormBytes;
using testing::ResourceHeader;

class BinaryToTextTest : public ::testing::Test {
 protected:
  // Converts signature + the record, with a resource header in front.
  static std::string Convert(const FormBytes& record) {
    std::string data = FormBytes().Signature().str() + record.str();
    std::istringstream input(ResourceHeader("TFORM1", static_cast<uint32_t>(data.size())) + data);
    std::ostringstream output;
    FormResourceToText(input, output);
    return output.str();
  }

  // The text of one property of an otherwise empty form.
  static std::string PropertyText(const FormBytes& property) {
    FormBytes record;
    record.Object("TForm1", "Form1").Raw(property.str()).End().End();
    std::string text = Convert(record);
    const std::string head = "object Form1: TForm1\r\n  ";
    const std::string tail = "\r\nend\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    return text.substr(head.size(), text.size() - head.size() - tail.size());
  }

  template <typename E>
  static void ExpectFailure(const std::string& bytes, const std::string& message) {
    std::istringstream input(bytes);
    std::ostringstream output;
    try {
      FormResourceToText(input, output);
      ADD_FAILURE() << "no failure for " << bytes.size() << " bytes";
    } catch (const E& error) {
      EXPECT_EQ(error.what(), message) << bytes.size() << " bytes";
    }
  }
};

TEST_F(BinaryToTextTest, EmptyFormIsHeaderAndEnd) {
  EXPECT_EQ(Convert(FormBytes().Object("TForm1", "Form1").End().End()),
            "object Form1: TForm1\r\nend\r\n");
  EXPECT_EQ(Convert(FormBytes().Object("TForm1", "").End().End()), "object TForm1\r\nend\r\n");
}

TEST_F(BinaryToTextTest, ObjectHeadersShowPrefixFlags) {
  FormBytes record;
  record.Object("TForm1", "Form1").End();
  record.Byte(0xF3).Int8Value(2).Object("TButton", "Button1").End().End();
  record.Byte(0xF4).Object("TFrame2", "Frame21").End().End();
  record.Byte(0xF5).Object("TFrame2", "Frame22").End().End();  // inline wins
  record.Byte(0xF2).Byte(form::kInt16).UInt(300, 2).Object("TPanel", "").End().End();
  record.Byte(0xF8).Object("TEdit", "Edit1").End().End();  // unknown flag ignored
  record.End();
  EXPECT_EQ(Convert(record),
            "object Form1: TForm1\r\n"
            "  inherited Button1: TButton [2]\r\n  end\r\n"
            "  inline Frame21: TFrame2\r\n  end\r\n"
            "  inline Frame22: TFrame2\r\n  end\r\n"
            "  object TPanel [300]\r\n  end\r\n"
            "  object Edit1: TEdit\r\n  end\r\n"
            "end\r\n");
}

TEST_F(BinaryToTextTest, PropertiesAndNestedChildrenAreIndented) {
  FormBytes record;
  record.Object("TForm1", "Form1").Short("Left").Int8Value(-5).End();
  record.Object("TPanel", "Panel1").Prop("Caption", form::kString).Short("x").End();
  record.Object("TLabel", "Label1").Prop("Top", form::kInt32).UInt(100000, 4).End().End();
  record.End().End();
  // Bytes behind the form's record are not interpreted.
  record.Raw("\x01garbage");
  EXPECT_EQ(Convert(record),
            "object Form1: TForm1\r\n"
            "  Left = -5\r\n"
            "  object Panel1: TPanel\r\n"
            "    Caption = 'x'\r\n"
            "    object Label1: TLabel\r\n"
            "      Top = 100000\r\n"
            "    end\r\n"
            "  end\r\n"
            "end\r\n");
}

TEST_F(BinaryToTextTest, ScalarValues) {
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kInt16).UInt(0x8000, 2)), "A = -32768");
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kInt32).UInt(0xFFFFFFFF, 4)), "A = -1");
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kInt64).UInt(0x8000000000000000, 8)),
            "A = -9223372036854775808");
  EXPECT_EQ(PropertyText(FormBytes().Prop("Color", form::kIdent).Short("clBtnFace")),
            "Color = clBtnFace");
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kFalse)), "A = False");
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kTrue)), "A = True");
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kNil)), "A = nil");
  EXPECT_EQ(PropertyText(FormBytes().Prop("A", form::kNull)), "A = Null");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kSet).Byte(0)), "S = []");
  EXPECT_EQ(
      PropertyText(FormBytes().Prop("S", form::kSet).Short("fsBold").Short("fsItalic").Byte(0)),
      "S = [fsBold, fsItalic]");
}

TEST_F(BinaryToTextTest, FloatValuesCarryTheirSuffix) {
  // 1.5 as extended: mantissa 0xC000000000000000, exponent 0x3FFF.
  EXPECT_EQ(PropertyText(
                FormBytes().Prop("E", form::kExtended).UInt(0xC000000000000000, 8).UInt(0x3FFF, 2)),
            "E = 1.5");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kSingle).UInt(0x3DCCCCCD, 4)),
            "S = 0.100000001490116s");
  EXPECT_EQ(PropertyText(FormBytes().Prop("C", form::kCurrency).UInt(15000, 8)), "C = 15000c");
  EXPECT_EQ(PropertyText(FormBytes().Prop("D", form::kDate).UInt(0x3FF8000000000000, 8)),
            "D = 1.5d");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kSingle).UInt(0x7F800000, 4)), "S = INFs");
}

TEST_F(BinaryToTextTest, ListsAndCollectionsOpenIndentedLines) {
  FormBytes list;
  list.Prop("L", form::kList).Int8Value(1).Byte(form::kList).Int8Value(2).End();
  list.Byte(form::kList).End().End();
  EXPECT_EQ(PropertyText(list), "L = (\r\n    1\r\n    (\r\n      2)\r\n    ())");
  EXPECT_EQ(PropertyText(FormBytes().Prop("L", form::kList).End()), "L = ()");

  FormBytes items;
  items.Prop("Panels", form::kCollection);
  items.Byte(form::kList).Prop("Width", form::kInt8).Byte(50).End();
  items.Int8Value(3).Byte(form::kList).End();
  items.End();
  EXPECT_EQ(PropertyText(items),
            "Panels = <\r\n    item\r\n      Width = 50\r\n    end\r\n    item [3]\r\n    end>");
  EXPECT_EQ(PropertyText(FormBytes().Prop("C", form::kCollection).End()), "C = <>");
}

TEST_F(BinaryToTextTest, BinaryDataIsWrittenInLinesOf32Bytes) {
  auto binary = [](size_t count) {
    std::string data;
    for (size_t i = 0; i < count; ++i) data += static_cast<char>(i * 9);
    return FormBytes().Prop("B", form::kBinary).UInt(count, 4).Raw(data);
  };
  EXPECT_EQ(PropertyText(binary(0)), "B = {}");
  EXPECT_EQ(PropertyText(binary(3)), "B = {000912}");
  const std::string line32 = "0009121B242D363F48515A636C757E879099A2ABB4BDC6CFD8E1EAF3FC050E17";
  EXPECT_EQ(PropertyText(binary(31)), "B = {" + line32.substr(0, 62) + "}");
  EXPECT_EQ(PropertyText(binary(32)), "B = {\r\n    " + line32 + "}");
  EXPECT_EQ(PropertyText(binary(33)), "B = {\r\n    " + line32 + "\r\n    20}");
}

TEST_F(BinaryToTextTest, StringsBreakAfter64Characters) {
  const std::string a64(64, 'a');
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short(a64)), "S = '" + a64 + "'");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short(a64 + "b")),
            "S = \r\n    '" + a64 + "' +\r\n    'b'");
  const std::string text100(100, 'x');
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short(text100)),
            "S = \r\n    '" + std::string(64, 'x') + "' +\r\n    '" + std::string(36, 'x') + "'");
  // A code segment counts one position towards the 64.
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short(std::string(63, 'a') + "\tbc")),
            "S = \r\n    '" + std::string(63, 'a') + "'#9 +\r\n    'bc'");
  // 300 bytes take a long string; the break points repeat every 64.
  std::string text300(300, 'z');
  std::string expected = "S = ";
  for (size_t at = 0; at < 300; at += 64) {
    expected += "\r\n    '" + text300.substr(at, 64) + "'" + (at + 64 < 300 ? " +" : "");
  }
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kLString).UInt(300, 4).Raw(text300)),
            expected);
}

TEST_F(BinaryToTextTest, StringCodesAndQuotes) {
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short("")), "S = ''");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short("\r\n")), "S = #13#10");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short("It's\r\n")),
            "S = 'It'#39's'#13#10");
  EXPECT_EQ(PropertyText(FormBytes().Prop("S", form::kString).Short("caf\xE9\x80")),
            "S = 'caf\xE9\x80'");
}

TEST_F(BinaryToTextTest, LongListElementStartsOnItsOwnLine) {
  std::string text(70, 'q');
  FormBytes list;
  list.Prop("Items.Strings", form::kList).Byte(form::kString).Short(text).End();
  EXPECT_EQ(PropertyText(list), "Items.Strings = (\r\n    \r\n      '" + text.substr(0, 64) +
                                    "' +\r\n      '" + text.substr(64) + "')");
}

TEST_F(BinaryToTextTest, WideStringsWriteHighCodesAsNumbers) {
  EXPECT_EQ(PropertyText(FormBytes().Short("W").WideString(u"\u20AC \u00E9'")),
            "W = #8364' \xE9'#39");
  EXPECT_EQ(PropertyText(FormBytes().Short("W").WideString(u"")), "W = ''");
  // UTF-8 decodes to UTF-16; a stray continuation byte becomes U+FFFD.
  EXPECT_EQ(PropertyText(FormBytes().Short("U").LongString(form::kUtf8String,
                                                           "\xE2\x82\xAC\xC3\xA9\x80", 6)),
            "U = #8364'\xE9'#65533");
}

// Names and identifiers go into the text as they stand: those the text would
// not read back as the same form are refused, so none can add a line.
TEST_F(BinaryToTextTest, NamesThatWouldNotReadBackAreRefused) {
  auto form = [](std::string_view class_name, std::string_view name, const FormBytes& property) {
    std::string data =
        FormBytes().Signature().Object(class_name, name).Raw(property.str()).End().End().str();
    return ResourceHeader("TFORM1", 0) + data;
  };
  const FormBytes none;
  for (std::string_view bad :
       {"TForm1\r\n  object X: TButton", "T Form", "T'", "", "1T", "T.", ".T", "T..U", "T.1"}) {
    ExpectFailure<EReadError>(form(bad, "Form1", none), "Invalid stream format");
    if (!bad.empty()) {  // an empty property name ends the list; an empty object name is fine
      ExpectFailure<EReadError>(form("TForm1", "Form1", FormBytes().Prop(bad, form::kNil)),
                                "Invalid stream format");
      ExpectFailure<EReadError>(form("TForm1", bad, none), "Invalid stream format");
    }
    ExpectFailure<EReadError>(form("TForm1", "", FormBytes().Prop("P", form::kIdent).Short(bad)),
                              "Invalid property value");
  }
  for (std::string_view keyword : {"end", "Object.Name", "INHERITED", "inline"}) {
    ExpectFailure<EReadError>(form("TForm1", "", FormBytes().Prop(keyword, form::kNil)),
                              "Invalid stream format");
  }
  ExpectFailure<EReadError>(
      form("TForm1", "", FormBytes().Prop("S", form::kSet).Short("a.b").Byte(0)),
      "Invalid property value");
  // The text reads a negative position, and an item index of -1, as none.
  std::string child = FormBytes().Signature().Object("TForm1", "").End().str() +
                      FormBytes().Byte(0xF2).Int8Value(-1).Object("TB", "").End().End().End().str();
  ExpectFailure<EReadError>(ResourceHeader("TFORM1", 0) + child, "Invalid property value");
  ExpectFailure<EReadError>(
      form("TForm1", "",
           FormBytes().Prop("C", form::kCollection).Int8Value(-1).Byte(form::kList).End().End()),
      "Invalid property value");

  EXPECT_EQ(Convert(FormBytes()
                        .Object("Vcl.T\xC4_1", "")
                        .Prop("Font.Name", form::kIdent)
                        .Short("a.b")
                        .Prop("Endless", form::kIdent)
                        .Short("TRUE")
                        .Prop("N", form::kIdent)
                        .Short("Nil")
                        .End()
                        .End()),
            "object Vcl.T\xC4_1\r\n  Font.Name = a.b\r\n  Endless = True\r\n  N = nil\r\nend\r\n");
}

TEST_F(BinaryToTextTest, LineTooLongToReadBackIsRefused) {
  auto set_of = [](int count) {
    FormBytes property;
    property.Prop("S", form::kSet);
    for (int i = 0; i < count; ++i) property.Short(std::string(99, 'a') + std::to_string(i % 10));
    return property.Byte(0);
  };
  // "  S = [", 40 names of 100 letters with ", " between them and "]": 4086 bytes.
  EXPECT_EQ(PropertyText(set_of(40)).size(), 4084u);
  std::string data =
      FormBytes().Signature().Object("TForm1", "").Raw(set_of(41).str()).End().End().str();
  ExpectFailure<EReadError>(ResourceHeader("TFORM1", 0) + data, "Line too long");
}

TEST_F(BinaryToTextTest, ShortAndBrokenHeadersFail) {
  ExpectFailure<EInvalidImage>("", "Invalid stream format");
  ExpectFailure<EInvalidImage>("\xFF", "Invalid stream format");
  ExpectFailure<EReadError>("\xFF\x0A", "Invalid stream format");
  ExpectFailure<EInvalidImage>(std::string("\xFF\x0B\x00TFORM1\x00", 10), "Invalid stream format");
  ExpectFailure<EInvalidImage>(std::string("\xFE\x0A\x00TFORM1\x00", 10), "Invalid stream format");
  ExpectFailure<EReadError>(ResourceHeader("TFORM1", 4) + "TPF1", "Invalid stream format");
  ExpectFailure<EReadError>(ResourceHeader("TFORM1", 4) + "TPF", "Invalid stream format");
}

TEST_F(BinaryToTextTest, LongResourceNameIsSkippedPastTheHeaderArea) {
  std::string name(76, 'N');
  std::string data = FormBytes().Signature().Object("TForm1", "").End().End().str();
  std::istringstream input(ResourceHeader(name, 0) + data);
  std::ostringstream output;
  FormResourceToText(input, output);
  EXPECT_EQ(output.str(), "object TForm1\r\nend\r\n");
}

TEST_F(BinaryToTextTest, BadValuesFail) {
  auto with_property = [](const FormBytes& property) {
    std::string data =
        FormBytes().Signature().Object("TForm1", "").Raw(property.str()).End().End().str();
    return ResourceHeader("TFORM1", 0) + data;
  };
  ExpectFailure<EReadError>(with_property(FormBytes().Short("A").Byte(21)),
                            "Invalid property value");
  ExpectFailure<EReadError>(with_property(FormBytes().Short("A").Byte(0xFF)),
                            "Invalid property value");
  ExpectFailure<EReadError>(
      with_property(FormBytes().Prop("C", form::kCollection).Byte(form::kTrue)),
      "Invalid property value");
  std::string child = FormBytes()
                          .Signature()
                          .Object("TForm1", "")
                          .End()
                          .Byte(0xF2)
                          .Byte(form::kString)
                          .Short("1")
                          .Object("TB", "")
                          .End()
                          .End()
                          .End()
                          .str();
  ExpectFailure<EReadError>(ResourceHeader("TFORM1", 0) + child, "Invalid property value");
  // A length beyond the input is a truncation, not an allocation.
  ExpectFailure<EReadError>(with_property(FormBytes().Prop("B", form::kBinary).UInt(0xFFFFFFFF, 4)),
                            "Stream read error");
  ExpectFailure<EReadError>(with_property(FormBytes().LongString(form::kLString, "ab", 0xFFFFFFF0)),
                            "Stream read error");
  ExpectFailure<EReadError>(
      with_property(FormBytes().Short("W").Byte(form::kWString).UInt(0xFFFFFFFF, 4)),
      "Stream read error");
}

TEST_F(BinaryToTextTest, NestingIsLimitedTo1000) {
  auto nested_objects = [](int depth) {
    FormBytes record;
    record.Signature();
    for (int i = 0; i < depth; ++i) record.Object("TPanel", "").End();
    for (int i = 0; i < depth; ++i) record.End();
    return ResourceHeader("TPANEL", 0) + record.str();
  };
  std::istringstream input(nested_objects(1000));
  std::ostringstream output;
  EXPECT_NO_THROW(FormResourceToText(input, output));
  ExpectFailure<EReadError>(nested_objects(1001), "Invalid stream format");

  FormBytes lists;
  lists.Signature().Object("TForm1", "").Short("L");
  for (int i = 0; i < 1000; ++i) lists.Byte(form::kList);
  ExpectFailure<EReadError>(ResourceHeader("TFORM1", 0) + lists.str(), "Invalid stream format");
}

// A form with every kind of value; cut at any byte it must fail, with the
// header's message up to the signature and a read error behind it.
TEST_F(BinaryToTextTest, EveryTruncatedPrefixFails) {
  FormBytes record;
  record.Signature().Byte(0xF1).Object("TForm1", "Form1");
  record.Prop("S", form::kString).Short("It's");
  record.Prop("L", form::kList).Int8Value(1).Byte(form::kInt16).UInt(1000, 2).End();
  record.Prop("E", form::kExtended).UInt(0xC000000000000000, 8).UInt(0x3FFF, 2);
  record.Prop("B", form::kBinary).UInt(40, 4).Raw(std::string(40, '\x7F'));
  record.Prop("T", form::kSet).Short("a").Byte(0);
  record.Prop("C", form::kCollection)
      .Int8Value(0)
      .Byte(form::kList)
      .Prop("X", form::kTrue)
      .End()
      .End();
  record.Short("W").WideString(u"\u20AC");
  record.Short("U").LongString(form::kUtf8String, "ok", 2);
  record.Prop("Q", form::kCurrency).UInt(15000, 8);
  record.End();
  record.Byte(0xF2).Int8Value(0).Object("TEdit", "E").End().End();
  record.End();
  const std::string header = ResourceHeader("TFORM1", static_cast<uint32_t>(record.str().size()));
  const std::string full = header + record.str();

  std::istringstream whole(full);
  std::ostringstream whole_text;
  FormResourceToText(whole, whole_text);

  for (size_t length = 0; length < full.size(); ++length) {
    std::istringstream input(full.substr(0, length));
    std::ostringstream output;
    try {
      FormResourceToText(input, output);
      ADD_FAILURE() << "prefix of " << length << " bytes converted";
    } catch (const EInvalidImage& error) {
      EXPECT_LT(length, 2u);
      EXPECT_STREQ(error.what(), "Invalid stream format");
    } catch (const EReadError& error) {
      bool in_header = length < header.size() + 4;
      EXPECT_STREQ(error.what(), in_header ? "Invalid stream format" : "Stream read error")
          << length;
    }
    // What was converted before the failure is kept.
    EXPECT_EQ(whole_text.str().compare(0, output.str().size(), output.str()), 0) << length;
  }
}

// A stream buffer that takes `capacity` bytes and then refuses.
class LimitedBuffer : public std::streambuf {
 public:
  explicit LimitedBuffer(size_t capacity) : capacity_(capacity) {}
  std::string taken;

 protected:
  int_type overflow(int_type c) override {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    if (taken.size() >= capacity_) return traits_type::eof();
    taken += traits_type::to_char_type(c);
    return c;
  }

 private:
  size_t capacity_;
};

TEST_F(BinaryToTextTest, RefusedOutputFailsWithWriteError) {
  FormBytes record;
  record.Signature().Object("TForm1", "Form1");
  record.Prop("B", form::kBinary).UInt(20000, 4).Raw(std::string(20000, 'x')).End().End();
  std::istringstream input(ResourceHeader("TFORM1", 0) + record.str());
  LimitedBuffer buffer(5000);
  std::ostream output(&buffer);
  try {
    FormResourceToText(input, output);
    ADD_FAILURE() << "no failure";
  } catch (const EWriteError& error) {
    EXPECT_STREQ(error.what(), "Stream write error");
  }
  EXPECT_EQ(buffer.taken.substr(0, 22), "object Form1: TForm1\r\n");
}

TEST_F(BinaryToTextTest, TextBeforeAReadFailureIsFlushed) {
  FormBytes record;
  record.Signature().Object("TForm1", "Form1").Prop("A", form::kTrue).Short("B").Byte(99);
  std::istringstream input(ResourceHeader("TFORM1", 0) + record.str());
  std::ostringstream output;
  EXPECT_THROW(FormResourceToText(input, output), EReadError);
  EXPECT_EQ(output.str(), "object Form1: TForm1\r\n  A = True\r\n  B = ");
}

TEST_F(BinaryToTextTest, FormBinaryToTextStartsAtTheSignature) {
  std::istringstream input(FormBytes().Signature().Object("TForm1", "F").End().End().str());
  std::ostringstream output;
  FormBinaryToText(input, output);
  EXPECT_EQ(output.str(), "object F: TForm1\r\nend\r\n");
}

}  // namespace
}  // namespace vornic
