// Form text to binary: which text gives which record bytes, and the exact
// failure messages.
#include "input/text_to_binary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "lib/errors.h"

#include "support/conversions.h"

namespace vornic {
namespace {

// Bytes as upper-case hexadecimal pairs separated by blanks.
std::string Hex(std::string_view bytes) {
  std::string result;
  char buffer[4];
  for (unsigned char byte : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X", byte);
    if (!result.empty()) result += ' ';
    result += buffer;
  }
  return result;
}

std::string ToBinary(const std::string& text) {
  std::istringstream input(text);
  std::ostringstream output;
  FormTextToBinary(input, output);
  return output.str();
}

// The record bytes of one property value, as hexadecimal pairs.
std::string ValueHex(const std::string& value) {
  std::string binary = ToBinary("object A: B\r\n  P = " + value + "\r\nend\r\n");
  // "TPF0", class "B", name "A", property name "P" ... value ... 00 00.
  return Hex(binary.substr(10, binary.size() - 12));
}

// The message of the failure of type E that converting `text` raises.
template <typename E>
std::string FailureOf(const std::string& text) {
  try {
    BinaryOf(text);
  } catch (const E& failure) {
    return failure.what();
  }
  return "no failure";
}

std::string ParserFailure(const std::string& text) { return FailureOf<EParserError>(text); }
std::string ConvertFailure(const std::string& text) { return FailureOf<EConvertError>(text); }

// A string literal with its embedded zero bytes.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string Form(const std::string& body) { return "object A: B\r\n" + body + "end\r\n"; }

TEST(TextToBinaryTest, IntegersTakeTheSmallestTag) {
  EXPECT_EQ(ValueHex("127"), "02 7F");
  EXPECT_EQ(ValueHex("128"), "03 80 00");
  EXPECT_EQ(ValueHex("-128"), "02 80");
  EXPECT_EQ(ValueHex("-129"), "03 7F FF");
  EXPECT_EQ(ValueHex("32767"), "03 FF 7F");
  EXPECT_EQ(ValueHex("-32768"), "03 00 80");
  EXPECT_EQ(ValueHex("32768"), "04 00 80 00 00");
  EXPECT_EQ(ValueHex("-2147483648"), "04 00 00 00 80");
  EXPECT_EQ(ValueHex("$FF"), "03 FF 00");
  EXPECT_EQ(ValueHex("$7fffFFFF"), "04 FF FF FF 7F");
  EXPECT_EQ(ValueHex("007"), "02 07");
}

TEST(TextToBinaryTest, IntegersBeyond32BitsTakeTag19AndBeyond64BitsFail) {
  EXPECT_EQ(ValueHex("2147483648"), "13 00 00 00 80 00 00 00 00");
  EXPECT_EQ(ValueHex("$80000000"), "13 00 00 00 80 00 00 00 00");
  EXPECT_EQ(ValueHex("-2147483649"), "13 FF FF FF 7F FF FF FF FF");
  EXPECT_EQ(ValueHex("9223372036854775807"), "13 FF FF FF FF FF FF FF 7F");
  EXPECT_EQ(ValueHex("$7FFFFFFFFFFFFFFF"), "13 FF FF FF FF FF FF FF 7F");
  EXPECT_EQ(ValueHex("-9223372036854775808"), "13 00 00 00 00 00 00 00 80");
  for (const char* beyond : {"9223372036854775808", "-9223372036854775809", "$8000000000000000",
                             "99999999999999999999999", "-", "$"}) {
    EXPECT_EQ(ConvertFailure(Form("  P = " + std::string(beyond) + "\r\n")),
              "'" + std::string(beyond) + "' is not a valid integer value on line 2");
  }
  // Positions and indexes stay 32-bit numbers.
  EXPECT_EQ(ConvertFailure("object A: B [2147483648]\r\nend\r\n"),
            "'2147483648' is not a valid integer value on line 1");
}

TEST(TextToBinaryTest, FloatsWriteTheTagOfTheirSuffix) {
  EXPECT_EQ(ValueHex("1E5"), "05 00 00 00 00 00 00 50 C3 0F 40");
  EXPECT_EQ(ValueHex("0.1"), "05 CD CC CC CC CC CC CC CC FB 3F");
  EXPECT_EQ(ValueHex("-0.0"), "05 00 00 00 00 00 00 00 00 00 80");
  EXPECT_EQ(ValueHex("0.1s"), "0F CD CC CC 3D");
  EXPECT_EQ(ValueHex("0.1S"), "0F CD CC CC 3D");
  EXPECT_EQ(ValueHex("0.1d"), "11 9A 99 99 99 99 99 B9 3F");
  EXPECT_EQ(ValueHex("15000c"), "10 98 3A 00 00 00 00 00 00");
  EXPECT_EQ(ValueHex("2.5C"), "10 02 00 00 00 00 00 00 00");
  EXPECT_EQ(ValueHex("-1c"), "10 FF FF FF FF FF FF FF FF");
  EXPECT_EQ(ValueHex("1."), ValueHex("1E0"));
  EXPECT_EQ(ValueHex("-.5"), ValueHex("-5E-1"));
  // The texts written for a negative infinity and for the largest values.
  EXPECT_EQ(ValueHex("-INF"), "05 00 00 00 00 00 00 00 80 FF FF");
  EXPECT_EQ(ValueHex("-INFs"), "0F 00 00 80 FF");
  EXPECT_EQ(ValueHex("-INFd"), "11 00 00 00 00 00 00 F0 FF");
  EXPECT_EQ(ValueHex("1.79769313486232E308d"), "11 FF FF FF FF FF FF EF 7F");
  EXPECT_EQ(ValueHex("1.79769313486233E308d"), "11 00 00 00 00 00 00 F0 7F");
  EXPECT_EQ(ValueHex("9.22337203685478E18c"), "10 FF FF FF FF FF FF FF 7F");
  EXPECT_EQ(ValueHex("-9.22337203685478E18c"), "10 00 00 00 00 00 00 00 80");
}

TEST(TextToBinaryTest, MalformedOrHugeFloatsFailWithoutTheirSuffix) {
  EXPECT_EQ(ConvertFailure(Form("  P = 1-2\r\n")),
            "'1-2' is not a valid floating point value on line 2");
  EXPECT_EQ(ConvertFailure(Form("  P = 1e\r\n")),
            "'1e' is not a valid floating point value on line 2");
  EXPECT_EQ(ConvertFailure(Form("  P = -s\r\n")),
            "'-' is not a valid floating point value on line 2");
  EXPECT_EQ(ConvertFailure(Form("  P = 1E5000\r\n")),
            "'1E5000' is not a valid floating point value on line 2");
  EXPECT_EQ(ConvertFailure(Form("  P = 1E19c\r\n")),
            "'1E19' is not a valid floating point value on line 2");
  EXPECT_EQ(ConvertFailure(Form("  P = -INFc\r\n")),
            "'-INF' is not a valid floating point value on line 2");
  // Narrowing overflow is not an error: it gives an infinity.
  EXPECT_EQ(ValueHex("1E39s"), "0F 00 00 80 7F");
}

TEST(TextToBinaryTest, StringsDecodeRunsCodesAndJoins) {
  EXPECT_EQ(ValueHex("'It'#39's'"), "06 04 49 74 27 73");
  EXPECT_EQ(ValueHex("'It''s'"), "06 04 49 74 27 73");
  EXPECT_EQ(ValueHex("'a' +\r\n    'b'"), "06 02 61 62");
  EXPECT_EQ(ValueHex("''"), "06 00");
  EXPECT_EQ(ValueHex("#13#10"), "06 02 0D 0A");
  EXPECT_EQ(ValueHex("'x'#"), "06 02 78 00");
  EXPECT_EQ(ValueHex("#65536"), "12 01 00 00 00 00 00");
}

TEST(TextToBinaryTest, CodesAbove255MakeWideStrings) {
  EXPECT_EQ(ValueHex("#8364"), "12 01 00 00 00 AC 20");
  // A code in hexadecimal digits is the same code.
  EXPECT_EQ(ValueHex("#$20AC"), "12 01 00 00 00 AC 20");
  EXPECT_EQ(ValueHex("#$0416#$436'x'"), "12 03 00 00 00 16 04 36 04 78 00");
  EXPECT_EQ(ValueHex("'a'#$d#$0A"), "06 03 61 0D 0A");
  EXPECT_EQ(ValueHex("'\xE9'#8364'a'"), "12 03 00 00 00 E9 00 AC 20 61 00");
  EXPECT_EQ(ValueHex("#8364 + #1#300"), "12 03 00 00 00 AC 20 01 00 2C 01");
  // Either kind joins the other; one wide piece makes the whole value wide.
  EXPECT_EQ(ValueHex("#8364 +\r\n    '\xE9'"), "12 02 00 00 00 AC 20 E9 00");
  EXPECT_EQ(ValueHex("'a' + #8364 + 'b'"), "12 03 00 00 00 61 00 AC 20 62 00");
  EXPECT_EQ(ValueHex("#1088#1091 + ' https://x'"),
            "12 0C 00 00 00 40 04 43 04 20 00 68 00 74 00 74 00 70 00 73 00 3A 00 2F 00 2F 00 "
            "78 00");
  EXPECT_EQ(ParserFailure(Form("  P = 'a' + 5\r\n")), "String expected on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = #8364 + x\r\n")), "String expected on line 2");
}

TEST(TextToBinaryTest, StringsLongerThan255BytesTakeTag12) {
  std::string bytes255(255, 'x');
  EXPECT_EQ(ValueHex("'" + bytes255 + "'").substr(0, 5), "06 FF");
  EXPECT_EQ(ValueHex("'" + bytes255 + "x'").substr(0, 14), "0C 00 01 00 00");
  std::string joined = ValueHex("'" + bytes255 + "' + 'yz'");
  EXPECT_EQ(joined.substr(0, 14), "0C 01 01 00 00");
  EXPECT_EQ(joined.substr(joined.size() - 5), "79 7A");
}

TEST(TextToBinaryTest, UnterminatedStringsFail) {
  EXPECT_EQ(ParserFailure(Form("  P = 'abc\r\n")), "Invalid string constant on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = 'abc'#13'd\r\n")), "Invalid string constant on line 2");
  EXPECT_EQ(ParserFailure("object A: B\n  P = 'abc"), "Invalid string constant on line 2");
}

TEST(TextToBinaryTest, IdentifiersBooleansAndNil) {
  EXPECT_EQ(ValueHex("True"), "09");
  EXPECT_EQ(ValueHex("TRUE"), "09");
  EXPECT_EQ(ValueHex("true"), "09");
  EXPECT_EQ(ValueHex("fAlSe"), "08");
  EXPECT_EQ(ValueHex("NIL"), "0D");
  EXPECT_EQ(ValueHex("clBtnFace"), "07 09 63 6C 42 74 6E 46 61 63 65");
  EXPECT_EQ(ValueHex("a.b_2"), "07 05 61 2E 62 5F 32");
  EXPECT_EQ(ValueHex("True.x"), "07 06 54 72 75 65 2E 78");
  EXPECT_EQ(ParserFailure(Form("  P = a.1\r\n")), "Identifier expected on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = a .b\r\n")), "Identifier expected on line 2");
}

TEST(TextToBinaryTest, SetsListsAndCollections) {
  EXPECT_EQ(ValueHex("[]"), "0B 00");
  EXPECT_EQ(ValueHex("[fsBold, fsItalic]"),
            "0B 06 66 73 42 6F 6C 64 08 66 73 49 74 61 6C 69 63 00");
  EXPECT_EQ(ValueHex("()"), "01 00");
  EXPECT_EQ(ValueHex("(\r\n 1\r\n 'a' (x))"), "01 02 01 06 01 61 01 07 01 78 00 00");
  EXPECT_EQ(ValueHex("<>"), "0E 00");
  EXPECT_EQ(ValueHex("<\r\n  item\r\n    X = 1\r\n  end\r\n  ITEM [2]\r\n  END\r\n"
                     "  item [-1] end item [-5] end>"),
            "0E 01 01 58 02 01 00 02 02 01 00 01 00 02 FB 01 00 00");
  EXPECT_EQ(ParserFailure(Form("  P = [a b]\r\n")), "Comma \",\" expected on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = [1]\r\n")), "Identifier expected on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = <\r\n    thing end>\r\n")), "item expected on line 3");
  EXPECT_EQ(ParserFailure("object A: B\r\n  P = (1 2"), "Invalid property value on line 2");
}

TEST(TextToBinaryTest, HexadecimalData) {
  EXPECT_EQ(ValueHex("{}"), "0A 00 00 00 00");
  EXPECT_EQ(ValueHex("{0A0b}"), "0A 02 00 00 00 0A 0B");
  EXPECT_EQ(ValueHex("{\r\n    0A0B\r\n    0c 0d}"), "0A 04 00 00 00 0A 0B 0C 0D");
  EXPECT_EQ(ParserFailure(Form("  P = {0A0}\r\n")), "Invalid binary value on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = {0 A}\r\n")), "Invalid binary value on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = {\r\n    00\r\n    0G}\r\n")),
            "Invalid binary value on line 4");
  EXPECT_EQ(ParserFailure("object A: B\r\n  P = {00\r\n"), "Invalid binary value on line 3");
  // Line feeds inside the data count for later messages.
  EXPECT_EQ(ParserFailure(Form("  P = {\r\n  00\r\n  11}\r\n  Q 1\r\n")),
            "Equals sign \"=\" expected on line 5");
}

TEST(TextToBinaryTest, ObjectHeadersWriteFlagsAndPositions) {
  EXPECT_EQ(Hex(ToBinary("object Button1: TButton [2]\nend")),
            Hex(Bytes("TPF0\xF2\x02\x02\x07TButton\x07"
                      "Button1\0\0")));
  EXPECT_EQ(Hex(ToBinary("inherited Panel1: TPanel\nend")),
            Hex(Bytes("TPF0\xF1\x06TPanel\x06Panel1\0\0")));
  EXPECT_EQ(Hex(ToBinary("InLine Frame1: TFrame1 [300]\nend")),
            Hex(Bytes("TPF0\xF6\x03\x2C\x01\x07TFrame1\x06"
                      "Frame1\0\0")));
  EXPECT_EQ(Hex(ToBinary("OBJECT TForm1 [-1]\nEnd")), Hex(Bytes("TPF0\x06TForm1\0\0\0")));
  EXPECT_EQ(ToBinary("object a.b: Vcl.TX\nend"), Bytes("TPF0\x06Vcl.TX\x03"
                                                       "a.b\0\0"));
  // A length byte of 240 or more would read as a prefix, so a prefix comes first.
  const std::string long_class(240, 'C');
  EXPECT_EQ(ToBinary("object " + long_class + "\nend"),
            "TPF0\xF0\xF0" + long_class + Bytes("\0\0\0"));
  EXPECT_EQ(ToBinary("object " + long_class.substr(1) + "\nend"),
            "TPF0\xEF" + long_class.substr(1) + Bytes("\0\0\0"));
  EXPECT_EQ(ParserFailure("object A: B [x]\nend"), "Number expected on line 1");
  EXPECT_EQ(ParserFailure("object A: B [1\nend"), "Closing bracket \"]\" expected on line 2");
  EXPECT_EQ(ParserFailure("object A:\n 5\nend"), "Identifier expected on line 2");
}

TEST(TextToBinaryTest, PropertiesAndChildrenNest) {
  std::string text =
      "object Form1: TForm1\r\n"
      "  Font.Name = 'Arial'\r\n"
      "  Font . Style = []\r\n"
      "  object Panel1: TPanel\r\n"
      "    inline Frame: TFrame\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(ToBinary(text), Bytes("TPF0\x06TForm1\x05"
                                  "Form1"
                                  "\x09"
                                  "Font.Name\x06\x05"
                                  "Arial"
                                  "\x0A"
                                  "Font.Style\x0B\x00\x00"
                                  "\x06TPanel\x06Panel1\x00"
                                  "\xF4\x06TFrame\x05"
                                  "Frame\x00\x00"
                                  "\x00\x00"));
}

TEST(TextToBinaryTest, ParserErrorsNameTheLine) {
  EXPECT_EQ(ParserFailure(Form("  Caption 'x'\r\n")), "Equals sign \"=\" expected on line 2");
  EXPECT_EQ(ParserFailure("form A: B\r\nend\r\n"), "OBJECT expected on line 1");
  EXPECT_EQ(ParserFailure(""), "OBJECT expected on line 1");
  EXPECT_EQ(ParserFailure("\r\n\r\nobject A: B\r\n  5 = 1\r\nend"),
            "Identifier expected on line 4");
  EXPECT_EQ(ParserFailure("object A: B\r\n  Left = 1\r\n"), "Identifier expected on line 3");
  EXPECT_EQ(ParserFailure(Form("  P = )\r\n")), "Invalid property value on line 2");
  EXPECT_EQ(ParserFailure(Form("  object C: D\r\n  end\r\n  Left = 1\r\n")),
            "OBJECT expected on line 4");
}

TEST(TextToBinaryTest, TextEndsAtTheRootsEndOrAtCharacter26) {
  std::string form = ToBinary("object A: B\r\nend\r\n");
  EXPECT_EQ(ToBinary("object A: B\r\nend\r\nwhatever = 'x\r\n"), form);
  EXPECT_EQ(ToBinary("object A: B\r\nend )) 'x\r\n"), form);
  EXPECT_EQ(ToBinary("object A: B\r\nend\r\n'open\r\n"), form);
  EXPECT_EQ(ToBinary("object A: B\r\nend\x1A\r\nobject C: D\r\n"), form);
  // A character 26 inside the form cuts it short, wherever it stands.
  EXPECT_EQ(ParserFailure("object A: B\r\n  object C: D\r\n  end\x1A\r\nend\r\n"),
            "OBJECT expected on line 3");
  EXPECT_EQ(ParserFailure("object A: B\r\n  P = 'a\x1A"
                          "b'\r\nend\r\n"),
            "Invalid string constant on line 2");
  // Also when it arrives with a later refill.
  std::string body;
  for (int i = 0; i < 1000; ++i) body += "  P" + std::to_string(i) + " = 1\r\n";
  EXPECT_EQ(ParserFailure("object A: B\r\n" + body + "\x1A" + body + "end\r\n"),
            "Identifier expected on line 1002");
}

TEST(TextToBinaryTest, CrLfLoneCrAndLoneLfEachEndOneLine) {
  EXPECT_EQ(ParserFailure("object A: B\r  P = 1\r\r  Q 2\rend\r"),
            "Equals sign \"=\" expected on line 4");
  EXPECT_EQ(ParserFailure("object A: B\r\n  P = 1\n\r  Q 2\r\nend"),
            "Equals sign \"=\" expected on line 4");
  EXPECT_EQ(ParserFailure("object A: B\r  P = {\r  00\r  11}\r  Q 2\r"),
            "Equals sign \"=\" expected on line 5");
  // A CR-only text longer than the buffer is cut at its CRs.
  std::string body;
  for (int i = 0; body.size() < 100000; ++i) body += "  P" + std::to_string(i) + " = 'x'\r";
  EXPECT_NO_THROW(ToBinary("object A: B\r" + body + "end\r"));
  const int lines = 1 + static_cast<int>(std::count(body.begin(), body.end(), '\r'));
  EXPECT_EQ(ParserFailure("object A: B\r" + body + "  Q 2\rend\r"),
            "Equals sign \"=\" expected on line " + std::to_string(lines + 1));
  // A CR LF that the buffer's cut splits still counts once.
  std::string split = "object A: B\r\n  P = '" + std::string(4073, 'x') + "'\r\n";
  ASSERT_EQ(split.size(), 4096u);
  EXPECT_EQ(ParserFailure(split + "  Q 2\r\nend\r\n"), "Equals sign \"=\" expected on line 3");
}

TEST(TextToBinaryTest, ZeroByteEndsTheText) {
  EXPECT_EQ(ParserFailure(Bytes("object A: B\r\n\0  end\r\n")), "Identifier expected on line 2");
  EXPECT_EQ(ToBinary(Bytes("object A: B end\0'")), ToBinary("object A: B end"));
}

TEST(TextToBinaryTest, ByteOrderMarkAndNonAsciiLettersInSymbols) {
  EXPECT_EQ(ToBinary("\xEF\xBB\xBFobject A: B\r\nend\r\n"), ToBinary("object A: B\r\nend\r\n"));
  EXPECT_EQ(ToBinary("object B\xC3\xB6rsenindex: TLabel\r\n  X = \xE4.\xFC\r\nend"),
            Bytes("TPF0\x06TLabel\x0C"
                  "B\xC3\xB6rsenindex"
                  "\x01X\x07\x03\xE4.\xFC\x00\x00"));
  // A mark anywhere else is three letters.
  EXPECT_EQ(ParserFailure("\r\n\xEF\xBB\xBFobject A: B\r\nend\r\n"), "OBJECT expected on line 2");
}

TEST(TextToBinaryTest, NestingBeyondTheLimitFails) {
  auto nested_objects = [](int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "object TX\n";
    for (int i = 0; i < depth; ++i) text += "end\n";
    return text;
  };
  EXPECT_NO_THROW(ToBinary(nested_objects(1000)));
  EXPECT_EQ(ParserFailure(nested_objects(1001)), "Nesting too deep on line 1001");
  // The root counts, so 999 lists fit inside it.
  EXPECT_NO_THROW(ToBinary(Form("  P = " + std::string(999, '(') + std::string(999, ')') + "\n")));
  EXPECT_EQ(ParserFailure(Form("  P = " + std::string(1000, '(') + std::string(1000, ')') + "\n")),
            "Nesting too deep on line 2");
  EXPECT_EQ(ParserFailure(Form("  P = " + std::string(999, '(') + "<item X = <>" + "\n")),
            "Nesting too deep on line 2");
}

TEST(TextToBinaryTest, LinesUpTo4093CharactersFitTheBuffer) {
  auto with_line = [](size_t length) {
    std::string line = "  P = '" + std::string(length - 8, 'x') + "'";
    return "object A: B\r\n" + line + "\r\nend\r\n";
  };
  EXPECT_NO_THROW(ToBinary(with_line(4093)));
  EXPECT_EQ(ParserFailure(with_line(4095)), "Line too long on line 2");
  // The byte order mark does not take room from the first line.
  std::string first_line = "object A: B " + std::string(4081, ' ');
  EXPECT_NO_THROW(ToBinary("\xEF\xBB\xBF" + first_line + "\r\nend\r\n"));
  EXPECT_EQ(ParserFailure(first_line + "  \r\nend\r\n"), "Line too long on line 1");
}

TEST(TextToBinaryTest, LongTextsCrossManyRefills) {
  std::string body;
  for (int i = 0; i < 3000; ++i)
    body += "  P" + std::to_string(i) + " = {00112233445566778899}\r\n";
  EXPECT_EQ(ToBinary(Form(body)).size(), 4 + 2 + 2 + 61890u + 2);
  EXPECT_EQ(ParserFailure(Form(body + "  Bad 1\r\n")), "Equals sign \"=\" expected on line 3002");
}

TEST(TextToBinaryTest, ResourceHeaderNamesTheUpperCaseRootClass) {
  std::string resource = BinaryOf("object MainForm: TMainForm\r\nend\r\n");
  std::string data = ToBinary("object MainForm: TMainForm\r\nend\r\n");
  EXPECT_EQ(resource, Bytes("\xFF\x0A\x00TMAINFORM\x00\x30\x10") +
                          std::string(1, static_cast<char>(data.size())) + std::string(3, '\0') +
                          data);
  // Prefix and child position are stepped over to find the class name.
  resource = BinaryOf("inherited F: T\xE4x_1 [300]\r\nend\r\n");
  EXPECT_EQ(Hex(resource.substr(0, 14)), "FF 0A 00 54 E4 58 5F 31 00 30 10 12 00 00");
}

TEST(TextToBinaryTest, ResourceHeaderCutsLongClassNamesTo70Bytes) {
  std::string name(100, 'c');
  std::string resource = BinaryOf("object " + name + "\r\nend\r\n");
  EXPECT_EQ(resource.substr(3, 71), std::string(70, 'C') + '\0');
  EXPECT_EQ(resource.substr(80), ToBinary("object " + name + "\r\nend\r\n"));
}

TEST(TextToBinaryTest, LargeDataGetsItsSizesFilledInAfterItIsWritten) {
  // Two data properties of 300,000 bytes each: both sizes, and the size in
  // the resource header, stand in front of bytes written out long before.
  const std::string data_line = "  " + std::string(60, 'F') + "\r\n";
  std::string data_text = "{\r\n";
  for (int line = 0; line < 10000; ++line) data_text += data_line;
  data_text += "}\r\n";
  const std::string resource =
      BinaryOf("object a: TBig\r\n  P = " + data_text + "  Q = " + data_text + "end\r\n");

  const std::string data(300000, '\xFF');
  auto size_bytes = [](uint32_t size) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(size >> (8 * i));
    return bytes;
  };
  std::string expected_data = std::string("TPF0") + "\x04TBig" + "\x01" + "a";
  expected_data += "\x01P\x0A" + size_bytes(300000) + data;
  expected_data += "\x01Q\x0A" + size_bytes(300000) + data;
  expected_data += std::string(2, '\0');
  std::string expected = std::string("\xFF\x0A\x00TBIG\x00\x30\x10", 10);
  expected += size_bytes(static_cast<uint32_t>(expected_data.size())) + expected_data;
  ASSERT_EQ(resource.size(), expected.size());
  EXPECT_TRUE(resource == expected);
}

TEST(TextToBinaryTest, NothingIsWrittenWhenTheTextFails) {
  std::istringstream input(Form("  P = 1\r\n  Q = \r\n"));
  std::ostringstream output;
  EXPECT_THROW(FormTextToResource(input, output), EParserError);
  EXPECT_EQ(output.str(), "");
}

TEST(TextToBinaryTest, RefusedOutputFailsWithStreamWriteError) {
  std::istringstream input(Form(""));
  std::ostream refusing(nullptr);
  try {
    FormTextToResource(input, refusing);
    FAIL() << "no failure";
  } catch (const EWriteError& failure) {
    EXPECT_STREQ(failure.what(), "Stream write error");
  }
}

}  // namespace
}  // namespace vornic
