// Parses form text and writes the binary object record as it goes.
#pragma once

#include <functional>
#include <istream>
#include <string_view>

#include "input/byte_sink.h"

namespace vornic {

/// Called with the root object's class name before the first byte is put.
using RootClassHandler = std::function<void(std::string_view root_class)>;

/// Parses one object from the text and puts "TPF0" and its object record into
/// `sink`, leaving the last bytes pending. `before_data`, when set, may put a
/// header in front. Throws EParserError ("... on line N"), EConvertError or
/// EWriteError.
void ConvertFormText(std::istream& input, ByteSink& sink, RootClassHandler before_data = {});

}  // namespace vornic
