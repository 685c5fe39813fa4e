// Menu commands with a check mark, as assistive technology reads them: checkable, and checked or
// not.
#pragma once

namespace glintrow {

// Has every checkable command of a menu read with its check mark; once per program.
void InstallCheckableCommandAccessible();

} // namespace glintrow
