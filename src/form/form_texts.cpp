// Decoding the texts of a whole tree: first whether its raw bytes are UTF-8
// at all, then each object's values in the code page it is given.
#include "form/form_texts.h"

#include <string>

#include "form/text_value.h"
#include "input/code_page_decode.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr int kWesternCodePage = 1252;

struct CharsetCodePage {
  std::string_view name;
  int number;
  int code_page;
};

constexpr CharsetCodePage kCharsets[] = {
    {"ANSI_CHARSET", 0, 1252},         {"SYMBOL_CHARSET", 2, 1252},
    {"SHIFTJIS_CHARSET", 128, 932},    {"HANGEUL_CHARSET", 129, 949},
    {"JOHAB_CHARSET", 130, 1361},      {"GB2312_CHARSET", 134, 936},
    {"CHINESEBIG5_CHARSET", 136, 950}, {"GREEK_CHARSET", 161, 1253},
    {"TURKISH_CHARSET", 162, 1254},    {"VIETNAMESE_CHARSET", 163, 1258},
    {"HEBREW_CHARSET", 177, 1255},     {"ARABIC_CHARSET", 178, 1256},
    {"BALTIC_CHARSET", 186, 1257},     {"RUSSIAN_CHARSET", 204, 1251},
    {"THAI_CHARSET", 222, 874},        {"EASTEUROPE_CHARSET", 238, 1250},
};

// Rewrites each text value of `list`, its list entries and its items' values.
template <typename Rewrite>
void RewriteTexts(FormProperties& list, const Rewrite& rewrite) {
  for (FormProperty& property : list.properties) {
    if (IsTextValue(property.value)) property.value = rewrite(property.value);
    if (property.shape == FormProperty::Shape::kList) {
      TextList entries;
      for (size_t i = 0; i < property.entries.size(); ++i) {
        const std::string_view entry = property.entries[i];
        entries.Add(IsTextValue(entry) ? rewrite(entry) : std::string(entry));
      }
      property.entries = std::move(entries);
    }
    for (FormItem& item : property.items) RewriteTexts(item, rewrite);
  }
}

bool TextsAreUtf8(const FormProperties& list) {
  for (const FormProperty& property : list.properties) {
    if (IsTextValue(property.value) && !RunsAreUtf8(property.value)) return false;
    for (size_t i = 0; i < property.entries.size(); ++i) {
      if (IsTextValue(property.entries[i]) && !RunsAreUtf8(property.entries[i])) return false;
    }
    for (const FormItem& item : property.items) {
      if (!TextsAreUtf8(item)) return false;
    }
  }
  return true;
}

bool TreeTextsAreUtf8(const FormObject& object) {
  if (!TextsAreUtf8(object)) return false;
  for (const auto& child : object.children) {
    if (!TreeTextsAreUtf8(*child)) return false;
  }
  return true;
}

// The code page the font of `object` names, its own or a holder's.
int CharsetCodePageOf(const FormObject& object) {
  for (const FormObject* at = &object; at != nullptr; at = at->parent) {
    if (const int code_page = CodePageOfCharset(at->Value("Font.Charset")); code_page != 0) {
      return code_page;
    }
  }
  return kWesternCodePage;
}

void DecodeObject(FormObject& object, int code_page, bool by_charset) {
  const int own = by_charset ? CharsetCodePageOf(object) : code_page;
  RewriteTexts(object,
               [own](std::string_view value) { return WideLiteral(DecodeTextValue(value, own)); });
  for (const auto& child : object.children) DecodeObject(*child, code_page, by_charset);
}

}  // namespace

int CodePageOfCharset(std::string_view charset) {
  const std::string upper = UpperText(std::string(charset));
  const bool number = IsIntegerText(upper);
  for (const CharsetCodePage& known : kCharsets) {
    if (number ? TextToInt(upper) == known.number : upper == known.name) return known.code_page;
  }
  return 0;
}

void DecodeFormTexts(FormTree& tree, int code_page) {
  if (tree.root == nullptr) return;
  if (code_page == 0 && (tree.byte_order_mark || TreeTextsAreUtf8(*tree.root))) {
    code_page = kUtf8CodePage;
  }
  DecodeObject(*tree.root, code_page, code_page == 0);
}

}  // namespace vornic
