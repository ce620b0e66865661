// Appearance choices shared by forms and controls.
#pragma once

namespace forms {

// Forms use all four; labels and picture boxes None or FixedSingle.
enum class BorderStyle { None, FixedSingle, Sizable, FixedToolWindow };
// Whether a label or shape paints its back colour or lets the container show.
enum class BackStyle { Transparent, Opaque };
enum class Alignment { Left, Right, Center };
enum class FillStyle { Solid, Transparent };

} // namespace forms
