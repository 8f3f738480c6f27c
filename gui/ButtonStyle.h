// The window's style: the platform's, with the label of a push button that
// has an icon drawn in its place in a right-to-left window.
#pragma once

namespace velmora {

// Puts the style in place once; later calls leave it as it is.
void UseWindowStyle();

}  // namespace velmora
