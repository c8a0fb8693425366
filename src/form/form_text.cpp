// Form text from the tree.
#include "form/form_text.h"

#include <string_view>

namespace vornic {

namespace {

// Hexadecimal digits of 32 bytes make a line of data.
constexpr size_t kDataLineDigits = 64;

const char* KindWord(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::kInherited:
      return "inherited";
    case ObjectKind::kInline:
      return "inline";
    case ObjectKind::kObject:
      break;
  }
  return "object";
}

void AppendLine(std::string& text, int indent, std::string_view line) {
  text.append(static_cast<size_t>(indent), ' ');
  text.append(line);
  text += "\r\n";
}

void AppendProperties(std::string& text, const FormProperties& list, int indent);

void AppendValue(std::string& text, const FormProperty& property, int indent) {
  const std::string head = property.name + " = ";
  switch (property.shape) {
    case FormProperty::Shape::kPlain:
      AppendLine(text, indent, head + property.value);
      return;
    case FormProperty::Shape::kList:
      if (property.entries.empty()) {
        AppendLine(text, indent, head + "()");
        return;
      }
      AppendLine(text, indent, head + "(");
      for (size_t i = 0; i < property.entries.size(); ++i) {
        std::string entry(property.entries[i]);
        if (i + 1 == property.entries.size()) entry += ")";
        AppendLine(text, indent + 2, entry);
      }
      return;
    case FormProperty::Shape::kData:
      // Less than a line of data stands on the property's own line.
      if (property.data.size() < kDataLineDigits) {
        AppendLine(text, indent, head + "{" + property.data + "}");
        return;
      }
      AppendLine(text, indent, head + "{");
      for (size_t at = 0; at < property.data.size(); at += kDataLineDigits) {
        std::string line = property.data.substr(at, kDataLineDigits);
        if (at + kDataLineDigits >= property.data.size()) line += "}";
        AppendLine(text, indent + 2, line);
      }
      return;
    case FormProperty::Shape::kCollection:
      if (property.items.empty()) {
        AppendLine(text, indent, head + "<>");
        return;
      }
      AppendLine(text, indent, head + "<");
      for (size_t i = 0; i < property.items.size(); ++i) {
        AppendLine(text, indent + 2, "item");
        AppendProperties(text, property.items[i], indent + 4);
        AppendLine(text, indent + 2, i + 1 == property.items.size() ? "end>" : "end");
      }
      return;
  }
}

void AppendProperties(std::string& text, const FormProperties& list, int indent) {
  for (const FormProperty& property : list.properties) AppendValue(text, property, indent);
}

void AppendObject(std::string& text, const FormObject& object, int indent) {
  std::string head = std::string(KindWord(object.kind)) + " ";
  head += object.name.empty() ? object.class_name : object.name + ": " + object.class_name;
  if (object.order >= 0) head += " [" + std::to_string(object.order) + "]";
  AppendLine(text, indent, head);
  AppendProperties(text, object, indent + 2);
  for (const auto& child : object.children) AppendObject(text, *child, indent + 2);
  AppendLine(text, indent, "end");
}

}  // namespace

std::string FormText(const FormObject& object) {
  std::string text;
  AppendObject(text, object, 0);
  return text;
}

}  // namespace vornic
