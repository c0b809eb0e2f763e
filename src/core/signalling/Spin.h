#pragma once

namespace program::signalling {

// A press of a spin button's up or down arrow. The signalling dialogs' spin
// buttons step the number in their edit by their own rules and never show a
// position of their own.
enum class Spin { Up, Down };

} // namespace program::signalling
