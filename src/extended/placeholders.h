// Placeholders: a visual control of a class that nothing translates is
// painted as a framed box of its size showing its class name, so that the
// window shows where something is missing.
#pragma once

namespace vornic {

struct FormObject;

/// True when `object`, which no class table row writes, is a visual
/// control: named, not the form, with an integer Left, Top, Width and
/// Height, of no class known to show nothing, and not a frame whose own
/// file was found or whose controls the form stores whole (they are written
/// in its place).
bool NeedsPlaceholder(const FormObject& object);

}  // namespace vornic
